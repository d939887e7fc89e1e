// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "web_port.h"

#include "glue.h"
#include "main_window.h"
#include "web_address.h"

namespace trelavka::web {

void Port::showMessage(std::string_view title, std::string_view text) {
  boxOpen_ = true;
  web_box(title.data(), title.size(), text.data(), text.size());
  boxOpen_ = false;
}

void Port::playSound(std::string_view path) { sounds_.play(path); }

void Port::openAddress(std::string_view address) {
  const std::string full = view::webAddress(address);
  web_open_address(full.data(), full.size());
}

void Port::openAbout() {
  if (window_ != nullptr) window_->openAbout();
}

void Port::raiseAbout() {
  if (window_ != nullptr) window_->raiseAbout();
}

void Port::closeAbout() {
  if (window_ != nullptr) window_->closeAbout();
}

void Port::quit() {
  // A page cannot close its tab; the window and its sound go, as on the desktop.
  sounds_.stop();
  if (window_ != nullptr) window_->close();
}

}  // namespace trelavka::web
