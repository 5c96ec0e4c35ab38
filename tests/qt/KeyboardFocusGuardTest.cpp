#include "platform/linux/qt/KeyboardFocusGuard.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
#include <QWidget>
#include <QWindow>

namespace vs {
namespace {

// The offscreen platform activates a window when it is shown or asks.
class FocusGuard : public ::testing::Test {
 protected:
  FocusGuard() : guard(form, [this] { return std::vector<QWidget*>{&cover}; }, [this] { ++lost; }) {
    other.setWindowTitle(QStringLiteral("another program's window"));
  }

  // Shown and drawn, once it asked for the focus.
  void ShowSaver() {
    form.show();
    guard.Start();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    QCoreApplication::processEvents();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
  }

  static void Activate(QWidget& window) {
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  }

  QWidget form;
  QWidget cover;
  QWidget other;
  int lost = 0;
  KeyboardFocusGuard guard;
};

TEST_F(FocusGuard, KeepsTheSaverWhileTheFocusStaysOnItsWindows) {
  Activate(other);
  // It asks for the focus for the form, away from the other window.
  ShowSaver();
  Activate(cover);
  QTest::qWait(1100);
  EXPECT_EQ(lost, 0);
}

TEST_F(FocusGuard, EndsTheSaverOnceWhenAnotherWindowTakesTheFocus) {
  ShowSaver();
  Activate(other);
  EXPECT_EQ(lost, 1);
  Activate(form);
  Activate(other);
  EXPECT_EQ(lost, 1);
}

TEST_F(FocusGuard, EndsTheSaverWhenItHasNotGotTheFocusASecondAfterShowing) {
  Activate(other);
  // Never drawn, so never activated: as with a compositor that refuses.
  form.winId();
  QElapsedTimer waited;
  waited.start();
  guard.Start();
  EXPECT_TRUE(QTest::qWaitFor([this] { return lost > 0; }, 5000));
  EXPECT_GE(waited.elapsed(), 1000);
  EXPECT_EQ(lost, 1);
}

}  // namespace
}  // namespace vs
