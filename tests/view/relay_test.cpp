// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Between the toolkit and the rules, for every front end: the relay the
// player's and the clock's events go through, and the keyboard following
// "Start hry" and "Pauza" as they take turns in one place.
#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <optional>

#include "button_focus.h"
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
  // The close box leaves as "Konec" does.
  r.relay.closeMainWindow();
  EXPECT_TRUE(r.game.ended());
  EXPECT_EQ(r.port.quits, 1);
}

// A window whose focus is one button, another shown control (the menu), or
// nothing; on a toolkit that leaves the focus nowhere when its holder hides
// (the page), or on one that hands it to the next shown button itself (Qt).
struct Window final : Relayed, ModelObserver {
  ButtonFocus follower;
  std::optional<Button> focus;
  bool onMenu = false;
  bool handsOnItself = false;

  explicit Window(bool qt = false) : handsOnItself(qt) {
    model.addObserver(this);
    focus = Button::Command2;  // Tab
  }
  ~Window() override { model.removeObserver(this); }

  void buttonChanged(Button b, bool, bool) override {
    const bool hadFocus = focus == b;
    if (hadFocus && !usable(b)) {
      focus.reset();
      for (std::size_t i = 0; handsOnItself && i < kButtonCount; ++i) {
        if (usable(buttonAt(i))) focus = buttonAt(i);
      }
    }
    if (const auto heir = follower.changed(model, b, hadFocus, !focus && !onMenu)) focus = heir;
  }
  bool usable(Button b) const { return model.button(b).shown && model.button(b).enabled; }
};

TEST(ButtonFocus, SpaceAfterSpaceStartsPausesAndStartsOnEitherKindOfToolkit) {
  for (const bool qt : {false, true}) {
    Window w(qt);
    for (int press = 0; press < 4; ++press) {
      ASSERT_TRUE(w.focus) << "press " << press << (qt ? " (Qt)" : " (page)");
      w.game.press(*w.focus);
      const Button shown = press % 2 == 0 ? Button::Command3 : Button::Command2;
      EXPECT_EQ(w.focus, shown) << "press " << press << (qt ? " (Qt)" : " (page)");
    }
    EXPECT_EQ(w.model.button(Button::Command1).shown, false);
  }
}

TEST(ButtonFocus, OnlyAButtonOfTheSamePlaceThatCanBePressedInheritsAndNoneBySurprise) {
  // The focus went to the menu bar; "Pauza" from the menu's side (a click)
  // leaves the keyboard where the player put it.
  Window w;
  w.game.press(Button::Command2);
  EXPECT_EQ(w.focus, Button::Command3);
  w.focus.reset();
  w.onMenu = true;
  w.game.press(Button::Command3);
  EXPECT_FALSE(w.focus);

  // Hidden while focused, but the player moved on before its heir appeared.
  Window v;
  v.model.setButtonShown(Button::Command2, false);
  EXPECT_FALSE(v.focus);
  v.onMenu = true;
  v.model.setButtonShown(Button::Command2, true);  // any change: the orphan is let go
  v.onMenu = false;
  v.model.setButtonShown(Button::Command3, true);
  EXPECT_FALSE(v.focus);

  // A lost game disables "Pauza" where it stands: no button inherits, and
  // none takes the focus later by surprise.
  Window l;
  l.game.press(Button::Command2);
  ASSERT_EQ(l.focus, Button::Command3);
  l.model.setButtonEnabled(Button::Command3, false);
  EXPECT_FALSE(l.focus);
  l.model.setButtonShown(Button::Command1, true);
  EXPECT_FALSE(l.focus) << "the time step's button is in another place";
  // A button that comes back disabled waits until it is enabled.
  Window d;
  d.model.setButtonEnabled(Button::Command3, false);
  d.game.press(Button::Command2);
  EXPECT_FALSE(d.focus);
  d.model.setButtonEnabled(Button::Command3, true);
  EXPECT_EQ(d.focus, Button::Command3);
  // A change without the focus anywhere near it moves nothing.
  Window u;
  u.focus.reset();
  u.model.setButtonShown(Button::Command3, true);
  EXPECT_FALSE(u.focus);
}

}  // namespace
}  // namespace trelavka::view
