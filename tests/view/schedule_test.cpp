// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The shared deadline schedule as a coarse system timer drives it: shots
// that wake too soon, too late or not at all must neither tick early nor
// let the schedule drift.
#include <gtest/gtest.h>

#include "schedule.h"

namespace trelavka::view {
namespace {

constexpr Nanos kMs = 1'000'000;
constexpr Nanos kDay = 2800 * kMs;
constexpr Nanos kStart = 123'456'789;  // the monotonic clock never starts at 0

TEST(Schedule, TicksFallOnDeadlinesAndNeverEarly) {
  TickSchedule s;
  s.start(Timer::Timer, kStart);
  EXPECT_EQ(s.delayMs(Timer::Timer, kStart), 2800);
  // Half a millisecond short rounds up: a timer armed with it cannot fire early.
  EXPECT_EQ(s.delayMs(Timer::Timer, kStart + kDay - kMs / 2), 1);
  EXPECT_FALSE(s.fire(Timer::Timer, kStart + kDay - 1));
  EXPECT_TRUE(s.fire(Timer::Timer, kStart + kDay));
  // A late tick does not push the next one back.
  EXPECT_TRUE(s.fire(Timer::Timer, kStart + 2 * kDay + 900 * kMs));
  EXPECT_EQ(s.delayMs(Timer::Timer, kStart + 2 * kDay + 900 * kMs), 1900);
}

TEST(Schedule, AStallIsCaughtUpTickByTick) {
  TickSchedule s;
  s.start(Timer::Timer8, kStart);
  const Nanos late = kStart + 3 * 2000 * kMs + 5 * kMs;
  for (int k = 0; k < 3; ++k) {
    EXPECT_EQ(s.delayMs(Timer::Timer8, late), 0) << k;
    EXPECT_TRUE(s.fire(Timer::Timer8, late)) << k;
  }
  EXPECT_FALSE(s.fire(Timer::Timer8, late));
  EXPECT_EQ(s.delayMs(Timer::Timer8, late), 1995);
}

TEST(Schedule, SwitchingOnCountsAfreshAndOffMakesQueuedTicksStale) {
  TickSchedule s(0.5);
  EXPECT_EQ(s.delayMs(Timer::Timer, kStart), -1);
  EXPECT_FALSE(s.fire(Timer::Timer, kStart));
  s.start(Timer::Timer, kStart);
  const std::uint64_t first = s.run(Timer::Timer);
  EXPECT_TRUE(s.fire(Timer::Timer, kStart + kDay / 2));
  s.stop(Timer::Timer);
  EXPECT_NE(s.run(Timer::Timer), first);
  EXPECT_FALSE(s.fire(Timer::Timer, kStart + 10 * kDay));
  const std::uint64_t stopped = s.run(Timer::Timer);
  s.stop(Timer::Timer);
  EXPECT_EQ(s.run(Timer::Timer), stopped);
  const Nanos again = kStart + 3 * kDay + 7 * kMs;
  s.start(Timer::Timer, again);
  EXPECT_NE(s.run(Timer::Timer), stopped);
  EXPECT_EQ(s.delayMs(Timer::Timer, again), 1400);
  // Other timers keep their own schedules.
  EXPECT_EQ(s.delayMs(Timer::Timer1, again), -1);
}

}  // namespace
}  // namespace trelavka::view
