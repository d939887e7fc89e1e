// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The least a Win32 program can do and still start as the game does: a modal
// box first, then a 663 x 496 window with a one-item menu bar. Built with the
// game's flags (static, Unicode, no console); the start-up benchmark runs it
// beside trelavka.exe, as the floor the game is measured against.
#include <windows.h>

namespace {

LRESULT CALLBACK proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_COMMAND && LOWORD(wp) == 1) DestroyWindow(hwnd);
  if (msg == WM_DESTROY) PostQuitMessage(0);
  return DefWindowProcW(hwnd, msg, wp, lp);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  WNDCLASSW wc{};
  wc.lpfnWndProc = proc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512) /* IDC_ARROW */);
  wc.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
  wc.lpszClassName = L"Bare";
  RegisterClassW(&wc);

  HMENU bar = CreateMenu();
  HMENU file = CreatePopupMenu();
  AppendMenuW(file, MF_STRING, 1, L"Konec");
  AppendMenuW(bar, MF_STRING | MF_POPUP, reinterpret_cast<UINT_PTR>(file), L"Soubor");

  constexpr DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
  RECT r{0, 0, 663, 496};
  AdjustWindowRect(&r, style, TRUE);
  HWND window = CreateWindowW(L"Bare", L"Trelavka", style, CW_USEDEFAULT, CW_USEDEFAULT,
                              r.right - r.left, r.bottom - r.top, nullptr, bar, instance, nullptr);
  // The game's welcome box, under its title, so the benchmark knows it.
  MessageBoxW(window, L"Minulý starosta umřel.", L"VÍTEJ NOVÝ STAROSTO", MB_OK);
  ShowWindow(window, SW_SHOWNORMAL);

  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return 0;
}
