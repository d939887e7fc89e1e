// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

// One run of the game: the model, the rules, the relay into them, the main
// window, the clock that drives the timers and the port to the outside
// world, wired together.
#pragma once

#include <QObject>

#include "clock.h"
#include "game.h"
#include "main_window.h"
#include "model.h"
#include "qt_port.h"
#include "relay.h"

namespace trelavka::qt {

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
  view::EventRelay& relay() { return relay_; }
  MainWindow& window() { return window_; }
  Clock& clock() { return clock_; }
  Port& port() { return port_; }
  // What the relay and the clock post to the event loop is delivered to this.
  QObject& tasks() { return tasks_; }

 private:
  Model model_;
  Port port_;
  Game game_;
  QObject tasks_;
  view::EventRelay relay_;
  MainWindow window_;
  Clock clock_;
};

}  // namespace trelavka::qt
