// Delivers the ticks of the model's timers in real time. Each timer keeps a
// deadline schedule: the k-th tick falls k intervals after it was switched
// on, however late earlier ticks were handled, so the game clock never drifts.
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <array>
#include <functional>

#include "controls.h"
#include "model.h"

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
  struct Schedule {
    QTimer shot;
    QElapsedTimer since;  // since the timer was switched on
    qint64 ticks = 0;
    quint64 run = 0;      // which switching-on a queued tick belongs to
  };

  void timerChanged(Timer t, bool on) override;
  void start(Timer t);
  void fired(Timer t);
  void arm(Timer t);
  double intervalMs(Timer t) const;

  Model& model_;
  Sink sink_;
  double scale_;
  std::array<Schedule, kTimerCount> schedules_;
};

}  // namespace trelavka
