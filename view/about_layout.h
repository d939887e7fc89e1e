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

enum class Kind : std::uint8_t { Picture, Label, Link };

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
// bare surface, outside every control, reports AboutTarget::Form.
inline constexpr std::array<Control, 6> kControls{{
    {"Picture1", Kind::Picture, {0, 0, 8700, 3330}, "logo.jpg", 0, false, AboutTarget::Logo},
    {"Label1", Kind::Label, {3075, 3435, 2580, 360}, "Programing, Grafika", 12, true},
    {"Label2", Kind::Label, {3480, 3840, 1740, 225}, kTeam, 9.75, true},
    {"Label3", Kind::Label, {3510, 4095, 1470, 315}, "Betatesting", 12, true},
    {"Label4", Kind::Label, {3120, 4440, 2445, 270}, kTeam, 9.75, true},
    {"Label5", Kind::Link, {6840, 4680, 1800, 195}, text::kMakerAddress, 0, false,
     AboutTarget::Address},
}};

}  // namespace trelavka::about
