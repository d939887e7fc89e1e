// Every row of every table is sound: the kind of slip a new row brings in.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "events.h"
#include "menu.h"
#include "offers.h"
#include "start_state.h"
#include "timers.h"
#include "town.h"

namespace trelavka::testing {
namespace {

bool real(Picture p) { return p != Picture::None && index(p) < kPictureCount; }
bool real(Timer t) { return t != Timer::None && index(t) < kTimerCount; }

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
}

TEST(Tables, EveryOfferIsOnTheMenuAndItsChecksAreWellFormed) {
  std::set<Flag> flags;
  for (auto table : kOfferTables) {
    for (const auto& o : table) {
      const MenuItem* item = menuItemNamed(o.menuItem);
      ASSERT_NE(item, nullptr) << o.menuItem;
      EXPECT_EQ(item->action, MenuAction::Buy) << o.menuItem;
      EXPECT_GT(o.price, 0) << o.menuItem;
      EXPECT_FALSE(o.refusalTitle.empty()) << o.menuItem;
      EXPECT_TRUE(o.picture == Picture::None || real(o.picture)) << o.menuItem;
      EXPECT_TRUE(o.replaces == Picture::None || real(o.replaces)) << o.menuItem;
      EXPECT_TRUE(o.hidesAfterMessage == Picture::None || real(o.hidesAfterMessage))
          << o.menuItem;
      EXPECT_TRUE(o.startsTimer == Timer::None || real(o.startsTimer)) << o.menuItem;
      if (o.flag != Flag::None) {
        EXPECT_LT(index(o.flag), kFlagCount) << o.menuItem;
        EXPECT_TRUE(flags.insert(o.flag).second) << o.menuItem << " shares its flag";
      }
      EXPECT_TRUE(o.message.text.empty() == o.message.title.empty()) << o.menuItem;
      EXPECT_TRUE(o.income == 0 || real(o.picture)) << o.menuItem;
      int moneyChecks = 0;
      for (const auto& c : o.checks) {
        using K = Check::Kind;
        moneyChecks += c.kind == K::Money;
        if (c.kind != K::None && c.kind != K::Money) {
          EXPECT_FALSE(c.message.empty()) << o.menuItem;
        }
        if (c.kind == K::Built) {
          EXPECT_TRUE(real(o.picture)) << o.menuItem;
        }
        if (c.kind == K::Held) {
          EXPECT_NE(o.flag, Flag::None) << o.menuItem;
        }
        if (c.kind == K::Shown || c.kind == K::Missing || c.kind == K::NeitherShown) {
          EXPECT_TRUE(real(c.picture)) << o.menuItem;
        }
        if (c.kind == K::NeitherShown) {
          EXPECT_TRUE(real(c.other)) << o.menuItem;
        }
        if (c.kind == K::PopularityBelow) {
          EXPECT_GT(c.threshold, 0) << o.menuItem;
        }
      }
      EXPECT_EQ(moneyChecks, 1) << o.menuItem;
    }
  }
}

TEST(Tables, DatedEventsFallOnDistinctDaysOfTheTerm) {
  std::set<std::int64_t> days;
  int wins = 0;
  for (const auto& e : kDatedEvents) {
    EXPECT_GE(e.day, 1);
    EXPECT_LE(e.day, 150);
    EXPECT_TRUE(days.insert(e.day).second) << "day " << e.day << " twice";
    EXPECT_FALSE(e.title.empty()) << e.day;
    EXPECT_FALSE(e.text.empty()) << e.day;
    bool anyEffect = false;
    for (const auto& f : e.effects) {
      anyEffect = anyEffect || f.kind != EventEffect::Kind::None;
      if (f.kind == EventEffect::Kind::Win) {
        ++wins;
        EXPECT_EQ(e.day, 150);
      }
      if (f.kind == EventEffect::Kind::Hide) {
        EXPECT_TRUE(real(f.picture)) << e.day;
      }
      if (f.kind == EventEffect::Kind::Add) {
        EXPECT_NE(f.amount, 0) << e.day;
      }
    }
    EXPECT_TRUE(anyEffect) << e.day;
    EXPECT_TRUE(e.picture == Picture::None ? e.day == 150 : real(e.picture)) << e.day;
  }
  EXPECT_EQ(wins, 1);
}

TEST(Tables, TimersStandInTheirOwnRowsWithPositiveIntervals) {
  for (std::size_t i = 0; i < kTimers.size(); ++i) {
    const TimerRow& row = kTimers[i];
    EXPECT_EQ(row.timer, timerAt(i)) << name(timerAt(i));
    EXPECT_GT(row.intervalMs, 0) << name(row.timer);
    for (const auto& op : row.tick) {
      if (op.kind == TickOp::Kind::Show || op.kind == TickOp::Kind::Hide) {
        EXPECT_TRUE(real(op.picture)) << name(row.timer);
      }
      if (op.kind == TickOp::Kind::TimerOn || op.kind == TickOp::Kind::TimerOff) {
        EXPECT_TRUE(real(op.timer)) << name(row.timer);
        EXPECT_NE(op.timer, kGameTimer) << name(row.timer) << " must leave the game clock alone";
      }
    }
  }
}

TEST(Tables, NamesLookBackUpToTheirControls) {
  for (std::size_t i = 0; i < kPictureCount; ++i) {
    EXPECT_EQ(pictureNamed(kPictureNames[i]), pictureAt(i));
  }
  for (std::size_t i = 0; i < kCounterCount; ++i) {
    EXPECT_EQ(counterNamed(kCounterNames[i]), counterAt(i));
  }
  for (std::size_t i = 0; i < kFlagCount; ++i) EXPECT_EQ(flagNamed(kFlagNames[i]), flagAt(i));
  for (Picture p : kPicturesShownAtStart) EXPECT_TRUE(real(p));
}

}  // namespace
}  // namespace trelavka::testing
