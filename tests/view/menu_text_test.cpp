// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The menu table as the toolkits take it, the typeface's files, and the
// names a screen reader speaks, found in the tables.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "accessible_names.h"
#include "fonts.h"
#include "menu_text.h"

namespace trelavka::view {
namespace {

TEST(MenuText, AmpersandsStayLettersAndOnlyCtrlWithALetterIsAShortcut) {
  EXPECT_EQ(escapeAccessKeys("Obchod          700 000,-Kč"), "Obchod          700 000,-Kč");
  EXPECT_EQ(escapeAccessKeys("Trhy & festival &&"), "Trhy && festival &&&&");
  EXPECT_EQ(escapeAccessKeys("&"), "&&");
  const struct {
    const char* text;
    std::optional<Shortcut> want;
  } cases[] = {
      {"Ctrl+K", Shortcut{true, 'K'}}, {"Ctrl+A", Shortcut{true, 'A'}},
      {"Ctrl+Z", Shortcut{true, 'Z'}}, {"", std::nullopt},
      {"Ctrl+k", std::nullopt},        {"Ctrl+1", std::nullopt},
      {"Ctrl+KK", std::nullopt},       {"Ctrl+", std::nullopt},
      {"Alt+K", std::nullopt},         {"K", std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(parseShortcut(c.text), c.want) << c.text;
  EXPECT_EQ(kQuitItem.name, "Konec");
}

// The files the build compiles in are those the code asks for, and they are there.
TEST(Fonts, TheCodeNamesTheFilesTheBuildCompilesIn) {
  std::vector<std::string_view> built;
  for (std::string_view list = TRELAVKA_FONT_FILES; !list.empty();) {
    const std::string_view path = list.substr(0, list.find(','));
    list.remove_prefix(std::min(list.size(), path.size() + 1));
    EXPECT_TRUE(std::ifstream(std::string(path)).good()) << path;
    built.push_back(path.substr(path.rfind('/') + 1));
  }
  EXPECT_EQ(built, std::vector<std::string_view>(kBundledFontFiles.begin(), kBundledFontFiles.end()));
}

TEST(AccessibleNames, EveryPictureCounterAndButtonIsNamedForWhatItShows) {
  const std::map<std::string_view, std::string_view> want = {
      {"Picture1", "Mapa města"}, {"Picture2", "Policie"}, {"Picture3", "Hasiči"},
      {"Picture4", "Nemocnice"}, {"Picture5", "Obchod"}, {"Picture10", "Sídliště"},
      {"Picture11", "Moderní radnice"}, {"Picture12", "Hypermarket"}, {"Picture16", "Kanalizace"},
      {"Picture17", "Plynofikace"}, {"Picture18", "Telefon"}, {"Picture19", "Kanalizace"},
      {"Picture20", "Plynofikace"}, {"Picture21", "Telefon"}, {"Picture24", "Hi-Tech radnice"},
      {"Picture26", "Rozhledna"}, {"Picture29", "Zvětšit kapacitu sídliště"},
      {"Picture30", "Nakoupit nové nemocniční vybavení"}, {"Picture31", "Mega koncert Brontovox"},
      {"Text1", "Peníze"}, {"Text2", "Obyvatelstvo"}, {"Text3", "Popularita"}, {"Text4", "Den"},
      {"Command2", "Start hry"}, {"Label5", "PROHRÁLS"},
  };
  // A price of nines loses its nines too.
  EXPECT_EQ(names_detail::withoutPrice("Věž  9 999,-Kč"), "Věž");
  for (const layout::Control& row : layout::kControls) {
    const auto named = want.find(row.name);
    if (named != want.end()) {
      EXPECT_EQ(accessibleName(row), named->second) << row.name;
    } else if (row.kind == layout::Kind::Picture) {
      EXPECT_EQ(accessibleName(row), "Dům") << row.name << " is a house";
    }
  }
}

TEST(AccessibleNames, TheAboutWindowsLogoIsNamedForItsMakerNotItsFile) {
  for (const about::Control& row : about::kControls) {
    if (row.kind == about::Kind::Picture) {
      EXPECT_EQ(accessibleName(row), "Tým Trelavka") << row.name;
    } else {
      EXPECT_EQ(accessibleName(row), row.content) << row.name;
    }
  }
}

}  // namespace
}  // namespace trelavka::view
