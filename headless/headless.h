// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The game without a screen: the real rules over the model, a virtual clock
// that delivers every timer's ticks in time order, and a transcript of what a
// player would have seen, one line per event.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "game.h"
#include "model.h"
#include "port.h"

namespace trelavka {

class Headless final : public Port, private ModelObserver {
 public:
  using Sink = std::function<void(std::string_view line)>;

  // The clock starts at 0 as the window is created; boxMs is how long the
  // player keeps each message box open (0: answered at once).
  explicit Headless(Sink sink = {}, std::int64_t boxMs = 0);
  ~Headless() override;
  Headless(const Headless&) = delete;
  Headless& operator=(const Headless&) = delete;

  // The window's load: the welcome box.
  void load();

  // Player actions, each followed by a kept game tick, if any.
  bool choose(std::string_view menuItem);
  void press(Button button);
  void clickAbout(AboutTarget target);
  void step() { press(Button::Command1); }
  // Writes a counter as the program would, its change handler included.
  void set(Counter counter, std::int64_t value);
  // Lets ms of time pass, delivering every tick due in it at its own moment.
  void wait(std::int64_t ms);

  std::int64_t now() const { return now_; }
  // Whether the program has ended (the port's quit() is what ends it).
  bool ended() const { return quit_; }
  Model& model() { return model_; }
  const Model& model() const { return model_; }
  Game& game() { return game_; }
  // When the timer ticks next, if it is on.
  std::optional<std::int64_t> due(Timer t) const { return due_[index(t)]; }

  // The whole state, as "= ..." lines.
  void dump() const;

  // Port
  void showMessage(std::string_view title, std::string_view text) override;
  void playSound(std::string_view path) override;
  void openAddress(std::string_view address) override;
  void openAbout() override;
  void raiseAbout() override;
  void closeAbout() override;
  void quit() override;

 private:
  void counterWritten(Counter c, std::int64_t value) override;
  void timerChanged(Timer t, bool on) override;
  void say(const std::string& line) const;
  void afterEvent();
  void runUntil(std::int64_t end);

  Sink sink_;
  std::int64_t boxMs_;
  std::int64_t now_ = 0;
  bool quit_ = false;
  std::array<std::optional<std::int64_t>, kTimerCount> due_{};
  Model model_;
  Game game_;
};

}  // namespace trelavka
