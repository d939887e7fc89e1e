// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "about_clicks.h"

#include <utility>

namespace trelavka::view {

std::optional<const about::Control*> AboutClicks::at(Point p) const {
  // The window clips what overhangs it (the logo is wider).
  if (!scale_.rect(about::kClient).contains(p)) return std::nullopt;
  // A later row is drawn above an earlier one.
  for (auto row = about::kControls.rbegin(); row != about::kControls.rend(); ++row) {
    if (scale_.rect(row->place).contains(p)) return &*row;
  }
  return nullptr;
}

std::optional<AboutTarget> AboutClicks::targetAt(Point p) const {
  const auto hit = at(p);
  if (!hit) return std::nullopt;
  return *hit != nullptr ? (*hit)->click : AboutTarget::Form;
}

Pointer AboutClicks::pointerAt(Point p) const {
  const auto hit = at(p);
  return hit && *hit != nullptr ? pointerOver(**hit) : Pointer::Arrow;
}

void AboutClicks::press(Point p, bool mainButton) {
  pressed_ = mainButton ? targetAt(p) : std::nullopt;
}

std::optional<AboutTarget> AboutClicks::release(Point p, bool mainButton) {
  const std::optional<AboutTarget> pressed = std::exchange(pressed_, std::nullopt);
  if (!mainButton || !pressed || targetAt(p) != pressed) return std::nullopt;
  return pressed;
}

}  // namespace trelavka::view
