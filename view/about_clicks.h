// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The about window's mouse: what lies under a point of its client area, what
// a click there reports, and the pointer's shape. Points are in the window's
// pixels at the screen's scale.
#pragma once

#include <cstdint>
#include <optional>

#include "about_layout.h"
#include "game.h"
#include "geometry.h"

namespace trelavka::view {

enum class Pointer : std::uint8_t { Arrow, Crosshair };

// The pointer over a control of the about table: the crosshair over the link.
constexpr Pointer pointerOver(const about::Control& row) {
  return row.kind == about::Kind::Link ? Pointer::Crosshair : Pointer::Arrow;
}

class AboutClicks {
 public:
  explicit AboutClicks(Scale scale = {}) : scale_(scale) {}

  // What a click at the point reports: the target of the topmost control
  // there (nothing for one that takes no clicks), Form on the bare surface,
  // nothing outside the client area.
  std::optional<AboutTarget> targetAt(Point p) const;
  Pointer pointerAt(Point p) const;

  // A click is a press and a release of the main button over the same
  // control; release() returns what it clicked.
  void press(Point p, bool mainButton);
  std::optional<AboutTarget> release(Point p, bool mainButton);

 private:
  // What lies at the point: nothing outside the client area, else the
  // topmost control there, or null for the bare surface.
  std::optional<const about::Control*> at(Point p) const;

  Scale scale_;
  std::optional<AboutTarget> pressed_;
};

}  // namespace trelavka::view
