// How closely the real clock driver keeps the game's timetable: the game with
// its window (offscreen) driven by QtClock with every interval scaled down,
// each tick's arrival compared with its deadline on the monotonic clock.
//   trelavka-clock-bench [--scale S] [--days N] [--quick]
// The game is played with a careful mayor's purchases so that it runs the
// whole term; its boxes are answered at once (a silent port).
#include <QApplication>
#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "clock.h"
#include "dispatch.h"
#include "game.h"
#include "look.h"
#include "main_window.h"
#include "model.h"
#include "port.h"
#include "timers.h"

namespace {

using namespace trelavka;
using Clock = std::chrono::steady_clock;

class SilentPort final : public Port {
 public:
  void showMessage(std::string_view, std::string_view) override {}
  void playSound(std::string_view) override {}
  void openAddress(std::string_view) override {}
  void openAbout() override {}
  void raiseAbout() override {}
  void closeAbout() override {}
  void quit() override { QCoreApplication::exit(0); }
};

struct Order {
  std::int64_t day;
  std::string_view item;
};

// Bought on these days the term is won on day 150; without them it ends early.
constexpr std::array<Order, 12> kBuildOrder{{
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

double percentile(std::vector<double> v, double p) {
  std::sort(v.begin(), v.end());
  const auto k = static_cast<std::size_t>(std::ceil(p * static_cast<double>(v.size()))) ;
  return v[std::min(v.size() - 1, k == 0 ? 0 : k - 1)];
}

void report(const char* what, const std::vector<double>& late) {
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
double driftPer100Ticks(const std::vector<double>& late) {
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

}  // namespace

int main(int argc, char** argv) {
  double scale = 0.1;
  std::int64_t days = 150;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--quick") == 0) {
      days = 10;
    } else if (std::strcmp(argv[i], "--scale") == 0 && i + 1 < argc) {
      scale = std::atof(argv[++i]);
    } else if (std::strcmp(argv[i], "--days") == 0 && i + 1 < argc) {
      days = std::atoll(argv[++i]);
    } else {
      std::fprintf(stderr, "usage: %s [--scale S] [--days N] [--quick]\n", argv[0]);
      return 2;
    }
  }
  if (!(scale > 0) || days < 1) {
    std::fprintf(stderr, "scale must be above 0 and days at least 1\n");
    return 2;
  }
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  installLook();

  Model model;
  SilentPort port;
  Game game(model, port);
  Dispatch dispatch(game);
  MainWindow window(model, dispatch);
  Timetable timetable(model, scale);
  std::size_t bought = 0;
  QtClock clock(
      model,
      [&](Timer t) {
        timetable.arrived(t);
        dispatch.tick(t);
        if (t != kGameTimer) return;
        const std::int64_t day = model.counter(kDay);
        while (bought < kBuildOrder.size() && kBuildOrder[bought].day <= day) {
          dispatch.choose(kBuildOrder[bought++].item);
        }
        if (day >= days || !model.timerOn(kGameTimer)) QCoreApplication::exit(0);
      },
      scale);
  window.showCentred();
  dispatch.press(Button::Command2);
  while (bought < kBuildOrder.size() && kBuildOrder[bought].day <= model.counter(kDay)) {
    dispatch.choose(kBuildOrder[bought++].item);
  }
  QApplication::exec();

  std::printf("clock at scale %g (a game day %.0f ms), %lld game days:\n", scale, 2800 * scale,
              static_cast<long long>(model.counter(kDay)));
  report("game timer", timetable.game());
  report("animation timers", timetable.animation());
  const auto& g = timetable.game();
  if (!g.empty()) {
    std::printf("game timer drift: last tick %.3f ms late, first %.3f ms; trend %+.4f ms per 100 ticks\n",
                g.back(), g.front(), driftPer100Ticks(g));
  }
  return g.empty() ? 1 : 0;
}
