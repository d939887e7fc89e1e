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

TEST(Overflow, MoneyPast32BitsIsJustMoney) {
  Town town;
  town.setUp(kMoney, 2147483000);
  town.game.step();
  EXPECT_EQ(town.take(), (Lines{write(kPopulation, 325), write(kMoney, 2147499250),
                                write(kDay, 2)}));
  EXPECT_FALSE(town.ended());
}

TEST(Overflow, MoneyThatJustFitsIsWritten) {
  Town town;
  town.setUp(kMoney, kMax - 16250);
  town.game.step();
  EXPECT_EQ(town[kMoney], kMax);
  EXPECT_FALSE(town.ended());
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
    expectEndedForGood(town);
  }
}

TEST(Overflow, APurchaseThatOverflowsPopularityEndsTheProgram) {
  Town town;
  town.setUp(kPopularity, kMax - 5);
  town.game.choose("Obchod");
  EXPECT_EQ(town.take(), (Lines{write(kPopularity, kMax), write(kMoney, 1800000)}));

  Town rich;
  rich.setUp(kPopularity, kMax - 4);
  rich.game.choose("Obchod");
  EXPECT_EQ(rich.take(), (Lines{kOverflow, "quit"}));
  EXPECT_EQ(rich[kMoney], 2500000);
  expectEndedForGood(rich);
}

TEST(Overflow, APurchaseThatOverflowsPopulationEndsTheProgram) {
  Town town;
  town.setUp(kPopulation, kMax - 299);
  town.game.choose("Sídliště");
  EXPECT_EQ(town.take(), (Lines{write(kPopularity, 25), write(kMoney, 0), kOverflow, "quit"}));
  expectEndedForGood(town);
}

TEST(Overflow, ADatedEventThatOverflowsEndsTheProgram) {
  Town town;
  town.setUp(kPopularity, kMin + 9);
  town.setUp(kDay, 24);
  town.game.step();
  EXPECT_EQ(town.take(), (Lines{write(kPopulation, 325), write(kMoney, 2516250),
                                write(kDay, 25),
                                box(kUnrest, "Lidé nemají kde nakupovat POPULARITA - 10"),
                                kOverflow, "quit"}));
  expectEndedForGood(town);
}

}  // namespace
}  // namespace trelavka::testing
