// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Delivers the ticks of the model's timers in real time for any front end,
// on the deadline schedule: the k-th tick falls k intervals after the timer
// was switched on, however late earlier ticks were handled, so the game clock
// never drifts. The front end lends it a monotonic clock and one single-shot
// timer per model timer, and calls fired() when one goes off.
#pragma once

#include <cstdint>
#include <functional>

#include "model.h"
#include "relay.h"
#include "schedule.h"

namespace trelavka::view {

class TimerPort {
 public:
  virtual Nanos now() const = 0;
  // Calls the driver's fired(t) once, `ms` or a little more from now; arming
  // an armed timer moves its shot.
  virtual void arm(Timer t, std::int64_t ms) = 0;
  virtual void cancel(Timer t) = 0;

 protected:
  ~TimerPort() = default;
};

class ClockDriver final : private ModelObserver {
 public:
  using Sink = std::function<void(Timer)>;

  // The timers that are on start counting now. The game timer's ticks go
  // through `post` (the relay's way to the event loop); timeScale multiplies
  // every interval, below 1 only for tests and benchmarks.
  ClockDriver(Model& model, TimerPort& timers, Sink sink, EventRelay::Post post,
              double timeScale = 1.0);
  ~ClockDriver() override;
  ClockDriver(const ClockDriver&) = delete;
  ClockDriver& operator=(const ClockDriver&) = delete;

  // The front end's shot for t went off.
  void fired(Timer t);

 private:
  void timerChanged(Timer t, bool on) override;
  void arm(Timer t);

  Model& model_;
  TimerPort& timers_;
  Sink sink_;
  EventRelay::Post post_;
  TickSchedule schedule_;
};

}  // namespace trelavka::view
