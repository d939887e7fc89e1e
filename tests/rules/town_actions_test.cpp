// The one-off town actions of "Ostatní": money first, then whether already
// held, then what they need; success told after every effect.
#include <gtest/gtest.h>

#include "town.h"

namespace trelavka::testing {
namespace {

using P = Picture;

struct Action {
  const char* item;
  std::int64_t price;
  const char* title;  // of its refusals
  const char* heldText;
  Flag flag;
  std::vector<Picture> needs;
  Lines success;  // from popularity 20, 300 people, money equal to the price
};

const std::vector<Action> kActions{
    {"prostředí", 900000, "Nelze provést", "Okolí je již čisté", Flag::Check3, {},
     {write(kPopularity, 30), write(kMoney, 0),
      box("Zlepšení živ. prostředí",
          "Uspořádala se ohromná uklízecí akce, spousty najatých lídí a dobrovolníků, utvořili "
          "rojnice a vičistily lesy, potoky, cesty od odpadků a jiných nečistot. POPULARITA + 10")}},
    {"trhy", 100000, "Nelze uspořádat", "Jedny trhy už proběhl", Flag::Check2, {P::Picture10},
     {write(kPopularity, 30), write(kMoney, 0), write(kPopulation, 310),
      box("TRHY", "Trhy přilákaly mnoho lidí, popularita stoupla o 10 a přibylo 10 obyvatel.")}},
    {"festival", 1300000, "Nelze uspořádat", "Jeden festival už proběhl", Flag::check,
     {P::Picture11},
     {write(kPopularity, 50), write(kMoney, 0), write(kPopulation, 350),
      box("FESTIVAL",
          "Festival přilákal mnoho lidí, popularita stoupla o 30 a přibylo 50 obyvatel.")}},
    {"brontovox", 8000000, "Nejde uspořádat", "Koncert již proběhl", Flag::Check5,
     {P::Picture24, P::Picture10},
     {write(kPopularity, 50), write(kMoney, 0), box("KONCERT", "Hudba je slyšet všude po okolí"),
      "sound data/rolling.dat"}},
};

TEST(TownActions, EachIsHeldOnceForMoneyEqualToItsPrice) {
  for (const auto& a : kActions) {
    Town town;
    town.build(a.needs);
    town.setUp(kMoney, a.price);
    town.game.choose(a.item);
    EXPECT_EQ(town.take(), a.success) << a.item;
    EXPECT_TRUE(town.flag(a.flag)) << a.item;

    // Short of money the money speaks first, held or not.
    town.setUp(kMoney, a.price - 1);
    town.game.choose(a.item);
    town.game.set(kMoney, a.price);
    const Lines before = town.state();
    town.game.choose(a.item);
    EXPECT_EQ(town.take(), (Lines{box(a.title, kNoMoney), write(kMoney, a.price),
                                  box(a.title, a.heldText)}))
        << a.item;
    EXPECT_EQ(town.state(), before) << a.item;
  }
}

TEST(TownActions, OneCrownShortIsRefused) {
  for (const auto& a : kActions) expectOneCrownShortIsRefused(a);
}

TEST(TownActions, WhatEachNeedsIsCheckedInOrder) {
  struct Case {
    const char* item;
    std::vector<Picture> standing;
    std::string expected;  // empty: held
  };
  const std::vector<Case> cases{
      {"trhy", {}, box("Nelze uspořádat", "Máte málo obyvatel, postavte sídliště")},
      {"festival", {}, box("Nelze uspořádat", "Musíte mít moderní radnici")},
      {"festival", {P::Picture11}, ""},
      {"festival", {P::Picture24}, ""},
      {"brontovox", {}, box("Nejde uspořádat", "Nemáte Hi-Tech radnici")},
      {"brontovox", {P::Picture10}, box("Nejde uspořádat", "Nemáte Hi-Tech radnici")},
      {"brontovox", {P::Picture24},
       box("Nejde uspořádat", "Nemáte dost obyvatel, postavte sídliště")},
  };
  for (const auto& c : cases) {
    Town town;
    town.build(c.standing);
    town.setUp(kMoney, 10000000);
    const Lines before = town.state();
    town.game.choose(c.item);
    const Lines lines = town.take();
    if (c.expected.empty()) {
      EXPECT_TRUE(town.flag(Flag::check)) << c.item;
    } else {
      EXPECT_EQ(lines, Lines{c.expected}) << c.item;
      EXPECT_EQ(town.state(), before) << c.item;
    }
  }
}

// -25 + 10 is -15: the watcher warns and ends the game before the money is
// paid, and the market still completes.
TEST(TownActions, AMarketFromMinus25LosesTheGameAndStillCompletes) {
  Town town;
  town.build({P::Picture10});
  town.setUp(kPopularity, -25);
  town.game.choose("trhy");
  EXPECT_EQ(town.take(),
            (Lines{write(kPopularity, -15), box(kAdviser, kLowPopularity),
                   box(kAdviser, kVotedOut), write(kMoney, 2400000), write(kPopulation, 310),
                   box("TRHY",
                       "Trhy přilákaly mnoho lidí, popularita stoupla o 10 a přibylo 10 "
                       "obyvatel.")}));
  EXPECT_TRUE(town.flag(Flag::Check2));
  EXPECT_TRUE(town.shown(Label::Label5));
}

// The stage stands 9500 ms from the purchase, not from the closing of the box.
TEST(Concert, TheStageStands9500MsCountedFromThePurchase) {
  Town town(4000);
  town.build({P::Picture24, P::Picture10});
  town.setUp(kMoney, 8000000);
  const std::int64_t bought = town.game.now();
  town.game.choose("brontovox");
  EXPECT_EQ(town.game.now(), bought + 4000);
  EXPECT_EQ(town.log.back(), "sound data/rolling.dat");  // after the box closed
  EXPECT_TRUE(town.shown(P::Picture31));
  town.waitUntil(bought + 9499);
  EXPECT_TRUE(town.shown(P::Picture31));
  town.game.wait(1);
  EXPECT_FALSE(town.shown(P::Picture31));
  EXPECT_FALSE(town.timerOn(Timer::Timer14));
  town.game.wait(1000000);
  EXPECT_FALSE(town.shown(P::Picture31));
}

TEST(Concert, AStageWhoseTimeRunsOutDuringTheBoxIsGoneWhenItCloses) {
  Town town(12000);
  town.build({P::Picture24, P::Picture10});
  town.setUp(kMoney, 8000000);
  const std::int64_t bought = town.game.now();
  town.game.choose("brontovox");
  const std::string shownAt = std::to_string(bought);
  const std::string gone = std::to_string(bought + 9500);
  Lines stage;
  for (const auto& c : town.pictureChanges) {
    if (c.find("Picture31") != std::string::npos) stage.push_back(c);
  }
  EXPECT_EQ(stage, (Lines{shownAt + " Picture31 shown", gone + " Picture31 hidden"}));
}

TEST(Concert, NeverHeldMeansTheStageIsNeverSeen) {
  Town town;
  town.game.wait(1000000);
  EXPECT_FALSE(town.shown(P::Picture31));
  EXPECT_FALSE(town.timerOn(Timer::Timer14));
}

}  // namespace
}  // namespace trelavka::testing
