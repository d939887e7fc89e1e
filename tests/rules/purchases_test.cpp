// Buying buildings and the two upgrades: the refusals in their order, and the
// effects in theirs, with the watchers speaking in between.
#include <gtest/gtest.h>

#include "town.h"

namespace trelavka::testing {
namespace {

using P = Picture;

struct Building {
  const char* item;
  std::int64_t price;
  Picture picture;
  std::int64_t popularity;  // change
  std::int64_t people;      // change
  const char* title;        // of its refusals
  const char* alreadyBuilt;
  std::vector<Picture> needs;
  std::int64_t startPopularity;
};

const std::vector<Building> kCatalogue{
    {"Obchod", 700000, P::Picture5, 5, 0, "Nejde postavit", "Jeden už máte", {}, 20},
    {"Hypermarket", 7500000, P::Picture12, -10, 50, "Nejde postavit", "Jednu už máte",
     {P::Picture10}, 20},
    {"Sídliště", 2500000, P::Picture10, 5, 300, "Nejde postavit", "Jedno už máte", {}, 20},
    {"Policie", 1050000, P::Picture2, 10, 0, "Nejde postavit", "Jednu už máte", {}, 20},
    {"Hasiči", 1600000, P::Picture3, 15, 0, "Nejde postavit", "Jedny už máte", {}, 20},
    {"Nemocnice", 2000000, P::Picture4, 15, 100, "Nejde postavit", "Jednu už máte", {}, 20},
    {"Moderní", 1300000, P::Picture11, 5, 100, "Nejde postavit", "Jednu už máte",
     {P::Picture10}, 15},
    {"HiTechradnice", 4500000, P::Picture24, 10, 200, "Nejde postavit", "Jednu už máte",
     {P::Picture11, P::Picture4}, 50},
    {"Kanalizace", 2000000, P::Picture19, 5, 0, "Nejde postavit",
     "Kanalizace je již vybudována", {P::Picture10}, 20},
    {"Plynofikace", 1650000, P::Picture20, 5, 0, "Nejde postavit", "Plyn je již zaveden", {}, 20},
    {"Telefon", 1450000, P::Picture21, 5, 0, "Nejde zbudovat", "Telefon je již zaveden", {}, 20},
    {"rozhledna", 1200000, P::Picture26, 5, 0, "Nejde zbudovat", "Jedn rozhlednu už máte",
     {P::Picture24, P::Picture10}, 20},
};

const std::string kHyperNews =
    box("Konkurence", "Hypermarket zlikvidoval všechny drobné podnikatelev tomto městě");

// Money equal to the price buys, with popularity exactly at any threshold.
TEST(Buildings, EachIsBoughtWithMoneyEqualToItsPrice) {
  for (const auto& b : kCatalogue) {
    Town town;
    town.build(b.needs);
    town.setUp(kMoney, b.price);
    town.setUp(kPopularity, b.startPopularity);
    ASSERT_TRUE(town.game.choose(b.item));
    Lines expected{write(kPopularity, b.startPopularity + b.popularity), write(kMoney, 0)};
    if (b.people != 0) expected.push_back(write(kPopulation, 300 + b.people));
    if (b.picture == P::Picture12) expected.push_back(kHyperNews);
    EXPECT_EQ(town.take(), expected) << b.item;
    EXPECT_TRUE(town.shown(b.picture)) << b.item;
  }
}

TEST(Buildings, OneCrownShortIsRefusedAndChangesNothing) {
  for (const auto& b : kCatalogue) expectOneCrownShortIsRefused(b);
}

// Short of money, only the fire brigade says first that it already stands.
TEST(Buildings, ABuiltBuildingIsRefusedWhateverTheMoney) {
  for (const auto& b : kCatalogue) {
    for (std::int64_t money : {b.price - 1, b.price}) {
      Town town;
      town.build({b.picture});
      town.setUp(kMoney, money);
      const Lines before = town.state();
      town.game.choose(b.item);
      const bool shortFirst = money < b.price && b.picture != P::Picture3;
      EXPECT_EQ(town.take(), Lines{box(b.title, shortFirst ? kNoMoney : b.alreadyBuilt)})
          << b.item << " with " << money;
      EXPECT_EQ(town.state(), before) << b.item;
    }
  }
}

TEST(Buildings, PrerequisitesAreCheckedInTheirOrder) {
  struct Case {
    const char* item;
    std::vector<Picture> standing;
    std::int64_t popularity;
    std::string expected;
  };
  const std::string kFewPeople = "Máte málo obyvatel, postavte sídliště";
  const std::vector<Case> cases{
      {"Obchod", {P::Picture12}, 20,
       box("Konkurence", "Hypermarket je příliž velká konkurence, obchod by se neuživil.")},
      {"Obchod", {P::Picture12, P::Picture5}, 20, box("Nejde postavit", "Jeden už máte")},
      {"Hypermarket", {}, 20, box("Nejde postavit", kFewPeople)},
      {"Moderní", {}, 20, box("Nejde postavit", kFewPeople)},
      {"Moderní", {P::Picture10}, 14, box("Nejde postavit", "Máte malou popularitu.")},
      {"HiTechradnice", {P::Picture4, P::Picture10}, 90,
       box("Nejde postavit", "Nemáte moderní radnici nelze postavit Hi-Tech radnici")},
      {"HiTechradnice", {P::Picture11}, 90, box("Nejde postavit", "Nemáte nemocnici")},
      {"HiTechradnice", {P::Picture11, P::Picture4}, 49,
       box("Nejde postavit", "Máte malou popularitu.")},
      {"Kanalizace", {}, 20, box("Nejde postavit", kFewPeople)},
      {"rozhledna", {}, 20, box("Nejde zbudovat", "Nemáte Hi-Tech radnici")},
      {"rozhledna", {P::Picture10}, 20, box("Nejde zbudovat", "Nemáte Hi-Tech radnici")},
      {"rozhledna", {P::Picture24}, 20,
       box("Nejde zbudovat", "Nemáte dost obyvatel, postavte sídliště")},
  };
  for (const auto& c : cases) {
    Town town;
    town.build(c.standing);
    town.setUp(kMoney, 10000000);
    town.setUp(kPopularity, c.popularity);
    const Lines before = town.state();
    town.game.choose(c.item);
    EXPECT_EQ(town.take(), Lines{c.expected}) << c.item;
    EXPECT_EQ(town.state(), before) << c.item;
  }
}

TEST(Buildings, TheHypermarketWarnsBeforeItPaysAndClosesTheShopAfterItsNews) {
  Town town;
  town.build({P::Picture10, P::Picture5});
  town.setUp(kMoney, 7500000);
  town.setUp(kPopularity, 5);
  town.game.choose("Hypermarket");
  EXPECT_EQ(town.take(), (Lines{write(kPopularity, -5), box(kAdviser, kLowPopularity),
                                write(kMoney, 0), write(kPopulation, 350), kHyperNews}));
  EXPECT_FALSE(town.shown(P::Picture5));
  EXPECT_TRUE(town.shown(P::Picture12));
  EXPECT_FALSE(town.shown(Label::Label5));
}

// Lost inside the purchase, which still pays, adds its people and closes the shop.
TEST(Buildings, AHypermarketBoughtFromMinusOneLosesTheGameAndStillCompletes) {
  Town town;
  town.build({P::Picture10, P::Picture5});
  town.setUp(kMoney, 7500000);
  town.setUp(kPopularity, -1);
  town.game.choose("Hypermarket");
  EXPECT_EQ(town.take(),
            (Lines{write(kPopularity, -11), box(kAdviser, kLowPopularity),
                   box(kAdviser, kVotedOut), write(kMoney, 0), write(kPopulation, 350),
                   kHyperNews}));
  EXPECT_TRUE(town.shown(Label::Label5));
  EXPECT_FALSE(town.shown(P::Picture5));
  // Lost while paused: Start hry is still there to press.
  EXPECT_TRUE(town.button(Button::Command2).shown);
}

TEST(Buildings, TheHiTechHallReplacesTheModernOneWhichCanBeBoughtAgain) {
  Town town;
  town.build({P::Picture10, P::Picture4});
  town.setUp(kMoney, 10000000);
  town.game.choose("Moderní");
  town.setUp(kPopularity, 50);
  town.game.choose("HiTechradnice");
  EXPECT_EQ(town.take(), (Lines{write(kPopularity, 60), write(kMoney, 4200000),
                                write(kPopulation, 600)}));
  EXPECT_TRUE(town.shown(P::Picture24));
  EXPECT_FALSE(town.shown(P::Picture11));

  town.game.choose("Moderní");
  EXPECT_EQ(town.take(), (Lines{write(kPopularity, 65), write(kMoney, 2900000),
                                write(kPopulation, 700)}));
  EXPECT_TRUE(town.shown(P::Picture11));
}

TEST(Buildings, TheEstateBurntOnDay90IsBoughtAgainAtFullPrice) {
  Town town;
  town.game.choose("Sídliště");
  town.setUp(kDay, 89);
  town.game.step();
  ASSERT_FALSE(town.shown(P::Picture10));
  town.setUp(kMoney, 2500000);
  town.take();
  town.game.choose("Sídliště");
  // From 25 - 30 = -5 and 625 - 200 = 425 after the fire.
  EXPECT_EQ(town.take(), (Lines{write(kPopularity, 0), write(kMoney, 0),
                                write(kPopulation, 725)}));
  EXPECT_TRUE(town.shown(P::Picture10));
}

TEST(Buildings, AfterAWinOrALossBuyingStillWorks) {
  Town lost;
  lost.setUp(kMoney, -200000);
  lost.setUp(kMoney, 1050000);
  lost.game.choose("Policie");
  EXPECT_EQ(lost.take(), (Lines{write(kPopularity, 30), write(kMoney, 0)}));

  Town won;
  won.setUp(kDay, 149);
  won.game.step();
  ASSERT_TRUE(won.shown(Label::Label6));
  won.take();
  won.game.choose("Policie");
  EXPECT_EQ(won.take(), (Lines{write(kPopularity, 30), write(kMoney, 2516250 - 1050000)}));
}

TEST(Upgrades, TheEstateEnlargementChecksMoneyThenFlagThenEstateThenPopularity) {
  struct Case {
    std::int64_t money;
    bool done;
    bool estate;
    std::int64_t popularity;
    std::string expected;
  };
  const std::vector<Case> cases{
      {1999999, true, false, 20, box("Nejde postavit", kNoMoney)},
      {2000000, true, false, 20, box("Nejde postavit", "Sídliště je už upraveno")},
      {2000000, false, false, 20, box("Nejde upravit", "Nemáte sídliště není co zvětšovat")},
      {2000000, false, true, 14, box("Nejde postavit", "Máte malou popularitu.")},
  };
  for (const auto& c : cases) {
    Town town;
    if (c.estate) town.build({P::Picture10});
    town.game.model().setFlag(Flag::Check4, c.done);
    town.setUp(kMoney, c.money);
    town.setUp(kPopularity, c.popularity);
    const Lines before = town.state();
    town.game.choose("kapacita");
    EXPECT_EQ(town.take(), Lines{c.expected}) << c.expected;
    EXPECT_EQ(town.state(), before);
  }
}

TEST(Upgrades, TheEnlargementAddsPeopleButNoPopularity) {
  Town town;
  town.build({P::Picture10});
  town.setUp(kMoney, 2000000);
  town.setUp(kPopularity, 15);
  town.game.choose("kapacita");
  EXPECT_EQ(town.take(), (Lines{write(kMoney, 0), write(kPopulation, 500)}));
  EXPECT_TRUE(town.shown(P::Picture29));
  EXPECT_TRUE(town.flag(Flag::Check4));
}

// The fire hides the enlargement but its flag stays: never again this game.
TEST(Upgrades, AnEstateRebuiltAfterTheFireCannotBeEnlargedAgain) {
  Town town;
  town.build({P::Picture10});
  town.setUp(kMoney, 2000000);
  town.game.choose("kapacita");
  town.setUp(kDay, 89);
  town.game.step();
  EXPECT_FALSE(town.shown(P::Picture29));
  EXPECT_TRUE(town.flag(Flag::Check4));
  town.setUp(kPopularity, 20);
  town.setUp(kMoney, 4500000);
  town.game.choose("Sídliště");
  town.take();
  town.game.choose("kapacita");
  EXPECT_EQ(town.take(), Lines{box("Nejde postavit", "Sídliště je už upraveno")});
  EXPECT_FALSE(town.shown(P::Picture29));
}

TEST(Upgrades, TheHospitalEquipmentChecksMoneyThenHospitalThenWhetherBought) {
  Town town;
  town.setUp(kMoney, 4499999);
  town.game.choose("novevybaveni");
  town.game.set(kMoney, 4500000);
  town.game.choose("novevybaveni");
  EXPECT_EQ(town.log, (Lines{box("Nejde postavit", kNoMoney), write(kMoney, 4500000),
                             box("Nejde opravit",
                                 "Nemáte nemocnici, nelze nakoupit přístroje")}));
  town.take();

  // It needs no popularity.
  town.build({P::Picture4});
  town.setUp(kPopularity, 0);
  town.game.choose("novevybaveni");
  EXPECT_EQ(town.take(), (Lines{write(kPopularity, 5), write(kMoney, 0),
                                write(kPopulation, 400)}));
  EXPECT_TRUE(town.shown(P::Picture30));

  town.setUp(kMoney, 4499999);
  town.game.choose("novevybaveni");
  town.game.set(kMoney, 4500000);
  town.game.choose("novevybaveni");
  EXPECT_EQ(town.take(), (Lines{box("Nejde postavit", kNoMoney), write(kMoney, 4500000),
                                box("Nejde opravit", "Nemocnice vybavení již zakoupila")}));
}

}  // namespace
}  // namespace trelavka::testing
