// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "win32_port.h"

#include <mmsystem.h>
#include <shellapi.h>

#include "message_box.h"
#include "wav.h"

namespace trelavka::win32 {
namespace {

// With its trailing backslash.
std::wstring exeFolder() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (n == 0) return {};
    if (n < path.size()) {
      path.resize(n);
      return path.substr(0, path.find_last_of(L"\\/") + 1);
    }
    path.resize(path.size() * 2);
  }
}

bool isFolder(const std::wstring& path) {
  const DWORD a = GetFileAttributesW(path.c_str());
  return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

// Read with the system's own file calls (the C++ streams would double the
// .exe) and decoded as the Linux player does: a file it would not play is
// never handed to the system's player either.
bool playable(const std::wstring& path) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  LARGE_INTEGER size{};
  bool ok = GetFileType(file) == FILE_TYPE_DISK && GetFileSizeEx(file, &size) != FALSE &&
            size.QuadPart > 0 && static_cast<std::uintmax_t>(size.QuadPart) <= kMaxWavBytes;
  std::string bytes;
  if (ok) {
    bytes.resize(static_cast<std::size_t>(size.QuadPart));
    DWORD got = 0;
    ok = ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &got, nullptr) != FALSE &&
         got == bytes.size();
  }
  CloseHandle(file);
  return ok && decodeWav(bytes).has_value();
}

}  // namespace

std::wstring dataFile(std::string_view relative) {
  std::wstring name = wide(relative);
  for (wchar_t& c : name) {
    if (c == L'/') c = L'\\';
  }
  const std::size_t slash = name.find_last_of(L'\\');
  const std::wstring folder = slash == std::wstring::npos ? L"." : name.substr(0, slash);
  if (isFolder(folder)) return name;
  return exeFolder() + name;
}

Win32Port::Win32Port() = default;
Win32Port::~Win32Port() = default;

void Win32Port::attach(HWND mainWindow, view::EventRelay* relay) {
  main_ = mainWindow;
  relay_ = relay;
}

void Win32Port::showMessage(std::string_view title, std::string_view text) {
  messageBox(main_, title, text);
}

void Win32Port::playSound(std::string_view path) {
  // A new sound stops the old one, even when the new file turns out silent.
  PlaySoundW(nullptr, nullptr, 0);
  const std::wstring file = dataFile(path);
  // The system plays a broken file's noise, or part of it, and says nothing.
  if (!playable(file)) return;
  PlaySoundW(file.c_str(), nullptr, SND_FILENAME | SND_ASYNC | SND_NODEFAULT);
}

void Win32Port::openAddress(std::string_view address) {
  // Written as a player reads it ("www..."): the shell wants a scheme.
  std::wstring url = wide(address);
  if (url.find(L"://") == std::wstring::npos) url.insert(0, L"http://");
  // No browser, or one that fails: nothing to tell the player.
  ShellExecuteW(nullptr, L"open", url.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

void Win32Port::openAbout() {
  about_ = std::make_unique<AboutWindow>([this](AboutTarget target) {
    if (relay_ != nullptr) relay_->clickAbout(target);
  });
}

void Win32Port::raiseAbout() {
  if (about_) about_->raise();
}

void Win32Port::closeAbout() { about_.reset(); }

void Win32Port::quit() {
  closeAbout();
  PlaySoundW(nullptr, nullptr, 0);
  if (main_ != nullptr) ShowWindow(main_, SW_HIDE);
  PostQuitMessage(0);
}

}  // namespace trelavka::win32
