// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The hover tips of the main window's controls, drawn by the game with
// user32 alone: the common controls' tooltips would load comctl32 and its
// theme, a fifth of the game's memory at start-up under Wine.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "look.h"

namespace trelavka::win32 {

class Tooltip final : public OwnWindow {
 public:
  // The tip window, above `owner`; text in `font` with `spacing` between
  // characters (digitSpacing), wrapped at `maxWidth` pixels.
  Tooltip(HWND owner, HFONT font, int spacing, int maxWidth, int padding);
  ~Tooltip();
  Tooltip(const Tooltip&) = delete;
  Tooltip& operator=(const Tooltip&) = delete;

  // A tip over the whole of `window`, which shows none while it is hidden.
  void add(HWND window, std::wstring text);
  // A tip over `area` of `window`: for a disabled control, whose mouse
  // messages its parent gets.
  void add(HWND window, const RECT& area, std::wstring text);

  // Every message the thread takes, before it is dispatched: the mouse's
  // moves start the wait, a click or a key puts the tip away.
  void relay(const MSG& msg);
  void hide();

  LRESULT handle(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);

 private:
  struct Tool {
    HWND window;
    RECT area;
    bool whole;
    std::wstring text;
  };
  void remember(Tool tool);
  const Tool* toolAt(HWND window, POINT p) const;
  void moved(HWND window, POINT p);
  void show();

  std::vector<Tool> tools_;
  HWND owner_;
  HFONT font_;
  int spacing_;
  int maxWidth_;
  int padding_;
  HWND hot_ = nullptr;             // the window TrackMouseEvent watches
  const Tool* current_ = nullptr;  // the tool under the mouse
  POINT last_{-1, -1};
  bool dismissed_ = false;  // put away by a click, a key or time, until another tool
};

}  // namespace trelavka::win32
