// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Where every front end puts a window or a box: centred, and never with its
// title and menu bar off the screen.
#include <gtest/gtest.h>

#include "placement.h"

namespace trelavka::view {
namespace {

TEST(Placement, CentredAndKeptOnTheScreen) {
  const Rect screen{0, 0, 1024, 768};
  const Rect panelAbove{0, 24, 1024, 768};
  const Rect secondScreen{1920, 0, 3200, 400};
  struct Case {
    const char* what;
    int width, height;
    Rect screen;
    std::optional<Rect> owner;
    Point want;
  };
  const Case cases[] = {
      {"fits: centred", 624, 344, screen, {}, {200, 212}},
      {"below a panel", 624, 344, panelAbove, {}, {200, 224}},
      // It went to -17 on a 640 x 480 screen and took the menu bar with it.
      {"larger both ways: the top-left corner stays", 663, 530, {0, 0, 640, 480}, {}, {0, 0}},
      {"too tall only: still centred across", 680, 530, secondScreen, {}, {2220, 0}},
      {"a box over its owner", 120, 80, screen, Rect{100, 100, 500, 400}, {240, 210}},
      {"owner at the right edge: the box moves in", 300, 80, screen, Rect{800, 300, 1100, 500},
       {724, 360}},
      {"owner above the top: the box moves down", 120, 200, screen, Rect{10, -300, 110, 100},
       {0, 0}},
      {"owner on the left, box wider than the screen", 1100, 80, screen, Rect{0, 0, 200, 200},
       {0, 60}},
  };
  for (const Case& c : cases) {
    const Point at = placeWindow(c.width, c.height, c.screen, c.owner);
    EXPECT_EQ(at.x, c.want.x) << c.what;
    EXPECT_EQ(at.y, c.want.y) << c.what;
  }
}

// The page on a phone: the whole window, scaled down to fit, centred.
TEST(Placement, AWindowLargerThanItsScreenIsScaledDownWhole) {
  // A desktop: the window at its own size, centred.
  Fitted f = fitWindow(665, 515, {0, 0, 1024, 768});
  EXPECT_EQ(f.scale, 1.0);
  EXPECT_EQ(f.at.x, 179);
  EXPECT_EQ(f.at.y, 126);
  // A phone held upright: as wide as the screen, centred from top to bottom.
  f = fitWindow(665, 515, {0, 0, 390, 844});
  EXPECT_DOUBLE_EQ(f.scale, 390.0 / 665);
  EXPECT_EQ(f.at.x, 0);
  EXPECT_EQ(f.at.y, (844 - 302) / 2);
  // Held sideways: the height decides.
  f = fitWindow(665, 515, {0, 0, 844, 390});
  EXPECT_DOUBLE_EQ(f.scale, 390.0 / 515);
  EXPECT_EQ(f.at.y, 0);
  EXPECT_EQ(f.at.x, (844 - 503) / 2);
  // Too wide and too tall: the tighter of the two, never overhanging.
  f = fitWindow(1000, 1000, {0, 0, 500, 400});
  EXPECT_DOUBLE_EQ(f.scale, 0.4);
  EXPECT_EQ(f.at.x, 50);
  EXPECT_EQ(f.at.y, 0);
  // Exactly as large as the screen: unscaled.
  f = fitWindow(665, 515, {0, 0, 665, 515});
  EXPECT_EQ(f.scale, 1.0);
  EXPECT_EQ(f.at.x, 0);
  // A screen with no room (a hidden frame): left alone, not shrunk to nothing.
  for (const Rect none : {Rect{0, 0, 0, 0}, Rect{0, 0, 390, 0}, Rect{0, 0, 0, 844}}) {
    EXPECT_EQ(fitWindow(665, 515, none).scale, 1.0);
  }
}

// The tables' pixels at the screen's dpi, rounded as the system rounds.
TEST(Scale, RoundsHalvesAwayFromZeroAndScalesEachEdge) {
  EXPECT_EQ(Scale{}.px(333), 333);
  EXPECT_EQ(Scale{144}.px(3), 5);    // 4.5
  EXPECT_EQ(Scale{144}.px(-3), -5);  // -4.5
  EXPECT_EQ(Scale{120}.px(7), 9);    // 8.75
  EXPECT_EQ(Scale{120}.px(-7), -9);
  EXPECT_EQ(Scale{120}.px(2), 3);    // 2.5
  // One pixel wide at x = 1: its right edge is 2 scaled (3), not 1.5 + 1.5 rounded twice (4).
  const Rect r = Scale{144}.rect({15, 15, 15, 30});
  EXPECT_EQ(r.left, 2);    // 1.5
  EXPECT_EQ(r.right, 3);
  EXPECT_EQ(r.top, 2);
  EXPECT_EQ(r.bottom, 5);  // 4.5
}

}  // namespace
}  // namespace trelavka::view
