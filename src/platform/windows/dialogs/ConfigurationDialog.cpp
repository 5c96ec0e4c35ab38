#include <string>

#include "formats/io/windows/WideNames.h"
#include "platform/design/ConfigurationDesign.h"
#include "platform/events/Dispatch.h"
#include "platform/windows/dialogs/BrowseLists.h"
#include "platform/windows/dialogs/Controls.h"
#include "platform/windows/dialogs/DialogIds.h"
#include "platform/windows/dialogs/Dialogs.h"
#include "platform/windows/dialogs/FixedWindow.h"

namespace vs {
namespace {

namespace form = vs::design::configuration;

std::string ProcessDirectory() {
  std::wstring directory(GetCurrentDirectoryW(0, nullptr) + 1, L'\0');
  directory.resize(GetCurrentDirectoryW(static_cast<DWORD>(directory.size()), directory.data()));
  return Utf8Name(directory);
}

class Win32ConfigurationView : public ConfigurationView {
 public:
  Win32ConfigurationView(ConfigurationEvents& events, HWND owner)
      : window_(form::kWindow, [this] { window_.Close(); }, owner),
        drives_(dialogs::ListDrives(), ProcessDirectory()),
        drive1_(
            window_, dialogs::kDrive1, form::kDrive1, drives_,
            Slot("frm_Configuration.Drive1_Change", events, &ConfigurationEvents::Drive1_Change)),
        dir1_(window_, dialogs::kDir1, form::kDir1, drives_, drive1_, ProcessDirectory(),
              Slot("frm_Configuration.Dir1_Change", events, &ConfigurationEvents::Dir1_Change)),
        combo1_(window_, dialogs::kCombo1, form::kCombo1,
                Slot("frm_Configuration.Combo1_Click", events, &ConfigurationEvents::Combo1_Click)),
        file1_(
            window_, dialogs::kFile1, form::kFile1, dir1_.Path(), form::kCombo1.caption,
            Slot("frm_Configuration.File1_Click", events, &ConfigurationEvents::File1_Click),
            Slot("frm_Configuration.File1_DblClick", events, &ConfigurationEvents::File1_DblClick)),
        list1_(
            window_, dialogs::kList1, form::kList1,
            Slot("frm_Configuration.list1_Click", events, &ConfigurationEvents::list1_Click),
            Slot("frm_Configuration.list1_DblClick", events, &ConfigurationEvents::list1_DblClick)),
        list2_(
            window_, dialogs::kList2, form::kList2,
            Slot("frm_Configuration.list2_Click", events, &ConfigurationEvents::list2_Click),
            Slot("frm_Configuration.list2_DblClick", events, &ConfigurationEvents::list2_DblClick)),
        txtTimer_(window_, dialogs::kTxtTimer, form::kTxtTimer),
        vsTimer_(
            window_, dialogs::kVsTimer, form::kVsTimer, form::kVsTimerRange,
            Slot("frm_Configuration.vsTimer_Change", events, &ConfigurationEvents::vsTimer_Change)),
        cmdAdd_(window_, dialogs::kCmdAdd, form::kCmdAdd,
                Slot("frm_Configuration.cmdAdd_Click", events, &ConfigurationEvents::cmdAdd_Click)),
        cmdAddAll_(window_, dialogs::kCmdAddAll, form::kCmdAddAll,
                   Slot("frm_Configuration.cmdAddAll_Click", events,
                        &ConfigurationEvents::cmdAddAll_Click)),
        cmdRemove_(window_, dialogs::kCmdRemove, form::kCmdRemove,
                   Slot("frm_Configuration.cmdRemove_Click", events,
                        &ConfigurationEvents::cmdRemove_Click)),
        cmdRemoveAll_(window_, dialogs::kCmdRemoveAll, form::kCmdRemoveAll,
                      Slot("frm_Configuration.cmdRemoveAll_Click", events,
                           &ConfigurationEvents::cmdRemoveAll_Click)),
        cmdOK_(window_, dialogs::kCmdOK, form::kCmdOK,
               Slot("frm_Configuration.cmdOK_Click", events, &ConfigurationEvents::cmdOK_Click)),
        cmdCancel_(window_, dialogs::kCmdCancel, form::kCmdCancel,
                   Slot("frm_Configuration.cmdCancel_Click", events,
                        &ConfigurationEvents::cmdCancel_Click)),
        cmdMoreInfo_(window_, dialogs::kCmdMoreInfo, form::kCmdMoreInfo,
                     Slot("frm_Configuration.cmdMoreInfo_Click", events,
                          &ConfigurationEvents::cmdMoreInfo_Click)) {
    AddDecoration();
    window_.SetTabOrder(form::kTabOrder);
  }

  DriveListBox& Drive1() override { return drive1_; }
  DirListBox& Dir1() override { return dir1_; }
  ComboBox& Combo1() override { return combo1_; }
  FileListBox& File1() override { return file1_; }
  ListBox& list1() override { return list1_; }
  ListBox& list2() override { return list2_; }
  TextBox& txtTimer() override { return txtTimer_; }
  ScrollBar& vsTimer() override { return vsTimer_; }
  CommandButton& cmdAdd() override { return cmdAdd_; }
  CommandButton& cmdAddAll() override { return cmdAddAll_; }
  CommandButton& cmdRemove() override { return cmdRemove_; }
  CommandButton& cmdRemoveAll() override { return cmdRemoveAll_; }

  void ShowModal() override { window_.ShowModal(cmdOK_.Handle()); }

 private:
  void AddDecoration() {
    window_.AddFrame(form::kShape1);
    window_.AddFrame(form::kShape2);
    window_.AddHorizontalLine(form::kLine1);
    dialogs::AddLabel(window_, dialogs::kLabel1, form::kLabel1);
    dialogs::AddLabel(window_, dialogs::kLabel2, form::kLabel2);
    dialogs::AddLabel(window_, dialogs::kLabel5, form::kLabel5);
    dialogs::AddLabel(window_, dialogs::kLabel6, form::kLabel6);
    dialogs::AddLabel(window_, dialogs::kLabel3, form::kLabel3);
    dialogs::AddLabel(window_, dialogs::kLabel4, form::kLabel4);
  }

  dialogs::FixedWindow window_;
  dialogs::DriveDirectories drives_;
  dialogs::DriveList drive1_;
  dialogs::DirList dir1_;
  dialogs::PatternCombo combo1_;
  dialogs::FileList file1_;
  dialogs::TargetList list1_;
  dialogs::TargetList list2_;
  dialogs::TimerText txtTimer_;
  dialogs::TimerBar vsTimer_;
  dialogs::Button cmdAdd_, cmdAddAll_, cmdRemove_, cmdRemoveAll_, cmdOK_, cmdCancel_, cmdMoreInfo_;
};

}  // namespace

std::unique_ptr<ConfigurationView> CreateWin32ConfigurationView(ConfigurationEvents& events,
                                                                HWND owner) {
  return std::make_unique<Win32ConfigurationView>(events, owner);
}

}  // namespace vs
