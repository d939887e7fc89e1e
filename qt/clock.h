// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Delivers the ticks of the model's timers in real time, on the shared
// deadline schedule: the k-th tick falls k intervals after the timer was
// switched on, however late earlier ticks were handled, so the game clock
// never drifts.
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <array>
#include <functional>

#include "controls.h"
#include "model.h"
#include "schedule.h"

namespace trelavka {

class QtClock final : public QObject, private ModelObserver {
  Q_OBJECT

 public:
  using Sink = std::function<void(Timer)>;

  // timeScale multiplies every interval; below 1 only for tests and benchmarks.
  QtClock(Model& model, Sink sink, double timeScale = 1.0);
  ~QtClock() override;
  QtClock(const QtClock&) = delete;
  QtClock& operator=(const QtClock&) = delete;

  // Milliseconds until the timer's next tick, or -1 when it is off.
  int remaining(Timer t) const;

 private:
  void timerChanged(Timer t, bool on) override;
  void fired(Timer t);
  void arm(Timer t);
  view::Nanos now() const { return monotonic_.nsecsElapsed(); }

  Model& model_;
  Sink sink_;
  QElapsedTimer monotonic_;
  view::TickSchedule schedule_;
  std::array<QTimer, kTimerCount> shots_;
};

}  // namespace trelavka
