#include <gtest/gtest.h>

#include "FakeClock.h"
#include "idle/IdleLauncher.h"

namespace vs {
namespace {

constexpr std::int32_t kIdle = 2000;

class IdleLauncherTest : public ::testing::Test {
 protected:
  IdleLauncherTest() { countdown.onTick = [this] { launcher.CountdownEnded(); }; }

  fake::FakeClock clock;
  fake::FakeTimer countdown{clock, 0};
  int starts = 0;
  bool startWorks = true;
  IdleLauncher launcher{kIdle, countdown, [this] {
                          ++starts;
                          return startWorks;
                        }};
};

TEST_F(IdleLauncherTest, StartsOncePerIdlePeriodAndAgainAfterActivity) {
  launcher.Idle();
  EXPECT_EQ(starts, 1);
  EXPECT_TRUE(launcher.SaverRunning());
  launcher.Idle();  // a second report while it runs starts no second saver
  EXPECT_EQ(starts, 1);

  // The key that ends the saver may reach the launcher before or after its end.
  launcher.Active();
  launcher.SaverEnded();
  launcher.Idle();
  EXPECT_EQ(starts, 2);
  launcher.SaverEnded();
  launcher.Active();
  launcher.Idle();
  EXPECT_EQ(starts, 3);
}

TEST_F(IdleLauncherTest, ASaverThatEndsAtOnceWaitsForTheNextIdlePeriod) {
  launcher.Idle();
  launcher.SaverEnded();
  launcher.Idle();
  launcher.SetInhibited(true);
  launcher.SetInhibited(false);
  clock.Advance(10 * kIdle);
  EXPECT_EQ(starts, 1);

  startWorks = false;  // nor one whose program could not be started
  launcher.Active();
  launcher.Idle();
  EXPECT_EQ(starts, 2);
  EXPECT_FALSE(launcher.SaverRunning());
  launcher.Idle();
  clock.Advance(10 * kIdle);
  EXPECT_EQ(starts, 2);
  launcher.Active();
  launcher.Idle();
  EXPECT_EQ(starts, 3);
}

TEST_F(IdleLauncherTest, AnInhibitHoldsItBackUntilTheIdleTimePassesAgainAfterIt) {
  launcher.SetInhibited(true);
  launcher.Idle();
  clock.Advance(10 * kIdle);
  EXPECT_EQ(starts, 0);

  launcher.SetInhibited(false);
  clock.Advance(kIdle - 1);
  EXPECT_EQ(starts, 0);
  clock.Advance(1);
  EXPECT_EQ(starts, 1);
  clock.Advance(10 * kIdle);
  EXPECT_EQ(starts, 1);
}

TEST_F(IdleLauncherTest, InputOrANewInhibitDuringTheWaitAfterAnInhibitCancelsIt) {
  launcher.SetInhibited(true);
  launcher.Idle();
  launcher.SetInhibited(false);
  clock.Advance(kIdle / 2);
  launcher.Active();
  clock.Advance(10 * kIdle);
  EXPECT_EQ(starts, 0);

  launcher.Idle();
  EXPECT_EQ(starts, 1);
  launcher.Active();
  launcher.SaverEnded();

  launcher.SetInhibited(true);
  launcher.Idle();
  launcher.SetInhibited(false);
  clock.Advance(kIdle / 2);
  launcher.SetInhibited(true);
  clock.Advance(10 * kIdle);
  EXPECT_EQ(starts, 1);
  launcher.SetInhibited(false);
  clock.Advance(kIdle);
  EXPECT_EQ(starts, 2);
}

TEST_F(IdleLauncherTest, AnInhibitWhileTheUserIsActiveChangesNothingLater) {
  launcher.SetInhibited(true);
  launcher.SetInhibited(false);
  clock.Advance(10 * kIdle);
  EXPECT_EQ(starts, 0);
  launcher.Idle();
  EXPECT_EQ(starts, 1);
}

}  // namespace
}  // namespace vs
