// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "about_window.h"

#include "look.h"

namespace trelavka::win32 {
namespace {

constexpr wchar_t kClass[] = L"TrelavkaAbout";
// Fixed: no sizing frame, no maximise or minimise box.
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;

}  // namespace

AboutWindow::AboutWindow(Clicked clicked)
    : clicked_(std::move(clicked)), scale_(systemScale()), clicks_(scale_) {
  // The classic colour of an active window's border, as the window was drawn.
  registerClass(kClass, objectProc<AboutWindow>, COLOR_ACTIVEBORDER, true);

  windowFont_ = makeFont(layout::Font::Window, scale_);
  for (std::size_t row = 0; row < about::kControls.size(); ++row) {
    const about::Control& c = about::kControls[row];
    if (c.points > 0) fonts_[row] = makeFont(c.points, c.bold, scale_);
  }

  RECT outer = rectAt(scale_, about::kClient);
  AdjustWindowRectExForDpi(&outer, kStyle, FALSE, 0, static_cast<UINT>(scale_.dpi));
  const std::wstring title = wide(about::kTitle);
  hwnd_ = CreateWindowExW(0, kClass, title.c_str(), kStyle, 0, 0, outer.right - outer.left,
                          outer.bottom - outer.top, nullptr, nullptr, GetModuleHandleW(nullptr),
                          this);
  if (hwnd_ == nullptr) return;
  placeOnScreen(hwnd_);
  ShowWindow(hwnd_, SW_SHOWNORMAL);
  UpdateWindow(hwnd_);
}

AboutWindow::~AboutWindow() {
  if (hwnd_ != nullptr) {
    // Gone for the rules already: its last messages must not reach them.
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
    DestroyWindow(hwnd_);
  }
  DeleteObject(windowFont_);
  for (HFONT f : fonts_) {
    if (f != nullptr) DeleteObject(f);
  }
}

void AboutWindow::raise() {
  if (hwnd_ == nullptr) return;
  if (IsIconic(hwnd_)) ShowWindow(hwnd_, SW_RESTORE);
  ShowWindow(hwnd_, SW_SHOW);
  BringWindowToTop(hwnd_);
  SetForegroundWindow(hwnd_);
  // Same thread as the active main window: this activates it where the
  // window manager ignores a foreground request.
  SetActiveWindow(hwnd_);
}

LRESULT AboutWindow::handle(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  const view::Point at{static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))};
  switch (msg) {
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(hwnd_, &ps);
      paint(dc);
      EndPaint(hwnd_, &ps);
      return 0;
    }
    case WM_SETCURSOR:
      if (LOWORD(lp) == HTCLIENT) {
        POINT p{};
        GetCursorPos(&p);
        ScreenToClient(hwnd_, &p);
        const bool cross = clicks_.pointerAt({p.x, p.y}) == view::Pointer::Crosshair;
        SetCursor(LoadCursorW(nullptr, cross ? MAKEINTRESOURCEW(32515) /* IDC_CROSS */
                                             : MAKEINTRESOURCEW(32512) /* IDC_ARROW */));
        return TRUE;
      }
      break;
    case WM_LBUTTONDOWN:
      clicks_.press(at, true);
      SetCapture(hwnd_);
      return 0;
    case WM_LBUTTONUP: {
      ReleaseCapture();
      if (const auto target = clicks_.release(at, true)) report(*target);
      return 0;
    }
    case WM_CLOSE:
      // Reported, not done: the rules close the window.
      report(AboutTarget::CloseBox);
      return 0;
    default:
      break;
  }
  return DefWindowProcW(hwnd, msg, wp, lp);
}

// The rules may destroy this window, and with it its callback, while the
// callback runs: a copy on the stack outlives it, and nothing of the window is
// touched afterwards.
void AboutWindow::report(AboutTarget target) {
  const Clicked clicked = clicked_;
  clicked(target);
}

void AboutWindow::paint(HDC dc) {
  SetBkMode(dc, TRANSPARENT);
  for (std::size_t row = 0; row < about::kControls.size(); ++row) {
    const about::Control& c = about::kControls[row];
    RECT place = rectAt(scale_, c.place);
    if (c.kind == about::Kind::Picture) {
      drawImage(dc, image(c.content), place.left, place.top, scale_);
      continue;
    }
    HGDIOBJ old = SelectObject(dc, fonts_[row] != nullptr ? fonts_[row] : windowFont_);
    SetTextColor(dc, c.kind == about::Kind::Link ? RGB(0, 0, 0) : GetSysColor(COLOR_BTNTEXT));
    const std::wstring text = wide(c.content);
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &place,
              DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOPREFIX |
                  (c.kind == about::Kind::Link ? DT_END_ELLIPSIS : 0));
    SelectObject(dc, old);
  }
}

}  // namespace trelavka::win32
