// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "session.h"

namespace trelavka::win32 {

Session::Session()
    : game_(model_, port_),
      relay_(game_, tasks_.poster()),
      window_(model_, relay_),
      clock_(model_, [this](Timer t) { relay_.tick(t); }, tasks_.poster()) {
  port_.attach(window_.hwnd(), &relay_);
}

// The about window goes first: its events lead back into the rules.
Session::~Session() { port_.closeAbout(); }

int Session::run() {
  HWND main = window_.hwnd();
  MSG msg;
  for (;;) {
    const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
    if (got == 0) return static_cast<int>(msg.wParam);
    if (got < 0) return 1;
    window_.relay(msg);
    if (window_.accelerators() != nullptr &&
        TranslateAcceleratorW(main, window_.accelerators(), &msg)) {
      continue;
    }
    // Tab and Space reach the buttons as in a dialog.
    if (IsDialogMessageW(main, &msg)) continue;
    TranslateMessage(&msg);
    // A posted message would come before any input or timer anyway.
    const bool tick = msg.message == WM_TIMER;
    if (tick) tasks_.hold();
    DispatchMessageW(&msg);
    if (tick) tasks_.runHeld();
  }
}

}  // namespace trelavka::win32
