// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "main_window.h"

#include <oleacc.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "accessible.h"
#include "accessible_names.h"
#include "layout.h"
#include "look.h"
#include "menu.h"
#include "menu_text.h"

namespace trelavka::win32 {
namespace {

constexpr wchar_t kWindowClass[] = L"Trelavka";
constexpr wchar_t kCounterClass[] = L"TrelavkaCounter";
constexpr wchar_t kPictureClass[] = L"TrelavkaPicture";
// A fixed window: no sizing frame, no maximise or minimise box.
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;

// Command ids: menu items by their row in the menu table, controls by their
// row in the layout table; clear of IDOK and IDCANCEL.
constexpr UINT kFirstMenuId = 100;
constexpr UINT kFirstControlId = 1000;

constexpr int kCounterPadding = 3;
// At 96 dpi: the room between a menu item's caption and its shortcut, and
// right of the shortcut, about as the Qt build's menus leave them.
constexpr int kShortcutGap = 40;
constexpr int kMenuItemEnd = 12;
constexpr int kMenuItemPadding = 3;

UINT menuId(std::size_t row) { return kFirstMenuId + static_cast<UINT>(row); }
UINT controlId(std::size_t row) { return kFirstControlId + static_cast<UINT>(row); }
const layout::Control* controlRow(UINT id) {
  if (id < kFirstControlId || id >= kFirstControlId + layout::kControls.size()) return nullptr;
  return &layout::kControls[id - kFirstControlId];
}
const layout::Control& rowOf(HWND control) {
  return *controlRow(static_cast<UINT>(GetDlgCtrlID(control)));
}

std::wstring menuText(const MenuItem& item) {
  std::wstring text = wide(view::escapeAccessKeys(item.caption));
  // The shortcut's own column, as the table writes it.
  if (!item.shortcut.empty()) text += L"\t" + wide(item.shortcut);
  return text;
}

HFONT systemMenuFont(int dpi) {
  NONCLIENTMETRICSW ncm{};
  ncm.cbSize = sizeof ncm;
  if (!SystemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, sizeof ncm, &ncm, 0, static_cast<UINT>(dpi))) {
    return nullptr;
  }
  return CreateFontIndirectW(&ncm.lfMenuFont);
}

}  // namespace

MainWindow::MainWindow(Model& model, view::EventRelay& relay)
    : model_(model), relay_(relay), scale_(systemScale()) {
  registerClass(kWindowClass, objectProc<MainWindow>, COLOR_BTNFACE, true);
  // Drawn on change through DCs of their own (paintNow).
  registerClass(kCounterClass, paintedProc<&MainWindow::paintCounter>, -1, false, CS_OWNDC);
  registerClass(kPictureClass, paintedProc<&MainWindow::paintPicture>, -1, false, CS_OWNDC);
  menuFont_ = systemMenuFont(scale_.dpi);

  const RECT client = rectAt(scale_, layout::kClient);
  RECT outer = client;
  AdjustWindowRectExForDpi(&outer, kStyle, TRUE, 0, static_cast<UINT>(scale_.dpi));
  const std::wstring title = wide(layout::kTitle);
  hwnd_ = CreateWindowExW(0, kWindowClass, title.c_str(), kStyle, CW_USEDEFAULT, CW_USEDEFAULT,
                          outer.right - outer.left, outer.bottom - outer.top, nullptr, nullptr,
                          GetModuleHandleW(nullptr), this);
  buildMenus();
  // A menu bar that wraps to two lines would take the room from the client area.
  RECT got{};
  GetClientRect(hwnd_, &got);
  if (got.bottom != client.bottom || got.right != client.right) {
    RECT w{};
    GetWindowRect(hwnd_, &w);
    SetWindowPos(hwnd_, nullptr, 0, 0, w.right - w.left + client.right - got.right,
                 w.bottom - w.top + client.bottom - got.bottom, SWP_NOMOVE | SWP_NOZORDER);
  }
  model_.addObserver(this);
}

MainWindow::~MainWindow() {
  model_.removeObserver(this);
  if (hwnd_ != nullptr) DestroyWindow(hwnd_);
  if (accelerators_ != nullptr) DestroyAcceleratorTable(accelerators_);
  if (windowFont_ != nullptr) DeleteObject(windowFont_);
  if (captionFont_ != nullptr) DeleteObject(captionFont_);
  if (resultFont_ != nullptr) DeleteObject(resultFont_);
  if (menuFont_ != nullptr) DeleteObject(menuFont_);
}

void MainWindow::buildMenus() {
  HMENU bar = CreateMenu();
  std::map<std::string_view, HMENU> menus;
  std::vector<ACCEL> keys;
  for (std::size_t row = 0; row < kMenu.size(); ++row) {
    const MenuItem& item = kMenu[row];
    HMENU parent = item.parent.empty() ? bar : menus[item.parent];
    const std::wstring text = menuText(item);
    if (item.action == MenuAction::Submenu) {
      HMENU sub = CreatePopupMenu();
      AppendMenuW(parent, MF_STRING | MF_POPUP, reinterpret_cast<UINT_PTR>(sub), text.c_str());
      menus[item.name] = sub;
      continue;
    }
    if (item.shortcut.empty() || menuFont_ == nullptr) {
      AppendMenuW(parent, MF_STRING, menuId(row), text.c_str());
    } else {
      ShortcutItem& drawn = shortcutItems_[row];
      drawn.text = text;
      drawn.caption = wide(item.caption);
      drawn.shortcut = wide(item.shortcut);
      drawn.forReaders = {static_cast<DWORD>(MSAA_MENU_SIG), static_cast<DWORD>(drawn.text.size()),
                          drawn.text.data()};
      AppendMenuW(parent, MF_OWNERDRAW, menuId(row), reinterpret_cast<LPCWSTR>(&drawn));
    }
    if (const auto shortcut = view::parseShortcut(item.shortcut)) {
      const BYTE modifiers = shortcut->ctrl ? FCONTROL : 0;
      keys.push_back({static_cast<BYTE>(FVIRTKEY | modifiers), static_cast<WORD>(shortcut->key),
                      static_cast<WORD>(menuId(row))});
    }
  }
  SetMenu(hwnd_, bar);
  if (!keys.empty()) accelerators_ = CreateAcceleratorTableW(keys.data(), static_cast<int>(keys.size()));
}

// After the welcome box: the box comes up sooner, and the controls read the
// model as it stands when they are made.
void MainWindow::buildControls() {
  windowFont_ = makeFont(layout::Font::Window, scale_);
  captionFont_ = makeFont(layout::Font::Caption, scale_);
  resultFont_ = makeFont(layout::Font::Result, scale_);
  counterSpacing_ = digitSpacing(windowFont_);
  tips_ = std::make_unique<Tooltip>(hwnd_, windowFont_, counterSpacing_, scale_.px(600), scale_.px(2));

  HINSTANCE instance = GetModuleHandleW(nullptr);
  for (std::size_t row = 0; row < layout::kControls.size(); ++row) {
    const layout::Control& c = layout::kControls[row];
    // A container the system failed to create takes its pictures along.
    HWND parent = c.container == Picture::None ? hwnd_ : pictures_[index(c.container)];
    if (parent == nullptr) continue;
    const RECT r = rectAt(scale_, c.place);
    const auto create = [&](const wchar_t* cls, const std::wstring& text, DWORD style) {
      return CreateWindowExW(0, cls, text.c_str(), WS_CHILD | WS_CLIPSIBLINGS | style, r.left,
                             r.top, r.right - r.left, r.bottom - r.top, parent,
                             reinterpret_cast<HMENU>(static_cast<INT_PTR>(controlId(row))),
                             instance, this);
    };
    HWND control = nullptr;
    switch (c.kind) {
      case layout::Kind::Caption:
        control = create(L"STATIC", wide(c.caption), WS_VISIBLE | SS_LEFT | SS_NOPREFIX);
        break;
      case layout::Kind::Counter: {
        control = create(kCounterClass, L"", WS_VISIBLE | WS_DISABLED);
        counters_[index(std::get<Counter>(c.shows))] = control;
        break;
      }
      case layout::Kind::Button: {
        const Button b = std::get<Button>(c.shows);
        const ButtonState s = model_.button(b);
        control = create(L"BUTTON", wide(c.caption),
                         kButtonStyle | WS_TABSTOP | (s.shown ? WS_VISIBLE : 0) |
                             (s.enabled ? 0 : WS_DISABLED));
        buttons_[index(b)] = control;
        break;
      }
      case layout::Kind::Picture: {
        const Picture p = std::get<Picture>(c.shows);
        control = create(kPictureClass, L"", WS_CLIPCHILDREN | (model_.shown(p) ? WS_VISIBLE : 0));
        pictures_[index(p)] = control;
        break;
      }
      case layout::Kind::Result:
        // Drawn by the map itself, below every picture on it.
        continue;
    }
    if (control == nullptr) continue;
    if (c.kind == layout::Kind::Caption || c.kind == layout::Kind::Button) answerForControl(control);
    // A later row lies above an earlier one.
    SetWindowPos(control, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    SendMessageW(control, WM_SETFONT,
                 reinterpret_cast<WPARAM>(c.font == layout::Font::Caption ? captionFont_
                                          : c.font == layout::Font::Result ? resultFont_
                                                                           : windowFont_),
                 FALSE);
    if (!c.tooltip.empty()) addTooltip(control, parent, c.tooltip, c.kind == layout::Kind::Counter);
  }
}

void MainWindow::addTooltip(HWND control, HWND parent, std::string_view text, bool disabled) {
  if (!disabled) {
    // On the control itself, so a hidden one shows none.
    tips_->add(control, wide(text));
    return;
  }
  // A disabled control gets no mouse messages; its parent does, over its place.
  RECT area{};
  GetWindowRect(control, &area);
  MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&area), 2);
  tips_->add(parent, area, wide(text));
}

void MainWindow::measureMenuItem(MEASUREITEMSTRUCT& item) {
  const auto& drawn = *reinterpret_cast<const ShortcutItem*>(item.itemData);
  HDC dc = GetDC(hwnd_);
  HGDIOBJ old = SelectObject(dc, menuFont_);
  SIZE caption{}, shortcut{};
  GetTextExtentPoint32W(dc, drawn.caption.c_str(), static_cast<int>(drawn.caption.size()), &caption);
  GetTextExtentPoint32W(dc, drawn.shortcut.c_str(), static_cast<int>(drawn.shortcut.size()), &shortcut);
  SelectObject(dc, old);
  ReleaseDC(hwnd_, dc);
  // The check mark's column first, where the other items' captions begin.
  item.itemWidth = static_cast<UINT>(GetSystemMetricsForDpi(SM_CXMENUCHECK, static_cast<UINT>(scale_.dpi)) +
                                     caption.cx + scale_.px(kShortcutGap) + shortcut.cx +
                                     scale_.px(kMenuItemEnd));
  item.itemHeight = static_cast<UINT>(std::max<int>(
      static_cast<int>(caption.cy) + 2 * scale_.px(kMenuItemPadding),
      GetSystemMetricsForDpi(SM_CYMENUSIZE, static_cast<UINT>(scale_.dpi))));
}

void MainWindow::drawMenuItem(const DRAWITEMSTRUCT& item) {
  const auto& drawn = *reinterpret_cast<const ShortcutItem*>(item.itemData);
  BOOL flat = FALSE;
  SystemParametersInfoW(SPI_GETFLATMENU, 0, &flat, 0);
  const bool selected = (item.itemState & ODS_SELECTED) != 0;
  const bool grayed = (item.itemState & (ODS_GRAYED | ODS_DISABLED)) != 0;
  FillRect(item.hDC, &item.rcItem,
           GetSysColorBrush(!selected ? COLOR_MENU : flat ? COLOR_MENUHILIGHT : COLOR_HIGHLIGHT));
  HGDIOBJ old = SelectObject(item.hDC, menuFont_);
  SetBkMode(item.hDC, TRANSPARENT);
  SetTextColor(item.hDC, GetSysColor(grayed     ? COLOR_GRAYTEXT
                                     : selected ? COLOR_HIGHLIGHTTEXT
                                                : COLOR_MENUTEXT));
  RECT r = item.rcItem;
  r.left += GetSystemMetricsForDpi(SM_CXMENUCHECK, static_cast<UINT>(scale_.dpi));
  r.right -= scale_.px(kMenuItemEnd);
  DrawTextW(item.hDC, drawn.caption.c_str(), static_cast<int>(drawn.caption.size()), &r,
            DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  DrawTextW(item.hDC, drawn.shortcut.c_str(), static_cast<int>(drawn.shortcut.size()), &r,
            DT_RIGHT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  SelectObject(item.hDC, old);
}

void MainWindow::showCentred() {
  buildControls();
  placeOnScreen(hwnd_);
  ShowWindow(hwnd_, SW_SHOWNORMAL);
  UpdateWindow(hwnd_);
}

LRESULT MainWindow::handle(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_COMMAND:
      command(LOWORD(wp), HIWORD(wp));
      return 0;
    case WM_CTLCOLORSTATIC: {
      HDC dc = reinterpret_cast<HDC>(wp);
      SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
      SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
      return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
    }
    case WM_MEASUREITEM: {
      auto& item = *reinterpret_cast<MEASUREITEMSTRUCT*>(lp);
      if (item.CtlType != ODT_MENU) break;
      measureMenuItem(item);
      return TRUE;
    }
    case WM_DRAWITEM: {
      const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lp);
      if (item.CtlType == ODT_BUTTON) {
        drawButton(item);
      } else if (item.CtlType == ODT_MENU) {
        drawMenuItem(item);
      } else {
        break;
      }
      return TRUE;
    }
    case WM_GETOBJECT:
      if (const LRESULT answered = answerGetObject(hwnd, wp, lp)) return answered;
      break;
    case kDescribe:
      return describe(reinterpret_cast<HWND>(wp), *reinterpret_cast<Description*>(lp)) ? TRUE : FALSE;
    case WM_ENABLE:
      // A box opened over the window; its tip goes.
      if (wp == FALSE && tips_ != nullptr) tips_->hide();
      break;
    case WM_CLOSE:
      relay_.closeMainWindow();
      if (relay_.game().ended()) ShowWindow(hwnd_, SW_HIDE);
      return 0;
    default:
      break;
  }
  return DefWindowProcW(hwnd, msg, wp, lp);
}

// Roles by the layout's kinds; names from the one table of them.
bool MainWindow::describe(HWND window, Description& out) const {
  if (window == hwnd_) {
    out.role = ROLE_SYSTEM_CLIENT;
    out.name = wide(layout::kTitle);
    return true;
  }
  const layout::Control* row = controlRow(static_cast<UINT>(GetDlgCtrlID(window)));
  if (row == nullptr || !IsChild(hwnd_, window)) return false;
  out.name = wide(view::accessibleName(*row));
  out.help = wide(row->tooltip);
  switch (row->kind) {
    case layout::Kind::Counter:
      out.role = ROLE_SYSTEM_TEXT;
      out.value = wide(model_.counterText(std::get<Counter>(row->shows)));
      out.readOnly = true;
      return true;
    case layout::Kind::Caption:
      out.role = ROLE_SYSTEM_STATICTEXT;
      return true;
    case layout::Kind::Button:
      out.role = ROLE_SYSTEM_PUSHBUTTON;
      return true;
    case layout::Kind::Picture:
      out.role = ROLE_SYSTEM_GRAPHIC;
      // The labels drawn on it at the end of the game.
      for (const layout::Control& c : layout::kControls) {
        if (c.kind != layout::Kind::Result || layout::Shows{c.container} != row->shows) continue;
        if (!model_.shown(std::get<Label>(c.shows))) continue;
        out.description += (out.description.empty() ? L"" : L"\n") + wide(c.caption);
      }
      return true;
    case layout::Kind::Result:
      break;
  }
  return false;
}

void MainWindow::command(UINT id, UINT code) {
  if (id >= kFirstMenuId && id < kFirstMenuId + kMenu.size()) {
    relay_.choose(kMenu[id - kFirstMenuId].name);
    return;
  }
  const layout::Control* row = controlRow(id);
  if (row == nullptr || row->kind != layout::Kind::Button || code != BN_CLICKED) return;
  relay_.press(std::get<Button>(row->shows));
}

// The counters and pictures are windows that only paint themselves, each
// through its own member of the window that made it.
template <void (MainWindow::*Paint)(HWND, HDC)>
LRESULT CALLBACK MainWindow::paintedProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  MainWindow* window = windowObject<MainWindow>(hwnd, msg, lp);
  switch (msg) {
    case WM_ERASEBKGND:
      return 1;
    case WM_GETOBJECT:
      if (const LRESULT answered = answerGetObject(hwnd, wp, lp)) return answered;
      break;
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(hwnd, &ps);
      if (window != nullptr) (window->*Paint)(hwnd, dc);
      EndPaint(hwnd, &ps);
      return 0;
    }
    default:
      break;
  }
  return DefWindowProcW(hwnd, msg, wp, lp);
}

// Drawn like the Qt build's read-only fields: a thin frame and dark digits,
// not the system's grey text of a disabled edit.
void MainWindow::paintCounter(HWND hwnd, HDC dc) {
  RECT r{};
  GetClientRect(hwnd, &r);
  FillRect(dc, &r, GetSysColorBrush(COLOR_BTNSHADOW));
  RECT inner{r.left + 1, r.top + 1, r.right - 1, r.bottom - 1};
  FillRect(dc, &inner, GetSysColorBrush(COLOR_BTNFACE));
  const std::wstring text = wide(model_.counterText(std::get<Counter>(rowOf(hwnd).shows)));
  HGDIOBJ old = SelectObject(dc, windowFont_);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
  SetTextCharacterExtra(dc, counterSpacing_);
  inner.left += scale_.px(kCounterPadding);
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &inner,
            DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  SelectObject(dc, old);
}

// The image unscaled from the top-left corner, clipped by the box; the
// result labels that lie on this picture are drawn on its surface.
void MainWindow::paintPicture(HWND hwnd, HDC dc) {
  const layout::Control& row = rowOf(hwnd);
  RECT r{};
  GetClientRect(hwnd, &r);
  FillRect(dc, &r, GetSysColorBrush(COLOR_BTNFACE));
  drawImage(dc, image(row.image), 0, 0, scale_);
  HGDIOBJ old = SelectObject(dc, resultFont_);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
  for (const layout::Control& c : layout::kControls) {
    if (c.kind != layout::Kind::Result || layout::Shows{c.container} != row.shows) continue;
    if (!model_.shown(std::get<Label>(c.shows))) continue;
    const std::wstring text = wide(c.caption);
    RECT place = rectAt(scale_, c.place);
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &place,
              DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOPREFIX);
  }
  SelectObject(dc, old);
}

// Drawn at once rather than invalidated: the rules may go on for a while (a
// box), and under Wine an invalidation and its WM_PAINT cost some seven
// requests of the server, the owned DC's drawing none.
void MainWindow::paintNow(HWND window, void (MainWindow::*paint)(HWND, HDC)) {
  // Before the controls are made (the welcome box) there is nothing to draw:
  // each reads the model when it is made. A null DC would be the screen's.
  if (window == nullptr) return;
  if (HDC dc = GetDC(window)) {
    (this->*paint)(window, dc);
    ReleaseDC(window, dc);
  }
}

void MainWindow::counterWritten(Counter c, std::int64_t) {
  paintNow(counters_[index(c)], &MainWindow::paintCounter);
  valueChanged(counters_[index(c)]);
}

// Shown at once through the picture's own DC, and hidden without the system's
// erasing and frame painting, which take a DC each (under Wine about ten
// requests of its server): only what the picture uncovers paints.
void MainWindow::pictureChanged(Picture p, bool shown) {
  HWND picture = pictures_[index(p)];
  if (picture == nullptr) return;
  SetWindowPos(picture, nullptr, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW |
                   (shown ? SWP_SHOWWINDOW : SWP_HIDEWINDOW));
  if (!shown) {
    HWND parent = GetParent(picture);
    RECT uncovered{};
    GetWindowRect(picture, &uncovered);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&uncovered), 2);
    RedrawWindow(parent, &uncovered, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
    return;
  }
  paintNow(picture, &MainWindow::paintPicture);
  // Pictures on it that were shown while it was not come into view with it.
  for (const layout::Control& c : layout::kControls) {
    if (c.kind != layout::Kind::Picture || c.container != p) continue;
    RedrawWindow(pictures_[index(std::get<Picture>(c.shows))], nullptr, nullptr, RDW_INVALIDATE);
  }
}

void MainWindow::labelChanged(Label l, bool) {
  for (const layout::Control& c : layout::kControls) {
    if (c.kind != layout::Kind::Result || std::get<Label>(c.shows) != l) continue;
    if (pictures_[index(c.container)] == nullptr) continue;
    RECT place = rectAt(scale_, c.place);
    InvalidateRect(pictures_[index(c.container)], &place, FALSE);
  }
}

void MainWindow::buttonChanged(Button b, bool shown, bool enabled) {
  HWND button = buttons_[index(b)];
  if (button == nullptr) return;
  const bool hadFocus = GetFocus() == button;
  EnableWindow(button, enabled ? TRUE : FALSE);
  ShowWindow(button, shown ? SW_SHOWNA : SW_HIDE);
  if (GetActiveWindow() != hwnd_) return;
  HWND now = GetFocus();
  const bool lost = now == nullptr || now == hwnd_ || (GetWindowLongW(now, GWL_STYLE) & WS_VISIBLE) == 0;
  if (const auto heir = focus_.changed(model_, b, hadFocus, lost)) SetFocus(buttons_[index(*heir)]);
}

}  // namespace trelavka::win32
