// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tooltip.h"

#include <oleacc.h>
#include <windowsx.h>

#include "accessible.h"

namespace trelavka::win32 {

namespace {

constexpr wchar_t kClass[] = L"TrelavkaTip";
constexpr UINT_PTR kShowTimer = 1;
constexpr UINT_PTR kHideTimer = 2;
// The system's hover wait, as the common controls take it; shown ten times as long.
UINT showDelay() { return GetDoubleClickTime(); }
constexpr UINT kShownFor = 10;

}  // namespace

Tooltip::Tooltip(HWND owner, HFONT font, int spacing, int maxWidth, int padding)
    : owner_(owner), font_(font), spacing_(spacing), maxWidth_(maxWidth), padding_(padding) {
  registerClass(kClass, objectProc<Tooltip>, COLOR_INFOBK, false, CS_SAVEBITS | CS_DROPSHADOW);
  CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE, kClass, L"", WS_POPUP | WS_BORDER,
                  0, 0, 0, 0, owner, nullptr, GetModuleHandleW(nullptr), this);
}

Tooltip::~Tooltip() {
  if (hwnd_ != nullptr) DestroyWindow(hwnd_);
}

void Tooltip::add(HWND window, std::wstring text) { remember({window, {}, true, std::move(text)}); }

void Tooltip::add(HWND window, const RECT& area, std::wstring text) {
  remember({window, area, false, std::move(text)});
}

void Tooltip::remember(Tool tool) {
  tools_.push_back(std::move(tool));
  current_ = nullptr;  // the vector may have moved
}

const Tooltip::Tool* Tooltip::toolAt(HWND window, POINT p) const {
  for (const Tool& t : tools_) {
    if (t.window == window && (t.whole || PtInRect(&t.area, p))) return &t;
  }
  return nullptr;
}

void Tooltip::relay(const MSG& msg) {
  if (hwnd_ == nullptr) return;
  switch (msg.message) {
    case WM_MOUSEMOVE:
      moved(msg.hwnd, POINT{GET_X_LPARAM(msg.lParam), GET_Y_LPARAM(msg.lParam)});
      break;
    case WM_MOUSELEAVE:
      // Entering a child leaves its parent too; only the last window counts.
      if (msg.hwnd != hot_) break;
      hot_ = nullptr;
      current_ = nullptr;
      hide();
      break;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_MOUSEWHEEL:
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
      hide();
      dismissed_ = current_ != nullptr;
      break;
    default:
      break;
  }
}

void Tooltip::moved(HWND window, POINT p) {
  if (window != hot_) {
    hot_ = window;
    TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, window, 0};
    TrackMouseEvent(&track);
  }
  const Tool* tool = toolAt(window, p);
  const bool still = tool == current_ && p.x == last_.x && p.y == last_.y;
  last_ = p;
  if (tool != current_) {
    hide();
    current_ = tool;
    dismissed_ = false;
  }
  // The tip waits for the mouse to rest; once up, it stays where it is.
  if (current_ == nullptr || dismissed_ || IsWindowVisible(hwnd_) || still) return;
  SetTimer(hwnd_, kShowTimer, showDelay(), nullptr);
}

void Tooltip::show() {
  KillTimer(hwnd_, kShowTimer);
  // A box that opened meanwhile, or a picture the clock hid, takes its tip along.
  if (current_ == nullptr || !IsWindowEnabled(owner_) || !IsWindowVisible(current_->window)) return;
  SetWindowTextW(hwnd_, current_->text.c_str());
  HDC dc = GetDC(hwnd_);
  HGDIOBJ old = SelectObject(dc, font_);
  SetTextCharacterExtra(dc, spacing_);
  RECT text{0, 0, maxWidth_, 0};
  DrawTextW(dc, current_->text.c_str(), -1, &text, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
  SelectObject(dc, old);
  ReleaseDC(hwnd_, dc);
  RECT r{0, 0, text.right + 2 * padding_, text.bottom + 2 * padding_};
  AdjustWindowRectEx(&r, WS_POPUP | WS_BORDER, FALSE, WS_EX_TOOLWINDOW);
  const int width = r.right - r.left, height = r.bottom - r.top;

  // Below the pointer, kept on its screen.
  POINT at{};
  GetCursorPos(&at);
  const int below = GetSystemMetricsForDpi(SM_CYCURSOR, GetDpiForWindow(owner_)) * 2 / 3;
  MONITORINFO mi{};
  mi.cbSize = sizeof mi;
  GetMonitorInfoW(MonitorFromPoint(at, MONITOR_DEFAULTTONEAREST), &mi);
  const RECT& screen = mi.rcWork;
  int x = at.x, y = at.y + below;
  if (x + width > screen.right) x = screen.right - width;
  if (x < screen.left) x = screen.left;
  if (y + height > screen.bottom) y = at.y - height;
  SetWindowPos(hwnd_, HWND_TOPMOST, x, y, width, height, SWP_NOACTIVATE | SWP_SHOWWINDOW);
  SetTimer(hwnd_, kHideTimer, showDelay() * kShownFor, nullptr);
}

void Tooltip::hide() {
  if (hwnd_ == nullptr) return;
  KillTimer(hwnd_, kShowTimer);
  KillTimer(hwnd_, kHideTimer);
  if (IsWindowVisible(hwnd_)) ShowWindow(hwnd_, SW_HIDE);
}

LRESULT Tooltip::handle(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_TIMER:
      if (wp == kShowTimer) {
        show();
      } else if (wp == kHideTimer) {
        hide();
        dismissed_ = true;
      }
      return 0;
    case WM_NCHITTEST:
      return HTTRANSPARENT;
    case WM_GETOBJECT:
      if (const LRESULT answered = answerGetObject(hwnd, wp, lp)) return answered;
      break;
    case kDescribe: {
      if (reinterpret_cast<HWND>(wp) != hwnd) return FALSE;
      auto& out = *reinterpret_cast<Description*>(lp);
      out.role = ROLE_SYSTEM_TOOLTIP;
      out.name = windowText(hwnd);
      return TRUE;
    }
    case WM_MOUSEACTIVATE:
      return MA_NOACTIVATE;
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(hwnd, &ps);
      RECT r{};
      GetClientRect(hwnd, &r);
      InflateRect(&r, -padding_, -padding_);
      HGDIOBJ old = SelectObject(dc, font_);
      SetTextCharacterExtra(dc, spacing_);
      SetBkMode(dc, TRANSPARENT);
      SetTextColor(dc, GetSysColor(COLOR_INFOTEXT));
      const std::wstring text = windowText(hwnd);
      DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r, DT_WORDBREAK | DT_NOPREFIX);
      SelectObject(dc, old);
      EndPaint(hwnd, &ps);
      return 0;
    }
    default:
      break;
  }
  return DefWindowProcW(hwnd, msg, wp, lp);
}

}  // namespace trelavka::win32
