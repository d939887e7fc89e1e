// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

// How closely the Windows build's clock keeps the game's timetable: the game's
// rules on the Win32 clock (SetTimer re-armed against QueryPerformanceCounter
// deadlines) with every interval scaled down, each tick's arrival against its
// deadline. Message-only windows take the timers and the posted tasks; no
// window is shown.
//   trelavka-clock-bench.exe [--scale S] [--days N] [--quick]
#include <windows.h>

#include <cstdlib>
#include <cwchar>

#include "clock.h"
#include "clock_timetable.h"
#include "game.h"
#include "model.h"
#include "port.h"
#include "relay.h"
#include "tasks.h"

using namespace trelavka;
using namespace trelavka::bench;

int wmain(int argc, wchar_t** argv) {
  double scale = 0.1;
  std::int64_t days = 150;
  for (int i = 1; i < argc; ++i) {
    if (std::wcscmp(argv[i], L"--quick") == 0) {
      days = 10;
    } else if (std::wcscmp(argv[i], L"--scale") == 0 && i + 1 < argc) {
      scale = std::wcstod(argv[++i], nullptr);
    } else if (std::wcscmp(argv[i], L"--days") == 0 && i + 1 < argc) {
      days = std::wcstoll(argv[++i], nullptr, 10);
    } else {
      std::fprintf(stderr, "usage: trelavka-clock-bench [--scale S] [--days N] [--quick]\n");
      return 2;
    }
  }
  if (!(scale > 0) || days < 1) {
    std::fprintf(stderr, "scale must be above 0 and days at least 1\n");
    return 2;
  }

  Model model;
  SilentPort port([] { PostQuitMessage(0); });
  Game game(model, port);
  win32::Tasks tasks;
  view::EventRelay relay(game, tasks.poster());
  Timetable timetable(model, scale);
  std::size_t bought = 0;
  auto buyDue = [&] {
    while (bought < kBuildOrder.size() && kBuildOrder[bought].day <= model.counter(kDay)) {
      relay.choose(kBuildOrder[bought++].item);
    }
  };
  win32::Clock clock(
      model,
      [&](Timer t) {
        timetable.arrived(t);
        relay.tick(t);
        if (t != kGameTimer) return;
        buyDue();
        if (model.counter(kDay) >= days || !model.timerOn(kGameTimer)) PostQuitMessage(0);
      },
      tasks.poster(), scale);
  relay.press(Button::Command2);
  buyDue();

  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) DispatchMessageW(&message);

  return reportRun("Win32 clock", scale, model.counter(kDay), timetable);
}
