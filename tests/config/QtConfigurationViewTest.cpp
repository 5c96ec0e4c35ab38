#include <gmock/gmock.h>
#include <unistd.h>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <map>

#include "CaptionsFit.h"
#include "FakePlatform.h"
#include "config/frm_Configuration.h"
#include "platform/ini/IniProfile.h"
#include "platform/linux/qt/config/QtConfigurationView.h"
#include "samples/SampleFiles.h"
#include "settings/Logfile.h"
#include "settings/support.h"

namespace vs {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

struct RecordedEvents : ConfigurationEvents {
  void Drive1_Change() override { log.push_back("Drive1_Change"); }
  void Dir1_Change() override { log.push_back("Dir1_Change"); }
  void Combo1_Click() override { log.push_back("Combo1_Click"); }
  void File1_Click() override { log.push_back("File1_Click"); }
  void File1_DblClick() override {}
  void list1_Click() override { log.push_back("list1_Click"); }
  void list1_DblClick() override {}
  void list2_Click() override {}
  void list2_DblClick() override {}
  void vsTimer_Change() override { log.push_back("vsTimer_Change"); }
  void cmdAdd_Click() override {}
  void cmdAddAll_Click() override {}
  void cmdRemove_Click() override {}
  void cmdRemoveAll_Click() override {}
  void cmdOK_Click() override { log.push_back("cmdOK_Click"); }
  void cmdCancel_Click() override {}
  void cmdMoreInfo_Click() override {}
  std::vector<std::string> log;
};

class QtConfigurationViewTest : public ::testing::Test {
 protected:
  QtConfigurationViewTest() {
    for (const char* file : {"b.bmp", "A.BMP", ".hidden.bmp", "c.jpg"}) dir.Write(file, {'x'});
    dir.AddDirectory("sub.bmp");
    previous = QDir::currentPath();
    QDir::setCurrent(QString::fromStdString(dir.Path()));
    view = CreateQtConfigurationView(events);
    dialog = dynamic_cast<QWidget*>(view.get());
  }
  ~QtConfigurationViewTest() override { QDir::setCurrent(previous); }

  template <typename W = QWidget>
  W* Child(const char* name) {
    W* found = dialog->findChild<W*>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
  }

  samples::TempDir dir;
  QString previous;
  RecordedEvents events;
  std::unique_ptr<ConfigurationView> view;
  QWidget* dialog = nullptr;
};

// Twips at 15 to the pixel.
const std::map<std::string, QRect> kGeometry = {
    {"Label1", {24, 16, 201, 41}},        {"Drive1", {24, 64, 201, 21}},
    {"Dir1", {24, 88, 201, 66}},          {"Combo1", {24, 160, 201, 21}},
    {"File1", {24, 184, 201, 110}},       {"cmdAdd", {240, 176, 65, 25}},
    {"cmdAddAll", {240, 200, 65, 25}},    {"cmdRemove", {240, 240, 65, 25}},
    {"cmdRemoveAll", {240, 264, 65, 25}}, {"Label2", {320, 16, 209, 17}},
    {"Label5", {320, 40, 225, 25}},       {"list1", {320, 64, 233, 95}},
    {"Label6", {320, 176, 233, 17}},      {"list2", {320, 200, 233, 95}},
    {"Label3", {136, 320, 169, 17}},      {"txtTimer", {320, 320, 33, 25}},
    {"vsTimer", {352, 320, 17, 25}},      {"Label4", {384, 320, 105, 17}},
    {"cmdOK", {80, 352, 81, 25}},         {"cmdCancel", {240, 352, 89, 25}},
    {"cmdMoreInfo", {408, 352, 89, 25}},  {"Shape1", {16, 8, 217, 305}},
    {"Shape2", {312, 8, 249, 305}},       {"Line1", {312, 168, 248, 1}}};

TEST_F(QtConfigurationViewTest, GeometryIsTheDesignConvertedToPixels) {
  EXPECT_EQ(dialog->size(), QSize(574, 396));
  EXPECT_EQ(dialog->minimumSize(), dialog->maximumSize());
  for (const auto& [name, rect] : kGeometry) {
    if (QWidget* widget = Child(name.c_str())) {
      EXPECT_EQ(widget->geometry(), rect) << name;
    }
  }
}

TEST_F(QtConfigurationViewTest, CaptionsAndToolTipsAreExactAndPlain) {
  EXPECT_EQ(dialog->windowTitle(), "VostramelSaver Screen Saver Configuration");
  const std::map<std::string, QString> captions = {
      {"cmdAdd", "&Add"},       {"cmdAddAll", "Add A&ll"},
      {"cmdRemove", "&Remove"}, {"cmdRemoveAll", "Re&move All"},
      {"cmdOK", "&OK"},         {"cmdCancel", "&Cancel"},
      {"cmdMoreInfo", "A&bout"}};
  for (const auto& [name, text] : captions)
    EXPECT_EQ(Child<QPushButton>(name.c_str())->text(), text);
  EXPECT_EQ(Child<QLabel>("Label1")->text(),
            "SOURCE:" + QString(47, ' ') +
                "Select your favorite image/audio files...then...add to target box ");
  EXPECT_EQ(Child<QLabel>("Label4")->text(), "Seconds");
  EXPECT_EQ(Child<QLineEdit>("txtTimer")->text(), "5");
  EXPECT_TRUE(Child<QLineEdit>("txtTimer")->isReadOnly());

  const std::map<std::string, QString> tips = {
      {"Drive1", "Please Selected Drive"},
      {"File1", "Selected images/audio files then click <add>/<add all> to add to <target> area"},
      {"cmdAdd", "Add selected files from <Source> to <Target> list box"},
      {"cmdRemoveAll", "Remove all files from <Targer> list box"},
      {"list1", "<Target> this is your screen saver images. "},
      {"list2", "<Target> this is your screen saver audio play back. "},
      {"txtTimer", "Mininmum is 1 Sec....Maximum is  60 sec."},
      {"cmdMoreInfo", "To display License agreement / contact information"}};
  for (const auto& [name, tip] : tips) {
    const QString shown = Child(name.c_str())->toolTip();
    EXPECT_EQ(shown, tip) << name;
    EXPECT_FALSE(Qt::mightBeRichText(shown)) << name << ": the <...> words would vanish";
  }
}

TEST_F(QtConfigurationViewTest, EveryCaptionFitsItsControlAsShown) {
  std::vector<std::string> clipped;
  QTimer::singleShot(0, [&] {
    clipped = testing::ClippedCaptions(*dialog);
    dialog->close();
  });
  view->ShowModal();
  EXPECT_THAT(clipped, ElementsAre());
  // Smaller, not another face: the desktop's choice of family stays.
  EXPECT_EQ(dialog->font().family(), QApplication::font().family());
  EXPECT_LE(dialog->font().pointSizeF(), 8);
}

TEST_F(QtConfigurationViewTest, TabOrderStartsAtOkAndNoButtonIsDefault) {
  const std::vector<QString> expected = {
      "cmdOK", "list1",  "cmdAdd", "cmdAddAll", "cmdRemove",   "cmdRemoveAll", "cmdCancel", "Dir1",
      "File1", "Drive1", "Combo1", "txtTimer",  "cmdMoreInfo", "vsTimer",      "list2"};
  std::vector<QString> chain;
  QWidget* widget = Child("cmdOK");
  do {
    const QString name = widget->objectName();
    if (std::find(expected.begin(), expected.end(), name) != expected.end() &&
        std::find(chain.begin(), chain.end(), name) == chain.end()) {
      chain.push_back(name);
    }
    widget = widget->nextInFocusChain();
  } while (widget != Child("cmdOK"));
  EXPECT_THAT(chain, ElementsAreArray(expected));
  for (QPushButton* button : dialog->findChildren<QPushButton*>()) {
    EXPECT_FALSE(button->isDefault() || button->autoDefault())
        << button->objectName().toStdString();
  }
}

TEST_F(QtConfigurationViewTest, ShowsModallyWithFocusOnOkAndWithoutCloseButton) {
  QWidget* focused = nullptr;
  QTimer::singleShot(0, [&] {
    focused = dialog->focusWidget();
    QTest::keyClick(dialog, Qt::Key_Escape);  // no cancel button
    EXPECT_TRUE(dialog->isVisible());
    QTimer::singleShot(0, [&] { dialog->close(); });
  });
  view->ShowModal();
  EXPECT_EQ(focused, Child("cmdOK"));
  EXPECT_TRUE(events.log.empty());
  const Qt::WindowFlags flags = dialog->windowFlags();
  EXPECT_FALSE(flags & (Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                        Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
}

TEST_F(QtConfigurationViewTest, FileListShowsMatchingPlainFilesIgnoringCase) {
  EXPECT_EQ(view->Dir1().Path(), dir.Path());
  EXPECT_EQ(view->File1().Path(), dir.Path());
  view->File1().SetPattern("*.bmp");
  ASSERT_EQ(view->File1().ListCount(), 2);
  EXPECT_EQ(view->File1().List(0), "A.BMP");
  EXPECT_EQ(view->File1().List(1), "b.bmp");
  EXPECT_TRUE(events.log.empty());  // set by the dialog, not clicked
}

TEST_F(QtConfigurationViewTest, OpeningAVanishedDirectoryKeepsTheListsConsistent) {
  view->Dir1().SetPath(dir.Path() + "/sub.bmp/gone");
  EXPECT_EQ(view->Dir1().Path(), dir.Path() + "/sub.bmp");
  EXPECT_THAT(events.log, ElementsAre("Dir1_Change"));
  view->Dir1().SetPath(dir.Path() + "/sub.bmp");
  EXPECT_THAT(events.log, ElementsAre("Dir1_Change"));  // unchanged path: no event
  view->Dir1().SetPath("/");
  EXPECT_EQ(view->Dir1().Path(), dir.Path() + "/sub.bmp");  // the root drive's directory
}

TEST_F(QtConfigurationViewTest, TargetListsRaiseClicksOnlyForTheUsersSelection) {
  view->list1().AddItems({"/a.jpg", "/b.jpg", "/c.jpg"});
  EXPECT_TRUE(events.log.empty());
  Child<QListWidget>("list1")->item(1)->setSelected(true);
  EXPECT_THAT(events.log, ElementsAre("list1_Click"));
  EXPECT_TRUE(view->list1().Selected(1));
  view->list1().RemoveItems({1});
  ASSERT_EQ(view->list1().ListCount(), 2);
  EXPECT_EQ(view->list1().List(1), "/c.jpg");
  EXPECT_THAT(events.log, ElementsAre("list1_Click"));
}

TEST_F(QtConfigurationViewTest, ComboTextIsEditableAndReturnAddsNoItem) {
  for (const char* pattern : {"*.bmp", "*.gif"}) view->Combo1().AddItem(pattern);
  auto* combo = Child<QComboBox>("Combo1");
  EXPECT_EQ(combo->currentIndex(), -1);
  EXPECT_EQ(view->Combo1().Text(), "*.bmp");
  combo->lineEdit()->setText("*.txt");
  QTest::keyClick(combo->lineEdit(), Qt::Key_Return);
  EXPECT_EQ(combo->count(), 2);
  EXPECT_EQ(view->Combo1().Text(), "*.txt");
}

TEST_F(QtConfigurationViewTest, StartsInAFolderWhoseNameIsNotUtf8) {
  const std::string latin1 = dir.Path() + "/caf\xe9";
  dir.AddDirectory("caf\xe9");
  ASSERT_EQ(::chdir(latin1.c_str()), 0);
  const auto started = CreateQtConfigurationView(events);
  EXPECT_EQ(started->Dir1().Path(), latin1);
  EXPECT_EQ(started->File1().Path(), latin1);
}

// The real dialog on the real settings file, shown and closed at once; the
// rest of the platform is fake.
class SettingsFilePlatform : public fake::FakePlatform {
 public:
  explicit SettingsFilePlatform(const std::string& configDirectory) : ini(configDirectory) {
    makeConfigurationView = [this](ConfigurationEvents& events) {
      auto created = CreateQtConfigurationView(events);
      shown = dynamic_cast<QWidget*>(created.get());
      QTimer::singleShot(0, shown, [this] { shown->close(); });
      return created;
    };
  }
  Profile& Profiles() override { return ini; }

  IniProfile ini;
  QWidget* shown = nullptr;
};

struct SettingsFileDialog {
  explicit SettingsFileDialog(const std::string& configDirectory)
      : platform(configDirectory),
        log(platform.files, platform.app.programDirectory),
        support(platform.ini, log, platform.app.programDirectory),
        form(platform, support, log) {
    form.Show();
  }
  template <typename W>
  W* Control(const char* name) const {
    return platform.shown->findChild<W*>(QString::fromLatin1(name));
  }

  SettingsFilePlatform platform;
  Logfile log;
  Support support;
  frm_Configuration form;
};

// The first image's value in the settings file, as bytes.
std::string SavedImage(const std::string& configDirectory) {
  const std::string text = samples::ReadFile(configDirectory + "/VostramelSaver.ini");
  const std::string key = "IMAGES_FILE_0=";
  const std::size_t start = text.find(key);
  if (start == std::string::npos) return "<absent>";
  const std::size_t value = start + key.size();
  return text.substr(value, text.find_first_of("\r\n", value) - value);
}

// A Latin-1 name on a UTF-8 desktop: browsed into, added, saved and loaded
// again as the very bytes on disk, so the saver finds the file.
TEST_F(QtConfigurationViewTest, KeepsNamesThatAreNotUtf8ThroughBrowseAddSaveAndLoad) {
  dir.AddDirectory("config");
  dir.AddDirectory("caf\xe9");
  const std::string picture = dir.Write("caf\xe9/\xe9t\xe9.jpg", {'x'});
  // Shown with U+FFFD for each byte that is not UTF-8.
  const std::string shownPicture = QString::fromUtf8(picture.data()).toStdString();
  {
    SettingsFileDialog first(dir / "config");
    auto* dir1 = first.Control<QListWidget>("Dir1");
    const auto folder = dir1->findItems(QString::fromUtf8("caf\xe9"), Qt::MatchExactly);
    ASSERT_EQ(folder.size(), 1);
    emit dir1->itemActivated(folder.front());
    auto* combo1 = first.Control<QComboBox>("Combo1");
    combo1->setCurrentIndex(combo1->findText(QStringLiteral("*.jpg")));
    emit combo1->activated(combo1->currentIndex());
    auto* file1 = first.Control<QListWidget>("File1");
    ASSERT_EQ(file1->count(), 1);
    EXPECT_EQ(file1->item(0)->text().toStdString(), "\uFFFDt\uFFFD.jpg");
    file1->item(0)->setSelected(true);
    first.Control<QPushButton>("cmdAdd")->click();
    auto* list1 = first.Control<QListWidget>("list1");
    ASSERT_EQ(list1->count(), 1);
    EXPECT_EQ(list1->item(0)->text().toStdString(), shownPicture);
    EXPECT_THROW(first.form.cmdOK_Click(), fake::ProgramEnded);
  }
  EXPECT_EQ(SavedImage(dir / "config"), picture);

  SettingsFileDialog again(dir / "config");
  auto* list1 = again.Control<QListWidget>("list1");
  ASSERT_EQ(list1->count(), 1);
  EXPECT_EQ(list1->item(0)->text().toStdString(), shownPicture);
  EXPECT_EQ(again.support.ImageFiles(0), picture);
  EXPECT_THROW(again.form.cmdOK_Click(), fake::ProgramEnded);  // saved again as loaded
  EXPECT_EQ(SavedImage(dir / "config"), picture);
}

}  // namespace
}  // namespace vs

int main(int argc, char** argv) {
  // Test discovery runs this too, without the test's environment.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
