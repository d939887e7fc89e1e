// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

// One run of the game: the model, the rules, the main window, the clock that
// drives the timers and the port to the outside world, wired together.
#pragma once

#include "clock.h"
#include "dispatch.h"
#include "game.h"
#include "main_window.h"
#include "model.h"
#include "qt_port.h"

namespace trelavka {

class Session {
 public:
  // The window is built and the timers that are on start counting at once.
  explicit Session(double timeScale = 1.0);
  ~Session();
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;

  // The window's load: the welcome box, before the window is shown.
  void load() { game_.load(); }

  Model& model() { return model_; }
  Game& game() { return game_; }
  Dispatch& dispatch() { return dispatch_; }
  MainWindow& window() { return window_; }
  QtClock& clock() { return clock_; }
  QtPort& port() { return port_; }

 private:
  Model model_;
  QtPort port_;
  Game game_;
  Dispatch dispatch_;
  MainWindow window_;
  QtClock clock_;
};

}  // namespace trelavka
