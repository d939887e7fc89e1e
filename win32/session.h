// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

// One run of the game under Win32: the model, the rules, the relay into them,
// the main window, the clock that drives the timers and the port to the
// outside world, wired together.
#pragma once

#include "clock.h"
#include "game.h"
#include "main_window.h"
#include "model.h"
#include "relay.h"
#include "tasks.h"
#include "win32_port.h"

namespace trelavka::win32 {

class Session {
 public:
  // The window is built and the timers that are on start counting at once.
  Session();
  ~Session();
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;

  // The window's load: the welcome box, before the window is shown.
  void load() { game_.load(); }
  // The message loop, until the game ends the program; its exit status.
  int run();

  Game& game() { return game_; }
  MainWindow& window() { return window_; }

 private:
  Model model_;
  Port port_;
  Game game_;
  Tasks tasks_;
  view::EventRelay relay_;
  MainWindow window_;
  Clock clock_;
};

}  // namespace trelavka::win32
