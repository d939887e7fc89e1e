// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include "town.h"

namespace trelavka::testing {
namespace {

// Population first, then the taxes of the new population with each income
// following its own picture alone (the hypermarket pays although buying it
// hid the shop), then the day; negative money is raised and judged afresh.
TEST(TimeStep, GrowthThenTaxesAndIncomesThenTheDay) {
  struct Case {
    const char* what;
    std::vector<Picture> standing;
    std::int64_t money;
    std::int64_t after;
  };
  const std::vector<Case> cases{
      {"nothing built", {}, 0, 16250},
      {"shop", {Picture::Picture5}, 0, 66250},
      {"hypermarket", {Picture::Picture12}, 0, 216250},
      {"telephone", {Picture::Picture21}, 0, 21250},
      {"all three", {Picture::Picture5, Picture::Picture12, Picture::Picture21}, 0, 271250},
      // Buildings without income, and the red "Telefon" banner, yield nothing.
      {"no income",
       {Picture::Picture10, Picture::Picture19, Picture::Picture24, Picture::Picture18}, 0, 16250},
      {"in debt", {}, -100000, -83750},
  };
  for (const auto& c : cases) {
    Town town;
    town.build(c.standing);
    town.setUp(kMoney, c.money);
    town.game.step();
    EXPECT_EQ(town.take(), (Lines{write(kPopulation, 325), write(kMoney, c.after),
                                  write(kDay, 2)}))
        << c.what;
    EXPECT_FALSE(town.shown(Label::Label5)) << c.what;
  }
}

}  // namespace
}  // namespace trelavka::testing
