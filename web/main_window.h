// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The main window "Trelavka" as elements of the page: the control strip, the
// town map and the menus, built from the layout and menu tables. It shows what
// the model holds and keeps no value of its own.
#pragma once

#include <array>
#include <functional>
#include <optional>

#include "about_window.h"
#include "button_focus.h"
#include "controls.h"
#include "model.h"

namespace trelavka::web {

class MainWindow final : private ModelObserver {
 public:
  // `closed` runs once the window has gone, at the game's end.
  MainWindow(Model& model, std::function<void()> closed);
  ~MainWindow() override;
  MainWindow(const MainWindow&) = delete;
  MainWindow& operator=(const MainWindow&) = delete;

  void show();
  // Placed in the page, with the about window, scaled down to fit where
  // the page is too small (at a change of its size).
  void place();
  // The game has ended: the about window and this one go, and the page
  // says so.
  void close();

  void openAbout();
  void raiseAbout();
  void closeAbout();
  // The about window while it is open, else null.
  AboutWindow* about() { return about_ ? &*about_ : nullptr; }

 private:
  void buildControls();
  void buildMenus();
  void counterWritten(Counter c, std::int64_t value) override;
  void pictureChanged(Picture p, bool shown) override;
  void labelChanged(Label l, bool shown) override;
  void buttonChanged(Button b, bool shown, bool enabled) override;

  Model& model_;
  std::function<void()> closed_;
  view::ButtonFocus focus_;
  std::optional<AboutWindow> about_;
  std::array<int, kCounterCount> counters_{};
  std::array<int, kPictureCount> pictures_{};
  std::array<int, kLabelCount> results_{};
  std::array<int, kButtonCount> buttons_{};
};

}  // namespace trelavka::web
