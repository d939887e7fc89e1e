// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The model's timers in real time on the page: the shared clock driver on
// performance.now() and one setTimeout per timer. A background tab's
// throttled timeouts come late; the driver then catches up tick by tick.
#pragma once

#include <array>

#include "clock_driver.h"

namespace trelavka::web {

class Clock final : private view::TimerPort {
 public:
  Clock(Model& model, view::ClockDriver::Sink sink, view::EventRelay::Post post);
  ~Clock();
  Clock(const Clock&) = delete;
  Clock& operator=(const Clock&) = delete;

  // Every timeout cancelled for good: the game has ended.
  void stop();

 private:
  struct Shot {
    Clock* clock = nullptr;
    Timer timer{};
    long id = 0;  // the pending timeout, 0 for none
  };
  static void fire(void* shot);

  view::Nanos now() const override;
  void arm(Timer t, std::int64_t ms) override;
  void cancel(Timer t) override;

  std::array<Shot, kTimerCount> shots_;
  bool stopped_ = false;
  view::ClockDriver driver_;  // last: it arms the shots as it starts
};

}  // namespace trelavka::web
