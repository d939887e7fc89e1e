// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Start, pause and the game clock: when days come, and what a box open in the
// middle of a day does to the clock.
#include <gtest/gtest.h>

#include <functional>

#include "town.h"

namespace trelavka::testing {
namespace {

// However many ticks fall due in one box, one step follows it, after the
// handler (the day's popularity is written before the next day), and the clock
// keeps its own beat: the next step comes on the start's next multiple of 2800.
TEST(DeferredTick, TicksDueDuringABoxRunOnceAndTheBeatGoesOn) {
  for (std::int64_t boxMs : {3000, 10000}) {
    Town town(boxMs);
    town.setUp(kDay, 24);
    const std::int64_t start = town.game.now();
    town.game.press(Button::Command2);
    town.game.wait(2800);  // day 25; its box holds the player
    EXPECT_EQ(town.take(),
              (Lines{write(kPopulation, 325), write(kMoney, 2516250), write(kDay, 25),
                     box(kUnrest, "Lidé nemají kde nakupovat POPULARITA - 10"),
                     write(kPopularity, 10), write(kPopulation, 350),
                     write(kMoney, 2516250 + 17500), write(kDay, 26)}))
        << boxMs;
    EXPECT_EQ(town.game.now(), start + 2800 + boxMs) << boxMs;
    const std::int64_t next = (2800 + boxMs) / 2800 * 2800 + 2800;
    town.waitUntil(start + next - 1);
    EXPECT_EQ(town[kDay], 26) << boxMs;
    town.game.wait(1);
    EXPECT_EQ(town[kDay], 27) << boxMs;
  }
}

// A box opened by the player's own action holds the tick too; it runs as the
// action returns, not at the next tick.
TEST(DeferredTick, ATickDueDuringTheBoxOfAPlayersActionRunsAsItReturns) {
  const std::vector<std::pair<const char*, std::function<void(Town&)>>> actions{
      {"help", [](Town& t) { t.game.choose("nápověda"); }},
      {"a warning", [](Town& t) { t.game.set(kPopularity, -1); }},
  };
  for (const auto& [what, act] : actions) {
    Town town(3000);
    town.game.press(Button::Command2);  // at 3000; the first step is due at 5800
    town.game.wait(2000);
    act(town);
    EXPECT_EQ(town.game.now(), 8000) << what;
    EXPECT_EQ(town[kDay], 2) << what;
  }
}

TEST(DeferredTick, TheMapGoesOnLivingWhileABoxIsOpen) {
  Town town(7000);  // the welcome box was open from 0 to 7000
  EXPECT_EQ(town.pictureChanges, (Lines{"6000 Picture8 shown"}));
  EXPECT_FALSE(town.timerOn(Timer::Timer8));  // it ticked at 2000
}

// A loss box stops the clock; the tick kept during it is dropped.
TEST(DeferredTick, ALossDuringTheBoxDropsTheKeptTick) {
  Town town(3000);
  town.setUp(kPopularity, -5);
  town.setUp(kDay, 24);
  town.game.press(Button::Command2);
  town.game.wait(2800);
  EXPECT_EQ(town.take(),
            (Lines{write(kPopulation, 325), write(kMoney, 2516250), write(kDay, 25),
                   box(kUnrest, "Lidé nemají kde nakupovat POPULARITA - 10"),
                   write(kPopularity, -15), box(kAdviser, kLowPopularity),
                   box(kAdviser, kVotedOut)}));
  town.game.wait(60000);
  EXPECT_EQ(town[kDay], 25);
  EXPECT_FALSE(town.timerOn(Timer::Timer));
  EXPECT_TRUE(town.take().empty());
}

}  // namespace
}  // namespace trelavka::testing
