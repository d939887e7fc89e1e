// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "clock_driver.h"

#include "timers.h"

namespace trelavka::view {

ClockDriver::ClockDriver(Model& model, TimerPort& timers, Sink sink, EventRelay::Post post,
                         double timeScale)
    : model_(model),
      timers_(timers),
      sink_(std::move(sink)),
      post_(std::move(post)),
      schedule_(timeScale) {
  for (const TimerRow& row : kTimers) {
    if (model_.timerOn(row.timer)) timerChanged(row.timer, true);
  }
  model_.addObserver(this);
}

ClockDriver::~ClockDriver() { model_.removeObserver(this); }

// The model reports only real changes, so a switch-on always counts afresh.
void ClockDriver::timerChanged(Timer t, bool on) {
  if (on) {
    schedule_.start(t, timers_.now());
  } else {
    schedule_.stop(t);
  }
  arm(t);
}

void ClockDriver::arm(Timer t) {
  const std::int64_t ms = schedule_.delayMs(t, timers_.now());
  if (ms < 0) {
    timers_.cancel(t);
  } else {
    timers_.arm(t, ms);
  }
}

void ClockDriver::fired(Timer t) {
  // A shot of a timer switched off since (already on its way) finds it off:
  // no tick, and arm() cancels.
  const bool due = schedule_.fire(t, timers_.now());
  // Re-armed before the tick runs: a box that the tick opens must not hold up the schedule.
  arm(t);
  if (!due) return;
  if (t != kGameTimer) {
    sink_(t);
    return;
  }
  // The time step never runs inside the timer's own event, where a toolkit
  // may hold back that timer's shots while the step's box is open; and a tick
  // still on its way when "Pauza" stops the timer is dropped.
  const std::uint64_t run = schedule_.run(t);
  post_([this, t, run] {
    if (schedule_.run(t) == run) sink_(t);
  });
}

}  // namespace trelavka::view
