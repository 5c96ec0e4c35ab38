#include <gtest/gtest.h>

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <new>
#include <string>
#include <vector>

#include "core/RuntimeFailure.h"
#include "platform/events/Dispatch.h"
#include "platform/linux/qt/QtApplication.h"
#include "platform/linux/qt/QtSaverWindow.h"
#include "platform/linux/qt/QtTimer.h"

namespace vs {
namespace {

class RecordedEvents : public SaverEvents {
 public:
  void Form_KeyDown(int, int) override {
    if (failKeyDown) throw std::bad_alloc();
    calls.push_back("Form_KeyDown");
  }
  void Form_KeyUp(int, int) override { calls.push_back("Form_KeyUp"); }
  void Form_KeyPress(int) override { calls.push_back("Form_KeyPress"); }
  void Form_Click() override { calls.push_back("Form_Click"); }
  void Form_DblClick() override { calls.push_back("Form_DblClick"); }
  void Form_MouseMove(int, int, float x, float y) override {
    calls.push_back("Form_MouseMove " + std::to_string(int(x)) + "," + std::to_string(int(y)));
  }
  void Form_Unload() override { calls.push_back("Form_Unload"); }
  void Picture1_KeyDown(int, int) override { calls.push_back("Picture1_KeyDown"); }
  void Picture1_KeyPress(int) override { calls.push_back("Picture1_KeyPress"); }
  void Timer1_Timer() override { calls.push_back("Timer1_Timer"); }
  void Timer2_Timer() override { calls.push_back("Timer2_Timer"); }
  void MediaPlayer1_KeyDown(int, int) override { calls.push_back("MediaPlayer1_KeyDown"); }
  void MediaPlayer1_KeyPress(int) override { calls.push_back("MediaPlayer1_KeyPress"); }

  std::vector<std::string> calls;
  bool failKeyDown = false;
};

// Stands for the program's report, which ends the program with status 0.
void ReportOnStandardError() {
  OnHandlerFailure([](const std::string& handler, const std::string& description) {
    std::fprintf(stderr, "reported %s: %s\n", handler.c_str(), description.c_str());
    std::_Exit(0);
  });
}

struct DialogEvents {
  void cmdOK_Click() { throw RuntimeFailure("Permission denied"); }
};

class SilentPlayer : public MediaPlayer {
 public:
  std::int32_t PlayState() override { return 0; }
  void SetAutoStart(bool) override {}
  void SetFileName(const std::string&) override {}
  void Play() override {}
};

class QtSaver : public ::testing::Test {
 protected:
  QtSaver() : window(events, app, std::make_unique<SilentPlayer>()) {}

  // A picture of `width` x `height` whose pixel (x, y) is (x % 256, y % 256, 77).
  std::string MakePicture(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
      for (int x = 0; x < width; ++x) image.setPixel(x, y, qRgb(x % 256, y % 256, 77));
    }
    const QString path = folder.filePath(QStringLiteral("p%1x%2.bmp").arg(width).arg(height));
    image.save(path, "BMP");
    return path.toStdString();
  }

  void Show() {
    window.SetWindowPos(SaverWindow::kHwndTopmost, 0, 0, 0, 0, SaverWindow::kSwpShowWindow);
    window.SetSizeTwips(window.ScreenWidthTwips(), window.ScreenHeightTwips());
    QApplication::processEvents();
  }

  QtApplication app{"/s", "/tmp"};
  RecordedEvents events;
  QtSaverWindow window;
  QTemporaryDir folder;
};

TEST_F(QtSaver, CoversTheScreenAndShowsAPictureAtNaturalSizeCutByItsBox) {
  Show();
  const QRect screen = QGuiApplication::primaryScreen()->geometry();
  const double ratio = QGuiApplication::primaryScreen()->devicePixelRatio();
  EXPECT_EQ(window.geometry(), screen);
  // The screen's device pixels: at a fractional scale not the logical size
  // cut to an integer after scaling.
  EXPECT_EQ(window.ScreenWidthTwips(), int(std::lround(screen.width() * ratio)) * 15);
  EXPECT_EQ(window.WidthTwips(), window.ScreenWidthTwips());
  EXPECT_EQ(window.HeightTwips(), window.ScreenHeightTwips());
  EXPECT_TRUE(window.windowFlags() & Qt::WindowStaysOnTopHint);
  EXPECT_TRUE(window.windowFlags() & Qt::FramelessWindowHint);

  PictureBox& picture = window.Picture1();
  picture.SetAutoSize(true);
  picture.LoadPicture(MakePicture(300, 200));
  EXPECT_EQ(picture.Width(), 300);
  EXPECT_EQ(picture.Height(), 200);
  picture.SetWidth(120);
  picture.Move(10, 20);
  picture.SetVisible(true);
  QApplication::processEvents();
  const QImage shot = window.grab().toImage();
  EXPECT_EQ(shot.pixel(10, 20), qRgb(0, 0, 77));
  EXPECT_EQ(shot.pixel(10 + 119, 20 + 199), qRgb(119, 199, 77));
  EXPECT_EQ(shot.pixel(10 + 120, 20), qRgb(0, 0, 0));  // cut by the box
  EXPECT_EQ(shot.pixel(9, 20), qRgb(0, 0, 0));
}

// Run with two screens (offscreen:configfile=two_screens.json).
TEST_F(QtSaver, EveryOtherMonitorHasABlackCoverWhoseInputReachesTheForm) {
  const QList<QScreen*> screens = QGuiApplication::screens();
  if (screens.size() < 2) GTEST_SKIP() << "one screen only";
  Show();
  EXPECT_EQ(window.geometry(), QGuiApplication::primaryScreen()->geometry());
  std::vector<QWidget*> covers;
  for (QWidget* top : QApplication::topLevelWidgets()) {
    if (top != &window && top->isVisible()) covers.push_back(top);
  }
  ASSERT_EQ(covers.size(), std::size_t(screens.size() - 1));
  QWidget& cover = *covers.front();
  EXPECT_NE(cover.geometry(), window.geometry());
  EXPECT_NE(std::find_if(screens.begin(), screens.end(),
                         [&](QScreen* screen) { return screen->geometry() == cover.geometry(); }),
            screens.end());
  const QImage shot = cover.grab().toImage();
  EXPECT_EQ(shot.pixel(0, 0), qRgb(0, 0, 0));
  EXPECT_EQ(shot.pixel(shot.width() - 1, shot.height() - 1), qRgb(0, 0, 0));

  QTest::keyClick(&cover, Qt::Key_A);
  QTest::mouseMove(&cover, QPoint(7, 9));
  QTest::mouseClick(&cover, Qt::LeftButton, {}, QPoint(7, 9));
  // A cover the window system closes is the form's Unload; it stays up.
  QCloseEvent close;
  QApplication::sendEvent(&cover, &close);
  EXPECT_FALSE(close.isAccepted());
  EXPECT_TRUE(cover.isVisible());
  const QPoint onForm = cover.geometry().topLeft() - window.geometry().topLeft() + QPoint(7, 9);
  const std::vector<std::string> expected = {
      "Form_KeyDown", "Form_KeyPress", "Form_KeyUp",
      "Form_MouseMove " + std::to_string(onForm.x()) + "," + std::to_string(onForm.y()),
      "Form_Click", "Form_Unload"};
  std::vector<std::string> seen;
  for (const auto& call : events.calls) {
    if (seen.empty() || seen.back() != call) seen.push_back(call);
  }
  EXPECT_EQ(seen, expected);
}

TEST_F(QtSaver, AFileThatIsNoPictureIsAFailure) {
  const QString path = folder.filePath(QStringLiteral("not.jpg"));
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write("this is text");
  file.close();
  EXPECT_THROW(window.Picture1().LoadPicture(path.toStdString()), RuntimeFailure);
  EXPECT_THROW(window.Picture1().LoadPicture("/nonexistent/a.jpg"), RuntimeFailure);
}

TEST_F(QtSaver, InputReachesTheFormAlsoOverThePictureWhoseKeysAreItsOwn) {
  Show();
  QTest::keyClick(&window, Qt::Key_A);
  QTest::mouseMove(&window, QPoint(40, 50));
  QTest::mouseClick(&window, Qt::LeftButton, {}, QPoint(40, 50));
  QCloseEvent close;
  QApplication::sendEvent(&window, &close);
  EXPECT_FALSE(close.isAccepted());
  const std::vector<std::string> expected = {"Form_KeyDown", "Form_KeyPress",
                                             "Form_KeyUp",   "Form_MouseMove 40,50",
                                             "Form_Click",   "Form_Unload"};
  std::vector<std::string> seen;
  for (const auto& call : events.calls) {
    if (seen.empty() || seen.back() != call) seen.push_back(call);
  }
  EXPECT_EQ(seen, expected);

  events.calls.clear();
  auto& picture = dynamic_cast<QWidget&>(window.Picture1());
  window.Picture1().SetAutoSize(true);
  window.Picture1().LoadPicture(MakePicture(64, 64));
  window.Picture1().Move(100, 100);
  window.Picture1().SetVisible(true);
  // A picture that covers the screen leaves no other place for the mouse.
  QTest::mouseMove(&picture, QPoint(30, 20));
  QTest::mouseClick(&picture, Qt::LeftButton, {}, QPoint(5, 6));
  QTest::mouseDClick(&picture, Qt::LeftButton, {}, QPoint(5, 6));
  EXPECT_EQ(events.calls.at(0), "Form_MouseMove 130,120");
  EXPECT_NE(std::find(events.calls.begin(), events.calls.end(), "Form_Click"), events.calls.end());
  EXPECT_NE(std::find(events.calls.begin(), events.calls.end(), "Form_DblClick"),
            events.calls.end());
  events.calls.clear();
  QTest::keyClick(&picture, Qt::Key_B);
  EXPECT_EQ(events.calls.at(0), "Picture1_KeyDown");
  EXPECT_EQ(events.calls.at(1), "Picture1_KeyPress");
}

TEST_F(QtSaver, AFailureEscapingAHandlerIsReportedUnderTheHandlersName) {
  ReportOnStandardError();
  Show();
  events.failKeyDown = true;
  EXPECT_EXIT(QTest::keyClick(&window, Qt::Key_A), ::testing::ExitedWithCode(0),
              "reported frmScreenSaver.Form_KeyDown: std::bad_alloc");
}

TEST_F(QtSaver, ASignalThatARunningHandlerCausesLeavesItsFailureToThatHandler) {
  ReportOnStandardError();
  DialogEvents dialog;
  QPushButton cmdOK;
  QObject::connect(&cmdOK, &QPushButton::clicked,
                   Slot("frm_Configuration.cmdOK_Click", dialog, &DialogEvents::cmdOK_Click));
  bool guarded = false;
  Dispatch("frm_Configuration.Form_Load", [&] {
    try {
      emit cmdOK.clicked();
    } catch (const RuntimeFailure&) {
      guarded = true;
    }
  });
  EXPECT_TRUE(guarded);
  // Events that a running handler lets through are its own handlers' again.
  EXPECT_EXIT(
      Dispatch("frmScreenSaver.Timer1_Timer",
               [&] {
                 QMetaObject::invokeMethod(&cmdOK, &QPushButton::click, Qt::QueuedConnection);
                 app.DoEvents();
               }),
      ::testing::ExitedWithCode(0), "reported frm_Configuration.cmdOK_Click: Permission denied");
}

TEST_F(QtSaver, KeysAndButtonsAnywhereAreWaitingInputButMovesAreNot) {
  Show();
  app.GetInputState();
  QTest::mouseMove(&window, QPoint(5, 5));
  EXPECT_FALSE(app.GetInputState());
  QTest::mousePress(&window, Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_TRUE(app.GetInputState());
  EXPECT_FALSE(app.GetInputState());
  QTest::keyPress(&window, Qt::Key_Shift);
  EXPECT_TRUE(app.GetInputState());
}

TEST_F(QtSaver, TheCursorIsHiddenWhileItsCountIsBelowZero) {
  EXPECT_EQ(app.ShowCursor(false), -1);
  ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
  EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::BlankCursor);
  EXPECT_EQ(app.ShowCursor(true), 0);
  EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST(QtTimerRules, ZeroNeverTicksNewIntervalsRestartAndAnyPositiveIntervalIsKept) {
  int ticks = 0;
  QtTimer timer(200, [&] { ++ticks; });
  timer.SetInterval(0);
  timer.SetEnabled(true);
  QTest::qWait(60);
  EXPECT_EQ(ticks, 0);
  timer.SetInterval(20);
  EXPECT_TRUE(QTest::qWaitFor([&] { return ticks > 0; }, 10000));
  timer.SetEnabled(false);
  timer.SetInterval(2147483647);
  EXPECT_EQ(timer.Interval(), 2147483647);
  timer.SetEnabled(true);
  EXPECT_THROW(timer.SetInterval(-1), RuntimeFailure);
}

}  // namespace
}  // namespace vs

int main(int argc, char** argv) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  // A child that starts afresh: it inherits no Qt state from a fork.
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  return RUN_ALL_TESTS();
}
