// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The about window "O Trelavka" as a window inside the page, built from the
// about table and placed as every front end places its windows. What a
// press and a release on it make is the shared tracker's to say.
#pragma once

#include <optional>

#include "about_clicks.h"
#include "game.h"

namespace trelavka::web {

class AboutWindow {
 public:
  AboutWindow();
  ~AboutWindow();
  AboutWindow(const AboutWindow&) = delete;
  AboutWindow& operator=(const AboutWindow&) = delete;

  void raise();

  // A press and a release at a point of the client area, in its pixels.
  void press(view::Point p, bool mainButton) { clicks_.press(p, mainButton); }
  std::optional<AboutTarget> release(view::Point p, bool mainButton) {
    return clicks_.release(p, mainButton);
  }

 private:
  view::AboutClicks clicks_;
};

}  // namespace trelavka::web
