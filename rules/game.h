// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The rules of the game: every handler of the main window and the about
// window, acting on the model and reaching the world only through the port.
#pragma once

#include <cstdint>
#include <string_view>

#include "controls.h"
#include "model.h"
#include "offers.h"
#include "port.h"

namespace trelavka {

enum class AboutTarget : std::uint8_t { Form, Logo, Address, CloseBox };

class Game final : private CounterHandler {
 public:
  Game(Model& model, Port& port);
  ~Game() override;
  Game(const Game&) = delete;
  Game& operator=(const Game&) = delete;

  // Events, each run to its end. After the program has ended they do nothing.
  void load();
  void press(Button button);
  void tick(Timer timer);
  // False when no leaf menu item has that name.
  bool choose(std::string_view menuItem);
  void clickAbout(AboutTarget target);
  // A write from outside the rules (setting up a position), run as an event of
  // its own so that an end of the program inside its handler stops there.
  void write(Counter counter, std::int64_t value);

  // A game-timer tick that fell due while a box was open is kept, not run
  // nested in the box; the clock driver delivers it once the handler that
  // opened the box has returned.
  bool boxOpen() const { return openBoxes_ > 0; }
  bool hasDeferredTick() const { return deferredTick_; }
  void deliverDeferredTick();

  bool ended() const { return ended_; }
  const Model& model() const { return model_; }

 private:
  void counterChanged(Counter c) override;

  template <typename F>
  void run(F&& handler);
  [[noreturn]] void endProgram();
  [[noreturn]] void overflowed();
  void message(std::string_view title, std::string_view text);

  void start();
  void pause();
  void timeStep();
  void moneyWatcher();
  void popularityWatcher();
  void datedEvents();
  void loseGame(std::string_view text);
  void winGame();
  void buy(const Offer& offer);
  bool refuses(const Offer& offer, const Check& check) const;
  void addToCounter(Counter c, std::int64_t amount);
  void showAbout();
  void animate(Timer timer);

  Model& model_;
  Port& port_;
  int openBoxes_ = 0;
  bool deferredTick_ = false;
  bool ended_ = false;
};

}  // namespace trelavka
