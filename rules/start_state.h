// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

// How the main window's controls stand when it is created.
#pragma once

#include <array>
#include <cstdint>

#include "controls.h"

namespace trelavka {

struct CounterStart {
  Counter counter;
  std::int64_t value;
};
inline constexpr std::array<CounterStart, kCounterCount> kCounterStarts{{
    {Counter::Text1, 2500000},  // money
    {Counter::Text2, 300},      // population
    {Counter::Text3, 20},       // popularity
    {Counter::Text4, 1},        // day
}};

// Every other picture starts hidden: no building stands, no house has appeared.
inline constexpr std::array<Picture, 6> kPicturesShownAtStart{
    Picture::Picture1,   // the town map
    Picture::Picture6,  Picture::Picture7,                         // the first two houses
    Picture::Picture16, Picture::Picture17, Picture::Picture18,  // the red "not built" banners
};

struct ButtonStart {
  Button button;
  bool shown;
  bool enabled;
};
inline constexpr std::array<ButtonStart, kButtonCount> kButtonStarts{{
    {Button::Command1, false, true},  // the time step: pressed only by the game timer
    {Button::Command2, true, true},   // "Start hry"
    {Button::Command3, false, true},  // "Pauza", in the same place
}};

}  // namespace trelavka
