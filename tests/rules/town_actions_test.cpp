// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The town actions where order and time matter; each action's price,
// refusals and effects are in the town_actions golden scenario.
#include <gtest/gtest.h>

#include "town.h"

namespace trelavka::testing {
namespace {

using P = Picture;

// -25 + 10 is -15: the watcher warns and ends the game before the money is
// paid, and the market still completes.
TEST(TownActions, AMarketFromMinus25LosesTheGameAndStillCompletes) {
  Town town;
  town.build({P::Picture10});
  town.setUp(kPopularity, -25);
  town.game.choose("trhy");
  EXPECT_EQ(town.take(),
            (Lines{write(kPopularity, -15), box(kAdviser, kLowPopularity),
                   box(kAdviser, kVotedOut), write(kMoney, 2400000), write(kPopulation, 310),
                   box("TRHY",
                       "Trhy přilákaly mnoho lidí, popularita stoupla o 10 a přibylo 10 "
                       "obyvatel.")}));
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

}  // namespace
}  // namespace trelavka::testing
