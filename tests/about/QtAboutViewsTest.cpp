#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <functional>

#include "CaptionsFit.h"
#include "FakePlatform.h"
#include "about/LicenceText.h"
#include "about/frmAbout.h"
#include "platform/linux/qt/about/QtAboutViews.h"

namespace vs {
namespace {

constexpr Qt::WindowFlags kTitleBarButtons =
    Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint | Qt::WindowMinMaxButtonsHint;

constexpr const char* kAbout = "About VostramelSaver";
constexpr const char* kLicence = "More Information";

// Acts still waiting for their window, and the test they belong to.
int pendingActs = 0;
int testRound = 0;

void PollFor(const char* title, std::function<void(QDialog&)> act, int round, int attempts) {
  QTimer::singleShot(10, [=] {
    if (round != testRound) return;  // its test has ended and failed
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (!dialog || dialog->windowTitle() != QLatin1String(title)) {
      if (attempts > 0) PollFor(title, act, round, attempts - 1);
      return;
    }
    --pendingActs;
    QPointer<QDialog> watched(dialog);
    act(*dialog);
    QTimer::singleShot(2000, [watched] {
      if (!watched || !watched->isVisible()) return;
      ADD_FAILURE() << watched->windowTitle().toStdString() << " stayed open";
      watched->close();
    });
  });
}

// Acts on the modal window titled `title` once it runs its loop. Should the act
// leave it open by mistake, it is closed later, so that the test fails instead
// of hanging.
void WhenModal(const char* title, std::function<void(QDialog&)> act) {
  ++pendingActs;
  PollFor(title, std::move(act), testRound, 200);
}

template <typename Widget>
Widget& Child(QDialog& dialog, const char* name) {
  auto* child = dialog.findChild<Widget*>(QString::fromLatin1(name));
  if (!child) qFatal("no control %s", name);
  return *child;
}

void ExpectNoDefaultButton(QDialog& dialog) {
  for (QPushButton* button : dialog.findChildren<QPushButton*>()) {
    EXPECT_FALSE(button->isDefault()) << button->text().toStdString();
    EXPECT_FALSE(button->autoDefault()) << button->text().toStdString();
  }
}

void PressEscape(QDialog& dialog) {
  QTest::keyClick(dialog.focusWidget(), Qt::Key_Escape);
  EXPECT_TRUE(dialog.isVisible()) << "Esc closed " << dialog.windowTitle().toStdString();
}

class QtInfoDialogs : public ::testing::Test {
 protected:
  QtInfoDialogs() {
    platform.makeAboutView = [](AboutEvents& events) { return CreateQtAboutView(events); };
    platform.makeMoreInfoView = [](MoreInfoEvents& events) { return CreateQtMoreInfoView(events); };
  }

  ~QtInfoDialogs() override {
    EXPECT_EQ(pendingActs, 0) << "a window the test acts on never opened";
    pendingActs = 0;
    ++testRound;
  }

  void OpenAbout() {
    frmAbout about(platform);
    about.Show();
  }

  fake::FakePlatform platform;
};

TEST_F(QtInfoDialogs, AboutBoxShowsItsDesign) {
  WhenModal(kAbout, [](QDialog& about) {
    EXPECT_EQ(about.size(), QSize(312, 213));
    EXPECT_EQ(about.minimumSize(), about.maximumSize());
    EXPECT_FALSE(about.windowFlags() & kTitleBarButtons);

    const int tops[] = {8, 32, 64, 88, 120, 144};
    for (int i = 0; i < 6; ++i) {
      auto& label = Child<QLabel>(about, qPrintable(QStringLiteral("Label1_%1").arg(i)));
      EXPECT_EQ(label.geometry(), QRect(8, tops[i], 297, 17)) << i;
      EXPECT_TRUE(label.alignment() & Qt::AlignHCenter) << i;
      EXPECT_LE(label.fontMetrics().horizontalAdvance(label.text()), label.width())
          << "does not fit one line: " << label.text().toStdString();
      const bool red = i == 3 || i == 5;
      EXPECT_EQ(label.palette().color(QPalette::WindowText) == QColor(192, 0, 0), red) << i;
    }

    const QImage image = about.grab().toImage();
    for (int y : {56, 112, 168}) {
      EXPECT_EQ(image.pixelColor(150, y), QColor(0, 0, 192)) << "line at " << y;
      EXPECT_NE(image.pixelColor(150, y + 1), QColor(0, 0, 192)) << "one pixel wide at " << y;
    }

    auto& license = Child<QPushButton>(about, "cmdLicense");
    auto& ok = Child<QPushButton>(about, "cmdOK");
    EXPECT_EQ(license.geometry(), QRect(32, 176, 113, 25));
    EXPECT_EQ(ok.geometry(), QRect(168, 176, 105, 25));
    EXPECT_EQ(license.text(), "&License");
    EXPECT_EQ(ok.text(), "&Ok");
    EXPECT_EQ(testing::ClippedCaptions(about), std::vector<std::string>{});
    ExpectNoDefaultButton(about);

    EXPECT_EQ(about.focusWidget(), &license);
    QTest::keyClick(&license, Qt::Key_Tab);
    EXPECT_EQ(about.focusWidget(), &ok);
    QTest::keyClick(&ok, Qt::Key_Tab);
    EXPECT_EQ(about.focusWidget(), &license);

    PressEscape(about);
    QTest::mouseClick(&ok, Qt::LeftButton);
  });
  OpenAbout();
}

TEST_F(QtInfoDialogs, EnterOnLicenseOpensTheReadOnlyLicenceOverTheAboutBox) {
  WhenModal(kAbout, [](QDialog& about) {
    WhenModal(kLicence, [](QDialog& licence) {
      EXPECT_EQ(licence.size(), QSize(475, 246));
      EXPECT_FALSE(licence.windowFlags() & kTitleBarButtons);
      ExpectNoDefaultButton(licence);

      auto& text1 = Child<QPlainTextEdit>(licence, "Text1");
      auto& ok = Child<QPushButton>(licence, "cmdOK");
      EXPECT_EQ(text1.geometry(), QRect(8, 8, 457, 193));
      EXPECT_EQ(ok.geometry(), QRect(176, 216, 121, 25));
      EXPECT_EQ(ok.text(), "OK");
      EXPECT_EQ(testing::ClippedCaptions(licence), std::vector<std::string>{});
      EXPECT_EQ(text1.toPlainText(),
                QString::fromLatin1(LicenceText().data(), int(LicenceText().size()))
                    .replace("\r\n", "\n"));
      EXPECT_EQ(text1.lineWrapMode(), QPlainTextEdit::NoWrap);
      EXPECT_TRUE(text1.verticalScrollBar()->isVisible());
      EXPECT_TRUE(text1.horizontalScrollBar()->isVisible());
      EXPECT_GT(text1.verticalScrollBar()->maximum(), 0) << "the text scrolls";
      EXPECT_EQ(text1.verticalScrollBar()->value(), 0);
      EXPECT_EQ(text1.textCursor().position(), 0);
      EXPECT_EQ(licence.focusWidget(), &text1);

      QTest::keyClick(&text1, Qt::Key_X);
      QTest::keyClick(&text1, Qt::Key_Delete);
      EXPECT_TRUE(text1.toPlainText().startsWith("Please read")) << "the text changed";
      QTest::keyClick(&text1, Qt::Key_End, Qt::ShiftModifier);
      EXPECT_TRUE(text1.textCursor().hasSelection()) << "keyboard selection";

      PressEscape(licence);
      QTest::keyClick(&text1, Qt::Key_Tab);
      EXPECT_EQ(licence.focusWidget(), &ok);
      QTest::keyClick(&ok, Qt::Key_Return);
    });
    QTest::keyClick(about.focusWidget(), Qt::Key_Return);
    EXPECT_TRUE(about.isVisible()) << "the About box stays open under the licence";
    QTest::mouseClick(&Child<QPushButton>(about, "cmdOK"), Qt::LeftButton);
  });
  OpenAbout();
}

TEST_F(QtInfoDialogs, AccessKeysAndCloseCommandsActAsTheButtons) {
  WhenModal(kAbout, [](QDialog& about) {
    ASSERT_TRUE(QTest::qWaitForWindowActive(&about));
    WhenModal(kLicence, [](QDialog& licence) { licence.close(); });
    QTest::keyClick(&about, Qt::Key_L, Qt::AltModifier);
    // By then Alt+L has opened the licence and its close command closed only the licence.
    QTimer::singleShot(500, [&about] {
      EXPECT_TRUE(about.isVisible());
      QTest::keyClick(&about, Qt::Key_O, Qt::AltModifier);
    });
  });
  OpenAbout();
}

TEST_F(QtInfoDialogs, EveryOpeningShowsTheDesignStateAgain) {
  // First round: move the focus and scroll, then close by the window system.
  WhenModal(kAbout, [](QDialog& about) {
    WhenModal(kLicence, [](QDialog& licence) {
      auto& text1 = Child<QPlainTextEdit>(licence, "Text1");
      text1.moveCursor(QTextCursor::End);
      text1.verticalScrollBar()->setValue(text1.verticalScrollBar()->maximum());
      QTest::keyClick(&text1, Qt::Key_Tab);
      licence.close();
    });
    QTest::mouseClick(&Child<QPushButton>(about, "cmdLicense"), Qt::LeftButton);
    QTest::keyClick(about.focusWidget(), Qt::Key_Tab);
    about.close();
  });
  OpenAbout();

  WhenModal(kAbout, [](QDialog& about) {
    EXPECT_EQ(about.focusWidget(), &Child<QPushButton>(about, "cmdLicense"));
    WhenModal(kLicence, [](QDialog& licence) {
      auto& text1 = Child<QPlainTextEdit>(licence, "Text1");
      EXPECT_EQ(licence.focusWidget(), &text1);
      EXPECT_EQ(text1.verticalScrollBar()->value(), 0);
      EXPECT_EQ(text1.textCursor().position(), 0);
      licence.close();
    });
    QTest::keyClick(about.focusWidget(), Qt::Key_Return);
    about.close();
  });
  OpenAbout();
}

TEST_F(QtInfoDialogs, AboutBoxIsCentredOverTheWindowThatOpenedIt) {
  QWidget opener;
  opener.setWindowModality(Qt::ApplicationModal);
  opener.setGeometry(40, 30, 500, 400);
  opener.show();
  WhenModal(kAbout, [&opener](QDialog& about) {
    EXPECT_NE(&about, &opener);
    EXPECT_EQ(about.geometry().center(), opener.geometry().center());
    about.close();
  });
  OpenAbout();
  opener.hide();

  WhenModal(kAbout, [](QDialog& about) {
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_EQ(about.geometry().center(), screen.center());
    about.close();
  });
  OpenAbout();
}

}  // namespace
}  // namespace vs
