// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "win32_port.h"

#include <mmsystem.h>
#include <shellapi.h>

#include <array>
#include <optional>
#include <string>

#include "data_dirs.h"
#include "look.h"
#include "message_box.h"
#include "web_address.h"

namespace trelavka::win32 {
namespace {

std::string workingFolder() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD n = GetCurrentDirectoryW(static_cast<DWORD>(path.size()), path.data());
    if (n == 0) return {};
    if (n < path.size()) return narrow(std::wstring_view(path).substr(0, n));
    path.resize(n);
  }
}

std::string programFolder() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (n == 0) return {};
    if (n < path.size()) {
      path.resize(n);
      return narrow(path.substr(0, path.find_last_of(L"\\/") + 1));
    }
    path.resize(path.size() * 2);
  }
}

bool isFolder(const std::string& path) {
  const DWORD a = GetFileAttributesW(wide(path).c_str());
  return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

// With the system's own file calls: the C++ streams would double the .exe.
// Only a plain file on a disk is read (a pipe would block).
std::optional<std::string> readSmallFile(const std::string& path, std::uint64_t limit) {
  HANDLE file = CreateFileW(wide(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return std::nullopt;
  LARGE_INTEGER size{};
  bool ok = GetFileType(file) == FILE_TYPE_DISK && GetFileSizeEx(file, &size) != FALSE &&
            size.QuadPart > 0 && static_cast<std::uint64_t>(size.QuadPart) <= limit;
  std::string bytes;
  if (ok) {
    bytes.resize(static_cast<std::size_t>(size.QuadPart));
    DWORD got = 0;
    ok = ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &got, nullptr) != FALSE &&
         got == bytes.size();
  }
  CloseHandle(file);
  if (!ok) return std::nullopt;
  return bytes;
}

}  // namespace

Port::Port() = default;
Port::~Port() = default;

void Port::attach(HWND mainWindow, view::EventRelay* relay) {
  main_ = mainWindow;
  relay_ = relay;
}

void Port::showMessage(std::string_view title, std::string_view text) {
  messageBox(main_, title, text);
}

void Port::playSound(std::string_view path) {
  // A new sound stops the old one, even when the new file turns out silent.
  PlaySoundW(nullptr, nullptr, 0);
  // The working folder, else the program's, so a double-click or a shortcut
  // without "Start in" finds the sounds too.
  const std::array<std::string, 2> folders = {workingFolder(), programFolder()};
  // The system plays a broken file's noise, or part of it, and says nothing:
  // only a file we would play ourselves is handed to it, by its full path.
  const auto sound = view::loadSound({folders, '\\', isFolder, readSmallFile}, path);
  if (!sound) return;
  PlaySoundW(wide(sound->path).c_str(), nullptr, SND_FILENAME | SND_ASYNC | SND_NODEFAULT);
}

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
  PlaySoundW(nullptr, nullptr, 0);
  if (main_ != nullptr) ShowWindow(main_, SW_HIDE);
  PostQuitMessage(0);
}

}  // namespace trelavka::win32
