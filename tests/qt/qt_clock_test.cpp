// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The real clock, run faster: ticks come on a deadline schedule measured
// from the moment a timer is switched on, so slow handlers and stalls never
// push later ticks back.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <vector>

#include "clock.h"

namespace trelavka::qt {
namespace {

constexpr double kScale = 0.05;     // the game day: 140 ms
constexpr double kDayMs = 2800 * kScale;
constexpr qint64 kLateMs = 100;     // generous: shared machines, sanitizers

struct Recorder {
  QElapsedTimer since;
  std::vector<qint64> gameTicks;
  std::vector<qint64> animationTicks;  // Timer8's, the quickest
  int slowMs = 0;
  QObject loop;

  view::ClockDriver::Sink sink() {
    return [this](Timer t) {
      if (t == Timer::Timer) {
        gameTicks.push_back(since.elapsed());
        if (slowMs > 0) QThread::msleep(static_cast<unsigned long>(slowMs));
      } else if (t == Timer::Timer8) {
        animationTicks.push_back(since.elapsed());
      }
    };
  }
  // The game timer's ticks come from the event loop, as in the game.
  view::EventRelay::Post post() {
    return [this](std::function<void()> task) { QTimer::singleShot(0, &loop, std::move(task)); };
  }
  bool waitForGameTicks(std::size_t n) {
    return QTest::qWaitFor([&] { return gameTicks.size() >= n; }, 20000);
  }
};

void expectOnSchedule(const std::vector<qint64>& ticks, double intervalMs) {
  for (std::size_t k = 0; k < ticks.size(); ++k) {
    const double due = static_cast<double>(k + 1) * intervalMs;
    EXPECT_GE(static_cast<double>(ticks[k]), due - 2.0) << "tick " << k + 1;
    EXPECT_LE(static_cast<double>(ticks[k]), due + kLateMs) << "tick " << k + 1;
  }
}

TEST(Clock, AnimationTimersCountFromTheWindowsCreation) {
  Model model;
  Recorder r;
  r.since.start();
  Clock clock(model, r.sink(), r.post(), kScale);
  ASSERT_TRUE(QTest::qWaitFor([&] { return r.animationTicks.size() >= 3; }, 5000));
  expectOnSchedule({r.animationTicks.begin(), r.animationTicks.begin() + 3}, 2000 * kScale);
  EXPECT_TRUE(r.gameTicks.empty());  // the game waits for "Start hry"
}

TEST(Clock, GameDaysFallOnTheirDeadlinesEvenWithSlowSteps) {
  Model model;
  Recorder r;
  r.slowMs = 35;  // a step that takes a quarter of the day must not push the next one back
  Clock clock(model, r.sink(), r.post(), kScale);
  r.since.start();
  model.setTimerOn(Timer::Timer, true);
  ASSERT_TRUE(r.waitForGameTicks(25));
  expectOnSchedule(r.gameTicks, kDayMs);
}

}  // namespace
}  // namespace trelavka::qt
