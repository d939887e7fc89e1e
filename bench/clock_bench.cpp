// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

// How closely the real clock driver keeps the game's timetable: the game with
// its window (offscreen) driven by the Qt clock with every interval scaled down,
// each tick's arrival compared with its deadline on the monotonic clock.
//   trelavka-clock-bench [--scale S] [--days N] [--quick]
// The game is played with a careful mayor's purchases so that it runs the
// whole term; its boxes are answered at once (a silent port).
#include <QApplication>
#include <QTimer>
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
#include "clock_timetable.h"
#include "game.h"
#include "look.h"
#include "main_window.h"
#include "model.h"
#include "port.h"
#include "relay.h"
#include "timers.h"

using namespace trelavka;
using namespace trelavka::bench;

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
  qt::installLook();

  Model model;
  SilentPort port([] { QCoreApplication::exit(0); });
  Game game(model, port);
  QObject tasks;
  const view::EventRelay::Post post = [&tasks](std::function<void()> task) {
    QTimer::singleShot(0, &tasks, std::move(task));
  };
  view::EventRelay relay(game, post);
  qt::MainWindow window(model, relay);
  Timetable timetable(model, scale);
  std::size_t bought = 0;
  qt::Clock clock(
      model,
      [&](Timer t) {
        timetable.arrived(t);
        relay.tick(t);
        if (t != kGameTimer) return;
        const std::int64_t day = model.counter(kDay);
        while (bought < kBuildOrder.size() && kBuildOrder[bought].day <= day) {
          relay.choose(kBuildOrder[bought++].item);
        }
        if (day >= days || !model.timerOn(kGameTimer)) QCoreApplication::exit(0);
      },
      post, scale);
  window.showCentred();
  relay.press(Button::Command2);
  while (bought < kBuildOrder.size() && kBuildOrder[bought].day <= model.counter(kDay)) {
    relay.choose(kBuildOrder[bought++].item);
  }
  QApplication::exec();

  return reportRun("clock", scale, model.counter(kDay), timetable);
}
