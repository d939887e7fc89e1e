// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Counters are 64-bit: a rich town plays on past 2147483647; only a number
// past the 64-bit range is reported, and then the program ends.
#include <gtest/gtest.h>

#include <limits>

#include "town.h"

namespace trelavka::testing {
namespace {

constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();
const std::string kOverflow = box(
    "Trelavka",
    "Chyba: přetečení (Overflow). Číslo se nevejde do počítadla, program bude ukončen.");

void expectEndedForGood(Town& town) {
  EXPECT_TRUE(town.ended());
  const Lines before = town.state();
  town.game.step();
  town.game.wait(1000000);
  town.game.press(Button::Command2);
  town.game.choose("Obchod");
  town.game.choose("nápověda");
  town.game.set(kPopularity, -50);
  town.game.clickAbout(AboutTarget::Form);
  EXPECT_TRUE(town.take().empty());
  EXPECT_EQ(town.state(), before);
}

// The writes before the failing sum stay; nothing after it happens.
TEST(Overflow, TheTimeStepStopsAtTheFirstSumThatDoesNotFit) {
  struct Case {
    const char* what;
    Counter counter;
    std::int64_t value;
    std::vector<Picture> standing;
    Lines expected;
  };
  const std::vector<Case> cases{
      {"population", kPopulation, kMax - 24, {}, {kOverflow, "quit"}},
      {"taxes", kPopulation, kMax / 50, {}, {write(kPopulation, kMax / 50 + 25), kOverflow, "quit"}},
      {"money", kMoney, kMax - 16249, {}, {write(kPopulation, 325), kOverflow, "quit"}},
      {"money just fits", kMoney, kMax - 16250, {},
       {write(kPopulation, 325), write(kMoney, kMax), write(kDay, 2)}},
      {"income", kMoney, kMax - 16250, {Picture::Picture21},
       {write(kPopulation, 325), kOverflow, "quit"}},
      {"day", kDay, kMax, {},
       {write(kPopulation, 325), write(kMoney, 2516250), kOverflow, "quit"}},
  };
  for (const auto& c : cases) {
    Town town;
    town.build(c.standing);
    town.setUp(c.counter, c.value);
    town.game.step();
    EXPECT_EQ(town.take(), c.expected) << c.what;
    if (c.expected.back() == "quit") expectEndedForGood(town);
  }
}

// A purchase or a dated day whose sum does not fit ends the program there;
// one that just fits is written.
TEST(Overflow, PurchasesAndDatedDaysStopAtTheSumThatDoesNotFit) {
  struct Case {
    const char* what;
    Counter counter;
    std::int64_t value;
    Lines expected;
  };
  const std::vector<Case> cases{
      {"shop, popularity just fits", kPopularity, kMax - 5,
       {write(kPopularity, kMax), write(kMoney, 1800000)}},
      {"shop, popularity", kPopularity, kMax - 4, {kOverflow, "quit"}},
      {"estate, population", kPopulation, kMax - 299,
       {write(kPopularity, 25), write(kMoney, 0), kOverflow, "quit"}},
      {"day 25, popularity", kPopularity, kMin + 9,
       {write(kPopulation, 325), write(kMoney, 2516250), write(kDay, 25),
        box(kUnrest, "Lidé nemají kde nakupovat POPULARITA - 10"), kOverflow, "quit"}},
  };
  for (const auto& c : cases) {
    Town town;
    town.setUp(c.counter, c.value);
    if (c.counter == kPopulation) town.game.choose("Sídliště");
    if (c.counter == kPopularity && c.value > 0) town.game.choose("Obchod");
    if (c.value < 0) {
      town.setUp(kDay, 24);
      town.game.step();
    }
    EXPECT_EQ(town.take(), c.expected) << c.what;
    if (c.expected.back() == "quit") expectEndedForGood(town);
  }
}

}  // namespace
}  // namespace trelavka::testing
