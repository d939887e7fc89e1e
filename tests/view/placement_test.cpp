// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Where every front end puts a window or a box: centred, and never with its
// title and menu bar off the screen; and the about window's mouse: what a
// point is over, what a press and a release make of it, and the pointer.
#include <gtest/gtest.h>

#include "about_clicks.h"
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
  const struct {
    const char* what;
    int width, height;
    Rect screen;
    double scale;
    Point want;
  } cases[] = {
      {"a desktop: its own size, centred", 665, 515, {0, 0, 1024, 768}, 1.0, {179, 126}},
      {"a phone held upright: as wide as the screen", 665, 515, {0, 0, 390, 844}, 390.0 / 665,
       {0, (844 - 302) / 2}},
      {"held sideways: the height decides", 665, 515, {0, 0, 844, 390}, 390.0 / 515,
       {(844 - 503) / 2, 0}},
      {"too wide and too tall: the tighter", 1000, 1000, {0, 0, 500, 400}, 0.4, {50, 0}},
      {"exactly as large as the screen", 665, 515, {0, 0, 665, 515}, 1.0, {0, 0}},
      // A hidden frame: left alone, not shrunk to nothing.
      {"no room", 665, 515, {0, 0, 0, 0}, 1.0, {0, 0}},
      {"no height", 665, 515, {0, 0, 390, 0}, 1.0, {0, 0}},
      {"no width", 665, 515, {0, 0, 0, 844}, 1.0, {0, 0}},
  };
  for (const auto& c : cases) {
    const Fitted f = fitWindow(c.width, c.height, c.screen);
    EXPECT_DOUBLE_EQ(f.scale, c.scale) << c.what;
    if (c.screen.right > 0 && c.screen.bottom > 0) {
      EXPECT_EQ(f.at.x, c.want.x) << c.what;
      EXPECT_EQ(f.at.y, c.want.y) << c.what;
    }
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

using T = AboutTarget;
constexpr std::optional<AboutTarget> kNone = std::nullopt;

// The client area is 577 x 327; the logo overhangs its right edge by 3.
constexpr Point kLogo{100, 100}, kSurface{20, 300}, kLink{470, 318}, kCredit{210, 300};

TEST(AboutClicks, WhatEachPointReports) {
  const struct {
    int dpi;
    Point at;
    std::optional<AboutTarget> want;
  } cases[] = {
      {96, kLogo, T::Logo},         {96, {576, 100}, T::Logo},
      {96, kSurface, T::Form},      {96, kLink, T::Address},
      {96, kCredit, kNone},         {96, {578, 100}, kNone},  // the logo, clipped by the window
      {96, {-1, 5}, kNone},         {96, {100, 327}, kNone},
      {192, kLink, T::Logo},        {192, {940, 636}, T::Address},
      {192, {1153, 636}, T::Form},  {192, {1154, 5}, kNone},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(AboutClicks(Scale{c.dpi}).targetAt(c.at), c.want)
        << c.at.x << "," << c.at.y << " at " << c.dpi << " dpi";
  }
  EXPECT_EQ(AboutClicks().pointerAt(kLink), Pointer::Crosshair);
  EXPECT_EQ(AboutClicks(Scale{192}).pointerAt({940, 636}), Pointer::Crosshair);
  for (const Point p : {kLogo, kSurface, kCredit, Point{600, 318}}) {
    EXPECT_EQ(AboutClicks().pointerAt(p), Pointer::Arrow) << p.x << "," << p.y;
  }
}

TEST(AboutClicks, AClickIsAPressAndAReleaseOfTheMainButtonOverTheSameControl) {
  const struct {
    const char* what;
    Point down;
    bool mainDown;
    Point up;
    bool mainUp;
    std::optional<AboutTarget> want;
  } cases[] = {
      {"logo", kLogo, true, kLogo, true, T::Logo},
      {"surface", kSurface, true, {100, 250}, true, T::Form},
      {"link", kLink, true, kLink, true, T::Address},
      {"a credit", kCredit, true, kCredit, true, kNone},
      {"logo, then off it", kLogo, true, kSurface, true, kNone},
      {"surface, then out of the window", kSurface, true, {20, 400}, true, kNone},
      {"from outside in", {-5, 300}, true, kSurface, true, kNone},
      {"other button down", kLogo, false, kLogo, true, kNone},
      {"other button up", kLogo, true, kLogo, false, kNone},
  };
  for (const auto& c : cases) {
    AboutClicks clicks;
    clicks.press(c.down, c.mainDown);
    EXPECT_EQ(clicks.release(c.up, c.mainUp), c.want) << c.what;
    // A release ends the press, whatever it clicked.
    EXPECT_EQ(clicks.release(c.up, true), kNone) << c.what;
  }
}

}  // namespace
}  // namespace trelavka::view
