// The fuzzer's own account of the rules, written out separately from the game's
// tables so that a wrong number in either shows up as a disagreement.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "controls.h"

namespace trelavka::oracle {

using P = Picture;

inline constexpr std::int64_t kStepMs = 2800;
inline constexpr std::int64_t kBankruptBelow = -100000;
inline constexpr std::int64_t kVotedOutBelow = -10;
inline constexpr std::int64_t kWarnBelow = 0;

inline constexpr std::string_view kAdviser = "PORADCE";
inline constexpr std::string_view kWarning = "Máte malou popularitu";
inline constexpr std::string_view kBankrupt =
    "Město skoro zkrachovalo, konají se předčasné volby, KONČÍTE";
inline constexpr std::string_view kVotedOut = "Konají se předčasné volby, KONČÍTE";

struct Purchase {
  std::string_view item;
  std::int64_t price;
  std::int64_t popularity;
  std::int64_t population;
  Picture shows;            // None: leaves no picture
  Picture hides;            // the one it takes off the map, None if none
  Flag marks;               // the one-way flag it sets, None if none
};

inline constexpr std::array<Purchase, 18> kPurchases{{
    {"Obchod", 700000, 5, 0, P::Picture5, P::None, Flag::None},
    {"Hypermarket", 7500000, -10, 50, P::Picture12, P::Picture5, Flag::None},
    {"Sídliště", 2500000, 5, 300, P::Picture10, P::None, Flag::None},
    {"Policie", 1050000, 10, 0, P::Picture2, P::None, Flag::None},
    {"Hasiči", 1600000, 15, 0, P::Picture3, P::None, Flag::None},
    {"Nemocnice", 2000000, 15, 100, P::Picture4, P::None, Flag::None},
    {"Moderní", 1300000, 5, 100, P::Picture11, P::None, Flag::None},
    {"HiTechradnice", 4500000, 10, 200, P::Picture24, P::Picture11, Flag::None},
    {"Kanalizace", 2000000, 5, 0, P::Picture19, P::None, Flag::None},
    {"Plynofikace", 1650000, 5, 0, P::Picture20, P::None, Flag::None},
    {"Telefon", 1450000, 5, 0, P::Picture21, P::None, Flag::None},
    {"rozhledna", 1200000, 5, 0, P::Picture26, P::None, Flag::None},
    {"kapacita", 2000000, 0, 200, P::Picture29, P::None, Flag::Check4},
    {"novevybaveni", 4500000, 5, 100, P::Picture30, P::None, Flag::None},
    {"prostředí", 900000, 10, 0, P::None, P::None, Flag::Check3},
    {"trhy", 100000, 10, 10, P::None, P::None, Flag::Check2},
    {"festival", 1300000, 30, 50, P::None, P::None, Flag::check},
    {"brontovox", 8000000, 30, 0, P::Picture31, P::None, Flag::Check5},
}};

// Every leaf of the menu bar, purchases and the rest.
inline constexpr std::array<std::string_view, 21> kLeafItems{
    "Obchod",    "Hypermarket", "Sídliště",  "Policie",      "Hasiči",   "Nemocnice",
    "Moderní",   "HiTechradnice", "Kanalizace", "Plynofikace", "Telefon", "rozhledna",
    "kapacita",  "novevybaveni", "prostředí", "trhy",        "festival", "brontovox",
    "nápověda",  "osim",        "Konec"};

struct Change {
  Counter counter;
  std::int64_t by;
};

inline constexpr std::string_view kConcert = "brontovox";

constexpr const Purchase* purchaseFor(std::string_view item) {
  for (const auto& p : kPurchases) {
    if (p.item == item) return &p;
  }
  return nullptr;
}

}  // namespace trelavka::oracle
