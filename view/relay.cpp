// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "relay.h"

#include "menu_text.h"

namespace trelavka::view {

void EventRelay::choose(std::string_view menuItem) {
  game_.choose(menuItem);
  settle();
}

void EventRelay::press(Button button) {
  game_.press(button);
  settle();
}

void EventRelay::tick(Timer timer) {
  game_.tick(timer);
  settle();
}

void EventRelay::clickAbout(AboutTarget target) {
  game_.clickAbout(target);
  settle();
}

void EventRelay::closeMainWindow() { choose(kQuitItem.name); }

void EventRelay::settle() {
  // Inside a box (a nested event loop) the kept tick waits for the handler
  // that opened it to return; that handler's own settle() posts it.
  if (posted_ || !game_.hasDeferredTick() || game_.boxOpen()) return;
  posted_ = true;
  post_([this] {
    posted_ = false;
    game_.deliverDeferredTick();
    settle();
  });
}

}  // namespace trelavka::view
