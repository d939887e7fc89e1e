// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The main window "Trelavka" under Win32: the control strip, the town map and
// the menus, built from the layout and menu tables. It shows what the model
// holds and hands what the player does to the rules; it keeps no value of its own.
#pragma once

#include <windows.h>
#include <oleacc.h>

#include <array>
#include <memory>
#include <string>
#include <string_view>

#include "accessible.h"
#include "button_focus.h"
#include "geometry.h"
#include "look.h"
#include "menu.h"
#include "model.h"
#include "relay.h"
#include "tooltip.h"

namespace trelavka::win32 {

class MainWindow final : public OwnWindow, private ModelObserver {
 public:
  MainWindow(Model& model, view::EventRelay& relay);
  ~MainWindow() override;
  MainWindow(const MainWindow&) = delete;
  MainWindow& operator=(const MainWindow&) = delete;

  HACCEL accelerators() const { return accelerators_; }
  // Every message the thread takes, for the hover tips.
  void relay(const MSG& msg) {
    if (tips_ != nullptr) tips_->relay(msg);
  }

  // Makes the controls and shows the window in the middle of its screen's
  // work area; once, after the welcome box.
  void showCentred();

  // Its window's messages.
  LRESULT handle(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);

 private:
  template <void (MainWindow::*Paint)(HWND, HDC)>
  static LRESULT CALLBACK paintedProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);

  void buildControls();
  void buildMenus();
  void measureMenuItem(MEASUREITEMSTRUCT& item);
  void drawMenuItem(const DRAWITEMSTRUCT& item);
  void addTooltip(HWND control, HWND parent, std::string_view text, bool disabled);
  void paintCounter(HWND hwnd, HDC dc);
  void paintPicture(HWND hwnd, HDC dc);
  void paintNow(HWND window, void (MainWindow::*paint)(HWND, HDC));
  void command(UINT id, UINT code);
  // What a screen reader is told of this window or one of its controls.
  bool describe(HWND window, Description& out) const;

  void counterWritten(Counter c, std::int64_t value) override;
  void pictureChanged(Picture p, bool shown) override;
  void labelChanged(Label l, bool shown) override;
  void buttonChanged(Button b, bool shown, bool enabled) override;

  Model& model_;
  view::EventRelay& relay_;
  view::Scale scale_;
  std::unique_ptr<Tooltip> tips_;
  HACCEL accelerators_ = nullptr;
  HFONT windowFont_ = nullptr;
  HFONT captionFont_ = nullptr;
  HFONT resultFont_ = nullptr;
  int counterSpacing_ = 0;  // digitSpacing(windowFont_)
  HFONT menuFont_ = nullptr;

  // A menu item with a shortcut is drawn by the window, the shortcut apart
  // at the right as on Linux; a tab in its text put it one space after the
  // caption. The record starts as the system's reader support looks for it.
  struct ShortcutItem {
    MSAAMENUINFO forReaders{};
    std::wstring text;  // "Konec\tCtrl+K"
    std::wstring caption;
    std::wstring shortcut;
  };
  std::array<ShortcutItem, kMenu.size()> shortcutItems_{};
  std::array<HWND, kCounterCount> counters_{};
  std::array<HWND, kPictureCount> pictures_{};
  std::array<HWND, kButtonCount> buttons_{};
  view::ButtonFocus focus_;
};

}  // namespace trelavka::win32
