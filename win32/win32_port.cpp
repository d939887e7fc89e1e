// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "win32_port.h"

#include <shellapi.h>

#include "look.h"
#include "message_box.h"
#include "web_address.h"

namespace trelavka::win32 {

Port::Port() = default;
Port::~Port() = default;

void Port::attach(HWND mainWindow, view::EventRelay* relay) {
  main_ = mainWindow;
  relay_ = relay;
}

void Port::showMessage(std::string_view title, std::string_view text) {
  messageBox(main_, title, text);
}

void Port::playSound(std::string_view path) { sound_.play(path); }

void Port::openAddress(std::string_view address) {
  // The shell only now, not at start-up. No browser, or one that fails:
  // nothing to tell the player.
  const auto shellExecute = systemFunction<decltype(&ShellExecuteW)>(L"shell32.dll", "ShellExecuteW");
  if (shellExecute == nullptr) return;
  // What the shell hands the address to may be a COM object.
  const ComScope com;
  shellExecute(nullptr, L"open", wide(view::webAddress(address)).c_str(), nullptr, nullptr,
               SW_SHOWNORMAL);
}

void Port::openAbout() {
  about_ = std::make_unique<AboutWindow>([this](AboutTarget target) {
    if (relay_ != nullptr) relay_->clickAbout(target);
  });
}

void Port::raiseAbout() {
  if (about_) about_->raise();
}

void Port::closeAbout() { about_.reset(); }

void Port::quit() {
  closeAbout();
  if (main_ != nullptr) ShowWindow(main_, SW_HIDE);
  PostQuitMessage(0);
}

}  // namespace trelavka::win32
