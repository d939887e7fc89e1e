// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The one door through which a front end hands the player's and the clock's
// events to the rules. After each event it makes sure that a game-timer tick
// kept while a message box was open is delivered, once, from the event loop.
#pragma once

#include <functional>
#include <string_view>

#include "game.h"

namespace trelavka::view {

class EventRelay {
 public:
  // Runs the task later from the front end's event loop, never before the
  // caller has returned.
  using Post = std::function<void(std::function<void()> task)>;

  EventRelay(Game& game, Post post) : game_(game), post_(std::move(post)) {}

  void choose(std::string_view menuItem);
  void press(Button button);
  void tick(Timer timer);
  void clickAbout(AboutTarget target);
  // The main window's close box: it leaves the game as "Konec" does.
  void closeMainWindow();

  Game& game() { return game_; }

 private:
  void settle();

  Game& game_;
  Post post_;
  bool posted_ = false;
};

}  // namespace trelavka::view
