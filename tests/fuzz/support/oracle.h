// The fuzzer's own account of the rules, written out separately from the game's
// tables so that a wrong number in either shows up as a disagreement.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "controls.h"

namespace trelavka::oracle {

using P = Picture;
using T = Timer;

inline constexpr std::int64_t kStepMs = 2800;
inline constexpr std::int64_t kGrowth = 25;
inline constexpr std::int64_t kTax = 50;
inline constexpr std::int64_t kBankruptBelow = -100000;
inline constexpr std::int64_t kVotedOutBelow = -10;
inline constexpr std::int64_t kWarnBelow = 0;

inline constexpr std::array<std::int64_t, kCounterCount> kStartCounters{2500000, 300, 20, 1};
inline constexpr std::string_view kWelcome =
    "VÍTEJ NOVÝ STAROSTO | Minulý starosta umřel a ty nastupuješ místo něho na 150 dní, než "
    "budou volby a musíš udělat vše proto, aby město prosperovalo a dál se rozrůstalo.";

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

struct Income {
  Picture building;
  std::int64_t perStep;
};
inline constexpr std::array<Income, 3> kIncomes{{
    {P::Picture5, 50000}, {P::Picture12, 200000}, {P::Picture21, 5000}}};

struct Change {
  Counter counter;
  std::int64_t by;
};

struct DatedRow {
  std::int64_t day;
  Picture building;  // None: no condition
  bool whenStanding;
  std::string_view title;
  std::string_view text;
  std::array<std::optional<Change>, 2> changes;
  bool burnsEstate;
  bool wins;
};

inline constexpr Counter kM = Counter::Text1, kN = Counter::Text2, kL = Counter::Text3;
inline constexpr std::string_view kUnrest = "Nespokojenost obyvatel";

inline constexpr std::array<DatedRow, 16> kDatedRows{{
    {25, P::Picture5, false, kUnrest, "Lidé nemají kde nakupovat POPULARITA - 10",
     {Change{kL, -10}}, false, false},
    {35, P::Picture2, false, kUnrest, "Ve městě je velká kriminalita POPULARITA - 10",
     {Change{kL, -10}}, false, false},
    {53, P::Picture2, true, "LOUPEŽ",
     "Zloději vykradli radnici, ale policie je včas zadržela POPULARITA + 5", {Change{kL, 5}},
     false, false},
    {55, P::Picture19, false, kUnrest, "Obyvatelé chtějí kanalizaci POPULARITA - 10",
     {Change{kL, -10}}, false, false},
    {60, P::Picture20, false, kUnrest, "Obyvatelé chtějí plyn POPULARITA - 10",
     {Change{kL, -10}}, false, false},
    {70, P::Picture21, false, kUnrest, "Obyvatelé chtějí telefon POPULARITA - 15",
     {Change{kL, -15}}, false, false},
    {72, P::Picture4, false, "NEMOC",
     "Město zachvátil neznámý vir, několik lidí umřelo, měl bys postavit nemocnici. "
     "OBYVATELSTVO - 20, POPULARITA - 25",
     {Change{kL, -25}, Change{kN, -20}}, false, false},
    {80, P::Picture10, false, kUnrest,
     "Obyvatelé nemají kde bydlet, postavte sídliště POPULARITA - 25", {Change{kL, -25}}, false,
     false},
    {90, P::Picture3, false, "POžÁR",
     "Na sídlišti začalo hořet, protože nemáš hasiče, tak sídliště vyhořelo "
     "OBYVATELSTVO - 200, POPULARITA - 30",
     {Change{kL, -30}, Change{kN, -200}}, true, false},
    {97, P::Picture19, true, "Údržba", "Kanalizace je zastaralá a potřebuje údržbu PENÍZE - 300 000",
     {Change{kM, -300000}}, false, false},
    {103, P::Picture3, true, "Údržba", "Hasiči potřebují novou techniku PENÍZE - 1 300 000",
     {Change{kM, -1300000}}, false, false},
    {110, P::Picture2, false, kUnrest,
     "Ve městě je velká kriminalita, postavte policii POPULARITA - 20", {Change{kL, -20}}, false,
     false},
    {128, P::Picture2, true, "Údržba",
     "Policisté rozšiřují své řady a potřebují peníze PENÍZE - 180 000", {Change{kM, -180000}},
     false, false},
    {136, P::Picture2, true, "ZATČENÍ",
     "Tví policisté zadrželi překupníky kradených aut POPULARITA + 5", {Change{kL, 5}}, false,
     false},
    {145, P::Picture3, true, "ZATČENÍ",
     "Na radnici začalo hořet, hasiči to ale naštěstí stihli. Škody byli malé, ale přesto "
     "nějáké byli POPULARITA + 5, PENÍZE - 150000",
     {Change{kL, 5}, Change{kM, -150000}}, false, false},
    {150, P::None, false, "PORADCE",
     "VYHRÁLS, Uplynulo 150 dní a už musíš odejít, lidé tě měli rádi", {}, false, true},
}};

// The animation timers. Timer9 shows its house, so that house blinks.
struct Animation {
  Timer timer;
  std::int64_t intervalMs;
  bool onAtStart;
  Picture shows;
  Picture hides;
  Timer switchesOn;   // None: none
  bool stopsItself;
};

inline constexpr std::array<Animation, 14> kAnimations{{
    {T::Timer1, 6000, true, P::Picture8, P::None, T::None, true},
    {T::Timer2, 12000, true, P::Picture9, P::Picture6, T::None, true},
    {T::Timer3, 30000, true, P::Picture13, P::None, T::None, true},
    {T::Timer4, 60000, true, P::Picture14, P::None, T::None, true},
    {T::Timer5, 42000, true, P::Picture15, P::None, T::None, true},
    {T::Timer6, 38000, true, P::Picture22, P::None, T::Timer7, true},
    {T::Timer7, 60000, false, P::Picture23, P::None, T::Timer8, true},
    {T::Timer8, 2000, true, P::None, P::Picture22, T::Timer6, true},
    {T::Timer9, 55000, true, P::Picture25, P::None, T::Timer10, true},
    {T::Timer10, 30000, true, P::None, P::Picture25, T::Timer9, true},
    {T::Timer11, 9999, true, P::Picture27, P::None, T::None, true},
    {T::Timer12, 20000, true, P::Picture28, P::None, T::Timer13, true},
    {T::Timer13, 50000, true, P::None, P::Picture28, T::Timer12, true},
    {T::Timer14, 9500, false, P::None, P::Picture31, T::None, true},
}};

inline constexpr std::array<Picture, 12> kAnimatedPictures{
    P::Picture6,  P::Picture8,  P::Picture9,  P::Picture13, P::Picture14, P::Picture15,
    P::Picture22, P::Picture23, P::Picture25, P::Picture27, P::Picture28, P::Picture31};

inline constexpr std::string_view kConcert = "brontovox";

constexpr const Purchase* purchaseFor(std::string_view item) {
  for (const auto& p : kPurchases) {
    if (p.item == item) return &p;
  }
  return nullptr;
}

}  // namespace trelavka::oracle
