// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Where a top-level window goes on the screen: both front ends place theirs so.
#pragma once

#include <algorithm>

namespace trelavka {

struct ScreenArea {
  int x = 0, y = 0, width = 0, height = 0;
};

struct WindowPlace {
  int x = 0, y = 0;
};

// Centred on the area; a window larger than the area keeps its top-left
// corner, and so its title and menu bar, on it.
inline WindowPlace centredPlace(int width, int height, const ScreenArea& area) {
  return {area.x + std::max(0, (area.width - width) / 2),
          area.y + std::max(0, (area.height - height) / 2)};
}

}  // namespace trelavka
