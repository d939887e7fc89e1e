// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <windows.h>

#include <commctrl.h>
#include <objbase.h>

#include "look.h"
#include "session.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  // OleLoadPicture needs COM on this thread.
  const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
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
  if (SUCCEEDED(com)) CoUninitialize();
  return status;
}
