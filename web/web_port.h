// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What the rules ask of the outside world, done by the page.
#pragma once

#include "port.h"
#include "web_sound.h"

namespace trelavka::web {

class MainWindow;

class Port final : public trelavka::Port {
 public:
  void attach(MainWindow* window) { window_ = window; }

  // A box is on the page and the rules wait inside it.
  bool boxOpen() const { return boxOpen_; }

  void showMessage(std::string_view title, std::string_view text) override;
  void playSound(std::string_view path) override;
  void openAddress(std::string_view address) override;
  void openAbout() override;
  void raiseAbout() override;
  void closeAbout() override;
  void quit() override;

 private:
  MainWindow* window_ = nullptr;
  Sounds sounds_;
  bool boxOpen_ = false;
};

}  // namespace trelavka::web
