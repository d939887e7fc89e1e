// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The game's look under Win32 that belongs to no one window: text at the
// Win32 boundary, the scale for the screen's DPI, the font, the images.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "layout.h"

namespace trelavka::win32 {

// UTF-8 inside the game, UTF-16 at every W function.
std::wstring wide(std::string_view utf8);

// Places and sizes at 96 DPI grow with the screen's DPI.
struct Scale {
  int dpi = USER_DEFAULT_SCREEN_DPI;

  int px(int px96) const { return MulDiv(px96, dpi, USER_DEFAULT_SCREEN_DPI); }
  RECT rect(layout::Twips t) const;
};

// Loads the bundled faces from the .exe's resources; call once before any window.
void installFonts();
// "MS Sans Serif" where the system really has it, else the bundled face.
const std::wstring& fontFace();
// A font of the game's face; the caller deletes it.
HFONT makeFont(double points, bool bold, const Scale& scale);
HFONT makeFont(layout::Font font, const Scale& scale);

// A picture compiled into the .exe, decoded by the system; lives as long as the program.
struct Image {
  HBITMAP bitmap = nullptr;
  int width = 0;
  int height = 0;
};
// The image under its file name in assets/images; an empty Image if it is missing.
const Image& image(std::string_view fileName);
// Draws the image from (x, y) on, every pixel grown to whole screen pixels
// (nearest neighbour), never smoothed.
void drawImage(HDC dc, const Image& image, int x, int y, const Scale& scale);

HICON gameIcon(int size);

// Registers a window class once per process: the arrow cursor, the system
// colour `background` (none when negative), the game's icon when asked for.
void registerClass(const wchar_t* name, WNDPROC proc, int background, bool withIcon = false);

}  // namespace trelavka::win32
