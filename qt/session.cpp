// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "session.h"

#include "about_window.h"

namespace trelavka {

Session::Session(double timeScale)
    : game_(model_, port_),
      dispatch_(game_),
      window_(model_, dispatch_),
      clock_(model_, [this](Timer t) { dispatch_.tick(t); }, timeScale) {
  port_.attach(&window_, &dispatch_);
}

// The about window goes first: its events lead back into the rules.
Session::~Session() { delete port_.aboutWindow(); }

}  // namespace trelavka
