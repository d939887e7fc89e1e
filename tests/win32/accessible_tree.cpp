// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Prints what a screen reader learns of every shown top-level window of the
// Wine desktop it runs on, asked from outside the game's process through the
// system's accessibility interface: for each object, one line
// "DEPTH<TAB>ROLE<TAB>NAME<TAB>VALUE<TAB>DESCRIPTION<TAB>STATES<TAB>X,Y,W,H"
// in UTF-8, the place in screen pixels,
// children (by AccessibleChildren) below their parent at DEPTH + 1.
// A window that answers nothing prints "0<TAB>none<TAB>TITLE".
#include <fcntl.h>
#include <io.h>
#include <windows.h>
#include <ole2.h>
#include <oleacc.h>

#include <cstdio>
#include <string>
#include <utility>
#include <vector>

namespace {

std::string utf8(const wchar_t* text, int size = -1) {
  if (text == nullptr || size == 0) return {};
  const int n = WideCharToMultiByte(CP_UTF8, 0, text, size, nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<std::size_t>(n), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text, size, out.data(), n, nullptr, nullptr);
  if (size < 0 && !out.empty()) out.pop_back();
  return out;
}

// Tabs and line breaks of a text would break the line format.
std::string field(BSTR text) {
  std::string out = utf8(text, text != nullptr ? static_cast<int>(SysStringLen(text)) : 0);
  for (char& c : out) {
    if (c == '\t' || c == '\n' || c == '\r') c = ' ';
  }
  SysFreeString(text);
  return out;
}

std::string roleName(LONG role) {
  static const std::pair<LONG, const char*> kRoles[] = {
      {ROLE_SYSTEM_CLIENT, "client"},         {ROLE_SYSTEM_TEXT, "text"},
      {ROLE_SYSTEM_STATICTEXT, "statictext"}, {ROLE_SYSTEM_PUSHBUTTON, "pushbutton"},
      {ROLE_SYSTEM_GRAPHIC, "graphic"},       {ROLE_SYSTEM_DIALOG, "dialog"},
      {ROLE_SYSTEM_WINDOW, "window"},         {ROLE_SYSTEM_TOOLTIP, "tooltip"},
  };
  for (const auto& [value, name] : kRoles) {
    if (value == role) return name;
  }
  return "role" + std::to_string(role);
}

std::string stateNames(LONG state) {
  static const std::pair<LONG, const char*> kStates[] = {
      {STATE_SYSTEM_INVISIBLE, "invisible"}, {STATE_SYSTEM_READONLY, "readonly"},
      {STATE_SYSTEM_FOCUSABLE, "focusable"}, {STATE_SYSTEM_FOCUSED, "focused"},
      {STATE_SYSTEM_UNAVAILABLE, "unavailable"},
  };
  std::string out;
  for (const auto& [value, name] : kStates) {
    if ((state & value) == 0) continue;
    if (!out.empty()) out += ',';
    out += name;
  }
  return out;
}

void print(const std::string& line) { std::fwrite(line.data(), 1, line.size(), stdout); }

void walk(IAccessible* object, int depth) {
  VARIANT self{};
  self.vt = VT_I4;
  self.lVal = CHILDID_SELF;
  BSTR name = nullptr, value = nullptr, description = nullptr;
  VARIANT role{}, state{};
  object->get_accName(self, &name);
  object->get_accValue(self, &value);
  object->get_accDescription(self, &description);
  const bool hasRole = object->get_accRole(self, &role) == S_OK && role.vt == VT_I4;
  const bool hasState = object->get_accState(self, &state) == S_OK && state.vt == VT_I4;
  LONG x = 0, y = 0, w = 0, h = 0;
  const bool placed = object->accLocation(&x, &y, &w, &h, self) == S_OK;
  print(std::to_string(depth) + "\t" + (hasRole ? roleName(role.lVal) : "?") + "\t" + field(name) +
        "\t" + field(value) + "\t" + field(description) + "\t" +
        (hasState ? stateNames(state.lVal) : "?") + "\t" +
        (placed ? std::to_string(x) + "," + std::to_string(y) + "," + std::to_string(w) + "," +
                      std::to_string(h)
                : "?") +
        "\n");

  LONG count = 0;
  if (FAILED(object->get_accChildCount(&count)) || count <= 0) return;
  std::vector<VARIANT> children(static_cast<std::size_t>(count));
  LONG got = 0;
  if (FAILED(AccessibleChildren(object, 0, count, children.data(), &got))) return;
  for (LONG i = 0; i < got; ++i) {
    VARIANT& child = children[static_cast<std::size_t>(i)];
    IAccessible* inner = nullptr;
    if (child.vt == VT_DISPATCH && child.pdispVal != nullptr &&
        SUCCEEDED(child.pdispVal->QueryInterface(__uuidof(IAccessible), reinterpret_cast<void**>(&inner)))) {
      walk(inner, depth + 1);
      inner->Release();
    } else {
      print(std::to_string(depth + 1) + "\tsimple " + std::to_string(child.vt) + "\n");
    }
    VariantClear(&child);
  }
}

BOOL CALLBACK printWindow(HWND window, LPARAM) {
  if (!IsWindowVisible(window)) return TRUE;
  IAccessible* object = nullptr;
  if (FAILED(AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT), __uuidof(IAccessible),
                                        reinterpret_cast<void**>(&object))) ||
      object == nullptr) {
    wchar_t title[256] = {};
    GetWindowTextW(window, title, 256);
    print("0\tnone\t" + utf8(title) + "\n");
    return TRUE;
  }
  walk(object, 0);
  object->Release();
  return TRUE;
}

}  // namespace

int wmain() {
  _setmode(_fileno(stdout), _O_BINARY);
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  EnumWindows(printWindow, 0);
  CoUninitialize();
  return 0;
}
