#include "platform/linux/qt/config/QtConfigurationView.h"

#include <QLabel>
#include <filesystem>
#include <string>
#include <system_error>

#include "platform/design/ConfigurationDesign.h"
#include "platform/events/Dispatch.h"
#include "platform/linux/browse/Drives.h"
#include "platform/linux/qt/about/DesignWidgets.h"
#include "platform/linux/qt/about/FixedDialog.h"
#include "platform/linux/qt/config/BrowseLists.h"
#include "platform/linux/qt/config/Controls.h"
#include "platform/linux/qt/config/Shapes.h"
#include "platform/linux/qt/config/TaskbarHint.h"

namespace vs {
namespace {

namespace form = vs::design::configuration;
using about::Place;
using config::Button;

// As the file system names it (not always UTF-8); empty when it is gone.
std::string ProcessDirectory() {
  std::error_code error;
  return std::filesystem::current_path(error).string();
}

QLabel* AddLabel(QWidget* dialog, const design::Control& control) {
  auto* label = new QLabel(QString::fromUtf8(control.caption), dialog);
  Place(*label, control);
  label->setTextFormat(Qt::PlainText);
  label->setWordWrap(true);
  label->setAlignment(about::TextAlignment(control));
  return label;
}

class QtConfigurationView : public about::FixedDialog, public ConfigurationView {
 public:
  explicit QtConfigurationView(ConfigurationEvents& events)
      : FixedDialog(form::kWindow.width, form::kWindow.height, [this] { Close(); }),
        shape1_(about::ToQColor(form::kShape1.colour), this),
        shape2_(about::ToQColor(form::kShape2.colour), this),
        line1_(about::ToQColor(form::kLine1.colour), this),
        drives_(browse::ListDrives(), ProcessDirectory()),
        drive1_(
            drives_,
            Slot("frm_Configuration.Drive1_Change", events, &ConfigurationEvents::Drive1_Change),
            this),
        dir1_(drives_, drive1_, ProcessDirectory(),
              Slot("frm_Configuration.Dir1_Change", events, &ConfigurationEvents::Dir1_Change),
              this),
        combo1_(QString::fromUtf8(form::kCombo1.caption), this),
        file1_(dir1_.Path(), form::kCombo1.caption, this),
        list1_(this),
        list2_(this),
        txtTimer_(QString::fromUtf8(form::kTxtTimer.caption), this),
        vsTimer_(form::kVsTimerRange.minimum, form::kVsTimerRange.maximum,
                 form::kVsTimerRange.value, this),
        cmdAdd_(form::kCmdAdd, this),
        cmdAddAll_(form::kCmdAddAll, this),
        cmdRemove_(form::kCmdRemove, this),
        cmdRemoveAll_(form::kCmdRemoveAll, this),
        cmdOK_(form::kCmdOK, this),
        cmdCancel_(form::kCmdCancel, this),
        cmdMoreInfo_(form::kCmdMoreInfo, this) {
    setWindowTitle(QString::fromUtf8(form::kWindow.caption));
    PlaceControls();
    about::SetTabOrder(*this, form::kTabOrder);
    Connect(events);
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

  void ShowModal() override {
    cmdOK_.setFocus();
    config::KeepOutOfTaskbar(*this);
    ExecCentred(windowTitle());
  }

 private:
  void PlaceControls() {
    Place(shape1_, form::kShape1);
    Place(shape2_, form::kShape2);
    Place(line1_, form::kLine1);
    for (const design::Control* label : {&form::kLabel1, &form::kLabel2, &form::kLabel5,
                                         &form::kLabel6, &form::kLabel3, &form::kLabel4}) {
      AddLabel(this, *label);
    }
    Place(drive1_, form::kDrive1);
    Place(dir1_, form::kDir1);
    Place(combo1_, form::kCombo1);
    Place(file1_, form::kFile1);
    Place(list1_, form::kList1);
    Place(list2_, form::kList2);
    Place(txtTimer_, form::kTxtTimer);
    Place(vsTimer_, form::kVsTimer);
  }

  void Connect(ConfigurationEvents& events) {
    connect(&combo1_, &QComboBox::activated, this,
            Slot("frm_Configuration.Combo1_Click", events, &ConfigurationEvents::Combo1_Click));
    connect(&file1_, &QListWidget::itemSelectionChanged, this,
            Slot("frm_Configuration.File1_Click", events, &ConfigurationEvents::File1_Click));
    connect(&file1_, &QListWidget::itemDoubleClicked, this,
            Slot("frm_Configuration.File1_DblClick", events, &ConfigurationEvents::File1_DblClick));
    connect(&list1_, &QListWidget::itemSelectionChanged, this,
            Slot("frm_Configuration.list1_Click", events, &ConfigurationEvents::list1_Click));
    connect(&list1_, &QListWidget::itemDoubleClicked, this,
            Slot("frm_Configuration.list1_DblClick", events, &ConfigurationEvents::list1_DblClick));
    connect(&list2_, &QListWidget::itemSelectionChanged, this,
            Slot("frm_Configuration.list2_Click", events, &ConfigurationEvents::list2_Click));
    connect(&list2_, &QListWidget::itemDoubleClicked, this,
            Slot("frm_Configuration.list2_DblClick", events, &ConfigurationEvents::list2_DblClick));
    connect(&vsTimer_, &QScrollBar::valueChanged, this,
            Slot("frm_Configuration.vsTimer_Change", events, &ConfigurationEvents::vsTimer_Change));
    connect(&cmdAdd_, &QPushButton::clicked, this,
            Slot("frm_Configuration.cmdAdd_Click", events, &ConfigurationEvents::cmdAdd_Click));
    connect(
        &cmdAddAll_, &QPushButton::clicked, this,
        Slot("frm_Configuration.cmdAddAll_Click", events, &ConfigurationEvents::cmdAddAll_Click));
    connect(
        &cmdRemove_, &QPushButton::clicked, this,
        Slot("frm_Configuration.cmdRemove_Click", events, &ConfigurationEvents::cmdRemove_Click));
    connect(&cmdRemoveAll_, &QPushButton::clicked, this,
            Slot("frm_Configuration.cmdRemoveAll_Click", events,
                 &ConfigurationEvents::cmdRemoveAll_Click));
    connect(&cmdOK_, &QPushButton::clicked, this,
            Slot("frm_Configuration.cmdOK_Click", events, &ConfigurationEvents::cmdOK_Click));
    connect(
        &cmdCancel_, &QPushButton::clicked, this,
        Slot("frm_Configuration.cmdCancel_Click", events, &ConfigurationEvents::cmdCancel_Click));
    connect(&cmdMoreInfo_, &QPushButton::clicked, this,
            Slot("frm_Configuration.cmdMoreInfo_Click", events,
                 &ConfigurationEvents::cmdMoreInfo_Click));
  }

  // Created first, so that they lie beneath the controls.
  config::RectangleShape shape1_;
  config::RectangleShape shape2_;
  config::LineShape line1_;
  browse::DriveMemory drives_;
  config::DriveList drive1_;
  config::DirList dir1_;
  config::PatternCombo combo1_;
  config::FileList file1_;
  config::TargetList list1_;
  config::TargetList list2_;
  config::TimerText txtTimer_;
  config::TimerBar vsTimer_;
  Button cmdAdd_, cmdAddAll_, cmdRemove_, cmdRemoveAll_, cmdOK_, cmdCancel_, cmdMoreInfo_;
};

}  // namespace

std::unique_ptr<ConfigurationView> CreateQtConfigurationView(ConfigurationEvents& events) {
  return std::make_unique<QtConfigurationView>(events);
}

}  // namespace vs
