#include "clock.h"

#include <QMetaObject>
#include <algorithm>
#include <cmath>

#include "timers.h"

namespace trelavka {

QtClock::QtClock(Model& model, Sink sink, double timeScale)
    : model_(model), sink_(std::move(sink)), scale_(timeScale) {
  for (std::size_t i = 0; i < kTimerCount; ++i) {
    const Timer t = timerAt(i);
    QTimer& shot = schedules_[i].shot;
    shot.setSingleShot(true);
    shot.setTimerType(Qt::PreciseTimer);
    connect(&shot, &QTimer::timeout, this, [this, t] { fired(t); });
    if (model_.timerOn(t)) start(t);
  }
  model_.addObserver(this);
}

QtClock::~QtClock() { model_.removeObserver(this); }

int QtClock::remaining(Timer t) const {
  return schedules_[index(t)].shot.remainingTime();
}

double QtClock::intervalMs(Timer t) const {
  return static_cast<double>(timerRow(t).intervalMs) * scale_;
}

// The model reports only real changes, so a switch-on always counts afresh.
void QtClock::timerChanged(Timer t, bool on) {
  Schedule& s = schedules_[index(t)];
  if (on) {
    start(t);
  } else {
    s.shot.stop();
    ++s.run;
  }
}

void QtClock::start(Timer t) {
  Schedule& s = schedules_[index(t)];
  ++s.run;
  s.ticks = 0;
  s.since.start();
  arm(t);
}

void QtClock::arm(Timer t) {
  Schedule& s = schedules_[index(t)];
  const double due = static_cast<double>(s.ticks + 1) * intervalMs(t);
  const double left = due - static_cast<double>(s.since.nsecsElapsed()) / 1e6;
  s.shot.start(static_cast<int>(std::max(0.0, std::ceil(left))));
}

void QtClock::fired(Timer t) {
  Schedule& s = schedules_[index(t)];
  ++s.ticks;
  // Re-armed before the tick runs: a box that the tick opens must not hold up the schedule.
  arm(t);
  if (t != kGameTimer) {
    sink_(t);
    return;
  }
  // The time step runs from the event loop, never inside the timer's own
  // event, so ticks falling due while its box is open still arrive.
  const quint64 run = s.run;
  QMetaObject::invokeMethod(
      this,
      [this, t, run] {
        if (schedules_[index(t)].run == run) sink_(t);
      },
      Qt::QueuedConnection);
}

}  // namespace trelavka
