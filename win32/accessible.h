// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What a screen reader learns of the game's windows: each answers
// WM_GETOBJECT with an IAccessible of ours. The counters and pictures are
// painted by the game, and the system's stand-ins for standard controls do
// not answer everywhere (not under Wine), so every window of a main window
// or a box answers for itself.
#pragma once

#include <windows.h>

#include <string>

namespace trelavka::win32 {

// One window as a reader is told of it.
struct Description {
  LONG role = 0;  // ROLE_SYSTEM_*
  std::wstring name;
  std::wstring value;        // what a read-only field shows
  std::wstring description;  // what else is written on it
  std::wstring help;         // its tooltip
  bool readOnly = false;
};

// Sent to a top-level window of the game with WPARAM one of its windows
// (itself or a descendant) and LPARAM a Description* to fill; answered TRUE
// when filled. The objects ask on every call, so they never hold on to what
// the window shows, and answer nothing once it is gone.
inline constexpr UINT kDescribe = WM_APP + 2;

// The answer to WM_GETOBJECT for a window of ours; 0 for what we do not answer.
LRESULT answerGetObject(HWND window, WPARAM wp, LPARAM lp);

// Makes a standard control (a button, a static text) answer WM_GETOBJECT too.
void answerForControl(HWND control);

// A standard control described by its class and its text: what a box needs.
bool describeStandard(HWND control, Description& out);

// Tells the readers listening that a window's value changed.
void valueChanged(HWND window);

}  // namespace trelavka::win32
