// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What the rules ask of the outside world, done with Qt: message boxes, the
// sound, the browser, the about window and the end of the program.
#pragma once

#include <QPointer>
#include <QWidget>

#include "port.h"
#include "relay.h"
#include "sound_player.h"

namespace trelavka::qt {

class AboutWindow;

class Port final : public trelavka::Port {
 public:
  Port();
  ~Port() override;
  Port(const Port&) = delete;
  Port& operator=(const Port&) = delete;

  // Boxes centre on the main window once it is shown; the about window's
  // clicks go to the rules through the relay.
  void attach(QWidget* mainWindow, view::EventRelay* relay);

  AboutWindow* aboutWindow() const;
  const SoundPlayer& sound() const { return sound_; }

  void showMessage(std::string_view title, std::string_view text) override;
  void playSound(std::string_view path) override;
  void openAddress(std::string_view address) override;
  void openAbout() override;
  void raiseAbout() override;
  void closeAbout() override;
  void quit() override;

 private:
  QPointer<QWidget> mainWindow_;
  view::EventRelay* relay_ = nullptr;
  QPointer<AboutWindow> about_;
  SoundPlayer sound_;
};

}  // namespace trelavka::qt
