// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The program's one sound: a new sound stops the one still playing.
//
// The system's player can block whoever calls it: stopping a sound waited
// for seconds on a stalled audio server. The file system can too (a big file,
// a slow disk). So the UI thread only names the sound; finding, opening,
// reading and decoding the file and every call to the system's player happen
// on a thread of the player's own.
#pragma once

#include <memory>
#include <string_view>

namespace trelavka::win32 {

class SoundWorker;

class SoundPlayer {
 public:
  SoundPlayer();
  // Waits a moment at most: a thread stuck in the audio system is left to
  // end with the program.
  ~SoundPlayer();
  SoundPlayer(const SoundPlayer&) = delete;
  SoundPlayer& operator=(const SoundPlayer&) = delete;

  // Starts the sound the rules name ("data/about.dat": looked up in the
  // working folder's data\ first, then beside the program) and returns at
  // once. Whatever was playing stops, even when the new file turns out
  // silent. A file that is not a complete PCM WAV, no audio device, or one
  // that hangs, plays nothing and says nothing.
  void play(std::string_view name);

 private:
  std::shared_ptr<SoundWorker> worker_;
};

}  // namespace trelavka::win32
