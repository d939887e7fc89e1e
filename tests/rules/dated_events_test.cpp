// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The dated days where order matters, and the end of the term. Every row with
// and without its building is in the dated_events golden scenario.
#include <gtest/gtest.h>

#include <algorithm>

#include "town.h"

namespace trelavka::testing {
namespace {

// What followed the day's write in the transcript.
Lines afterTheDay(const Lines& lines, std::int64_t day) {
  const auto at = std::find(lines.begin(), lines.end(), write(kDay, day));
  if (at == lines.end()) return {"(day " + std::to_string(day) + " never written)"};
  return Lines(at + 1, lines.end());
}

TEST(DatedEvents, ALossInTheMiddleOfARowLetsTheRowFinish) {
  Town town;
  town.setUp(kPopularity, 10);
  town.setUp(kDay, 71);
  town.game.step();
  const Lines after = afterTheDay(town.take(), 72);
  ASSERT_EQ(after.size(), 5u);
  EXPECT_EQ(after[1], write(kPopularity, -15));
  EXPECT_EQ(after[3], box(kAdviser, kVotedOut));
  EXPECT_EQ(after[4], write(kPopulation, 305));
  EXPECT_TRUE(town.shown(Label::Label5));
}

const Lines kWin{box("PORADCE", "VYHRÁLS, Uplynulo 150 dní a už musíš odejít, lidé tě měli rádi"),
                 "sound data/about.dat", "about open"};

TEST(DatedEvents, ALossInTheLastStepIsStillFollowedByTheWin) {
  Town town;
  town.setUp(kMoney, -200000);
  town.setUp(kDay, 149);
  town.game.step();
  Lines expected{write(kPopulation, 325), write(kMoney, -183750), box(kAdviser, kBankrupt),
                 write(kDay, 150)};
  expected.insert(expected.end(), kWin.begin(), kWin.end());
  EXPECT_EQ(town.take(), expected);
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
  const Lines lines = town.take();
  EXPECT_TRUE(std::none_of(lines.begin(), lines.end(),
                           [](const std::string& l) { return l.rfind("box", 0) == 0; }));
}

}  // namespace
}  // namespace trelavka::testing
