// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The relay every front end hands the player's and the clock's events to.
#include <gtest/gtest.h>

#include <deque>
#include <functional>

#include "relay.h"

namespace trelavka::view {
namespace {

// Each box runs `inside` while it is open, as a nested event loop would.
struct BoxPort final : Port {
  std::function<void()> inside;
  int quits = 0;
  void showMessage(std::string_view, std::string_view) override {
    if (inside) inside();
  }
  void playSound(std::string_view) override {}
  void openAddress(std::string_view) override {}
  void openAbout() override {}
  void raiseAbout() override {}
  void closeAbout() override {}
  void quit() override { ++quits; }
};

struct Relayed {
  Model model;
  BoxPort port;
  Game game{model, port};
  std::deque<std::function<void()>> loop;
  EventRelay relay{game, [this](std::function<void()> task) { loop.push_back(std::move(task)); }};
};

// However many game ticks fall due in a box, one step follows, from the event
// loop after the handler that opened the box; a step whose own box kept
// ticks is followed by one more; and so for every box.
TEST(Relay, TicksKeptDuringEachBoxBecomeOneStepAfterIt) {
  Relayed r;
  const auto stepFromTheLoop = [&](std::int64_t day) {
    ASSERT_EQ(r.loop.size(), 1u) << day;
    r.loop.front()();
    r.loop.pop_front();
    EXPECT_EQ(r.model.counter(kDay), day);
  };
  r.game.write(kDay, 24);
  r.relay.press(Button::Command2);
  r.port.inside = [&] {
    r.relay.tick(Timer::Timer);
    r.relay.tick(Timer::Timer);
  };
  r.relay.choose("nápověda");
  EXPECT_EQ(r.model.counter(kDay), 24);
  r.relay.tick(Timer::Timer8);  // the map goes on before the loop gets there
  stepFromTheLoop(25);          // day 25 without a shop: a box, ticks kept in it
  stepFromTheLoop(26);
  EXPECT_TRUE(r.loop.empty());
  r.relay.choose("nápověda");
  stepFromTheLoop(27);
  EXPECT_TRUE(r.loop.empty());
  // A button's handler is an event like any other.
  r.game.write(kDay, 34);
  r.relay.press(Button::Command1);  // day 35 without the police: a box
  stepFromTheLoop(36);
}

TEST(Relay, TheCloseBoxLeavesAsKonecDoes) {
  Relayed r;
  r.relay.closeMainWindow();
  EXPECT_TRUE(r.game.ended());
  EXPECT_EQ(r.port.quits, 1);
}

}  // namespace
}  // namespace trelavka::view
