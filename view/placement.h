// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Where a top-level window or a box goes on the screen; every front end
// places all of its windows so.
#pragma once

#include <algorithm>
#include <optional>

#include "geometry.h"

namespace trelavka::view {

namespace placement_detail {

constexpr int along(int size, int areaStart, int areaSize, int screenStart, int screenEnd) {
  const int centred = areaStart + (areaSize - size) / 2;
  return std::max(std::min(centred, screenEnd - size), screenStart);
}

}  // namespace placement_detail

// The top-left corner of a window `width` x `height` (its frame included
// where the toolkit knows it). It is centred on the box's owner while that
// is shown, else on `screen`, the work area of the screen it goes on, and
// kept on that screen: a window that fits lies wholly on it; a larger one
// keeps its top-left corner, and so its title and menu bar, on it.
constexpr Point placeWindow(int width, int height, const Rect& screen,
                            const std::optional<Rect>& shownOwner = std::nullopt) {
  const Rect& area = shownOwner ? *shownOwner : screen;
  return {placement_detail::along(width, area.left, area.width(), screen.left, screen.right),
          placement_detail::along(height, area.top, area.height(), screen.top, screen.bottom)};
}

// Where a window can be scaled as a whole (a page on a phone), one larger
// than its screen is shown whole, scaled down to fit, and placed as above at
// its scaled size; it is never enlarged. A screen with no room at all (a
// page in a hidden frame) leaves the window as it is.
struct Fitted {
  Point at;
  double scale = 1;
};

constexpr Fitted fitWindow(int width, int height, const Rect& screen) {
  double scale = 1;
  if (screen.width() > 0 && screen.height() > 0) {
    if (width > screen.width()) scale = static_cast<double>(screen.width()) / width;
    if (height > screen.height()) {
      scale = std::min(scale, static_cast<double>(screen.height()) / height);
    }
  }
  // Truncated: a scaled window never overhangs its screen by a fraction.
  return {placeWindow(static_cast<int>(width * scale), static_cast<int>(height * scale), screen),
          scale};
}

}  // namespace trelavka::view
