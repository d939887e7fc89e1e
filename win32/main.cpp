// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <windows.h>

#include "look.h"
#include "session.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  trelavka::win32::installFonts();
  int status = 0;
  {
    trelavka::win32::Session session;
    session.load();
    if (!session.game().ended()) {
      session.window().showCentred();
      status = session.run();
    }
  }
  return status;
}
