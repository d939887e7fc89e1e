// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The game's message box: modal to its owner, one OK button, no icon, and
// as wide as its title needs. MessageBoxW sizes itself by its text alone and
// cuts a longer title off.
#pragma once

#include <windows.h>

#include <string_view>

namespace trelavka::win32 {

// Returns when the player has closed the box. The owner is disabled meanwhile;
// its timers go on ticking. Placed as view/placement.h places a box.
void messageBox(HWND owner, std::string_view title, std::string_view text);

}  // namespace trelavka::win32
