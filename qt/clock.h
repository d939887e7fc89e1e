// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The model's timers in real time under Qt: the shared clock driver on one
// precise single-shot QTimer per timer and a QElapsedTimer.
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <array>

#include "clock_driver.h"

namespace trelavka::qt {

class Clock final : public QObject, private view::TimerPort {
  Q_OBJECT

 public:
  Clock(Model& model, view::ClockDriver::Sink sink, view::EventRelay::Post post,
        double timeScale = 1.0);

 private:
  // The default coarse timer wakes up to 5 % early or late.
  struct Shot : QTimer {
    Shot() {
      setSingleShot(true);
      setTimerType(Qt::PreciseTimer);
    }
  };

  view::Nanos now() const override { return monotonic_.nsecsElapsed(); }
  void arm(Timer t, std::int64_t ms) override { shots_[index(t)].start(static_cast<int>(ms)); }
  void cancel(Timer t) override { shots_[index(t)].stop(); }

  QElapsedTimer monotonic_;
  std::array<Shot, kTimerCount> shots_;
  view::ClockDriver driver_;  // last: it arms the shots as it starts
};

}  // namespace trelavka::qt
