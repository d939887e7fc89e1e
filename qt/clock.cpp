// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "clock.h"

namespace trelavka::qt {

Clock::Clock(Model& model, view::ClockDriver::Sink sink, view::EventRelay::Post post,
             double timeScale)
    : monotonic_([] {
        QElapsedTimer started;
        started.start();
        return started;
      }()),
      driver_(model, *this, std::move(sink), std::move(post), timeScale) {
  for (std::size_t i = 0; i < kTimerCount; ++i) {
    connect(&shots_[i], &QTimer::timeout, this, [this, t = timerAt(i)] { driver_.fired(t); });
  }
}

}  // namespace trelavka::qt
