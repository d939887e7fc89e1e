// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

// One game on the page: the model, the rules, the window and the port wired
// together, and the one door through which the page's events reach the rules.
#pragma once

#include <cstddef>
#include <functional>
#include <vector>

#include "clock.h"
#include "game.h"
#include "main_window.h"
#include "model.h"
#include "relay.h"
#include "web_port.h"

namespace trelavka::web {

class Session {
 public:
  Session();
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;

  // The window's load: the welcome box, then the window appears.
  void load();

  // The player's events, by row of the menu table and by button. While a box
  // is open they are refused: the box is modal, and a second box cannot be
  // opened while the rules wait inside the first.
  void choose(std::size_t menuRow);
  void press(std::size_t button);

  // The about window's mouse, at points of its client area; its close box.
  void aboutPress(int x, int y, bool mainButton);
  void aboutRelease(int x, int y, bool mainButton);
  void aboutCloseBox();

  // The page's size changed.
  void resized() { window_.place(); }

  // The tasks the relay posted, run from the event loop.
  void runTasks();

 private:
  bool takesInput() const { return !port_.boxOpen(); }

  Model model_;
  Port port_;
  Game game_;
  view::EventRelay relay_;
  std::vector<std::function<void()>> tasks_;
  MainWindow window_;
  Clock clock_;  // last: its timers start counting as it is made
};

}  // namespace trelavka::web
