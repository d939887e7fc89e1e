// Start, pause and the game clock: when days come, and what a box open in the
// middle of a day does to the clock.
#include <gtest/gtest.h>

#include "town.h"

namespace trelavka::testing {
namespace {

const std::string kWelcome = box(
    "VÍTEJ NOVÝ STAROSTO",
    "Minulý starosta umřel a ty nastupuješ místo něho na 150 dní, než budou volby a musíš "
    "udělat vše proto, aby město prosperovalo a dál se rozrůstalo.");

TEST(GameControl, TheMayorIsWelcomedAndNothingElseHappensAtLoad) {
  Lines lines;
  Headless game([&](std::string_view l) { lines.emplace_back(l); });
  game.load();
  EXPECT_EQ(lines, Lines{kWelcome});
  const Model& m = game.model();
  EXPECT_EQ(m.counterText(kMoney), "2500000");
  EXPECT_EQ(m.counterText(kPopulation), "300");
  EXPECT_EQ(m.counterText(kPopularity), "20");
  EXPECT_EQ(m.counterText(kDay), "1");
  EXPECT_FALSE(m.timerOn(Timer::Timer));
  EXPECT_TRUE(m.button(Button::Command2).shown);
  EXPECT_FALSE(m.button(Button::Command3).shown);
  EXPECT_FALSE(m.button(Button::Command1).shown);
}

TEST(GameControl, StartAndPauseSwapTheButtonsAndSwitchTheClock) {
  Town town;
  town.game.press(Button::Command2);
  EXPECT_TRUE(town.timerOn(Timer::Timer));
  EXPECT_FALSE(town.button(Button::Command2).shown);
  EXPECT_TRUE(town.button(Button::Command3).shown);
  EXPECT_TRUE(town.button(Button::Command3).enabled);

  town.game.press(Button::Command3);
  EXPECT_FALSE(town.timerOn(Timer::Timer));
  EXPECT_TRUE(town.button(Button::Command2).shown);
  EXPECT_FALSE(town.button(Button::Command3).shown);
  EXPECT_TRUE(town.take().empty());
}

TEST(GameControl, BeforeStartTheDayNeverMoves) {
  Town town;
  town.game.wait(600000);
  EXPECT_EQ(town[kDay], 1);
  EXPECT_TRUE(town.take().empty());
}

TEST(GameControl, FirstDayComesExactly2800MsAfterStart) {
  Town town;
  town.game.wait(1234);
  town.game.press(Button::Command2);
  town.waitUntil(1234 + 2799);
  EXPECT_EQ(town[kDay], 1);
  town.game.wait(1);
  EXPECT_EQ(town[kDay], 2);
}

// A town that loses nothing on any of the 150 days, so the clock is all we see.
void buildEverythingTheEventsAskFor(Town& town) {
  town.build({Picture::Picture2, Picture::Picture3, Picture::Picture4, Picture::Picture5,
              Picture::Picture10, Picture::Picture19, Picture::Picture20, Picture::Picture21});
}

TEST(GameControl, TheKthStepComesAtKTimes2800WithNoDrift) {
  Town town;
  buildEverythingTheEventsAskFor(town);
  town.game.press(Button::Command2);
  for (std::int64_t k = 1; k <= 149; ++k) {
    town.waitUntil(k * 2800 - 1);
    ASSERT_EQ(town[kDay], k) << "just before step " << k;
    town.game.wait(1);
    ASSERT_EQ(town[kDay], k + 1) << "at step " << k;
  }
  EXPECT_TRUE(town.shown(Label::Label6));
  EXPECT_FALSE(town.timerOn(Timer::Timer));
  town.game.wait(100000);
  EXPECT_EQ(town[kDay], 150);
}

TEST(GameControl, APauseStopsAtOnceAndAStartCountsAfresh) {
  Town town;
  town.game.press(Button::Command2);
  town.waitUntil(4000);  // the first step at 2800
  town.game.press(Button::Command3);
  const std::int64_t money = town[kMoney];
  town.waitUntil(14000);
  EXPECT_EQ(town[kDay], 2);
  EXPECT_EQ(town[kMoney], money);

  town.game.press(Button::Command2);
  town.waitUntil(14000 + 2799);
  EXPECT_EQ(town[kDay], 2);
  town.game.wait(1);
  EXPECT_EQ(town[kDay], 3);
  for (int i = 0; i < 5; ++i) {
    town.game.press(Button::Command3);
    town.game.press(Button::Command2);
  }
  town.game.wait(2800);
  EXPECT_EQ(town[kDay], 4);
}

TEST(GameControl, KonecEndsAtOnceWithoutAWordAndNothingFollows) {
  Town town;
  town.game.press(Button::Command2);
  town.game.wait(3000);
  town.take();
  EXPECT_TRUE(town.game.choose("Konec"));
  EXPECT_EQ(town.take(), Lines{"quit"});
  EXPECT_TRUE(town.ended());

  town.game.wait(100000);
  town.game.step();
  town.game.press(Button::Command3);
  town.game.choose("Obchod");
  town.game.choose("osim");
  EXPECT_TRUE(town.take().empty());
  EXPECT_EQ(town[kDay], 2);
}

// The day-25 box stays open 3000 ms: the step due 2800 ms after the previous
// one falls inside it. It is kept and run once the day-25 handler has
// finished, never inside the box, so popularity is written before the next day.
TEST(DeferredTick, ATickDueDuringABoxRunsOnceAfterTheHandler) {
  Town town(3000);
  ASSERT_EQ(town.game.now(), 3000);  // the welcome box
  town.setUp(kDay, 24);
  town.game.press(Button::Command2);
  town.waitUntil(3000 + 2800);
  EXPECT_EQ(town.take(),
            (Lines{write(kPopulation, 325), write(kMoney, 2516250), write(kDay, 25),
                   box(kUnrest, "Lidé nemají kde nakupovat POPULARITA - 10"),
                   write(kPopularity, 10), write(kPopulation, 350),
                   write(kMoney, 2516250 + 17500), write(kDay, 26)}));
  EXPECT_EQ(town.game.now(), 8800);  // the kept tick ran as the box closed
  // The clock keeps its own beat: the next step is 2800 after the kept one fell due.
  town.waitUntil(11399);
  EXPECT_EQ(town[kDay], 26);
  town.game.wait(1);
  EXPECT_EQ(town[kDay], 27);
}

TEST(DeferredTick, SeveralTicksDueDuringOneLongBoxRunOnlyOnce) {
  Town town(10000);
  town.setUp(kDay, 24);
  const std::int64_t start = town.game.now();
  town.game.press(Button::Command2);
  town.game.wait(2800);  // day 25; its box keeps the player 10 s
  EXPECT_EQ(town[kDay], 26);
  EXPECT_EQ(town.game.now(), start + 12800);
  town.waitUntil(start + 14000 - 1);  // the beat: 2800, 5600, ... 14000
  EXPECT_EQ(town[kDay], 26);
  town.game.wait(1);
  EXPECT_EQ(town[kDay], 27);
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
