// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Where a window of the page goes: placed as every front end places its
// windows, and scaled down whole where the page is too small for it.
#pragma once

#include "glue.h"
#include "placement.h"

namespace trelavka::web {

inline void placeFrame(WebFrame frame) {
  const int width = web_frame_width(frame);
  if (width == 0) return;  // not shown
  const view::Rect page{0, 0, web_viewport_width(), web_viewport_height()};
  const view::Fitted at = view::fitWindow(width, web_frame_height(frame), page);
  web_frame_put(frame, at.at.x, at.at.y, at.scale);
}

}  // namespace trelavka::web
