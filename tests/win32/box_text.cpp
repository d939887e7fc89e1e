// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Prints, for every shown top-level window of the Wine desktop it runs on,
// "TITLE<TAB>TEXT" in UTF-8, where TEXT is the window's static texts joined
// by spaces: what a player reads in a message box. Titles are matched by the
// caller, so no non-ASCII text passes through the command line's encoding.
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

std::string utf8(const std::wstring& text) {
  if (text.empty()) return {};
  const int n = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                                    nullptr, nullptr);
  std::string out(static_cast<std::size_t>(n), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), n, nullptr, nullptr);
  return out;
}

std::wstring textOf(HWND window) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
  return text;
}

BOOL CALLBACK addStatic(HWND child, LPARAM into) {
  wchar_t type[16] = {};
  GetClassNameW(child, type, 16);
  if (lstrcmpiW(type, L"Static") == 0 && IsWindowVisible(child)) {
    auto& text = *reinterpret_cast<std::wstring*>(into);
    const std::wstring piece = textOf(child);
    if (!piece.empty()) text += (text.empty() ? L"" : L" ") + piece;
  }
  return TRUE;
}

BOOL CALLBACK printWindow(HWND window, LPARAM) {
  if (!IsWindowVisible(window)) return TRUE;
  std::wstring text;
  EnumChildWindows(window, addStatic, reinterpret_cast<LPARAM>(&text));
  const std::string line = utf8(textOf(window)) + "\t" + utf8(text) + "\n";
  std::fwrite(line.data(), 1, line.size(), stdout);
  return TRUE;
}

}  // namespace

int wmain() {
  _setmode(_fileno(stdout), _O_BINARY);
  EnumWindows(printWindow, 0);
  return 0;
}
