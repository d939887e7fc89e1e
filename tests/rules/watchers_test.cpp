// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Losing: the money and popularity watchers at and past their thresholds.
#include <gtest/gtest.h>

#include "town.h"

namespace trelavka::testing {
namespace {

void expectLost(const Town& town, const std::string& what) {
  EXPECT_TRUE(town.shown(Label::Label5)) << what;
  EXPECT_FALSE(town.timerOn(Timer::Timer)) << what;
  EXPECT_FALSE(town.button(Button::Command3).enabled) << what;
  // Pauza stays where it was, now disabled; Start hry stays hidden.
  EXPECT_TRUE(town.button(Button::Command3).shown) << what;
  EXPECT_FALSE(town.button(Button::Command2).shown) << what;
}

TEST(Watchers, EachCounterAtAndPastItsThresholds) {
  struct Case {
    Counter counter;
    std::int64_t value;
    Lines boxes;
  };
  const std::vector<Case> cases{
      {kPopularity, 0, {}},
      {kPopularity, -1, {box(kAdviser, kLowPopularity)}},
      {kPopularity, -10, {box(kAdviser, kLowPopularity)}},
      {kPopularity, -11, {box(kAdviser, kLowPopularity), box(kAdviser, kVotedOut)}},
      {kMoney, 0, {}},
      {kMoney, -100000, {}},
      {kMoney, -100001, {box(kAdviser, kBankrupt)}},
  };
  for (const auto& c : cases) {
    Town town;
    town.game.press(Button::Command2);
    town.game.set(c.counter, c.value);
    const std::string what = std::string(name(c.counter)) + " " + std::to_string(c.value);
    Lines expected{write(c.counter, c.value)};
    expected.insert(expected.end(), c.boxes.begin(), c.boxes.end());
    EXPECT_EQ(town.take(), expected) << what;
    const bool lost = c.value < -10 && (c.counter == kPopularity || c.value < -100000);
    if (lost) {
      expectLost(town, what);
    } else {
      EXPECT_TRUE(town.timerOn(Timer::Timer)) << what;
      EXPECT_FALSE(town.shown(Label::Label5)) << what;
    }
  }
}

// Every negative write warns again, even a rise, and a lost game loses again
// on every write past the line.
TEST(Watchers, TheyJudgeEveryWriteAfresh) {
  Town town;
  for (std::int64_t p : {-8, -3, 2, -11}) town.game.set(kPopularity, p);
  town.game.set(kMoney, -200000);
  town.game.set(kMoney, -150000);
  EXPECT_EQ(town.take(),
            (Lines{write(kPopularity, -8), box(kAdviser, kLowPopularity), write(kPopularity, -3),
                   box(kAdviser, kLowPopularity), write(kPopularity, 2), write(kPopularity, -11),
                   box(kAdviser, kLowPopularity), box(kAdviser, kVotedOut),
                   write(kMoney, -200000), box(kAdviser, kBankrupt), write(kMoney, -150000),
                   box(kAdviser, kBankrupt)}));
}

// A loss while paused leaves Start hry usable; it runs the clock again with
// Pauza shown but disabled. The step that loses again still writes the day,
// and the day's event still runs.
TEST(Watchers, ALossWhilePausedAndTheStepThatGoesOnAfterALoss) {
  Town town;
  town.game.set(kMoney, -200000);
  EXPECT_TRUE(town.shown(Label::Label5));
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
  expectLost(town, "after the step");
  town.game.wait(28000);
  EXPECT_EQ(town[kDay], 25);
}

}  // namespace
}  // namespace trelavka::testing
