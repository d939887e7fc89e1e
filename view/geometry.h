// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Points, rectangles and the screen's scale, in whole pixels of a window or
// of the screen, as every front end measures them.
#pragma once

#include <cstdint>

#include "layout.h"

namespace trelavka::view {

struct Point {
  int x = 0;
  int y = 0;
};

// The right and bottom edges lie just outside, as a toolkit's rectangles do.
struct Rect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;

  constexpr int width() const { return right - left; }
  constexpr int height() const { return bottom - top; }
  constexpr bool contains(Point p) const {
    return p.x >= left && p.x < right && p.y >= top && p.y < bottom;
  }
};

// The tables' pixels are pixels at 96 dots per inch; a screen with more dots
// shows them larger.
struct Scale {
  static constexpr int kTablesDpi = 96;
  int dpi = kTablesDpi;

  // Rounded to the nearest pixel, halves away from zero, as the system's
  // MulDiv does: the same scaling gives the same pixels everywhere.
  constexpr int px(int px96) const {
    const std::int64_t product = std::int64_t{px96} * dpi;
    const std::int64_t half = kTablesDpi / 2;
    return static_cast<int>((product < 0 ? product - half : product + half) / kTablesDpi);
  }

  // A place of the tables on the screen. Each edge is scaled on its own, so
  // that controls which touch at 96 dpi still touch.
  constexpr Rect rect(layout::Twips t) const {
    const layout::Pixels p = layout::toPixels(t);
    return {px(p.x), px(p.y), px(p.x + p.width), px(p.y + p.height)};
  }
};

}  // namespace trelavka::view
