// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The game's typeface: "MS Sans Serif", as the window was drawn, where the
// system really has it; else the freely licensed face the game carries, which
// has every Czech letter at the layout's sizes.
#pragma once

#include <array>
#include <string_view>

namespace trelavka::view {

inline constexpr std::string_view kPreferredFace = "MS Sans Serif";
inline constexpr std::string_view kBundledFace = "Liberation Sans";
// Under assets/fonts/, compiled into every front end.
inline constexpr std::array<std::string_view, 2> kBundledFontFiles{
    "LiberationSans-Regular.ttf",
    "LiberationSans-Bold.ttf",
};

// A system asked for a face it lacks quietly gives another, so the front end
// must answer whether the one it got is really the preferred face.
constexpr std::string_view gameFace(bool preferredIsReal) {
  return preferredIsReal ? kPreferredFace : kBundledFace;
}

}  // namespace trelavka::view
