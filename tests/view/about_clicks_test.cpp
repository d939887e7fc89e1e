// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The about window's mouse for every front end: what a point is over, what
// a press and a release make of it, and the pointer's shape.
#include <gtest/gtest.h>

#include "about_clicks.h"

namespace trelavka::view {
namespace {

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
