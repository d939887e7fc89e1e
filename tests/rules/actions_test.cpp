// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The player's actions where order and time matter, with the watchers speaking
// in between; each building's, upgrade's and town action's price, refusals and
// effects are in the golden scenarios. Then help, the about window and the
// menu table.
#include <gtest/gtest.h>

#include <set>

#include "menu.h"
#include "offers.h"
#include "town.h"

namespace trelavka::testing {
namespace {

using P = Picture;

// Popularity first so its watcher speaks before the money moves; a loss inside
// the purchase does not stop it; the shop closes only once its news is read.
TEST(Buildings, TheHypermarketWarnsThenPaysThenTellsThenClosesTheShop) {
  for (std::int64_t popularity : {5, -1}) {
    Town town;
    town.build({P::Picture10, P::Picture5});
    town.setUp(kMoney, 7500000);
    town.setUp(kPopularity, popularity);
    town.story.clear();
    town.game.choose("Hypermarket");
    Lines story{"Picture12 shown", write(kPopularity, popularity - 10), box(kAdviser, kLowPopularity)};
    if (popularity < 0) story.push_back(box(kAdviser, kVotedOut));
    story.insert(story.end(), {write(kMoney, 0), write(kPopulation, 350),
                               box("Konkurence", "Hypermarket zlikvidoval všechny drobné podnikatelev tomto městě"),
                               "Picture5 hidden"});
    EXPECT_EQ(town.story, story) << "from popularity " << popularity;
    EXPECT_EQ(town.shown(Label::Label5), popularity < 0) << "from popularity " << popularity;
  }
}

// -25 + 10 is -15: the watcher warns and ends the game before the money is
// paid, and the market still completes.
TEST(TownActions, AMarketFromMinus25LosesTheGameAndStillCompletes) {
  Town town;
  town.build({P::Picture10});
  town.setUp(kPopularity, -25);
  town.game.choose("trhy");
  EXPECT_EQ(town.take(),
            (Lines{write(kPopularity, -15), box(kAdviser, kLowPopularity), box(kAdviser, kVotedOut),
                   write(kMoney, 2400000), write(kPopulation, 310),
                   box("TRHY", "Trhy přilákaly mnoho lidí, popularita stoupla o 10 a přibylo 10 obyvatel.")}));
  EXPECT_TRUE(town.flag(Flag::Check2));
  EXPECT_TRUE(town.shown(Label::Label5));
}

// The stage stands 9500 ms from the purchase, not from the closing of its box,
// and its music starts only once the box is closed.
TEST(Concert, TheStageStands9500MsFromThePurchaseWhateverTheBox) {
  for (std::int64_t boxMs : {4000, 12000}) {
    Town town(boxMs);
    town.build({P::Picture24, P::Picture10});
    town.setUp(kMoney, 8000000);
    const std::int64_t bought = town.game.now();
    town.story.clear();
    town.game.choose("brontovox");
    EXPECT_EQ(town.story.front(), "Picture31 shown") << boxMs;
    EXPECT_EQ(town.log.back(), "sound data/rolling.dat") << boxMs;
    town.waitUntil(bought + 1000000);
    Lines stage;
    for (const auto& c : town.pictureChanges) {
      if (c.find("Picture31") != std::string::npos) stage.push_back(c);
    }
    EXPECT_EQ(stage, (Lines{std::to_string(bought) + " Picture31 shown",
                            std::to_string(bought + 9500) + " Picture31 hidden"}))
        << boxMs;
    EXPECT_FALSE(town.timerOn(Timer::Timer14)) << boxMs;
  }
}

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

// Chosen twice it opens once, its sound on every opening; the link leaves it
// open; logo, surface and close box close it. The game goes on.
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

// Every leaf does something and every submenu is only a title with leaves;
// nothing is for sale that no menu item offers. (That every name finds its
// control again is checked when compiling, in controls.h.)
TEST(Tables, EveryMenuLeafRunsAHandlerAndEverySubmenuHasLeaves) {
  std::set<std::string_view> names, parents;
  for (const auto& item : kMenu) parents.insert(item.parent);
  for (const auto& item : kMenu) {
    EXPECT_TRUE(names.insert(item.name).second) << "twice: " << item.name;
    EXPECT_FALSE(item.caption.empty()) << item.name;
    const MenuItem* parent = menuItemNamed(item.parent);
    EXPECT_EQ(item.parent.empty() ? item.action : parent != nullptr ? parent->action : MenuAction::Buy,
              MenuAction::Submenu)
        << item.name;
    EXPECT_TRUE(item.action != MenuAction::Buy || offerFor(item.name) != nullptr) << item.name << " sells nothing";
    const bool submenu = item.action == MenuAction::Submenu;
    EXPECT_EQ(parents.contains(item.name), submenu) << item.name;
    Town town;
    EXPECT_NE(town.game.choose(item.name), submenu) << item.name;
    EXPECT_NE(town.take().empty(), !submenu) << item.name << " did nothing to see";
  }
  for (auto table : kOfferTables) {
    for (const auto& offer : table) {
      const MenuItem* item = menuItemNamed(offer.menuItem);
      EXPECT_TRUE(item != nullptr && item->action == MenuAction::Buy) << "'" << offer.menuItem << "'";
    }
  }
}

}  // namespace
}  // namespace trelavka::testing
