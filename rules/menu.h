// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The menu bar, top to bottom. Captions keep their runs of blanks: they line
// the prices up. Leaf items run their handler; purchases find their row in the
// offer tables by the item's name.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace trelavka {

enum class MenuAction : std::uint8_t { Submenu, Quit, Buy, Help, About };

struct MenuItem {
  std::string_view name;
  std::string_view parent;  // empty: on the menu bar
  std::string_view caption;
  MenuAction action;
  std::string_view shortcut{};
};

using A = MenuAction;

inline constexpr std::array<MenuItem, 31> kMenu{{
    {"Soubor", "", "Soubor", A::Submenu},
    {"Konec", "Soubor", "Konec", A::Quit, "Ctrl+K"},
    {"Stavby", "", "Stavby", A::Submenu},
    {"Obchod", "Stavby", "Obchod          700 000,-Kč", A::Buy},
    {"Hypermarket", "Stavby", "Hypermarket  7 500 000,-Kč", A::Buy},
    {"Sídliště", "Stavby", "Sídliště           2 500 000,-Kč", A::Buy},
    {"Civilní", "Stavby", "Civilní stavby", A::Submenu},
    {"Policie", "Civilní", "Policie         1 050 000,-Kč", A::Buy},
    {"Hasiči", "Civilní", "Hasiči         1 600 000,-Kč", A::Buy},
    {"Nemocnice", "Civilní", "Nemocnice 2 000 000,-Kč", A::Buy},
    {"Městské", "Stavby", "Městské stavby", A::Submenu},
    {"Moderní", "Městské", "Moderní radnice 1 300 000,-Kč", A::Buy},
    {"HiTechradnice", "Městské", "Hi-Tech radnice  4 500 000,-Kč", A::Buy},
    {"Inženýrskésítě", "Stavby", "Inženýrské sítě", A::Submenu},
    {"Kanalizace", "Inženýrskésítě", "Kanalizace   2 000 000,-Kč", A::Buy},
    {"Plynofikace", "Inženýrskésítě", "Plynofikace  1 650 000,-Kč", A::Buy},
    {"Telefon", "Inženýrskésítě", "Telefon        1 450 000,-Kč", A::Buy},
    {"special", "Stavby", "Speciální stavby", A::Submenu},
    {"rozhledna", "special", "Rozhledna   1 200 000,-Kč", A::Buy},
    {"opravy", "Stavby", "Opravy", A::Submenu},
    {"kapacita", "opravy", "Zvětšit kapacitu sídliště                      2 000 000,-Kč", A::Buy},
    {"novevybaveni", "opravy", "Nakoupit nové nemocniční vybavení 4 500 000,-Kč", A::Buy},
    {"Ostatní", "", "Ostatní", A::Submenu},
    {"prostředí", "Ostatní", "Zlepšení živatního prostředí  900 000,-Kč", A::Buy},
    {"trhy", "Ostatní", "Uspořádat trhy                      100 000,-Kč", A::Buy},
    {"festival", "Ostatní", "Uspořádat festival                 1 300 000,-Kč", A::Buy},
    {"akce", "Ostatní", "Speciální akce", A::Submenu},
    {"brontovox", "akce", "Mega koncert Brontovox  8 000 000,-Kč", A::Buy},
    {"help", "", "Nápověda", A::Submenu},
    {"nápověda", "help", "Help", A::Help},
    {"osim", "help", "O Trelavka", A::About},
}};

constexpr const MenuItem* menuItemNamed(std::string_view name) {
  for (const auto& m : kMenu) {
    if (m.name == name) return &m;
  }
  return nullptr;
}

}  // namespace trelavka
