// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The clock driver every front end runs its timers with, on timers of the
// test's own that wake too soon, too late or not at all: no tick early, no
// drift, shots re-armed before the tick runs, the game's ticks through the
// event loop and dropped once "Pauza" has stopped them.
#include <gtest/gtest.h>

#include <deque>
#include <map>
#include <vector>

#include "clock_driver.h"

namespace trelavka::view {
namespace {

constexpr Nanos kMs = 1'000'000;

struct FakeTimers final : TimerPort {
  Nanos clock = 7'000 * kMs;  // a monotonic clock never starts at 0
  std::map<Timer, std::int64_t> armed;  // ms, as last armed
  Nanos now() const override { return clock; }
  void arm(Timer t, std::int64_t ms) override { armed[t] = ms; }
  void cancel(Timer t) override { armed.erase(t); }
};

class Driven : public ::testing::Test {
 protected:
  // Time passes and the shot of t goes off.
  void fireAfter(Timer t, Nanos ns) {
    timers.clock += ns;
    driver.fired(t);
  }
  void runPosted() {
    while (!posted.empty()) {
      auto task = std::move(posted.front());
      posted.pop_front();
      task();
    }
  }

  Model model;
  FakeTimers timers;
  std::vector<Timer> ticks;
  std::deque<std::function<void()>> posted;
  std::map<Timer, std::int64_t> armedAtTick;
  ClockDriver driver{model, timers,
                     [this](Timer t) {
                       ticks.push_back(t);
                       armedAtTick = timers.armed;
                     },
                     [this](std::function<void()> task) { posted.push_back(std::move(task)); }};
};

TEST_F(Driven, TimersOnAtTheStartCountFromItOnTheirDeadlines) {
  EXPECT_EQ(timers.armed.at(Timer::Timer8), 2000);
  EXPECT_EQ(timers.armed.at(Timer::Timer11), 9999);
  EXPECT_FALSE(timers.armed.contains(Timer::Timer));   // the game waits for "Start hry"
  EXPECT_FALSE(timers.armed.contains(Timer::Timer7));
  fireAfter(Timer::Timer8, 1990 * kMs - kMs / 2);  // a coarse shot woke early: no tick, the rest armed
  EXPECT_TRUE(ticks.empty());
  EXPECT_EQ(timers.armed.at(Timer::Timer8), 11);  // 10.5 rounds up: armed with it, it cannot fire early
  fireAfter(Timer::Timer8, 10 * kMs + kMs / 2 - 1);
  EXPECT_TRUE(ticks.empty());
  EXPECT_EQ(timers.armed.at(Timer::Timer8), 1);
  fireAfter(Timer::Timer8, 1);  // on the very deadline
  fireAfter(Timer::Timer8, 2025 * kMs);  // late: the tick, and the next deadline stays put
  EXPECT_EQ(ticks, (std::vector{Timer::Timer8, Timer::Timer8}));
  EXPECT_EQ(armedAtTick.at(Timer::Timer8), 1975);  // armed before the tick ran
  // A stall of three intervals is caught up tick by tick, then on schedule again.
  fireAfter(Timer::Timer8, 3 * 2000 * kMs);
  EXPECT_EQ(armedAtTick.at(Timer::Timer8), 0);
  fireAfter(Timer::Timer8, 0);
  fireAfter(Timer::Timer8, 0);
  fireAfter(Timer::Timer8, 0);
  EXPECT_EQ(ticks.size(), 5u);
  EXPECT_EQ(timers.armed.at(Timer::Timer8), 1975);
}

TEST_F(Driven, GameTicksGoThroughTheEventLoopAndStaleOnesAreDropped) {
  model.setTimerOn(Timer::Timer, true);
  EXPECT_EQ(timers.armed.at(Timer::Timer), 2800);
  fireAfter(Timer::Timer, 2800 * kMs);
  EXPECT_TRUE(ticks.empty());  // not inside the timer's own event
  ASSERT_EQ(posted.size(), 1u);
  EXPECT_EQ(timers.armed.at(Timer::Timer), 2800);
  runPosted();
  EXPECT_EQ(ticks, std::vector{Timer::Timer});

  // Day 2 is on its way when "Pauza" stops the clock: it is dropped. So is
  // day 2 of the next run when "Start hry" starts it again before it
  // arrives, and the new run counts afresh.
  fireAfter(Timer::Timer, 2800 * kMs);
  model.setTimerOn(Timer::Timer, false);
  EXPECT_FALSE(timers.armed.contains(Timer::Timer));
  runPosted();
  model.setTimerOn(Timer::Timer, true);
  fireAfter(Timer::Timer, 2800 * kMs);
  model.setTimerOn(Timer::Timer, false);
  timers.clock += 7 * kMs;
  model.setTimerOn(Timer::Timer, true);
  runPosted();
  EXPECT_EQ(ticks.size(), 1u);
  EXPECT_EQ(timers.armed.at(Timer::Timer), 2800);

  // A shot already on its way when its timer went off brings nothing.
  model.setTimerOn(Timer::Timer8, false);
  fireAfter(Timer::Timer8, 2000 * kMs);
  runPosted();
  EXPECT_EQ(ticks.size(), 1u);
  EXPECT_FALSE(timers.armed.contains(Timer::Timer8));
}

}  // namespace
}  // namespace trelavka::view
