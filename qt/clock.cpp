// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "clock.h"

#include <QMetaObject>

#include "timers.h"

namespace trelavka {

QtClock::QtClock(Model& model, Sink sink, double timeScale)
    : model_(model), sink_(std::move(sink)), schedule_(timeScale) {
  monotonic_.start();
  for (std::size_t i = 0; i < kTimerCount; ++i) {
    const Timer t = timerAt(i);
    QTimer& shot = shots_[i];
    shot.setSingleShot(true);
    shot.setTimerType(Qt::PreciseTimer);
    connect(&shot, &QTimer::timeout, this, [this, t] { fired(t); });
    if (model_.timerOn(t)) timerChanged(t, true);
  }
  model_.addObserver(this);
}

QtClock::~QtClock() { model_.removeObserver(this); }

int QtClock::remaining(Timer t) const { return shots_[index(t)].remainingTime(); }

// The model reports only real changes, so a switch-on always counts afresh.
void QtClock::timerChanged(Timer t, bool on) {
  if (on) {
    schedule_.start(t, now());
    arm(t);
  } else {
    schedule_.stop(t);
    shots_[index(t)].stop();
  }
}

void QtClock::arm(Timer t) {
  shots_[index(t)].start(static_cast<int>(schedule_.delayMs(t, now())));
}

void QtClock::fired(Timer t) {
  const bool due = schedule_.fire(t, now());
  // Re-armed before the tick runs: a box that the tick opens must not hold up the schedule.
  arm(t);
  if (!due) return;
  if (t != kGameTimer) {
    sink_(t);
    return;
  }
  // The time step runs from the event loop, never inside the timer's own
  // event, so ticks falling due while its box is open still arrive.
  const std::uint64_t run = schedule_.run(t);
  QMetaObject::invokeMethod(
      this,
      [this, t, run] {
        if (schedule_.run(t) == run) sink_(t);
      },
      Qt::QueuedConnection);
}

}  // namespace trelavka
