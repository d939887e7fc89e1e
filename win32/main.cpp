// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <windows.h>

#include <commctrl.h>

#include "look.h"
#include "session.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_BAR_CLASSES};
  InitCommonControlsEx(&controls);
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
