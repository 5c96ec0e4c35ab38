#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>

#include "SaverTestSupport.h"
#include "core/RuntimeFailure.h"
#include "platform/windows/saver/Win32Timer.h"

namespace vs {
namespace {

using test::DeliverUntil;

// Ticks of a timer under test, counted against a fast reference timer; no
// duration is assumed beyond the reference ticking more often than the
// timer's long interval.
class TimerRules : public ::testing::Test {
 protected:
  int ticks = 0;
  int references = 0;
  Win32Timer timer{200, [this] { ++ticks; }};
  Win32Timer reference{10, [this] { ++references; }};

  // Delivers messages until the reference has ticked `count` more times,
  // running `poke` at each of its ticks.
  bool ReferenceTicks(int count, const std::function<void()>& poke = {}) {
    const int until = references + count;
    int seen = references;
    reference.SetEnabled(true);
    const bool done = DeliverUntil([&] {
      if (references != seen) {
        seen = references;
        if (poke) poke();
      }
      return references >= until;
    });
    reference.SetEnabled(false);
    return done;
  }
};

TEST_F(TimerRules, IntervalZeroNeverTicksAndAnyOtherDoes) {
  timer.SetInterval(0);
  timer.SetEnabled(true);
  ASSERT_TRUE(ReferenceTicks(10));
  EXPECT_EQ(ticks, 0);
  timer.SetInterval(20);
  EXPECT_TRUE(DeliverUntil([&] { return ticks > 0; }));
  timer.SetEnabled(false);
  const int stopped = ticks;
  ASSERT_TRUE(ReferenceTicks(10));
  EXPECT_EQ(ticks, stopped);
}

TEST_F(TimerRules, EnablingAgainStartsAFreshCountdown) {
  timer.SetInterval(500);
  timer.SetEnabled(true);
  // Re-enabled far more often than its interval, for longer than it: it
  // never gets to tick.
  ASSERT_TRUE(ReferenceTicks(120, [&] { timer.SetEnabled(true); }));
  EXPECT_EQ(ticks, 0);
}

TEST_F(TimerRules, ANewIntervalOfAnEnabledTimerRestartsIt) {
  timer.SetInterval(500);
  timer.SetEnabled(true);
  ASSERT_TRUE(ReferenceTicks(120, [&] { timer.SetInterval(500); }));
  EXPECT_EQ(ticks, 0);
  timer.SetInterval(20);
  EXPECT_TRUE(DeliverUntil([&] { return ticks > 0; }));
}

TEST_F(TimerRules, EveryIntervalFromZeroUpIsKeptAndANegativeOneRefused) {
  timer.SetInterval(2147483647);
  timer.SetEnabled(true);
  EXPECT_EQ(timer.Interval(), 2147483647);
  EXPECT_THROW(timer.SetInterval(-1), RuntimeFailure);
  EXPECT_EQ(timer.Interval(), 2147483647);
}

TEST_F(TimerRules, ATickThatYieldsWhileStillEnabledIsNeverEnteredAgain) {
  int depth = 0, deepest = 0, done = 0;
  Win32Timer yielding{10, [&] {
                        deepest = std::max(deepest, ++depth);
                        // Its own next messages come due while the tick delivers messages.
                        ReferenceTicks(5);
                        --depth;
                        ++done;
                      }};
  yielding.SetEnabled(true);
  EXPECT_TRUE(DeliverUntil([&] { return done >= 2; }));
  yielding.SetEnabled(false);
  EXPECT_EQ(deepest, 1);
}

}  // namespace
}  // namespace vs
