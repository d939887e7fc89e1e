// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The game clock and what a box open in the middle of a day does to it, and
// the map's houses on their own timers.
#include <gtest/gtest.h>

#include <functional>

#include "town.h"

namespace trelavka::testing {
namespace {

// However many ticks fall due in one box, one step follows it, after the
// handler (the day's popularity is written before the next day), and the clock
// keeps its own beat: the next step comes on the start's next multiple of 2800.
// A loss box stops the clock; the tick kept during it is dropped.
TEST(DeferredTick, TicksDueDuringABoxRunOnceAndTheBeatGoesOnUnlessTheGameIsLost) {
  for (std::int64_t popularity : {20, -5}) {
    for (std::int64_t boxMs : {3000, 10000}) {
      Town town(boxMs);
      town.setUp(kPopularity, popularity);
      town.setUp(kDay, 24);
      const std::int64_t start = town.game.now();
      town.game.press(Button::Command2);
      town.game.wait(2800);  // day 25; its box holds the player
      Lines said{write(kPopulation, 325), write(kMoney, 2516250), write(kDay, 25), kNoShop};
      const Lines then = popularity > 0 ? Lines{write(kPopularity, 10), write(kPopulation, 350),
                                                write(kMoney, 2516250 + 17500), write(kDay, 26)}
                                        : Lines{write(kPopularity, -15), box(kAdviser, kLowPopularity),
                                                box(kAdviser, kVotedOut)};
      said.insert(said.end(), then.begin(), then.end());
      EXPECT_EQ(town.take(), said) << boxMs;
      if (popularity < 0) {
        town.game.wait(60000);
        EXPECT_EQ(town[kDay], 25);
        EXPECT_FALSE(town.timerOn(Timer::Timer));
        EXPECT_TRUE(town.take().empty());
        continue;
      }
      EXPECT_EQ(town.game.now(), start + 2800 + boxMs) << boxMs;
      const std::int64_t next = (2800 + boxMs) / 2800 * 2800 + 2800;
      town.waitUntil(start + next - 1);
      EXPECT_EQ(town[kDay], 26) << boxMs;
      town.game.wait(1);
      EXPECT_EQ(town[kDay], 27) << boxMs;
    }
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

// The animated houses of the map that stand, by number; Picture7 never changes.
std::string houses(const Town& town) {
  std::string out;
  for (int n : {6, 7, 8, 9, 13, 14, 15, 22, 23, 25, 27, 28}) {
    if (town.shown(pictureAt(static_cast<std::size_t>(n - 1)))) {
      out += (out.empty() ? "" : " ") + std::to_string(n);
    }
  }
  return out;
}

struct Moment {
  std::int64_t ms;
  std::string houses;  // from this moment on
};

// Every change of the first 140 s; 2 s, 30 s and 85 s tick with nothing to see.
const std::vector<Moment> kTimeline{
    {0, "6 7"},
    {2000, "6 7"},
    {6000, "6 7 8"},
    {9999, "6 7 8 27"},
    {12000, "7 8 9 27"},
    {20000, "7 8 9 27 28"},
    {30000, "7 8 9 13 27 28"},
    {38000, "7 8 9 13 22 27 28"},
    {42000, "7 8 9 13 15 22 27 28"},
    {50000, "7 8 9 13 15 22 27"},
    {55000, "7 8 9 13 15 22 25 27"},
    {60000, "7 8 9 13 14 15 22 25 27"},
    {70000, "7 8 9 13 14 15 22 25 27 28"},
    {85000, "7 8 9 13 14 15 22 27 28"},
    {98000, "7 8 9 13 14 15 22 23 27 28"},
    {100000, "7 8 9 13 14 15 23 27 28"},
    {120000, "7 8 9 13 14 15 23 27"},
    {138000, "7 8 9 13 14 15 22 23 27"},
    {140000, "7 8 9 13 14 15 22 23 25 27 28"},
};

// Blinking from then on: Picture22 62 s on / 38 s off from 38 s, Picture28
// 50 on / 20 off from 70 s, Picture25 30 on / 55 off from 55 s.
bool blinkShown(std::int64_t s, std::int64_t from, std::int64_t on, std::int64_t period) {
  return s >= from && (s - from) % period < on;
}

void expectTheTimeline(Town& town, const std::string& situation) {
  for (std::size_t i = 1; i < kTimeline.size(); ++i) {
    town.waitUntil(kTimeline[i].ms - 1);
    ASSERT_EQ(houses(town), kTimeline[i - 1].houses) << situation << " before " << kTimeline[i].ms;
    town.game.wait(1);
    ASSERT_EQ(houses(town), kTimeline[i].houses) << situation << " at " << kTimeline[i].ms;
  }
  for (std::int64_t s = 141; s <= 1000; ++s) {
    town.waitUntil(s * 1000);
    ASSERT_EQ(town.shown(Picture::Picture22), blinkShown(s, 38, 62, 100)) << situation << s;
    ASSERT_EQ(town.shown(Picture::Picture28), blinkShown(s, 70, 50, 70)) << situation << s;
    ASSERT_EQ(town.shown(Picture::Picture25), blinkShown(s, 55, 30, 85)) << situation << s;
    ASSERT_TRUE(town.shown(Picture::Picture23));
    ASSERT_FALSE(town.shown(Picture::Picture6));
  }
  EXPECT_FALSE(town.timerOn(Timer::Timer14));
  EXPECT_FALSE(town.shown(Picture::Picture31));
}

TEST(Animation, TheMapLivesOnItsOwnScheduleWhateverTheGameDoes) {
  const std::vector<std::pair<std::string, std::function<void(Town&)>>> situations{
      {"never started", [](Town&) {}},
      {"running", [](Town& t) { t.game.press(Button::Command2); }},
      {"paused",
       [](Town& t) {
         t.game.press(Button::Command2);
         t.game.press(Button::Command3);
       }},
      {"lost",
       [](Town& t) {
         t.game.press(Button::Command2);
         t.game.set(kPopularity, -11);
       }},
  };
  for (const auto& [situation, setUp] : situations) {
    Town town;
    EXPECT_EQ(houses(town), kTimeline[0].houses);
    setUp(town);
    expectTheTimeline(town, situation);
  }
}

}  // namespace
}  // namespace trelavka::testing
