#include <string>

#include "formats/io/windows/WideNames.h"
#include "platform/events/Dispatch.h"
#include "platform/windows/dialogs/BrowseLists.h"
#include "platform/windows/dialogs/Controls.h"
#include "platform/windows/dialogs/DialogIds.h"
#include "platform/windows/dialogs/Dialogs.h"
#include "platform/windows/dialogs/FixedWindow.h"

namespace vs {
namespace {

using dialogs::TwipRect;

constexpr COLORREF kDarkRed = RGB(192, 0, 0);
constexpr COLORREF kDarkBlue = RGB(0, 0, 192);
constexpr COLORREF kGreen = RGB(0, 192, 0);

const std::wstring kLabel1 = L"SOURCE:" + std::wstring(47, L' ') +
                             L"Select your favorite image/audio files...then...add to target box ";

std::string ProcessDirectory() {
  std::wstring directory(GetCurrentDirectoryW(0, nullptr) + 1, L'\0');
  directory.resize(GetCurrentDirectoryW(static_cast<DWORD>(directory.size()), directory.data()));
  return Utf8Name(directory);
}

class Win32ConfigurationView : public ConfigurationView {
 public:
  explicit Win32ConfigurationView(ConfigurationEvents& events)
      : window_(L"VostramelSaver Screen Saver Configuration", 8610, 5940,
                [this] { window_.Close(); }),
        drives_(dialogs::ListDrives(), ProcessDirectory()),
        drive1_(
            window_, dialogs::kDrive1, {360, 960, 3015, 315}, drives_,
            Slot("frm_Configuration.Drive1_Change", events, &ConfigurationEvents::Drive1_Change)),
        dir1_(window_, dialogs::kDir1, {360, 1320, 3015, 990}, drives_, drive1_, ProcessDirectory(),
              Slot("frm_Configuration.Dir1_Change", events, &ConfigurationEvents::Dir1_Change)),
        combo1_(window_, dialogs::kCombo1, L"*.bmp", {360, 2400, 3015, 315},
                Slot("frm_Configuration.Combo1_Click", events, &ConfigurationEvents::Combo1_Click)),
        file1_(
            window_, dialogs::kFile1, {360, 2760, 3015, 1650}, dir1_.Path(), "*.bmp",
            Slot("frm_Configuration.File1_Click", events, &ConfigurationEvents::File1_Click),
            Slot("frm_Configuration.File1_DblClick", events, &ConfigurationEvents::File1_DblClick)),
        list1_(
            window_, dialogs::kList1, {4800, 960, 3495, 1425},
            Slot("frm_Configuration.list1_Click", events, &ConfigurationEvents::list1_Click),
            Slot("frm_Configuration.list1_DblClick", events, &ConfigurationEvents::list1_DblClick)),
        list2_(
            window_, dialogs::kList2, {4800, 3000, 3495, 1425},
            Slot("frm_Configuration.list2_Click", events, &ConfigurationEvents::list2_Click),
            Slot("frm_Configuration.list2_DblClick", events, &ConfigurationEvents::list2_DblClick)),
        txtTimer_(window_, dialogs::kTxtTimer, L"5", {4800, 4800, 495, 375}),
        vsTimer_(
            window_, dialogs::kVsTimer, 1, 60, 5, {5280, 4800, 255, 375},
            Slot("frm_Configuration.vsTimer_Change", events, &ConfigurationEvents::vsTimer_Change)),
        cmdAdd_(window_, dialogs::kCmdAdd, L"&Add", {3600, 2640, 975, 375},
                Slot("frm_Configuration.cmdAdd_Click", events, &ConfigurationEvents::cmdAdd_Click)),
        cmdAddAll_(window_, dialogs::kCmdAddAll, L"Add A&ll", {3600, 3000, 975, 375},
                   Slot("frm_Configuration.cmdAddAll_Click", events,
                        &ConfigurationEvents::cmdAddAll_Click)),
        cmdRemove_(window_, dialogs::kCmdRemove, L"&Remove", {3600, 3600, 975, 375},
                   Slot("frm_Configuration.cmdRemove_Click", events,
                        &ConfigurationEvents::cmdRemove_Click)),
        cmdRemoveAll_(window_, dialogs::kCmdRemoveAll, L"Re&move All", {3600, 3960, 975, 375},
                      Slot("frm_Configuration.cmdRemoveAll_Click", events,
                           &ConfigurationEvents::cmdRemoveAll_Click)),
        cmdOK_(window_, dialogs::kCmdOK, L"&OK", {1200, 5280, 1215, 375},
               Slot("frm_Configuration.cmdOK_Click", events, &ConfigurationEvents::cmdOK_Click)),
        cmdCancel_(window_, dialogs::kCmdCancel, L"&Cancel", {3600, 5280, 1335, 375},
                   Slot("frm_Configuration.cmdCancel_Click", events,
                        &ConfigurationEvents::cmdCancel_Click)),
        cmdMoreInfo_(window_, dialogs::kCmdMoreInfo, L"A&bout", {6120, 5280, 1335, 375},
                     Slot("frm_Configuration.cmdMoreInfo_Click", events,
                          &ConfigurationEvents::cmdMoreInfo_Click)) {
    AddDecoration();
    SetToolTips();
    SetTabOrder();
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
    window_.AddFrame({240, 120, 3255, 4575}, kDarkRed);
    window_.AddFrame({4680, 120, 3735, 4575}, kDarkBlue);
    window_.AddHorizontalLine(4680, 8400, 2520, kGreen);
    label1_ = dialogs::AddLabel(window_, dialogs::kLabel1, kLabel1, {360, 240, 3015, 615});
    label2_ = dialogs::AddLabel(window_, dialogs::kLabel2, L"TARGET:", {4800, 240, 3135, 255});
    label5_ =
        dialogs::AddLabel(window_, dialogs::kLabel5, L"Images below are your screen saver display",
                          {4800, 600, 3375, 375});
    label6_ = dialogs::AddLabel(window_, dialogs::kLabel6, L"Audios below are your music play back",
                                {4800, 2640, 3495, 255});
    label3_ = dialogs::AddLabel(window_, dialogs::kLabel3, L"Display each image for",
                                {2040, 4800, 2535, 255}, true);
    label4_ = dialogs::AddLabel(window_, dialogs::kLabel4, L"Seconds", {5760, 4800, 1575, 255});
  }

  void SetToolTips() {
    window_.SetToolTip(drive1_.Handle(), L"Please Selected Drive");
    window_.SetToolTip(dir1_.Handle(), L"Please selected directory");
    window_.SetToolTip(combo1_.Handle(), L"File type");
    window_.SetToolTip(
        file1_.Handle(),
        L"Selected images/audio files then click <add>/<add all> to add to <target> area");
    window_.SetToolTip(cmdAdd_.Handle(), L"Add selected files from <Source> to <Target> list box");
    window_.SetToolTip(cmdAddAll_.Handle(), L"Add all files from <Source> to <Target> list box");
    window_.SetToolTip(cmdRemove_.Handle(), L"Remove selected files from <Targer> list box");
    window_.SetToolTip(cmdRemoveAll_.Handle(), L"Remove all files from <Targer> list box");
    window_.SetToolTip(list1_.Handle(), L"<Target> this is your screen saver images. ");
    window_.SetToolTip(list2_.Handle(), L"<Target> this is your screen saver audio play back. ");
    window_.SetToolTip(txtTimer_.Handle(), L"Mininmum is 1 Sec....Maximum is  60 sec.");
    window_.SetToolTip(cmdOK_.Handle(), L"Click here to accept this setting");
    window_.SetToolTip(cmdCancel_.Handle(), L"Click here to ignore all changes");
    window_.SetToolTip(cmdMoreInfo_.Handle(),
                       L"To display License agreement / contact information");
  }

  void SetTabOrder() {
    window_.SetTabOrder({cmdOK_.Handle(),
                         list1_.Handle(),
                         cmdAdd_.Handle(),
                         cmdAddAll_.Handle(),
                         cmdRemove_.Handle(),
                         cmdRemoveAll_.Handle(),
                         cmdCancel_.Handle(),
                         dir1_.Handle(),
                         file1_.Handle(),
                         drive1_.Handle(),
                         combo1_.Handle(),
                         txtTimer_.Handle(),
                         label1_,
                         label2_,
                         label3_,
                         cmdMoreInfo_.Handle(),
                         label4_,
                         vsTimer_.Handle(),
                         list2_.Handle(),
                         label5_,
                         label6_});
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
  HWND label1_ = nullptr, label2_ = nullptr, label3_ = nullptr, label4_ = nullptr,
       label5_ = nullptr, label6_ = nullptr;
};

}  // namespace

std::unique_ptr<ConfigurationView> CreateWin32ConfigurationView(ConfigurationEvents& events) {
  return std::make_unique<Win32ConfigurationView>(events);
}

}  // namespace vs
