#include "platform/linux/qt/config/QtConfigurationView.h"

#include <QLabel>
#include <filesystem>
#include <string>
#include <system_error>

#include "platform/linux/browse/Drives.h"
#include "platform/events/Dispatch.h"
#include "platform/linux/qt/about/FixedDialog.h"
#include "platform/linux/qt/about/TwipRect.h"
#include "platform/linux/qt/config/BrowseLists.h"
#include "platform/linux/qt/config/Controls.h"
#include "platform/linux/qt/config/Shapes.h"
#include "platform/linux/qt/config/TaskbarHint.h"

namespace vs {
namespace {

using about::TwipRect;
using config::Button;

const QColor kDarkRed(192, 0, 0);
const QColor kDarkBlue(0, 0, 192);
const QColor kGreen(0, 192, 0);

const QString kLabel1 = QStringLiteral("SOURCE:") + QString(47, QLatin1Char(' ')) +
                        QStringLiteral(
                            "Select your favorite image/audio files...then...add to "
                            "target box ");

void Place(QWidget& widget, const char* name, const QRect& geometry, const char* toolTip = "") {
  widget.setObjectName(QString::fromLatin1(name));
  widget.setGeometry(geometry);
  widget.setToolTip(QString::fromLatin1(toolTip));
}

// As the file system names it (not always UTF-8); empty when it is gone.
std::string ProcessDirectory() {
  std::error_code error;
  return std::filesystem::current_path(error).string();
}

QLabel* AddLabel(QWidget* dialog, const char* name, const QString& text, const QRect& geometry) {
  auto* label = new QLabel(text, dialog);
  Place(*label, name, geometry);
  label->setTextFormat(Qt::PlainText);
  label->setWordWrap(true);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  return label;
}

class QtConfigurationView : public about::FixedDialog, public ConfigurationView {
 public:
  explicit QtConfigurationView(ConfigurationEvents& events)
      : FixedDialog(8610, 5940, [this] { Close(); }),
        shape1_(kDarkRed, this),
        shape2_(kDarkBlue, this),
        line1_(kGreen, this),
        drives_(browse::ListDrives(), ProcessDirectory()),
        drive1_(
            drives_,
            Slot("frm_Configuration.Drive1_Change", events, &ConfigurationEvents::Drive1_Change),
            this),
        dir1_(drives_, drive1_, ProcessDirectory(),
              Slot("frm_Configuration.Dir1_Change", events, &ConfigurationEvents::Dir1_Change),
              this),
        combo1_(QStringLiteral("*.bmp"), this),
        file1_(dir1_.Path(), "*.bmp", this),
        list1_(this),
        list2_(this),
        txtTimer_(QStringLiteral("5"), this),
        vsTimer_(1, 60, 5, this),
        cmdAdd_(TwipRect(3600, 2640, 975, 375), this),
        cmdAddAll_(TwipRect(3600, 3000, 975, 375), this),
        cmdRemove_(TwipRect(3600, 3600, 975, 375), this),
        cmdRemoveAll_(TwipRect(3600, 3960, 975, 375), this),
        cmdOK_(TwipRect(1200, 5280, 1215, 375), this),
        cmdCancel_(TwipRect(3600, 5280, 1335, 375), this),
        cmdMoreInfo_(TwipRect(6120, 5280, 1335, 375), this) {
    setWindowTitle(QStringLiteral("VostramelSaver Screen Saver Configuration"));
    PlaceControls();
    SetCaptions();
    SetTabOrder();
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
    Place(shape1_, "Shape1", TwipRect(240, 120, 3255, 4575));
    Place(shape2_, "Shape2", TwipRect(4680, 120, 3735, 4575));
    Place(line1_, "Line1", TwipRect(4680, 2520, 8400 - 4680, about::kTwipsPerPixel));
    AddLabel(this, "Label1", kLabel1, TwipRect(360, 240, 3015, 615));
    AddLabel(this, "Label2", QStringLiteral("TARGET:"), TwipRect(4800, 240, 3135, 255));
    AddLabel(this, "Label5", QStringLiteral("Images below are your screen saver display"),
             TwipRect(4800, 600, 3375, 375));
    AddLabel(this, "Label6", QStringLiteral("Audios below are your music play back"),
             TwipRect(4800, 2640, 3495, 255));
    AddLabel(this, "Label3", QStringLiteral("Display each image for"),
             TwipRect(2040, 4800, 2535, 255))
        ->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    AddLabel(this, "Label4", QStringLiteral("Seconds"), TwipRect(5760, 4800, 1575, 255));

    Place(drive1_, "Drive1", TwipRect(360, 960, 3015, 315), "Please Selected Drive");
    Place(dir1_, "Dir1", TwipRect(360, 1320, 3015, 990), "Please selected directory");
    Place(combo1_, "Combo1", TwipRect(360, 2400, 3015, 315), "File type");
    Place(file1_, "File1", TwipRect(360, 2760, 3015, 1650),
          "Selected images/audio files then click <add>/<add all> to add to <target> area");
    Place(cmdAdd_, "cmdAdd", cmdAdd_.geometry(),
          "Add selected files from <Source> to <Target> list box");
    Place(cmdAddAll_, "cmdAddAll", cmdAddAll_.geometry(),
          "Add all files from <Source> to <Target> list box");
    Place(cmdRemove_, "cmdRemove", cmdRemove_.geometry(),
          "Remove selected files from <Targer> list box");
    Place(cmdRemoveAll_, "cmdRemoveAll", cmdRemoveAll_.geometry(),
          "Remove all files from <Targer> list box");
    Place(list1_, "list1", TwipRect(4800, 960, 3495, 1425),
          "<Target> this is your screen saver images. ");
    Place(list2_, "list2", TwipRect(4800, 3000, 3495, 1425),
          "<Target> this is your screen saver audio play back. ");
    Place(txtTimer_, "txtTimer", TwipRect(4800, 4800, 495, 375),
          "Mininmum is 1 Sec....Maximum is  60 sec.");
    Place(vsTimer_, "vsTimer", TwipRect(5280, 4800, 255, 375));
    Place(cmdOK_, "cmdOK", cmdOK_.geometry(), "Click here to accept this setting");
    Place(cmdCancel_, "cmdCancel", cmdCancel_.geometry(), "Click here to ignore all changes");
    Place(cmdMoreInfo_, "cmdMoreInfo", cmdMoreInfo_.geometry(),
          "To display License agreement / contact information");
  }

  void SetCaptions() {
    cmdAdd_.setText(QStringLiteral("&Add"));
    cmdAddAll_.setText(QStringLiteral("Add A&ll"));
    cmdRemove_.setText(QStringLiteral("&Remove"));
    cmdRemoveAll_.setText(QStringLiteral("Re&move All"));
    cmdOK_.setText(QStringLiteral("&OK"));
    cmdCancel_.setText(QStringLiteral("&Cancel"));
    cmdMoreInfo_.setText(QStringLiteral("A&bout"));
  }

  void SetTabOrder() {
    QWidget* const order[] = {&cmdOK_,        &list1_,     &cmdAdd_,      &cmdAddAll_, &cmdRemove_,
                              &cmdRemoveAll_, &cmdCancel_, &dir1_,        &file1_,     &drive1_,
                              &combo1_,       &txtTimer_,  &cmdMoreInfo_, &vsTimer_,   &list2_};
    for (std::size_t i = 0; i + 1 < std::size(order); ++i) setTabOrder(order[i], order[i + 1]);
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
