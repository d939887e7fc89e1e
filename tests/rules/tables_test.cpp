// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The menu table: every leaf does something. (That every name finds its
// control again is checked when compiling, in controls.h.)
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "menu.h"
#include "offers.h"
#include "town.h"

namespace trelavka::testing {
namespace {

TEST(Tables, EveryMenuLeafRunsAHandlerAndEverySubmenuHasLeaves) {
  std::set<std::string_view> names;
  for (const auto& item : kMenu) {
    EXPECT_TRUE(names.insert(item.name).second) << "twice: " << item.name;
    EXPECT_FALSE(item.caption.empty()) << item.name;
    if (!item.parent.empty()) {
      const MenuItem* parent = menuItemNamed(item.parent);
      ASSERT_NE(parent, nullptr) << item.name;
      EXPECT_EQ(parent->action, MenuAction::Submenu) << item.name;
    } else {
      EXPECT_EQ(item.action, MenuAction::Submenu) << item.name << " sits on the menu bar";
    }
    if (item.action == MenuAction::Buy) {
      EXPECT_NE(offerFor(item.name), nullptr) << item.name << " sells nothing";
    }
    if (item.action == MenuAction::Submenu) {
      bool hasChild = false;
      for (const auto& child : kMenu) hasChild = hasChild || child.parent == item.name;
      EXPECT_TRUE(hasChild) << item.name << " is empty";
      Town town;
      EXPECT_FALSE(town.game.choose(item.name)) << item.name << " is only a title";
    } else {
      Town town;
      EXPECT_TRUE(town.game.choose(item.name)) << item.name;
      EXPECT_FALSE(town.take().empty()) << item.name << " did nothing to see";
    }
  }
  // And the other way round: nothing is for sale that no menu item offers.
  for (auto table : kOfferTables) {
    for (const auto& offer : table) {
      const MenuItem* item = menuItemNamed(offer.menuItem);
      EXPECT_TRUE(item != nullptr && item->action == MenuAction::Buy) << "'" << offer.menuItem << "'";
    }
  }
}

}  // namespace
}  // namespace trelavka::testing
