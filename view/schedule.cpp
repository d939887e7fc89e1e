// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "schedule.h"

#include <cmath>

#include "timers.h"

namespace trelavka::view {

void TickSchedule::start(Timer t, Nanos now) {
  Entry& e = at(t);
  e.on = true;
  e.since = now;
  e.ticks = 0;
  ++e.run;
}

void TickSchedule::stop(Timer t) {
  Entry& e = at(t);
  if (!e.on) return;
  e.on = false;
  ++e.run;
}

Nanos TickSchedule::dueAt(Timer t) const {
  const Entry& e = at(t);
  const double intervalNs = static_cast<double>(timerRow(t).intervalMs) * 1e6 * scale_;
  return e.since + static_cast<Nanos>(std::ceil(static_cast<double>(e.ticks + 1) * intervalNs));
}

std::int64_t TickSchedule::delayMs(Timer t, Nanos now) const {
  if (!at(t).on) return -1;
  const Nanos left = dueAt(t) - now;
  if (left <= 0) return 0;
  return (left + 999'999) / 1'000'000;
}

bool TickSchedule::fire(Timer t, Nanos now) {
  if (!at(t).on || now < dueAt(t)) return false;
  ++at(t).ticks;
  return true;
}

}  // namespace trelavka::view
