// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "web_port.h"

#include "glue.h"
#include "main_window.h"

namespace trelavka::web {

void Port::showMessage(std::string_view title, std::string_view text) {
  boxOpen_ = true;
  web_box(title.data(), title.size(), text.data(), text.size());
  boxOpen_ = false;
}

// The page's sound, browser tab and about window come with their shared
// pieces: until then the concert and the about window are silent, and
// "O Trelavka" opens nothing.
void Port::playSound(std::string_view) {}
void Port::openAddress(std::string_view) {}
void Port::openAbout() {}
void Port::raiseAbout() {}
void Port::closeAbout() {}

void Port::quit() {
  // A page cannot close its tab; the window goes, as on the desktop.
  if (window_ != nullptr) window_->close();
}

}  // namespace trelavka::web
