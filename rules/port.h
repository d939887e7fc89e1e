// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What the rules cannot do by themselves. Each front end (Qt on Linux, Win32,
// the browser's) and the headless toolkit implement this; nothing else of the
// outside world reaches the rules.
#pragma once

#include <string_view>

namespace trelavka {

class Port {
 public:
  virtual ~Port() = default;
  // A modal box with one OK button and no icon; returns when the player closed it.
  virtual void showMessage(std::string_view title, std::string_view text) = 0;
  // Starts the sound in the background and returns at once; failures are silent.
  virtual void playSound(std::string_view path) = 0;
  // Hands the address to the system's browser; failures are silent.
  virtual void openAddress(std::string_view address) = 0;
  // Creates and shows the about window (it does not exist yet).
  virtual void openAbout() = 0;
  // Brings the open about window to the front.
  virtual void raiseAbout() = 0;
  // Destroys the about window.
  virtual void closeAbout() = 0;
  // Ends the program. The rules stop at once; nothing they do follows.
  virtual void quit() = 0;
};

}  // namespace trelavka
