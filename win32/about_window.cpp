// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "about_window.h"

namespace trelavka::win32 {
namespace {

constexpr wchar_t kClass[] = L"TrelavkaAbout";
// Fixed: no sizing frame, no maximise or minimise box.
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;

AboutWindow* self(HWND hwnd) {
  return reinterpret_cast<AboutWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
}

bool inside(const RECT& r, POINT p) { return PtInRect(&r, p) != FALSE; }

}  // namespace

AboutWindow::AboutWindow(Clicked clicked)
    : clicked_(std::move(clicked)), scale_{static_cast<int>(GetDpiForSystem())} {
  // The classic colour of an active window's border, as the window was drawn.
  registerClass(kClass, windowProc, COLOR_ACTIVEBORDER, true);

  windowFont_ = makeFont(layout::Font::Window, scale_);
  for (std::size_t row = 0; row < about::kControls.size(); ++row) {
    const about::Control& c = about::kControls[row];
    if (c.points > 0) fonts_[row] = makeFont(c.points, c.bold, scale_);
  }

  RECT outer = scale_.rect(about::kClient);
  AdjustWindowRectExForDpi(&outer, kStyle, FALSE, 0, static_cast<UINT>(scale_.dpi));
  const int width = outer.right - outer.left;
  const int height = outer.bottom - outer.top;
  MONITORINFO mi{};
  mi.cbSize = sizeof mi;
  GetMonitorInfoW(MonitorFromPoint({0, 0}, MONITOR_DEFAULTTOPRIMARY), &mi);
  const RECT& area = mi.rcWork;
  const int x = std::max<int>(area.left, area.left + (area.right - area.left - width) / 2);
  const int y = std::max<int>(area.top, area.top + (area.bottom - area.top - height) / 2);
  const std::wstring title = wide(about::kTitle);
  hwnd_ = CreateWindowExW(0, kClass, title.c_str(), kStyle, x, y, width, height, nullptr, nullptr,
                          GetModuleHandleW(nullptr), this);
  if (hwnd_ == nullptr) return;
  ShowWindow(hwnd_, SW_SHOWNORMAL);
  UpdateWindow(hwnd_);
}

AboutWindow::~AboutWindow() {
  if (hwnd_ != nullptr) {
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

LRESULT CALLBACK AboutWindow::windowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_NCCREATE) {
    auto* window = static_cast<AboutWindow*>(reinterpret_cast<CREATESTRUCTW*>(lp)->lpCreateParams);
    window->hwnd_ = hwnd;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(window));
  }
  AboutWindow* window = self(hwnd);
  if (window == nullptr) return DefWindowProcW(hwnd, msg, wp, lp);
  return window->handle(msg, wp, lp);
}

int AboutWindow::targetAt(POINT p) const {
  // The last row drawn is the one on top.
  for (std::size_t row = about::kControls.size(); row-- > 0;) {
    const about::Control& c = about::kControls[row];
    if (!inside(scale_.rect(c.place), p)) continue;
    return c.click ? static_cast<int>(*c.click) : -1;
  }
  RECT client{};
  GetClientRect(hwnd_, &client);
  return inside(client, p) ? static_cast<int>(AboutTarget::Form) : -1;
}

LRESULT AboutWindow::handle(UINT msg, WPARAM wp, LPARAM lp) {
  const POINT at{static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))};
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
        const bool link = targetAt(p) == static_cast<int>(AboutTarget::Address);
        SetCursor(LoadCursorW(nullptr, link ? MAKEINTRESOURCEW(32515) /* IDC_CROSS */
                                            : MAKEINTRESOURCEW(32512) /* IDC_ARROW */));
        return TRUE;
      }
      break;
    case WM_LBUTTONDOWN:
      pressed_ = targetAt(at);
      SetCapture(hwnd_);
      return 0;
    case WM_LBUTTONUP: {
      // A click is a press and a release over the same control.
      const int pressed = pressed_;
      pressed_ = -1;
      ReleaseCapture();
      if (pressed >= 0 && targetAt(at) == pressed) report(static_cast<AboutTarget>(pressed));
      return 0;
    }
    case WM_CLOSE:
      // Reported, not done: the rules close the window.
      report(AboutTarget::CloseBox);
      return 0;
    case WM_NCDESTROY: {
      HWND gone = hwnd_;
      SetWindowLongPtrW(gone, GWLP_USERDATA, 0);
      hwnd_ = nullptr;
      return DefWindowProcW(gone, msg, wp, lp);
    }
    default:
      break;
  }
  return DefWindowProcW(hwnd_, msg, wp, lp);
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
    RECT place = scale_.rect(c.place);
    if (c.kind == about::Kind::Picture) {
      // Unscaled from its top-left corner; the window clips what overhangs.
      drawImage(dc, image(c.content), place.left, place.top, scale_);
      continue;
    }
    HGDIOBJ old = SelectObject(dc, fonts_[row] != nullptr ? fonts_[row] : windowFont_);
    // The address is plain black text, not a blue underlined link.
    SetTextColor(dc, c.kind == about::Kind::Link ? RGB(0, 0, 0) : GetSysColor(COLOR_BTNTEXT));
    const std::wstring text = wide(c.content);
    // An address too long for its box loses its tail, not its box.
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &place,
              DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOPREFIX |
                  (c.kind == about::Kind::Link ? DT_END_ELLIPSIS : 0));
    SelectObject(dc, old);
  }
}

}  // namespace trelavka::win32
