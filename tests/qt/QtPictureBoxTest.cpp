#include <gtest/gtest.h>

#include <unistd.h>

#include <QApplication>
#include <QKeyEvent>
#include <QTimer>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <string>
#include <thread>
#include <vector>

#include "core/RuntimeFailure.h"
#include "platform/events/RunDeliveringEvents.h"
#include "platform/linux/qt/QtApplication.h"
#include "platform/linux/qt/QtPictureBox.h"
#include "samples/SampleJpeg.h"

namespace vs {
namespace {

TEST(RunDeliveringEvents, EventsRunWhileTheJobRunsAndItsFailureReachesTheCaller) {
  QtApplication app("/s", "/tmp");
  std::atomic<bool> handled{false};
  bool jobSawTheEvent = false;
  QTimer::singleShot(0, [&] { handled = true; });
  RunDeliveringEvents(app, [&] {
    // Waits for the event it can only see when the caller delivers events.
    const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (!handled && std::chrono::steady_clock::now() < giveUp) std::this_thread::yield();
    jobSawTheEvent = handled;
  });
  EXPECT_TRUE(jobSawTheEvent);
  EXPECT_THROW(RunDeliveringEvents(app, [] { throw RuntimeFailure("bad picture"); }),
               RuntimeFailure);
}

TEST(RunDeliveringEvents, AnEndDuringAJobStuckInAFileReadLeavesAtOnce) {
  EXPECT_EXIT(
      {
        // A failure, not a hang, if the end waited for the stuck job.
        alarm(10);
        QtApplication app("/s", "/tmp");
        RunDeliveringEvents(app, [&] {
          // As a read from a share that stopped answering holds its stream's lock.
          flockfile(stdout);
          QMetaObject::invokeMethod(qApp, [&] { app.End(); }, Qt::QueuedConnection);
          for (;;) pause();
        });
      },
      ::testing::ExitedWithCode(0), "");
}

class PictureBoxAlone : public ::testing::Test {
 protected:
  PictureBoxAlone()
      : box(&form,
            {[this](int, int) { keys.push_back("KeyDown"); },
             [this](int) { keys.push_back("KeyPress"); }},
            app) {
    form.resize(800, 600);
    form.setStyleSheet(QStringLiteral("background: black"));
  }

  QtApplication app{"/s", "/tmp"};
  QWidget form;
  std::vector<std::string> keys;
  QtPictureBox box;
  samples::TempDir folder;
};

TEST_F(PictureBoxAlone, AKeyIsHandledWhileAHugeProgressiveJpegDecodes) {
  samples::JpegOptions progressive;
  progressive.progressive = true;
  const std::string path = folder.Write(
      "huge.jpg", samples::EncodeJpeg(4000, 3000, samples::PhotoRows(4000, 3000, 7), progressive));
  QApplication::postEvent(&box, new QKeyEvent(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, "a"));
  box.SetAutoSize(true);
  box.LoadPicture(path);
  EXPECT_EQ(keys, (std::vector<std::string>{"KeyDown", "KeyPress"}));
  EXPECT_EQ(box.Width(), 4000);
}

TEST_F(PictureBoxAlone, AFormOfNoSizeTakesThePicturesSizeButHoldsNoPixels) {
  // Run with ASan's leak check on: the decoded buffer must not be lost.
  form.resize(0, 0);
  box.SetAutoSize(true);
  box.LoadPicture(
      folder.Write("small.jpg", samples::EncodeJpeg(30, 20, samples::PhotoRows(30, 20, 1), {})));
  EXPECT_EQ(box.Width(), 30);
  EXPECT_EQ(box.Height(), 20);
}

TEST_F(PictureBoxAlone, APictureShowsOneToOneInDevicePixelsAtOddPlacesAtEveryScale) {
  // Pixel (x, y) of the picture is (x % 256, y % 256, 77); exact, so a BMP.
  QImage picture(401, 301, QImage::Format_RGB32);
  for (int y = 0; y < picture.height(); ++y) {
    for (int x = 0; x < picture.width(); ++x) picture.setPixel(x, y, qRgb(x % 256, y % 256, 77));
  }
  const std::string path = folder / "odd.bmp";
  ASSERT_TRUE(picture.save(QString::fromStdString(path), "BMP"));
  box.SetAutoSize(true);
  box.LoadPicture(path);
  box.SetHeight(300);
  box.Move(313, 233);
  box.SetVisible(true);
  const QImage shot = form.grab().toImage();
  EXPECT_EQ(shot.pixel(313, 233), qRgb(0, 0, 77));
  EXPECT_EQ(shot.pixel(313 + 400, 233 + 299), qRgb(400 % 256, 299 % 256, 77));
  EXPECT_EQ(shot.pixel(313 + 200, 233 + 150), qRgb(200, 150, 77));
  EXPECT_EQ(shot.pixel(312, 233), qRgb(0, 0, 0));
  EXPECT_EQ(shot.pixel(313, 232), qRgb(0, 0, 0));
  EXPECT_EQ(shot.pixel(313 + 401, 233), qRgb(0, 0, 0));
  EXPECT_EQ(shot.pixel(313, 233 + 300), qRgb(0, 0, 0));  // cut by the box
}

}  // namespace
}  // namespace vs
