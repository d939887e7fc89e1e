// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The menu table as toolkits take it: captions for those in which '&' marks
// an access key, shortcuts as keys, and the item that leaves the game.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "menu.h"

namespace trelavka::view {

// No caption has an access key, so a '&' of the text is doubled to stay one.
std::string escapeAccessKeys(std::string_view caption);

// Control and a letter key, the only kind the menu table uses.
struct Shortcut {
  bool ctrl = false;
  char key = 0;  // 'A' .. 'Z'

  friend constexpr bool operator==(const Shortcut&, const Shortcut&) = default;
};

// "Ctrl+K" -> Control with K; nothing for any other text.
constexpr std::optional<Shortcut> parseShortcut(std::string_view text) {
  constexpr std::string_view kCtrl = "Ctrl+";
  if (text.size() != kCtrl.size() + 1 || !text.starts_with(kCtrl)) return std::nullopt;
  const char key = text.back();
  if (key < 'A' || key > 'Z') return std::nullopt;
  return Shortcut{true, key};
}

namespace menu_detail {

constexpr bool everyShortcutParses() {
  for (const MenuItem& item : kMenu) {
    if (!item.shortcut.empty() && !parseShortcut(item.shortcut)) return false;
  }
  return true;
}

// Rows by index: the sanitizers' build cannot compare pointers when compiling.
consteval std::size_t onlyQuitRow() {
  std::size_t found = kMenu.size();
  for (std::size_t row = 0; row < kMenu.size(); ++row) {
    if (kMenu[row].action != MenuAction::Quit) continue;
    if (found != kMenu.size()) throw "two menu items end the game";
    found = row;
  }
  if (found == kMenu.size()) throw "no menu item ends the game";
  return found;
}

}  // namespace menu_detail

static_assert(menu_detail::everyShortcutParses());

// "Konec": what the main window's close box chooses too.
inline constexpr const MenuItem& kQuitItem = kMenu[menu_detail::onlyQuitRow()];

}  // namespace trelavka::view
