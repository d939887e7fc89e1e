// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The about window: its client area and its controls, in twips from the
// top-left corner of the client area, in creation order.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "game.h"
#include "layout.h"
#include "texts.h"

namespace trelavka::about {

inline constexpr std::string_view kTitle = "O Trelavka";
inline constexpr layout::Twips kClient{0, 0, 8655, 4905};
// Author and beta testers alike: we credit the team, not invented people.
inline constexpr std::string_view kTeam = "Tým Trelavka";

enum class Kind : std::uint8_t {
  Picture,  // its image unscaled from its top-left corner
  Label,
  Link,     // plain black text, not a blue underlined link; an address too
            // long for its box loses its tail, not its box
};

struct Control {
  std::string_view name;
  Kind kind;
  layout::Twips place;
  std::string_view content;  // a picture's image file, else the text
  double points = 0;         // 0: the window's own font
  bool bold = false;
  std::optional<AboutTarget> click{};
};

// The logo is wider than the window: the window clips it. A click on the
// bare surface, outside every control, reports AboutTarget::Form
// (about_clicks.h).
inline constexpr std::array<Control, 6> kControls{{
    {"Picture1", Kind::Picture, {0, 0, 8700, 3330}, "logo.jpg", 0, false, AboutTarget::Logo},
    {"Label1", Kind::Label, {3075, 3435, 2580, 360}, "Programing, Grafika", 12, true},
    {"Label2", Kind::Label, {3480, 3840, 1740, 225}, kTeam, 9.75, true},
    {"Label3", Kind::Label, {3510, 4095, 1470, 315}, "Betatesting", 12, true},
    {"Label4", Kind::Label, {3120, 4440, 2445, 270}, kTeam, 9.75, true},
    {"Label5", Kind::Link, {6840, 4680, 1800, 195}, text::kMakerAddress, 0, false,
     AboutTarget::Address},
}};

// Every name once, every place whole pixels, and the logo and the link each
// report their click from exactly one row; the surface and the close box
// are no row's.
constexpr bool wellFormed() {
  if (!layout::wholePixels(kClient)) return false;
  int logos = 0;
  int links = 0;
  for (std::size_t i = 0; i < kControls.size(); ++i) {
    const Control& c = kControls[i];
    for (std::size_t j = 0; j < i; ++j) {
      if (kControls[j].name == c.name) return false;
    }
    if (!layout::wholePixels(c.place)) return false;
    if (!c.click) continue;
    if (*c.click == AboutTarget::Logo) ++logos;
    else if (*c.click == AboutTarget::Address) ++links;
    else return false;
  }
  return logos == 1 && links == 1;
}
static_assert(wellFormed());

}  // namespace trelavka::about
