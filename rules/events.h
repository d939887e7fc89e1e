// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The story of the term: what happens on sixteen days of the 150, by the
// buildings the town has. Rows stand in the order they are checked on every
// write of the day; the win comes first.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "controls.h"

namespace trelavka {

struct EventEffect {
  enum class Kind : std::uint8_t { None, Add, Hide, Win };
  Kind kind = Kind::None;
  Counter counter = Counter::Text1;
  std::int64_t amount = 0;
  Picture picture = Picture::None;
};

constexpr EventEffect add(Counter c, std::int64_t n) {
  return {EventEffect::Kind::Add, c, n, Picture::None};
}
constexpr EventEffect hidePicture(Picture p) {
  return {EventEffect::Kind::Hide, Counter::Text1, 0, p};
}
constexpr EventEffect win() { return {EventEffect::Kind::Win}; }

struct DatedEvent {
  std::int64_t day;
  Picture picture;        // the building the row asks about; None: no condition
  bool whenShown;         // fires while that picture is shown (else: while hidden)
  std::string_view title;
  std::string_view text;
  std::array<EventEffect, 4> effects;
};

using P = Picture;

inline constexpr std::string_view kUnrest = "Nespokojenost obyvatel";

inline constexpr std::array<DatedEvent, 16> kDatedEvents{{
    {150, P::None, false, "PORADCE",
     "VYHRÁLS, Uplynulo 150 dní a už musíš odejít, lidé tě měli rádi", {win()}},
    {25, P::Picture5, false, kUnrest, "Lidé nemají kde nakupovat POPULARITA - 10",
     {add(kPopularity, -10)}},
    {35, P::Picture2, false, kUnrest, "Ve městě je velká kriminalita POPULARITA - 10",
     {add(kPopularity, -10)}},
    {55, P::Picture19, false, kUnrest, "Obyvatelé chtějí kanalizaci POPULARITA - 10",
     {add(kPopularity, -10)}},
    {53, P::Picture2, true, "LOUPEŽ",
     "Zloději vykradli radnici, ale policie je včas zadržela POPULARITA + 5",
     {add(kPopularity, 5)}},
    {60, P::Picture20, false, kUnrest, "Obyvatelé chtějí plyn POPULARITA - 10",
     {add(kPopularity, -10)}},
    {70, P::Picture21, false, kUnrest, "Obyvatelé chtějí telefon POPULARITA - 15",
     {add(kPopularity, -15)}},
    {80, P::Picture10, false, kUnrest,
     "Obyvatelé nemají kde bydlet, postavte sídliště POPULARITA - 25", {add(kPopularity, -25)}},
    {72, P::Picture4, false, "NEMOC",
     "Město zachvátil neznámý vir, několik lidí umřelo, měl bys postavit nemocnici. "
     "OBYVATELSTVO - 20, POPULARITA - 25",
     {add(kPopularity, -25), add(kPopulation, -20)}},
    // The estate and its enlargement burn even if they never stood.
    {90, P::Picture3, false, "POžÁR",
     "Na sídlišti začalo hořet, protože nemáš hasiče, tak sídliště vyhořelo "
     "OBYVATELSTVO - 200, POPULARITA - 30",
     {add(kPopularity, -30), add(kPopulation, -200), hidePicture(P::Picture10),
      hidePicture(P::Picture29)}},
    {97, P::Picture19, true, "Údržba",
     "Kanalizace je zastaralá a potřebuje údržbu PENÍZE - 300 000", {add(kMoney, -300000)}},
    {103, P::Picture3, true, "Údržba", "Hasiči potřebují novou techniku PENÍZE - 1 300 000",
     {add(kMoney, -1300000)}},
    {110, P::Picture2, false, kUnrest,
     "Ve městě je velká kriminalita, postavte policii POPULARITA - 20", {add(kPopularity, -20)}},
    {128, P::Picture2, true, "Údržba",
     "Policisté rozšiřují své řady a potřebují peníze PENÍZE - 180 000",
     {add(kMoney, -180000)}},
    {136, P::Picture2, true, "ZATČENÍ",
     "Tví policisté zadrželi překupníky kradených aut POPULARITA + 5", {add(kPopularity, 5)}},
    {145, P::Picture3, true, "ZATČENÍ",
     "Na radnici začalo hořet, hasiči to ale naštěstí stihli. Škody byli malé, ale přesto "
     "nějáké byli POPULARITA + 5, PENÍZE - 150000",
     {add(kPopularity, 5), add(kMoney, -150000)}},
}};

}  // namespace trelavka
