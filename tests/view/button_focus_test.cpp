// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The keyboard follows "Start hry" and "Pauza" as they take turns, on a
// toolkit that leaves the focus nowhere when its holder hides (the page) and
// on one that hands it to the next shown button itself (Qt).
#include <gtest/gtest.h>

#include <optional>

#include "button_focus.h"
#include "game.h"

namespace trelavka::view {
namespace {

struct QuietPort final : Port {
  void showMessage(std::string_view, std::string_view) override {}
  void playSound(std::string_view) override {}
  void openAddress(std::string_view) override {}
  void openAbout() override {}
  void raiseAbout() override {}
  void closeAbout() override {}
  void quit() override {}
};

// A window whose focus is one button, some other control, or nothing.
struct Window final : ModelObserver {
  enum class Other { Nothing, Menu };
  Model model;
  QuietPort port;
  Game game{model, port};
  ButtonFocus follower;
  std::optional<Button> focus;
  bool onMenu = false;        // the focus is on another shown control
  bool handsOnItself = false;  // the toolkit gives a hidden holder's focus to a shown button

  Window() { model.addObserver(this); }
  ~Window() override { model.removeObserver(this); }

  void buttonChanged(Button b, bool, bool) override {
    const bool hadFocus = focus == b;
    if (hadFocus && !usable(b)) {
      focus.reset();
      if (handsOnItself) {
        for (std::size_t i = 0; i < kButtonCount; ++i) {
          if (usable(buttonAt(i))) focus = buttonAt(i);
        }
      }
    }
    const bool lost = !focus && !onMenu;
    if (const auto heir = follower.changed(model, b, hadFocus, lost)) focus = heir;
  }
  bool usable(Button b) const { return model.button(b).shown && model.button(b).enabled; }
};

TEST(ButtonFocus, SpaceAfterSpaceStartsPausesAndStartsOnEitherKindOfToolkit) {
  for (const bool handsOnItself : {false, true}) {
    Window w;
    w.handsOnItself = handsOnItself;
    w.focus = Button::Command2;  // Tab
    for (int press = 0; press < 4; ++press) {
      ASSERT_TRUE(w.focus) << "press " << press << (handsOnItself ? " (Qt)" : " (page)");
      w.game.press(*w.focus);
      const Button shown = press % 2 == 0 ? Button::Command3 : Button::Command2;
      EXPECT_EQ(w.focus, shown) << "press " << press << (handsOnItself ? " (Qt)" : " (page)");
    }
    EXPECT_EQ(w.model.button(Button::Command1).shown, false);
  }
}

TEST(ButtonFocus, FocusThatFoundAnotherControlStaysThere) {
  Window w;
  w.focus = Button::Command2;
  w.game.press(Button::Command2);
  EXPECT_EQ(w.focus, Button::Command3);
  // The focus went to the menu bar; "Pauza" from the menu's side (a click)
  // leaves the keyboard where the player put it.
  w.focus.reset();
  w.onMenu = true;
  w.game.press(Button::Command3);
  EXPECT_FALSE(w.focus);

  // Hidden while focused, but the player moved on before its heir appeared.
  Window v;
  v.focus = Button::Command2;
  v.model.setButtonShown(Button::Command2, false);
  EXPECT_FALSE(v.focus);
  v.onMenu = true;
  v.model.setButtonShown(Button::Command2, true);  // any change: the orphan is let go
  v.onMenu = false;
  v.model.setButtonShown(Button::Command3, true);
  EXPECT_FALSE(v.focus);
}

TEST(ButtonFocus, OnlyTheButtonOfTheSamePlaceInheritsAndOnlyWhenItCanBePressed) {
  EXPECT_TRUE(sharePlace(Button::Command2, Button::Command3));
  EXPECT_TRUE(sharePlace(Button::Command3, Button::Command2));
  EXPECT_FALSE(sharePlace(Button::Command1, Button::Command2));
  EXPECT_FALSE(sharePlace(Button::Command3, Button::Command1));

  // A lost game disables "Pauza" where it stands: no button inherits, and
  // none takes the focus later by surprise.
  Window w;
  w.focus = Button::Command2;
  w.game.press(Button::Command2);
  ASSERT_EQ(w.focus, Button::Command3);
  w.model.setButtonEnabled(Button::Command3, false);
  EXPECT_FALSE(w.focus);
  w.model.setButtonShown(Button::Command1, true);
  EXPECT_FALSE(w.focus) << "the time step's button is in another place";
  // A button that comes back disabled waits until it is enabled.
  Window v;
  v.focus = Button::Command2;
  v.model.setButtonEnabled(Button::Command3, false);
  v.game.press(Button::Command2);
  EXPECT_FALSE(v.focus);
  v.model.setButtonEnabled(Button::Command3, true);
  EXPECT_EQ(v.focus, Button::Command3);
  // A change without the focus anywhere near it moves nothing.
  Window u;
  u.model.setButtonShown(Button::Command3, true);
  EXPECT_FALSE(u.focus);
}

}  // namespace
}  // namespace trelavka::view
