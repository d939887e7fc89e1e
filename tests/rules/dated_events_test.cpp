// The sixteen days of the term, each with and without the building it asks about.
#include <gtest/gtest.h>

#include <algorithm>

#include "town.h"

namespace trelavka::testing {
namespace {

using P = Picture;

struct Row {
  std::int64_t day;
  Picture building;
  bool firesWhenBuilt;
  std::string title;
  std::string text;
  Lines effects;  // after the box, from popularity 20, 325 people and 2516250 Kč
};

const std::vector<Row> kRows{
    {25, P::Picture5, false, "Nespokojenost obyvatel",
     "Lidé nemají kde nakupovat POPULARITA - 10", {write(kPopularity, 10)}},
    {35, P::Picture2, false, "Nespokojenost obyvatel",
     "Ve městě je velká kriminalita POPULARITA - 10", {write(kPopularity, 10)}},
    {53, P::Picture2, true, "LOUPEŽ",
     "Zloději vykradli radnici, ale policie je včas zadržela POPULARITA + 5",
     {write(kPopularity, 25)}},
    {55, P::Picture19, false, "Nespokojenost obyvatel",
     "Obyvatelé chtějí kanalizaci POPULARITA - 10", {write(kPopularity, 10)}},
    {60, P::Picture20, false, "Nespokojenost obyvatel", "Obyvatelé chtějí plyn POPULARITA - 10",
     {write(kPopularity, 10)}},
    {70, P::Picture21, false, "Nespokojenost obyvatel",
     "Obyvatelé chtějí telefon POPULARITA - 15", {write(kPopularity, 5)}},
    {72, P::Picture4, false, "NEMOC",
     "Město zachvátil neznámý vir, několik lidí umřelo, měl bys postavit nemocnici. "
     "OBYVATELSTVO - 20, POPULARITA - 25",
     {write(kPopularity, -5), box(kAdviser, kLowPopularity), write(kPopulation, 305)}},
    {80, P::Picture10, false, "Nespokojenost obyvatel",
     "Obyvatelé nemají kde bydlet, postavte sídliště POPULARITA - 25",
     {write(kPopularity, -5), box(kAdviser, kLowPopularity)}},
    {90, P::Picture3, false, "POžÁR",
     "Na sídlišti začalo hořet, protože nemáš hasiče, tak sídliště vyhořelo "
     "OBYVATELSTVO - 200, POPULARITA - 30",
     {write(kPopularity, -10), box(kAdviser, kLowPopularity), write(kPopulation, 125)}},
    {97, P::Picture19, true, "Údržba",
     "Kanalizace je zastaralá a potřebuje údržbu PENÍZE - 300 000", {write(kMoney, 2216250)}},
    {103, P::Picture3, true, "Údržba", "Hasiči potřebují novou techniku PENÍZE - 1 300 000",
     {write(kMoney, 1216250)}},
    {110, P::Picture2, false, "Nespokojenost obyvatel",
     "Ve městě je velká kriminalita, postavte policii POPULARITA - 20", {write(kPopularity, 0)}},
    {128, P::Picture2, true, "Údržba",
     "Policisté rozšiřují své řady a potřebují peníze PENÍZE - 180 000",
     {write(kMoney, 2336250)}},
    {136, P::Picture2, true, "ZATČENÍ",
     "Tví policisté zadrželi překupníky kradených aut POPULARITA + 5", {write(kPopularity, 25)}},
    {145, P::Picture3, true, "ZATČENÍ",
     "Na radnici začalo hořet, hasiči to ale naštěstí stihli. Škody byli malé, ale přesto "
     "nějáké byli POPULARITA + 5, PENÍZE - 150000",
     {write(kPopularity, 25), write(kMoney, 2366250)}},
};

// What followed the day's write in the transcript.
Lines afterTheDay(const Lines& lines, std::int64_t day) {
  const auto at = std::find(lines.begin(), lines.end(), write(kDay, day));
  if (at == lines.end()) return {"(day " + std::to_string(day) + " never written)"};
  return Lines(at + 1, lines.end());
}

TEST(DatedEvents, EachRowFiresOnItsDayOnlyWithItsBuildingAsked) {
  for (const auto& row : kRows) {
    for (bool built : {false, true}) {
      Town town;
      if (built) town.build({row.building});
      town.setUp(kDay, row.day - 1);
      town.game.step();
      Lines expected;
      if (built == row.firesWhenBuilt) {
        expected.push_back(box(row.title, row.text));
        expected.insert(expected.end(), row.effects.begin(), row.effects.end());
      }
      EXPECT_EQ(afterTheDay(town.take(), row.day), expected)
          << "day " << row.day << (built ? " with " : " without ") << name(row.building);
    }
  }
}

TEST(DatedEvents, NoOtherDayOfTheTermDoesAnything) {
  Town town;
  for (std::int64_t day = 2; day <= 149; ++day) {
    const bool dated = std::any_of(kRows.begin(), kRows.end(),
                                   [&](const Row& r) { return r.day == day; });
    town.setUp(kPopularity, 20);
    town.setUp(kDay, day - 1);
    town.game.step();
    const Lines after = afterTheDay(town.take(), day);
    if (!dated) {
      EXPECT_TRUE(after.empty()) << "day " << day;
    }
  }
}

TEST(DatedEvents, TheFireBurnsTheEstateAndItsEnlargementButNotTheFlag) {
  Town town;
  town.build({P::Picture10, P::Picture29});
  town.game.model().setFlag(Flag::Check4, true);
  town.setUp(kDay, 89);
  town.game.step();
  EXPECT_FALSE(town.shown(P::Picture10));
  EXPECT_FALSE(town.shown(P::Picture29));
  EXPECT_TRUE(town.flag(Flag::Check4));
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

TEST(DatedEvents, Day150WinsStopsTheClockAndOpensTheAboutWindow) {
  Town town;
  town.setUp(kPopularity, -10);  // the win does not look at the counters
  town.setUp(kDay, 149);
  town.game.press(Button::Command2);
  town.game.wait(2800);
  EXPECT_EQ(afterTheDay(town.take(), 150), kWin);
  EXPECT_FALSE(town.timerOn(Timer::Timer));
  EXPECT_TRUE(town.shown(Label::Label6));
  EXPECT_FALSE(town.shown(Label::Label5));
  EXPECT_TRUE(town.game.model().aboutOpen());
  // Pauza stays visible and usable.
  EXPECT_TRUE(town.button(Button::Command3).shown);
  EXPECT_TRUE(town.button(Button::Command3).enabled);
}

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

TEST(DatedEvents, TheWinWithTheAboutWindowOpenPlaysNoSecondSound) {
  Town town;
  town.game.choose("osim");
  town.setUp(kDay, 149);
  town.game.step();
  EXPECT_EQ(afterTheDay(town.take(), 150), Lines{kWin[0]});
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
