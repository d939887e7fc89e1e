// Whether a sound file can be handed to the sound player without harm. The
// player's decoder waits for ever on a WAV that ends early and then freezes
// the window, so every file is looked at here first.
#pragma once

#include <filesystem>

namespace trelavka {

// True only for a complete PCM WAV: RIFF/WAVE, a PCM format chunk (8 or 16
// bits, mono or stereo, a sane rate) ahead of a data chunk holding at least
// one frame, every chunk inside the file, 16 MiB at most (a sound effect is
// decoded into memory whole). Reads chunk headers only.
bool isPlayableWav(const std::filesystem::path& file) noexcept;

}  // namespace trelavka
