// Help, and the about window: one at a time, its sound on every opening.
#include <gtest/gtest.h>

#include "town.h"

namespace trelavka::testing {
namespace {

const std::string kHelp =
    "PENÍZE - Tady snad není co vysvětlovat ---- OBYVATELSTVO - To je dost důležitý faktor, "
    "protože daně se rovnají počet obyvatel krát padesát ---- POPULARITA - Čím víc tím líp "
    "pokud je popularita v mínusu víc jak deset končíte, taky je důležitá pro stavbu nějákých "
    "větších budov.";

std::size_t characters(std::string_view utf8) {
  std::size_t n = 0;
  for (unsigned char c : utf8) n += (c & 0xC0) != 0x80;
  return n;
}

TEST(Help, ExplainsTheCountersAndChangesNothing) {
  ASSERT_EQ(characters(kHelp), 276u);
  Town town;
  town.game.press(Button::Command2);
  const Lines before = town.state();
  town.game.choose("nápověda");
  EXPECT_EQ(town.take(), Lines{box("Nápověda", kHelp)});
  EXPECT_EQ(town.state(), before);
}

const Lines kOpened{"sound data/about.dat", "about open"};

TEST(About, OnlyOneWindowAndOneSoundHoweverOftenItIsChosen) {
  Town town;
  town.game.choose("osim");
  town.game.choose("osim");
  EXPECT_EQ(town.take(), kOpened);
  EXPECT_TRUE(town.game.model().aboutOpen());
}

TEST(About, TheLinkOpensThePageAndLeavesTheWindowOpen) {
  Town town;
  town.game.choose("osim");
  town.take();
  town.game.clickAbout(AboutTarget::Address);
  town.game.clickAbout(AboutTarget::Address);
  EXPECT_EQ(town.take(), (Lines{"open www.example.org",
                                "open www.example.org"}));
  EXPECT_TRUE(town.game.model().aboutOpen());
}

TEST(About, LogoSurfaceAndCloseBoxCloseItAndReopeningPlaysAgain) {
  for (AboutTarget where : {AboutTarget::Logo, AboutTarget::Form, AboutTarget::CloseBox}) {
    Town town;
    town.game.choose("osim");
    town.game.clickAbout(where);
    EXPECT_FALSE(town.game.model().aboutOpen());
    town.game.choose("osim");
    EXPECT_EQ(town.take(), (Lines{"sound data/about.dat", "about open", "about close",
                                  "sound data/about.dat", "about open"}));
  }
}

TEST(About, ClicksOnAClosedWindowDoNothing) {
  Town town;
  for (AboutTarget where :
       {AboutTarget::Logo, AboutTarget::Form, AboutTarget::CloseBox, AboutTarget::Address}) {
    town.game.clickAbout(where);
  }
  EXPECT_TRUE(town.take().empty());
}

TEST(About, TheGameGoesOnWhileItIsOpen) {
  Town town;
  town.game.choose("osim");
  town.game.press(Button::Command2);
  town.game.wait(2800);
  town.game.choose("Obchod");
  EXPECT_EQ(town[kDay], 2);
  EXPECT_TRUE(town.shown(Picture::Picture5));
  EXPECT_TRUE(town.game.model().aboutOpen());
}

}  // namespace
}  // namespace trelavka::testing
