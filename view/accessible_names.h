// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The names under which a screen reader speaks of the main window's controls,
// found in the tables that already say them: a counter is named by its
// caption in the strip, a building's picture by the menu item that builds it
// (without its price), a banner by its network's item, the houses that come
// and go by one plain word.
#pragma once

#include <string_view>

#include "about_layout.h"
#include "layout.h"
#include "menu.h"
#include "offers.h"

namespace trelavka::view {

inline constexpr std::string_view kHouseName = "Dům";
inline constexpr std::string_view kMapName = "Mapa města";
// A window's close box, where the toolkit leaves it unnamed (the page's).
inline constexpr std::string_view kCloseBoxName = "Zavřít";

// (No pointer is compared here: the sanitizers' build cannot, when compiling.)
namespace names_detail {

// "Obchod          700 000,-Kč" -> "Obchod".
constexpr std::string_view withoutPrice(std::string_view caption) {
  constexpr std::string_view kCurrency = ",-Kč";
  if (caption.ends_with(kCurrency)) caption.remove_suffix(kCurrency.size());
  while (!caption.empty() &&
         (caption.back() == ' ' || (caption.back() >= '0' && caption.back() <= '9'))) {
    caption.remove_suffix(1);
  }
  return caption;
}

// The name of what the menu sells with this picture, if anything.
constexpr std::string_view boughtAs(Picture p) {
  for (const auto table : kOfferTables) {
    for (const Offer& offer : table) {
      if (offer.picture != p) continue;
      for (const MenuItem& item : kMenu) {
        if (item.name == offer.menuItem) return withoutPrice(item.caption);
      }
    }
  }
  return {};
}

constexpr bool holdsOthers(const layout::Control& row) {
  for (const layout::Control& c : layout::kControls) {
    if (c.container != Picture::None && layout::Shows{c.container} == row.shows) return true;
  }
  return false;
}

constexpr std::string_view pictureName(const layout::Control& row) {
  if (const std::string_view bought = boughtAs(std::get<Picture>(row.shows)); !bought.empty()) {
    return bought;
  }
  if (row.container != Picture::None) return kHouseName;
  if (holdsOthers(row)) return kMapName;
  // A banner of the unbuilt state lies under its built one, in the same place.
  for (const layout::Control& c : layout::kControls) {
    if (c.kind != layout::Kind::Picture || c.container != Picture::None) continue;
    if (c.place.left != row.place.left || c.place.top != row.place.top) continue;
    if (const std::string_view bought = boughtAs(std::get<Picture>(c.shows)); !bought.empty()) {
      return bought;
    }
  }
  return {};
}

// Each caption of the strip stands left of its counter, on the same line.
constexpr std::string_view counterName(const layout::Control& row) {
  std::string_view nearest;
  int nearestLeft = -1;
  for (const layout::Control& c : layout::kControls) {
    if (c.kind != layout::Kind::Caption || c.place.top != row.place.top) continue;
    if (c.place.left >= row.place.left || c.place.left <= nearestLeft) continue;
    nearest = c.caption;
    nearestLeft = c.place.left;
  }
  return nearest;
}

}  // namespace names_detail

constexpr std::string_view accessibleName(const layout::Control& row) {
  switch (row.kind) {
    case layout::Kind::Counter:
      return names_detail::counterName(row);
    case layout::Kind::Picture:
      return names_detail::pictureName(row);
    case layout::Kind::Caption:
    case layout::Kind::Button:
    case layout::Kind::Result:
      break;
  }
  return row.caption;
}

// The about window: the logo by the maker it shows, the rest by their text.
constexpr std::string_view accessibleName(const about::Control& row) {
  return row.kind == about::Kind::Picture ? about::kTeam : row.content;
}

namespace names_detail {

constexpr bool everyControlNamed() {
  for (const layout::Control& row : layout::kControls) {
    if (accessibleName(row).empty()) return false;
  }
  return true;
}
static_assert(everyControlNamed());

}  // namespace names_detail

}  // namespace trelavka::view
