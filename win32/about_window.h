// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The about window under Win32: the maker's logo, the credits and the link,
// drawn from the about table. It only reports clicks; the rules decide what
// they do.
#pragma once

#include <windows.h>

#include <array>
#include <functional>

#include "about_clicks.h"
#include "about_layout.h"
#include "game.h"
#include "look.h"

namespace trelavka::win32 {

class AboutWindow final : public OwnWindow {
 public:
  using Clicked = std::function<void(AboutTarget)>;

  // Creates the window and shows it in the middle of the screen. Modeless,
  // without owner: the main window stays usable.
  explicit AboutWindow(Clicked clicked);
  ~AboutWindow();
  AboutWindow(const AboutWindow&) = delete;
  AboutWindow& operator=(const AboutWindow&) = delete;

  void raise();

  // Its window's messages.
  LRESULT handle(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);

 private:
  void paint(HDC dc);
  void report(AboutTarget target);

  Clicked clicked_;
  view::Scale scale_;
  view::AboutClicks clicks_;
  HFONT windowFont_ = nullptr;
  std::array<HFONT, about::kControls.size()> fonts_{};  // by row; null: the window font
};

}  // namespace trelavka::win32
