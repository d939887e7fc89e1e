// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What the rules ask of the outside world, done with Win32: message boxes,
// the sound, the browser, the about window and the end of the program.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "about_window.h"
#include "port.h"
#include "relay.h"

namespace trelavka::win32 {

class Win32Port final : public Port {
 public:
  Win32Port();
  ~Win32Port() override;
  Win32Port(const Win32Port&) = delete;
  Win32Port& operator=(const Win32Port&) = delete;

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
};

// Where a data file named relative to the working folder is: there when the
// working folder has the file's folder (data\), else beside the .exe, so a
// double-click or a shortcut without "Start in" finds it too. The same order
// as view/data_dirs.h, written with the system's calls: std::filesystem
// would add some 800 KB to the static .exe.
std::wstring dataFile(std::string_view relative);

}  // namespace trelavka::win32
