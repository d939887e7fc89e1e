// Losing: the money and popularity watchers at and past their thresholds.
#include <gtest/gtest.h>

#include "town.h"

namespace trelavka::testing {
namespace {

void expectLost(const Town& town) {
  EXPECT_TRUE(town.shown(Label::Label5));
  EXPECT_FALSE(town.timerOn(Timer::Timer));
  EXPECT_FALSE(town.button(Button::Command3).enabled);
}

TEST(Watchers, PopularityAtAndPastItsThresholds) {
  struct Case {
    std::int64_t popularity;
    Lines boxes;
    bool lost;
  };
  const std::vector<Case> cases{
      {0, {}, false},
      {-1, {box(kAdviser, kLowPopularity)}, false},
      {-10, {box(kAdviser, kLowPopularity)}, false},
      {-11, {box(kAdviser, kLowPopularity), box(kAdviser, kVotedOut)}, true},
  };
  for (const auto& c : cases) {
    Town town;
    town.game.press(Button::Command2);
    town.game.set(kPopularity, c.popularity);
    Lines expected{write(kPopularity, c.popularity)};
    expected.insert(expected.end(), c.boxes.begin(), c.boxes.end());
    EXPECT_EQ(town.take(), expected) << "popularity " << c.popularity;
    EXPECT_EQ(town.shown(Label::Label5), c.lost) << "popularity " << c.popularity;
    EXPECT_EQ(town.timerOn(Timer::Timer), !c.lost) << "popularity " << c.popularity;
  }
}

TEST(Watchers, MoneyAtAndPastTheBankruptcyLine) {
  for (std::int64_t money : {0, -100000}) {
    Town town;
    town.game.set(kMoney, money);
    EXPECT_EQ(town.take(), Lines{write(kMoney, money)});
  }
  Town town;
  town.game.press(Button::Command2);
  town.game.set(kMoney, -100001);
  EXPECT_EQ(town.take(), (Lines{write(kMoney, -100001), box(kAdviser, kBankrupt)}));
  expectLost(town);
  // Pauza stays where it was, now disabled; Start hry stays hidden.
  EXPECT_TRUE(town.button(Button::Command3).shown);
  EXPECT_FALSE(town.button(Button::Command2).shown);
}

TEST(Watchers, EveryNegativeWriteWarnsAgainEvenARise) {
  Town town;
  town.game.set(kPopularity, -8);
  town.game.set(kPopularity, -3);
  town.game.set(kPopularity, 2);
  EXPECT_EQ(town.take(), (Lines{write(kPopularity, -8), box(kAdviser, kLowPopularity),
                                write(kPopularity, -3), box(kAdviser, kLowPopularity),
                                write(kPopularity, 2)}));
}

TEST(Watchers, ALostGameLosesAgainOnEveryWritePastTheLine) {
  Town town;
  town.setUp(kMoney, -200000);
  town.game.set(kMoney, -150000);
  town.game.set(kPopularity, -11);
  EXPECT_EQ(town.take(), (Lines{write(kMoney, -150000), box(kAdviser, kBankrupt),
                                write(kPopularity, -11), box(kAdviser, kLowPopularity),
                                box(kAdviser, kVotedOut)}));
  expectLost(town);
}

// A loss while paused leaves Start hry usable; it runs the clock again with
// Pauza shown but disabled. The step that loses again still writes the day,
// and the day's event still runs.
TEST(Watchers, ALossWhilePausedAndTheStepThatGoesOnAfterALoss) {
  Town town;
  town.game.set(kMoney, -200000);
  expectLost(town);
  EXPECT_TRUE(town.button(Button::Command2).shown);
  EXPECT_TRUE(town.button(Button::Command2).enabled);
  EXPECT_FALSE(town.button(Button::Command3).shown);

  town.setUp(kDay, 24);
  town.game.press(Button::Command2);
  EXPECT_TRUE(town.timerOn(Timer::Timer));
  EXPECT_FALSE(town.button(Button::Command2).shown);
  EXPECT_TRUE(town.button(Button::Command3).shown);
  EXPECT_FALSE(town.button(Button::Command3).enabled);

  town.game.wait(2800);
  EXPECT_EQ(town.take(),
            (Lines{write(kPopulation, 325), write(kMoney, -183750), box(kAdviser, kBankrupt),
                   write(kDay, 25), box(kUnrest, "Lidé nemají kde nakupovat POPULARITA - 10"),
                   write(kPopularity, 10)}));
  expectLost(town);
  town.game.wait(28000);
  EXPECT_EQ(town[kDay], 25);
}

TEST(Watchers, UpkeepCanBankruptTheTownInsideTheDayEvent) {
  Town town;
  town.build({Picture::Picture3});
  town.setUp(kMoney, 1000000);
  town.setUp(kDay, 102);
  town.game.step();
  EXPECT_EQ(town.take(),
            (Lines{write(kPopulation, 325), write(kMoney, 1016250), write(kDay, 103),
                   box("Údržba", "Hasiči potřebují novou techniku PENÍZE - 1 300 000"),
                   write(kMoney, -283750), box(kAdviser, kBankrupt)}));
  EXPECT_TRUE(town.shown(Label::Label5));
}

}  // namespace
}  // namespace trelavka::testing
