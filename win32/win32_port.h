// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What the rules ask of the outside world, done with Win32: message boxes,
// the sound, the browser, the about window and the end of the program.
#pragma once

#include <windows.h>

#include <memory>

#include "about_window.h"
#include "port.h"
#include "relay.h"
#include "sound_player.h"

namespace trelavka::win32 {

class Port final : public trelavka::Port {
 public:
  Port();
  ~Port() override;
  Port(const Port&) = delete;
  Port& operator=(const Port&) = delete;

  // Boxes are owned by the main window; the about window's clicks go to the
  // rules through the relay.
  void attach(HWND mainWindow, view::EventRelay* relay);

  AboutWindow* aboutWindow() const { return about_.get(); }

  void showMessage(std::string_view title, std::string_view text) override;
  void playSound(std::string_view path) override;
  void openAddress(std::string_view address) override;
  void openAbout() override;
  void raiseAbout() override;
  void closeAbout() override;
  void quit() override;

 private:
  HWND main_ = nullptr;
  view::EventRelay* relay_ = nullptr;
  std::unique_ptr<AboutWindow> about_;
  SoundPlayer sound_;
};

}  // namespace trelavka::win32
