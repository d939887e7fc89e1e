// Whether a sound file can be handed to a sound player without harm. Qt's
// decoder waits for ever on a WAV that ends early and then freezes the window,
// and the system's player on Windows plays a broken file's noise and says
// nothing, so every file is looked at here first.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>

namespace trelavka {

// Fills the buffer with the n bytes at the offset; false if it cannot.
using ReadAt = std::function<bool(std::uint64_t offset, unsigned char* buffer, std::size_t n)>;

// True only for a complete PCM WAV: RIFF/WAVE, a PCM format chunk (8 or 16
// bits, mono or stereo, a sane rate) ahead of a data chunk holding at least
// one frame, every chunk inside the file, 16 MiB at most (a sound effect is
// decoded into memory whole). Reads chunk headers only.
bool isPlayableWav(std::uint64_t fileSize, const ReadAt& read) noexcept;

// The same for a file on disk; anything but a plain file is refused unread.
bool isPlayableWav(const std::filesystem::path& file) noexcept;

}  // namespace trelavka
