// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The game's look under Win32 that belongs to no one window: text at the
// Win32 boundary, the font, the images, window classes and where windows go.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>
#include <type_traits>

#include "geometry.h"
#include "layout.h"

namespace trelavka::win32 {

// UTF-8 inside the game, UTF-16 at every W function.
std::wstring wide(std::string_view utf8);
std::string narrow(std::wstring_view utf16);
// A window's text, as GetWindowTextW has it.
std::wstring windowText(HWND window);

inline RECT toRect(const view::Rect& r) { return {r.left, r.top, r.right, r.bottom}; }
inline view::Rect viewRect(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }
// The tables' places at the window's dpi.
inline RECT rectAt(const view::Scale& scale, layout::Twips t) { return toRect(scale.rect(t)); }
view::Scale systemScale();

// Loads the bundled faces from the .exe's resources; call once before any window.
void installFonts();
const std::wstring& fontFace();
// A font of the game's face; the caller deletes it.
HFONT makeFont(double points, bool bold, const view::Scale& scale);
HFONT makeFont(layout::Font font, const view::Scale& scale);
// The extra room between characters (SetTextCharacterExtra) that keeps every
// two digits of `font` at least one column apart as the system draws them.
int digitSpacing(HFONT font);

// A picture compiled into the .exe, decoded when first asked for; lives as
// long as the program.
struct Image {
  HBITMAP bitmap = nullptr;
  int width = 0;
  int height = 0;
};
// The image under its file name in assets/images; an empty Image if it is missing.
const Image& image(std::string_view fileName);
// Draws the image from (x, y) on, every pixel grown to whole screen pixels
// (nearest neighbour), never smoothed.
void drawImage(HDC dc, const Image& image, int x, int y, const view::Scale& scale);

HICON gameIcon(int size);

// The style and drawing of every push button of the game (BS_OWNERDRAW, drawn
// on WM_DRAWITEM): flat, in the system's colours. The system's own themed
// button would load comctl32 and its theme, a fifth of the game's memory.
inline constexpr DWORD kButtonStyle = BS_OWNERDRAW;
void drawButton(const DRAWITEMSTRUCT& item);

// A function of a system DLL, the DLL loaded at its first use and kept, so
// that start-up maps only what it needs; null if either is missing.
FARPROC systemFunction(const wchar_t* dll, const char* name);
template <typename F>
F systemFunction(const wchar_t* dll, const char* name) {
  return reinterpret_cast<F>(reinterpret_cast<void (*)()>(systemFunction(dll, name)));
}

// COM on this thread for as long as it lives, where a call needs it.
class ComScope {
 public:
  ComScope();
  ~ComScope();
  ComScope(const ComScope&) = delete;
  ComScope& operator=(const ComScope&) = delete;

 private:
  bool initialised_ = false;
};

// Registers a window class once per process: the arrow cursor, the system
// colour `background` (none when negative), the game's icon when asked for,
// and any class `style` (CS_*).
void registerClass(const wchar_t* name, WNDPROC proc, int background, bool withIcon = false,
                   UINT style = 0);

// The object a window was made for (CreateWindowExW's last argument), kept
// with the window from its first message on; call it from its procedure.
template <typename T>
T* windowObject(HWND hwnd, UINT msg, LPARAM lp) {
  if (msg == WM_NCCREATE) {
    SetWindowLongPtrW(hwnd, GWLP_USERDATA,
                      reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(lp)->lpCreateParams));
  }
  return reinterpret_cast<T*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
}

template <typename T>
LRESULT CALLBACK objectProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);

// The handle of an object's own window, from its first message (inside
// CreateWindowExW) until it is gone; objectProc keeps it.
class OwnWindow {
 public:
  HWND hwnd() const { return hwnd_; }

 protected:
  HWND hwnd_ = nullptr;

  template <typename T>
  friend LRESULT CALLBACK objectProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
};

// A window procedure that hands every message to that object's
// handle(hwnd, msg, wp, lp), until the window is gone.
template <typename T>
LRESULT CALLBACK objectProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  T* object = windowObject<T>(hwnd, msg, lp);
  if (object == nullptr) return DefWindowProcW(hwnd, msg, wp, lp);
  constexpr bool keepsHandle = std::is_base_of_v<OwnWindow, T>;
  if constexpr (keepsHandle) {
    if (msg == WM_NCCREATE) object->hwnd_ = hwnd;
  }
  const LRESULT result = object->handle(hwnd, msg, wp, lp);
  if (msg == WM_NCDESTROY) {
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    if constexpr (keepsHandle) object->hwnd_ = nullptr;
  }
  return result;
}

// A window that is never shown and only takes messages, for object->handle().
template <typename T>
HWND messageWindow(const wchar_t* className, T* object) {
  registerClass(className, objectProc<T>, -1);
  return CreateWindowExW(0, className, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                         GetModuleHandleW(nullptr), object);
}

// Moves a window to its place (view/placement.h) on the work area of its
// screen: over `owner` while that is shown, else in the middle.
void placeOnScreen(HWND window, HWND owner = nullptr);

}  // namespace trelavka::win32
