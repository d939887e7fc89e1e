// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The day's step, the watchers that judge every write, the dated days where
// order matters (every row with and without its building is in the
// dated_events golden scenario), and the 64-bit sums that must fit.
#include <gtest/gtest.h>

#include <algorithm>
#include <limits>

#include "town.h"

namespace trelavka::testing {
namespace {

// Population first, then the taxes of the new population with each income
// following its own picture alone (the hypermarket pays although buying it
// hid the shop), then the day; negative money is raised and judged afresh.
TEST(TimeStep, GrowthThenTaxesAndIncomesThenTheDay) {
  using P = Picture;
  const std::vector<std::tuple<std::vector<Picture>, std::int64_t, std::int64_t>> cases{
      {{}, 0, 16250},
      {{P::Picture5}, 0, 66250},
      {{P::Picture12}, 0, 216250},
      {{P::Picture21}, 0, 21250},
      {{P::Picture5, P::Picture12, P::Picture21}, 0, 271250},
      // Buildings without income, and the red "Telefon" banner, yield nothing.
      {{P::Picture10, P::Picture19, P::Picture24, P::Picture18}, 0, 16250},
      {{}, -100000, -83750},
  };
  for (const auto& [standing, money, after] : cases) {
    Town town;
    town.build(standing);
    town.setUp(kMoney, money);
    town.game.step();
    EXPECT_EQ(town.take(), (Lines{write(kPopulation, 325), write(kMoney, after), write(kDay, 2)}))
        << after;
    EXPECT_FALSE(town.shown(Label::Label5)) << after;
  }
}

void expectLost(const Town& town, const std::string& what) {
  EXPECT_TRUE(town.shown(Label::Label5)) << what;
  EXPECT_FALSE(town.timerOn(Timer::Timer)) << what;
  EXPECT_FALSE(town.button(Button::Command3).enabled) << what;
  // Pauza stays where it was, now disabled; Start hry stays hidden.
  EXPECT_TRUE(town.button(Button::Command3).shown) << what;
  EXPECT_FALSE(town.button(Button::Command2).shown) << what;
}

// At and past each threshold; every negative write warns again, even a rise,
// and a lost game loses again on every write past the line.
TEST(Watchers, EveryWriteIsJudgedAfreshAtAndPastItsThreshold) {
  const Lines low{box(kAdviser, kLowPopularity)};
  const Lines out{box(kAdviser, kLowPopularity), box(kAdviser, kVotedOut)};
  const Lines bankrupt{box(kAdviser, kBankrupt)};
  const std::vector<std::tuple<Counter, std::int64_t, Lines>> popularity{
      {kPopularity, 0, {}},   {kPopularity, -1, low},  {kPopularity, -10, low},
      {kPopularity, -3, low}, {kPopularity, 2, {}},    {kPopularity, -11, out},
      {kPopularity, -8, low}, {kPopularity, -12, out},
  };
  const std::vector<std::tuple<Counter, std::int64_t, Lines>> money{
      {kMoney, 0, {}},
      {kMoney, -100000, {}},
      {kMoney, -100001, bankrupt},
      {kMoney, -150000, bankrupt},
  };
  for (const auto& sequence : {popularity, money}) {
    Town town;
    town.game.press(Button::Command2);
    bool lost = false;
    for (const auto& [counter, value, boxes] : sequence) {
      town.game.set(counter, value);
      const std::string what = std::string(name(counter)) + " " + std::to_string(value);
      Lines expected{write(counter, value)};
      expected.insert(expected.end(), boxes.begin(), boxes.end());
      EXPECT_EQ(town.take(), expected) << what;
      lost = lost || boxes.size() == 2 || boxes == bankrupt;
      EXPECT_EQ(town.shown(Label::Label5), lost) << what;
      EXPECT_TRUE(lost || town.timerOn(Timer::Timer)) << what;
    }
    expectLost(town, "at the end");
  }
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
  EXPECT_EQ(town.take(), (Lines{write(kPopulation, 325), write(kMoney, -183750), box(kAdviser, kBankrupt),
                                write(kDay, 25), kNoShop, write(kPopularity, 10)}));
  expectLost(town, "after the step");
  town.game.wait(28000);
  EXPECT_EQ(town[kDay], 25);
}

TEST(DatedEvents, ALossInTheMiddleOfARowLetsTheRowFinish) {
  Town town;
  town.setUp(kPopularity, 10);
  town.setUp(kDay, 71);
  town.game.step();
  const Lines said = town.take();
  const auto day = std::find(said.begin(), said.end(), write(kDay, 72));
  ASSERT_EQ(said.end() - day, 6);
  EXPECT_EQ(day[2], write(kPopularity, -15));
  EXPECT_EQ(day[4], box(kAdviser, kVotedOut));
  EXPECT_EQ(day[5], write(kPopulation, 305));
  EXPECT_TRUE(town.shown(Label::Label5));
}

TEST(DatedEvents, ALossInTheLastStepIsStillFollowedByTheWin) {
  Town town;
  town.setUp(kMoney, -200000);
  town.setUp(kDay, 149);
  town.game.step();
  EXPECT_EQ(town.take(),
            (Lines{write(kPopulation, 325), write(kMoney, -183750), box(kAdviser, kBankrupt),
                   write(kDay, 150),
                   box(kAdviser, "VYHRÁLS, Uplynulo 150 dní a už musíš odejít, lidé tě měli rádi"),
                   "sound data/about.dat", "about open"}));
  EXPECT_TRUE(town.shown(Label::Label5));
  EXPECT_TRUE(town.shown(Label::Label6));
}

TEST(DatedEvents, DaysAfter150AreSilent) {
  Town town;
  town.setUp(kDay, 149);
  town.game.press(Button::Command2);
  town.game.wait(2800);
  town.game.press(Button::Command3);
  town.game.press(Button::Command2);
  town.take();
  town.game.wait(2800 * 200);
  EXPECT_EQ(town[kDay], 350);
  for (const auto& line : town.take()) EXPECT_NE(line.rfind("box", 0), 0u) << line;
}

constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();

// A time step, a purchase or a dated day whose sum does not fit reports it and
// ends the program there, the writes before it kept; one that just fits is
// written. Nothing happens after the end.
TEST(Overflow, EverySumStopsAtTheFirstThatDoesNotFit) {
  const std::string overflow = box(
      "Trelavka", "Chyba: přetečení (Overflow). Číslo se nevejde do počítadla, program bude ukončen.");
  struct Case {
    Counter counter;
    std::int64_t value;
    const char* action;  // a menu item, or a time step
    Lines expected;
    std::vector<Picture> standing{};
  };
  const std::vector<Case> cases{
      {kPopulation, kMax - 24, "step", {overflow, "quit"}},
      {kPopulation, kMax / 50, "step", {write(kPopulation, kMax / 50 + 25), overflow, "quit"}},
      {kMoney, kMax - 16249, "step", {write(kPopulation, 325), overflow, "quit"}},
      {kMoney, kMax - 16250, "step", {write(kPopulation, 325), write(kMoney, kMax), write(kDay, 2)}},
      {kMoney, kMax - 16250, "step", {write(kPopulation, 325), overflow, "quit"}, {Picture::Picture21}},
      {kDay, kMax, "step", {write(kPopulation, 325), write(kMoney, 2516250), overflow, "quit"}},
      {kPopularity, kMax - 5, "Obchod", {write(kPopularity, kMax), write(kMoney, 1800000)}},
      {kPopularity, kMax - 4, "Obchod", {overflow, "quit"}},
      {kPopulation, kMax - 299, "Sídliště", {write(kPopularity, 25), write(kMoney, 0), overflow, "quit"}},
      {kPopularity, kMin + 9, "day 25",
       {write(kPopulation, 325), write(kMoney, 2516250), write(kDay, 25), kNoShop, overflow, "quit"}},
  };
  for (const auto& c : cases) {
    const std::string what = std::string(c.action) + " from " + std::string(name(c.counter)) + " " +
                             std::to_string(c.value);
    Town town;
    town.build(c.standing);
    town.setUp(c.counter, c.value);
    if (c.action == std::string_view("day 25")) town.setUp(kDay, 24);
    if (!town.game.choose(c.action)) town.game.step();
    EXPECT_EQ(town.take(), c.expected) << what;
    if (c.expected.back() != "quit") continue;
    EXPECT_TRUE(town.ended()) << what;
    const Lines before = town.state();
    town.game.step();
    town.game.wait(1000000);
    town.game.press(Button::Command2);
    town.game.choose("Obchod");
    town.game.choose("nápověda");
    town.game.set(kPopularity, -50);
    town.game.clickAbout(AboutTarget::Form);
    EXPECT_TRUE(town.take().empty()) << what;
    EXPECT_EQ(town.state(), before) << what;
  }
}

}  // namespace
}  // namespace trelavka::testing
