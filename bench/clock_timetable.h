// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What both clock benchmarks share: the careful mayor's purchases that make
// the game run its whole term, and each tick's lateness against its
// deadline (k intervals after its timer was switched on) on a monotonic clock.
#pragma once

#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <string_view>
#include <vector>

#include "model.h"
#include "port.h"
#include "timers.h"

namespace trelavka::bench {

// The rules' outside world for a clock measurement: nothing to show or play;
// quitting ends the front end's event loop.
class SilentPort final : public Port {
 public:
  explicit SilentPort(std::function<void()> quit) : quit_(std::move(quit)) {}
  void showMessage(std::string_view, std::string_view) override {}
  void playSound(std::string_view) override {}
  void openAddress(std::string_view) override {}
  void openAbout() override {}
  void raiseAbout() override {}
  void closeAbout() override {}
  void quit() override { quit_(); }

 private:
  std::function<void()> quit_;
};

using Clock = std::chrono::steady_clock;

struct Order {
  std::int64_t day;
  std::string_view item;
};

// Bought on these days the term is won on day 150; without them it ends early.
inline constexpr std::array<Order, 12> kBuildOrder{{
    {1, "Obchod"}, {1, "Policie"}, {8, "Sídliště"}, {20, "Telefon"}, {30, "Kanalizace"},
    {40, "Hasiči"}, {48, "Plynofikace"}, {56, "Nemocnice"}, {62, "trhy"}, {66, "Moderní"},
    {75, "kapacita"}, {90, "festival"},
}};

// Each timer's k-th tick is due k intervals after it was last switched on.
class Timetable final : public ModelObserver {
 public:
  Timetable(Model& model, double scale) : model_(model), scale_(scale) {
    const auto now = Clock::now();
    for (std::size_t i = 0; i < kTimerCount; ++i) since_[i] = now;
    model_.addObserver(this);
  }
  ~Timetable() override { model_.removeObserver(this); }
  Timetable(const Timetable&) = delete;
  Timetable& operator=(const Timetable&) = delete;

  void arrived(Timer t) {
    const auto now = Clock::now();
    const std::size_t i = index(t);
    ++ticks_[i];
    const double due = static_cast<double>(ticks_[i] * timerRow(t).intervalMs) * scale_;
    const double late = std::chrono::duration<double, std::milli>(now - since_[i]).count() - due;
    (t == kGameTimer ? game_ : animation_).push_back(late);
  }

  const std::vector<double>& game() const { return game_; }
  const std::vector<double>& animation() const { return animation_; }

 private:
  void timerChanged(Timer t, bool on) override {
    if (!on) return;
    since_[index(t)] = Clock::now();
    ticks_[index(t)] = 0;
  }

  Model& model_;
  double scale_;
  std::array<Clock::time_point, kTimerCount> since_{};
  std::array<std::int64_t, kTimerCount> ticks_{};
  std::vector<double> game_;
  std::vector<double> animation_;
};

inline double percentile(std::vector<double> v, double p) {
  std::sort(v.begin(), v.end());
  const auto k = static_cast<std::size_t>(std::ceil(p * static_cast<double>(v.size()))) ;
  return v[std::min(v.size() - 1, k == 0 ? 0 : k - 1)];
}

inline void report(const char* what, const std::vector<double>& late) {
  if (late.empty()) {
    std::printf("%-16s no ticks\n", what);
    return;
  }
  std::vector<double> magnitude;
  for (double l : late) magnitude.push_back(std::abs(l));
  const auto early = std::count_if(late.begin(), late.end(), [](double l) { return l < 0; });
  std::printf("%-16s %4zu ticks  |lateness| p50 %.3f ms  p99 %.3f ms  max %.3f ms  (%td early)\n",
              what, late.size(), percentile(magnitude, 0.5), percentile(magnitude, 0.99),
              percentile(magnitude, 1.0), early);
}

// Least-squares slope of lateness over the tick number: a clock that drifts
// shows a steady rise, however small each step.
inline double driftPer100Ticks(const std::vector<double>& late) {
  const double n = static_cast<double>(late.size());
  double sx = 0, sy = 0, sxx = 0, sxy = 0;
  for (std::size_t k = 0; k < late.size(); ++k) {
    const double x = static_cast<double>(k);
    sx += x;
    sy += late[k];
    sxx += x * x;
    sxy += x * late[k];
  }
  const double d = n * sxx - sx * sx;
  return d == 0 ? 0 : 100 * (n * sxy - sx * sy) / d;
}

// The whole report of a run; the exit status: 1 when the game clock never ticked.
inline int reportRun(const char* clockName, double scale, std::int64_t days, const Timetable& timetable) {
  std::printf("%s at scale %g (a game day %.0f ms), %lld game days:\n", clockName, scale,
              2800 * scale, static_cast<long long>(days));
  report("game timer", timetable.game());
  report("animation timers", timetable.animation());
  const auto& g = timetable.game();
  if (!g.empty()) {
    std::printf("game timer drift: last tick %.3f ms late, first %.3f ms; trend %+.4f ms per 100 ticks\n",
                g.back(), g.front(), driftPer100Ticks(g));
  }
  return g.empty() ? 1 : 0;
}

}  // namespace trelavka::bench
