// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "clock.h"

#include <emscripten/emscripten.h>
#include <emscripten/eventloop.h>

#include <cmath>

namespace trelavka::web {

Clock::Clock(Model& model, view::ClockDriver::Sink sink, view::EventRelay::Post post)
    : shots_([this] {
        std::array<Shot, kTimerCount> shots{};
        for (std::size_t i = 0; i < kTimerCount; ++i) shots[i] = Shot{this, timerAt(i)};
        return shots;
      }()),
      driver_(model, *this, std::move(sink), std::move(post)) {}

Clock::~Clock() { stop(); }

void Clock::stop() {
  stopped_ = true;
  for (const Shot& shot : shots_) {
    if (shot.id != 0) emscripten_clear_timeout(shot.id);
  }
  for (Shot& shot : shots_) shot.id = 0;
}

void Clock::fire(void* data) {
  Shot& shot = *static_cast<Shot*>(data);
  shot.id = 0;
  if (!shot.clock->stopped_) shot.clock->driver_.fired(shot.timer);
}

// performance.now() in whole nanoseconds: monotonic, and not moved by the
// system's clock.
view::Nanos Clock::now() const {
  return static_cast<view::Nanos>(std::llround(emscripten_get_now() * 1e6));
}

void Clock::arm(Timer t, std::int64_t ms) {
  Shot& shot = shots_[index(t)];
  if (shot.id != 0) emscripten_clear_timeout(shot.id);
  shot.id = stopped_ ? 0 : emscripten_set_timeout(&Clock::fire, static_cast<double>(ms), &shot);
}

void Clock::cancel(Timer t) {
  Shot& shot = shots_[index(t)];
  if (shot.id != 0) emscripten_clear_timeout(shot.id);
  shot.id = 0;
}

}  // namespace trelavka::web
