// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "button_focus.h"

#include "layout.h"

namespace trelavka::view {
namespace {

const layout::Twips& placeOf(Button b) {
  for (const layout::Control& row : layout::kControls) {
    if (row.shows == layout::Shows{b}) return row.place;
  }
  return layout::kClient;  // not reached: every button has its row
}

bool usable(const Model& model, Button b) {
  const ButtonState state = model.button(b);
  return state.shown && state.enabled;
}

}  // namespace

bool sharePlace(Button a, Button b) {
  const layout::Twips& p = placeOf(a);
  const layout::Twips& q = placeOf(b);
  return p.left < q.left + q.width && q.left < p.left + p.width && p.top < q.top + q.height &&
         q.top < p.top + p.height;
}

std::optional<Button> ButtonFocus::changed(const Model& model, Button b, bool hadFocus,
                                           bool focusLost) {
  if (hadFocus && !usable(model, b)) orphan_ = b;
  if (!orphan_) return std::nullopt;
  if (!focusLost) {
    orphan_.reset();
    return std::nullopt;
  }
  for (std::size_t i = 0; i < kButtonCount; ++i) {
    const Button heir = buttonAt(i);
    if (heir == *orphan_ || !sharePlace(heir, *orphan_) || !usable(model, heir)) continue;
    orphan_.reset();
    return heir;
  }
  return std::nullopt;
}

}  // namespace trelavka::view
