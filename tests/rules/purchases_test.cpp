// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Buying: the order of a purchase's effects, with the watchers speaking in
// between. Each building's price, refusals and effects are in the golden
// scenarios (buildings, upgrades).
#include <gtest/gtest.h>

#include "town.h"

namespace trelavka::testing {
namespace {

using P = Picture;

const std::string kHyperNews =
    box("Konkurence", "Hypermarket zlikvidoval všechny drobné podnikatelev tomto městě");

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
    Lines said{write(kPopularity, popularity - 10), box(kAdviser, kLowPopularity)};
    if (popularity < 0) said.push_back(box(kAdviser, kVotedOut));
    for (const auto& line : {write(kMoney, 0), write(kPopulation, 350), kHyperNews}) {
      said.push_back(line);
    }
    Lines story{"Picture12 shown"};
    story.insert(story.end(), said.begin(), said.end());
    story.push_back("Picture5 hidden");
    EXPECT_EQ(town.story, story) << "from popularity " << popularity;
    EXPECT_EQ(town.shown(Label::Label5), popularity < 0) << "from popularity " << popularity;
  }
}

}  // namespace
}  // namespace trelavka::testing
