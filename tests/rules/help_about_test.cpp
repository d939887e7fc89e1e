// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Help, and the about window: one at a time, its sound on every opening.
#include <gtest/gtest.h>

#include "town.h"

namespace trelavka::testing {
namespace {

TEST(Help, ShowsOneBoxAndChangesNothing) {
  Town town;
  town.game.press(Button::Command2);
  const Lines before = town.state();
  town.game.choose("nápověda");
  const Lines said = town.take();
  ASSERT_EQ(said.size(), 1u);
  EXPECT_EQ(said[0].rfind("box Nápověda | PENÍZE", 0), 0u) << said[0];
  EXPECT_EQ(town.state(), before);
}

// Chosen twice it opens once; the link leaves it open; logo, surface and
// close box close it, and reopening plays the sound again. The game goes on.
TEST(About, OpensOnceAndEachClickDoesItsOwnThing) {
  const Lines opened{"sound data/about.dat", "about open"};
  for (AboutTarget where : {AboutTarget::Logo, AboutTarget::Form, AboutTarget::CloseBox,
                            AboutTarget::Address}) {
    const bool closes = where != AboutTarget::Address;
    Town town;
    town.game.press(Button::Command2);
    town.game.clickAbout(where);  // nothing to click yet
    town.game.choose("osim");
    town.game.choose("osim");
    EXPECT_EQ(town.take(), opened);
    town.game.clickAbout(where);
    EXPECT_EQ(town.game.model().aboutOpen(), !closes) << static_cast<int>(where);
    town.game.choose("osim");
    Lines expected{closes ? "about close" : "open www.example.org"};
    if (closes) expected.insert(expected.end(), opened.begin(), opened.end());
    EXPECT_EQ(town.take(), expected) << static_cast<int>(where);
    town.game.wait(2800);
    town.game.choose("Obchod");
    EXPECT_EQ(town[kDay], 2);
    EXPECT_TRUE(town.shown(Picture::Picture5));
  }
}

}  // namespace
}  // namespace trelavka::testing
