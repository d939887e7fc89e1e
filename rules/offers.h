// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Everything the mayor can buy: the buildings of the "Stavby" menu, the two
// upgrades of "Opravy" and the four town actions of "Ostatní". All go through
// one procedure (Game::buy): every check in the row's order, one refusal box at
// the first that fails and no change at all, otherwise the effects in a fixed
// order: show picture, hide the one it replaces, popularity, money, population,
// flag, timer, message, hide after the message, sound.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

#include "controls.h"

namespace trelavka {

struct Check {
  enum class Kind : std::uint8_t {
    None,
    Money,            // money < price
    Built,            // the row's own picture is shown
    Held,             // the row's flag is set
    Shown,            // `picture` is shown
    Missing,          // `picture` is hidden
    NeitherShown,     // `picture` and `other` are both hidden
    PopularityBelow,  // popularity < `threshold`
  };
  Kind kind = Kind::None;
  std::string_view message{};
  Picture picture = Picture::None;
  Picture other = Picture::None;
  std::int64_t threshold = 0;
  std::string_view title{};  // empty: the row's refusal title

  constexpr Check titled(std::string_view t) const {
    Check c = *this;
    c.title = t;
    return c;
  }
};

constexpr Check money() { return {Check::Kind::Money}; }
constexpr Check built(std::string_view m) { return {Check::Kind::Built, m}; }
constexpr Check held(std::string_view m) { return {Check::Kind::Held, m}; }
constexpr Check refusedWhileShown(Picture p, std::string_view m) {
  return {Check::Kind::Shown, m, p};
}
constexpr Check needs(Picture p, std::string_view m) { return {Check::Kind::Missing, m, p}; }
constexpr Check needsEither(Picture p, Picture q, std::string_view m) {
  return {Check::Kind::NeitherShown, m, p, q};
}
constexpr Check popularityAtLeast(std::int64_t n, std::string_view m) {
  return {Check::Kind::PopularityBelow, m, Picture::None, Picture::None, n};
}

struct Message {
  std::string_view title{};
  std::string_view text{};
};

struct Offer {
  std::string_view menuItem;
  std::int64_t price = 0;
  Picture picture = Picture::None;   // shown first; for buildings, their built state
  Picture replaces = Picture::None;  // hidden right after
  std::int64_t popularity = 0;
  std::int64_t population = 0;
  Flag flag = Flag::None;            // set once done, never cleared
  Timer startsTimer = Timer::None;
  std::string_view refusalTitle{};
  std::array<Check, 5> checks{};
  Message message{};                 // shown after the counters changed
  Picture hidesAfterMessage = Picture::None;
  std::string_view sound{};          // played last, in the background
  std::int64_t income = 0;           // added by every time step while `picture` is shown
};

using P = Picture;

inline constexpr std::string_view kFewPeople = "Máte málo obyvatel, postavte sídliště";
inline constexpr std::string_view kLowPopularityDot = "Máte malou popularitu.";

inline constexpr std::array<Offer, 12> kBuildings{{
    {.menuItem = "Obchod", .price = 700000, .picture = P::Picture5, .popularity = 5,
     .refusalTitle = "Nejde postavit",
     .checks = {money(), built("Jeden už máte"),
                refusedWhileShown(P::Picture12,
                                  "Hypermarket je příliž velká konkurence, obchod by se neuživil.")
                    .titled("Konkurence")},
     .income = 50000},
    {.menuItem = "Hypermarket", .price = 7500000, .picture = P::Picture12, .popularity = -10,
     .population = 50, .refusalTitle = "Nejde postavit",
     .checks = {money(), built("Jednu už máte"), needs(P::Picture10, kFewPeople)},
     .message = {"Konkurence", "Hypermarket zlikvidoval všechny drobné podnikatelev tomto městě"},
     .hidesAfterMessage = P::Picture5,
     .income = 200000},
    {.menuItem = "Sídliště", .price = 2500000, .picture = P::Picture10, .popularity = 5,
     .population = 300, .refusalTitle = "Nejde postavit",
     .checks = {money(), built("Jedno už máte")}},
    {.menuItem = "Policie", .price = 1050000, .picture = P::Picture2, .popularity = 10,
     .refusalTitle = "Nejde postavit",
     .checks = {money(), built("Jednu už máte")}},
    // The one building that says it stands before it looks at the money.
    {.menuItem = "Hasiči", .price = 1600000, .picture = P::Picture3, .popularity = 15,
     .refusalTitle = "Nejde postavit",
     .checks = {built("Jedny už máte"), money()}},
    {.menuItem = "Nemocnice", .price = 2000000, .picture = P::Picture4, .popularity = 15,
     .population = 100, .refusalTitle = "Nejde postavit",
     .checks = {money(), built("Jednu už máte")}},
    {.menuItem = "Moderní", .price = 1300000, .picture = P::Picture11, .popularity = 5,
     .population = 100, .refusalTitle = "Nejde postavit",
     .checks = {money(), built("Jednu už máte"), needs(P::Picture10, kFewPeople),
                popularityAtLeast(15, kLowPopularityDot)}},
    {.menuItem = "HiTechradnice", .price = 4500000, .picture = P::Picture24,
     .replaces = P::Picture11, .popularity = 10, .population = 200,
     .refusalTitle = "Nejde postavit",
     .checks = {money(), built("Jednu už máte"),
                needs(P::Picture11, "Nemáte moderní radnici nelze postavit Hi-Tech radnici"),
                needs(P::Picture4, "Nemáte nemocnici"),
                popularityAtLeast(50, kLowPopularityDot)}},
    {.menuItem = "Kanalizace", .price = 2000000, .picture = P::Picture19, .popularity = 5,
     .refusalTitle = "Nejde postavit",
     .checks = {money(), built("Kanalizace je již vybudována"), needs(P::Picture10, kFewPeople)}},
    {.menuItem = "Plynofikace", .price = 1650000, .picture = P::Picture20, .popularity = 5,
     .refusalTitle = "Nejde postavit",
     .checks = {money(), built("Plyn je již zaveden")}},
    {.menuItem = "Telefon", .price = 1450000, .picture = P::Picture21, .popularity = 5,
     .refusalTitle = "Nejde zbudovat",
     .checks = {money(), built("Telefon je již zaveden")},
     .income = 5000},
    {.menuItem = "rozhledna", .price = 1200000, .picture = P::Picture26, .popularity = 5,
     .refusalTitle = "Nejde zbudovat",
     .checks = {money(), built("Jedn rozhlednu už máte"),
                needs(P::Picture24, "Nemáte Hi-Tech radnici"),
                needs(P::Picture10, "Nemáte dost obyvatel, postavte sídliště")}},
}};

inline constexpr std::array<Offer, 2> kUpgrades{{
    {.menuItem = "kapacita", .price = 2000000, .picture = P::Picture29, .population = 200,
     .flag = Flag::Check4, .refusalTitle = "Nejde postavit",
     .checks = {money(), held("Sídliště je už upraveno"),
                needs(P::Picture10, "Nemáte sídliště není co zvětšovat").titled("Nejde upravit"),
                popularityAtLeast(15, kLowPopularityDot)}},
    {.menuItem = "novevybaveni", .price = 4500000, .picture = P::Picture30, .popularity = 5,
     .population = 100, .refusalTitle = "Nejde opravit",
     .checks = {money().titled("Nejde postavit"),
                needs(P::Picture4, "Nemáte nemocnici, nelze nakoupit přístroje"),
                built("Nemocnice vybavení již zakoupila")}},
}};

inline constexpr std::array<Offer, 4> kTownActions{{
    {.menuItem = "prostředí", .price = 900000, .popularity = 10, .flag = Flag::Check3,
     .refusalTitle = "Nelze provést",
     .checks = {money(), held("Okolí je již čisté")},
     .message = {"Zlepšení živ. prostředí",
                 "Uspořádala se ohromná uklízecí akce, spousty najatých lídí a dobrovolníků, "
                 "utvořili rojnice a vičistily lesy, potoky, cesty od odpadků a jiných "
                 "nečistot. POPULARITA + 10"}},
    // A market needs people to come: without the housing estate it is refused.
    {.menuItem = "trhy", .price = 100000, .popularity = 10, .population = 10,
     .flag = Flag::Check2, .refusalTitle = "Nelze uspořádat",
     .checks = {money(), held("Jedny trhy už proběhl"), needs(P::Picture10, kFewPeople)},
     .message = {"TRHY",
                 "Trhy přilákaly mnoho lidí, popularita stoupla o 10 a přibylo 10 obyvatel."}},
    {.menuItem = "festival", .price = 1300000, .popularity = 30, .population = 50,
     .flag = Flag::check, .refusalTitle = "Nelze uspořádat",
     .checks = {money(), held("Jeden festival už proběhl"),
                needsEither(P::Picture11, P::Picture24, "Musíte mít moderní radnici")},
     .message = {"FESTIVAL",
                 "Festival přilákal mnoho lidí, popularita stoupla o 30 a přibylo 50 obyvatel."}},
    // The stage's 9500 ms run from the purchase: its timer starts before the box.
    {.menuItem = "brontovox", .price = 8000000, .picture = P::Picture31, .popularity = 30,
     .flag = Flag::Check5, .startsTimer = Timer::Timer14, .refusalTitle = "Nejde uspořádat",
     .checks = {money(), held("Koncert již proběhl"),
                needs(P::Picture24, "Nemáte Hi-Tech radnici"),
                needs(P::Picture10, "Nemáte dost obyvatel, postavte sídliště")},
     .message = {"KONCERT", "Hudba je slyšet všude po okolí"},
     .sound = "data/rolling.dat"},
}};

inline constexpr std::array<std::span<const Offer>, 3> kOfferTables{
    std::span<const Offer>(kBuildings), std::span<const Offer>(kUpgrades),
    std::span<const Offer>(kTownActions)};

// The row bought by a menu item, or null.
constexpr const Offer* offerFor(std::string_view menuItem) {
  for (auto table : kOfferTables) {
    for (const auto& o : table) {
      if (o.menuItem == menuItem) return &o;
    }
  }
  return nullptr;
}

}  // namespace trelavka
