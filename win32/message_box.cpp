// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "message_box.h"

#include <oleacc.h>

#include <algorithm>

#include "accessible.h"
#include "look.h"

namespace trelavka::win32 {
namespace {

constexpr wchar_t kClass[] = L"TrelavkaBox";
constexpr int kOk = IDOK;

// At 96 DPI, like the system's own boxes.
constexpr int kMargin = 15;
constexpr int kGap = 16;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 23;
constexpr int kMinTextWidth = 60;
constexpr int kMaxTextWidth = 420;
// Title bars hold more than the text: an icon, up to three buttons, each
// about a caption wide, and the gaps between them. Under Wine the X window
// manager draws the title in a face of its own and frames the client area
// alone: openbox's title font ran a quarter wider than the caption font
// measured here, and its icon, buttons and gaps took five captions' width.
constexpr int kTitleItems = 5;
constexpr int kTitlePadding = 24;
constexpr int kWiderFacePercent = 125;

struct Box {
  bool done = false;
  HFONT font = nullptr;
  int spacing = 0;  // digitSpacing(font)
  std::wstring title;

  LRESULT handle(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
      case WM_COMMAND:
        if (LOWORD(wp) == IDOK || LOWORD(wp) == IDCANCEL) {
          done = true;
          return 0;
        }
        break;
      case WM_CLOSE:
        done = true;
        return 0;
      case WM_DRAWITEM:
        drawButton(*reinterpret_cast<const DRAWITEMSTRUCT*>(lp));
        return TRUE;
      case WM_GETOBJECT:
        if (const LRESULT answered = answerGetObject(hwnd, wp, lp)) return answered;
        break;
      case kDescribe: {
        // A dialog named by its title; its text and button say themselves.
        const auto window = reinterpret_cast<HWND>(wp);
        auto& out = *reinterpret_cast<Description*>(lp);
        if (window != hwnd) return describeStandard(window, out) ? TRUE : FALSE;
        out.role = ROLE_SYSTEM_DIALOG;
        out.name = title;
        return TRUE;
      }
      case WM_CTLCOLORSTATIC:
        // The text is drawn with this DC: its digits kept apart, as measured.
        SetTextCharacterExtra(reinterpret_cast<HDC>(wp), spacing);
        SetBkMode(reinterpret_cast<HDC>(wp), TRANSPARENT);
        return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
      default:
        break;
    }
    return DefWindowProcW(hwnd, msg, wp, lp);
  }
};

SIZE textSize(HDC dc, HFONT font, const std::wstring& text, int maxWidth, UINT flags,
              int spacing = 0) {
  HGDIOBJ old = SelectObject(dc, font);
  const int oldSpacing = SetTextCharacterExtra(dc, spacing);
  RECT r{0, 0, maxWidth, 0};
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r, flags | DT_CALCRECT | DT_NOPREFIX);
  SetTextCharacterExtra(dc, oldSpacing);
  SelectObject(dc, old);
  return {r.right - r.left, r.bottom - r.top};
}

// The title's width in the system's caption font plus the room around it.
int titleNeeds(HDC dc, const std::wstring& title, UINT dpi) {
  NONCLIENTMETRICSW ncm{};
  ncm.cbSize = sizeof ncm;
  if (!SystemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, sizeof ncm, &ncm, 0, dpi)) return 0;
  // Bold, as most title bars draw it.
  ncm.lfCaptionFont.lfWeight = std::max<LONG>(ncm.lfCaptionFont.lfWeight, FW_BOLD);
  HFONT caption = CreateFontIndirectW(&ncm.lfCaptionFont);
  const SIZE s = textSize(dc, caption, title, 1 << 20, DT_SINGLELINE);
  DeleteObject(caption);
  const int item = std::max<int>({static_cast<int>(ncm.iCaptionWidth), static_cast<int>(ncm.iCaptionHeight),
                                  GetSystemMetricsForDpi(SM_CXSIZE, dpi)});
  return MulDiv(s.cx, kWiderFacePercent, 100) + kTitleItems * item +
         MulDiv(kTitlePadding, static_cast<int>(dpi), USER_DEFAULT_SCREEN_DPI);
}

}  // namespace

void messageBox(HWND owner, std::string_view titleUtf8, std::string_view textUtf8) {
  registerClass(kClass, objectProc<Box>, COLOR_BTNFACE);
  const std::wstring title = wide(titleUtf8);
  const std::wstring text = wide(textUtf8);
  const UINT dpi = owner != nullptr ? GetDpiForWindow(owner) : GetDpiForSystem();
  const view::Scale scale{static_cast<int>(dpi)};

  Box box;
  box.title = title;
  box.font = makeFont(layout::Font::Window, scale);
  box.spacing = digitSpacing(box.font);
  HDC dc = GetDC(nullptr);
  const SIZE textBox =
      textSize(dc, box.font, text, scale.px(kMaxTextWidth), DT_WORDBREAK, box.spacing);
  const int titleWidth = titleNeeds(dc, title, dpi);
  ReleaseDC(nullptr, dc);

  const int margin = scale.px(kMargin);
  const int textWidth = std::max<int>(textBox.cx, scale.px(kMinTextWidth));
  int clientWidth = std::max(textWidth + 2 * margin, scale.px(kButtonWidth) + 2 * margin);
  const DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU;
  const DWORD exStyle = WS_EX_DLGMODALFRAME;
  clientWidth = std::max(clientWidth, titleWidth);
  const int clientHeight =
      margin + textBox.cy + scale.px(kGap) + scale.px(kButtonHeight) + scale.px(kMargin - 4);

  RECT outer{0, 0, clientWidth, clientHeight};
  AdjustWindowRectExForDpi(&outer, style, FALSE, exStyle, dpi);

  HWND hwnd = CreateWindowExW(exStyle, kClass, title.c_str(), style, 0, 0, outer.right - outer.left,
                              outer.bottom - outer.top, owner, nullptr, GetModuleHandleW(nullptr),
                              &box);
  if (hwnd == nullptr) {
    DeleteObject(box.font);
    return;
  }
  // No icon in the title bar, as a box of style 0 has none.
  SendMessageW(hwnd, WM_SETICON, ICON_SMALL, 0);
  SendMessageW(hwnd, WM_SETICON, ICON_BIG, 0);

  HWND label = CreateWindowExW(0, L"STATIC", text.c_str(),
                               WS_CHILD | WS_VISIBLE | SS_LEFT | SS_NOPREFIX, margin, margin,
                               clientWidth - 2 * margin, textBox.cy, hwnd, nullptr,
                               GetModuleHandleW(nullptr), nullptr);
  SendMessageW(label, WM_SETFONT, reinterpret_cast<WPARAM>(box.font), FALSE);
  const int bw = scale.px(kButtonWidth);
  HWND ok = CreateWindowExW(0, L"BUTTON", L"OK",
                            WS_CHILD | WS_VISIBLE | WS_TABSTOP | kButtonStyle,
                            (clientWidth - bw) / 2, margin + textBox.cy + scale.px(kGap), bw,
                            scale.px(kButtonHeight), hwnd,
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(kOk)),
                            GetModuleHandleW(nullptr), nullptr);
  SendMessageW(ok, WM_SETFONT, reinterpret_cast<WPARAM>(box.font), FALSE);
  answerForControl(label);
  answerForControl(ok);
  placeOnScreen(hwnd, owner);

  const bool ownerWasEnabled = owner != nullptr && IsWindowEnabled(owner);
  if (ownerWasEnabled) EnableWindow(owner, FALSE);
  ShowWindow(hwnd, SW_SHOWNORMAL);
  SetForegroundWindow(hwnd);
  SetFocus(ok);
  // What the system's own boxes announce, so a reader reads this one out.
  NotifyWinEvent(EVENT_SYSTEM_DIALOGSTART, hwnd, OBJID_WINDOW, CHILDID_SELF);

  MSG msg;
  bool quit = false;
  int quitCode = 0;
  while (!box.done) {
    const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
    if (got == 0) {  // WM_QUIT: pass it on to the loop that owns it
      quit = true;
      quitCode = static_cast<int>(msg.wParam);
      break;
    }
    if (got < 0) break;
    if (IsDialogMessageW(hwnd, &msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  // The owner first, so that it gets the activation back when the box goes.
  if (ownerWasEnabled) EnableWindow(owner, TRUE);
  NotifyWinEvent(EVENT_SYSTEM_DIALOGEND, hwnd, OBJID_WINDOW, CHILDID_SELF);
  DestroyWindow(hwnd);
  DeleteObject(box.font);
  if (quit) PostQuitMessage(quitCode);
}

}  // namespace trelavka::win32
