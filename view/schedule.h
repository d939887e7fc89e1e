// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The deadline arithmetic of the timers, for any front end's clock: the k-th
// tick of a timer falls k intervals after it was switched on, however late
// earlier ticks were handled, so the game clock never drifts. The front end
// owns the real timers and passes in a monotonic "now".
#pragma once

#include <array>
#include <cstdint>

#include "controls.h"

namespace trelavka::view {

// Nanoseconds on a monotonic clock; only differences count.
using Nanos = std::int64_t;

class TickSchedule {
 public:
  // timeScale multiplies every interval; below 1 only for tests and benchmarks.
  explicit TickSchedule(double timeScale = 1.0) : scale_(timeScale) {}

  // Counts afresh from now.
  void start(Timer t, Nanos now);
  void stop(Timer t);
  bool on(Timer t) const { return at(t).on; }

  // Milliseconds to wait for the next tick, rounded up so that a timer armed
  // with it never fires early; 0 when the tick is overdue, -1 when off.
  std::int64_t delayMs(Timer t, Nanos now) const;

  // The real timer went off at now. True: the next tick is due and counted.
  // False (off, or a coarse timer woke too soon): no tick; arm again.
  bool fire(Timer t, Nanos now);

  // Which switching-on the timer is in; a tick queued under an older run is stale.
  std::uint64_t run(Timer t) const { return at(t).run; }

 private:
  struct Entry {
    bool on = false;
    Nanos since = 0;
    std::int64_t ticks = 0;
    std::uint64_t run = 0;
  };
  Nanos dueAt(Timer t) const;
  const Entry& at(Timer t) const { return entries_[index(t)]; }
  Entry& at(Timer t) { return entries_[index(t)]; }

  double scale_;
  std::array<Entry, kTimerCount> entries_{};
};

}  // namespace trelavka::view
