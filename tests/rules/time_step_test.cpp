#include <gtest/gtest.h>

#include "town.h"

namespace trelavka::testing {
namespace {

TEST(TimeStep, FirstDayGrowsThePeopleThenTaxesTheNewPopulationThenMovesTheDay) {
  Town town;
  town.game.step();
  // 2500000 + (300 + 25) * 50; population first, money second, day last.
  EXPECT_EQ(town.take(), (Lines{write(kPopulation, 325), write(kMoney, 2516250),
                                write(kDay, 2)}));
}

TEST(TimeStep, ShopAndTelephonePayOnTopOfTheTaxes) {
  Town town;
  town.build({Picture::Picture5, Picture::Picture21});
  town.setUp(kPopulation, 1000);
  town.setUp(kMoney, 0);
  town.game.step();
  EXPECT_EQ(town.take(), (Lines{write(kPopulation, 1025), write(kMoney, 1025 * 50 + 55000),
                                write(kDay, 2)}));
}

// Each income follows its own picture alone: the hypermarket pays although
// buying it has hidden the shop.
TEST(TimeStep, EachIncomeFollowsItsOwnPicture) {
  struct Case {
    std::vector<Picture> standing;
    std::int64_t income;
  };
  const std::vector<Case> cases{
      {{}, 0},
      {{Picture::Picture5}, 50000},
      {{Picture::Picture12}, 200000},
      {{Picture::Picture21}, 5000},
      {{Picture::Picture5, Picture::Picture12, Picture::Picture21}, 255000},
      // Buildings without income, and the red "Telefon" banner, yield nothing.
      {{Picture::Picture10, Picture::Picture19, Picture::Picture24, Picture::Picture18}, 0},
  };
  for (const auto& c : cases) {
    Town town;
    town.build(c.standing);
    town.setUp(kMoney, 0);
    town.game.step();
    EXPECT_EQ(town[kMoney], 16250 + c.income) << "with " << c.standing.size() << " pictures";
  }
}

TEST(TimeStep, NegativeMoneyIsRaisedAndJudgedAfresh) {
  Town town;
  town.setUp(kMoney, -100000);
  town.game.step();
  EXPECT_EQ(town.take(), (Lines{write(kPopulation, 325), write(kMoney, -83750),
                                write(kDay, 2)}));
  EXPECT_FALSE(town.shown(Label::Label5));
}

TEST(TimeStep, DaysThatMatchNoEventAreSilent) {
  Town town;
  town.game.step();
  town.game.step();
  const Lines lines = town.take();
  ASSERT_EQ(lines.size(), 6u);
  EXPECT_EQ(lines[5], write(kDay, 3));
  EXPECT_EQ(lines[4], write(kMoney, 2516250 + 350 * 50));
}

}  // namespace
}  // namespace trelavka::testing
