// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sound_player.h"

#include <windows.h>

#include <mmsystem.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <optional>
#include <string>
#include <thread>

#include "data_dirs.h"
#include "look.h"
#include "mailbox.h"

namespace trelavka::win32 {
namespace {

std::int64_t ticks(const FILETIME& t) {
  return static_cast<std::int64_t>((std::uint64_t{t.dwHighDateTime} << 32) | t.dwLowDateTime);
}

class WinFile final : public view::OpenedFile {
 public:
  WinFile(HANDLE file, const BY_HANDLE_FILE_INFORMATION& info) : file_(file), info_(info) {}
  ~WinFile() override { CloseHandle(file_); }
  WinFile(const WinFile&) = delete;
  WinFile& operator=(const WinFile&) = delete;

  view::FileStamp stamp() const override {
    return {info_.dwVolumeSerialNumber,
            (std::uint64_t{info_.nFileIndexHigh} << 32) | info_.nFileIndexLow,
            (std::uint64_t{info_.nFileSizeHigh} << 32) | info_.nFileSizeLow,
            ticks(info_.ftLastWriteTime), ticks(info_.ftCreationTime)};
  }

  std::optional<std::string> read(std::size_t bytes) override {
    std::string data(bytes, '\0');
    for (std::size_t at = 0; at < bytes;) {
      const DWORD want = static_cast<DWORD>(std::min<std::size_t>(bytes - at, 1u << 20));
      DWORD got = 0;
      if (ReadFile(file_, data.data() + at, want, &got, nullptr) == FALSE || got == 0) {
        return std::nullopt;
      }
      at += got;
    }
    return data;
  }

 private:
  HANDLE file_;
  BY_HANDLE_FILE_INFORMATION info_;
};

// Opened once, by the full path; what it is, is asked of the handle. A
// folder does not open without a flag we never give, and a pipe or a device
// is refused once open.
std::unique_ptr<view::OpenedFile> openSoundFile(const std::string& path) {
  HANDLE file = CreateFileW(wide(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_DELETE,
                            nullptr, OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
  if (file == INVALID_HANDLE_VALUE) return nullptr;
  BY_HANDLE_FILE_INFORMATION info{};
  if (GetFileType(file) != FILE_TYPE_DISK || GetFileInformationByHandle(file, &info) == FALSE ||
      (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
    CloseHandle(file);
    return nullptr;
  }
  return std::make_unique<WinFile>(file, info);
}

bool isFolder(const std::string& path) {
  const DWORD a = GetFileAttributesW(wide(path).c_str());
  return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

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

// The system's player, loaded by the player's thread at its first sound, so
// that start-up maps neither it nor the codecs it brings. A sound it cannot
// play stays silent, as a bad file does.
void playSound(LPCWSTR sound, DWORD flags) {
  static const auto play = systemFunction<decltype(&PlaySoundW)>(L"winmm.dll", "PlaySoundW");
  if (play != nullptr) play(sound, nullptr, flags);
}

void stopSound() { playSound(nullptr, 0); }

}  // namespace

// Everything the player's thread uses, kept alive by that thread for as long
// as it runs, after the program has let go of it too.
class SoundWorker {
 public:
  view::Mailbox<std::string>& box() { return box_; }

  void run() {
    while (const auto name = box_.take()) {
      // Before anything else, so that a new sound cuts in even when its file
      // turns out silent. Stopping waits on the audio server.
      stopSound();
      playing_ = {};
      try {
        // The working folder, else the program's, so a double-click or a
        // shortcut without "Start in" finds the sounds too.
        const std::array<std::string, 2> folders = {workingFolder(), program_};
        const auto sound = shelf_.find({folders, '\\', isFolder, openSoundFile}, *name);
        if (!sound || box_.cutIn()) continue;
        // The system's player gets the samples we decoded and nothing else:
        // a file name would be opened a second time, perhaps found
        // elsewhere, and read by another decoder than ours.
        playing_ = encodeWav(*sound->pcm);
      } catch (...) {
        // Out of memory, or the like: silence, as for any bad file.
        continue;
      }
      // Kept until the next stop: the system reads it while it plays.
      playSound(reinterpret_cast<LPCWSTR>(playing_.data()), SND_MEMORY | SND_ASYNC | SND_NODEFAULT);
    }
    stopSound();
    box_.ended();
  }

 private:
  view::Mailbox<std::string> box_;
  const std::string program_ = programFolder();
  view::SoundShelf shelf_;
  std::string playing_;
};

SoundPlayer::SoundPlayer() = default;

SoundPlayer::~SoundPlayer() {
  if (worker_) worker_->box().close(std::chrono::milliseconds(300));
}

// The thread starts with the first sound: most of a game asks for none.
void SoundPlayer::play(std::string_view name) {
  try {
    if (!worker_) {
      auto worker = std::make_shared<SoundWorker>();
      std::thread([worker] { worker->run(); }).detach();
      worker_ = std::move(worker);
    }
    worker_->box().post(std::string(name));
  } catch (...) {
    // No thread or no memory for one: silence, and another try next time.
  }
}

}  // namespace trelavka::win32
