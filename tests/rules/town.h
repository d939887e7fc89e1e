// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A game on the headless toolkit for the rules' tests: its transcript is kept
// line by line, every picture change is noted with the moment it happened, and
// the story tells both in the order they happened.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "headless.h"

namespace trelavka::testing {

using Lines = std::vector<std::string>;

inline std::string box(std::string_view title, std::string_view text) {
  return "box " + std::string(title) + " | " + std::string(text);
}
inline std::string write(Counter c, std::int64_t value) {
  return "write " + std::string(name(c)) + " " + std::to_string(value);
}

class Town : private ModelObserver {
 public:
  // boxMs: how long the player keeps each box open. The welcome box is shown
  // and then forgotten, so each test starts from a quiet town.
  explicit Town(std::int64_t boxMs = 0)
      : game([this](std::string_view line) { log.emplace_back(line); story.emplace_back(line); }, boxMs) {
    game.model().addObserver(this);
    game.load();
    log.clear();
    story.clear();
  }
  ~Town() override { game.model().removeObserver(this); }
  Town(const Town&) = delete;
  Town& operator=(const Town&) = delete;

  // Sets up a position through the program's own write, then forgets what it printed.
  void setUp(Counter c, std::int64_t value) {
    game.set(c, value);
    log.clear();
  }
  void build(const std::vector<Picture>& pictures) {
    for (Picture p : pictures) game.model().setShown(p, true);
  }

  // Headless has a non-const quit() too, the port's, which ends the program.
  bool ended() const { return game.ended(); }
  std::int64_t operator[](Counter c) const { return game.model().counter(c); }
  bool shown(Picture p) const { return game.model().shown(p); }
  bool shown(Label l) const { return game.model().shown(l); }
  bool timerOn(Timer t) const { return game.model().timerOn(t); }
  bool flag(Flag f) const { return game.model().flag(f); }
  ButtonState button(Button b) const { return game.model().button(b); }

  // Everything printed since the last call, and forgotten.
  Lines take() {
    Lines out;
    out.swap(log);
    return out;
  }
  // The whole state as the dump prints it; the transcript is left alone.
  Lines state() {
    const auto before = log.size();
    game.dump();
    Lines out(log.begin() + static_cast<std::ptrdiff_t>(before), log.end());
    log.resize(before);
    return out;
  }
  // Lets time pass until the clock reads `ms`.
  void waitUntil(std::int64_t ms) { game.wait(ms - game.now()); }

  Headless game;
  Lines log;
  Lines pictureChanges;  // "MS PictureN shown|hidden"
  Lines story;           // transcript lines and "PictureN shown|hidden"

 private:
  void pictureChanged(Picture p, bool shown) override {
    const std::string change = std::string(name(p)) + (shown ? " shown" : " hidden");
    pictureChanges.push_back(std::to_string(game.now()) + " " + change);
    story.push_back(change);
  }
};

inline constexpr std::string_view kUnrest = "Nespokojenost obyvatel";
inline constexpr std::string_view kAdviser = "PORADCE";
inline constexpr std::string_view kLowPopularity = "Máte malou popularitu";
inline constexpr std::string_view kVotedOut = "Konají se předčasné volby, KONČÍTE";
inline constexpr std::string_view kBankrupt =
    "Město skoro zkrachovalo, konají se předčasné volby, KONČÍTE";
inline const std::string kNoShop = box(kUnrest, "Lidé nemají kde nakupovat POPULARITA - 10");

}  // namespace trelavka::testing
