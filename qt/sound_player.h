// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The program's one sound: a new sound stops the one still playing.
//
// The audio system can block whoever talks to it (a stalled audio server
// holds the caller until it wakes), and so can the file system (a sound file
// swapped for a pipe, a big file on a slow disk). So the UI thread only names
// the sound; finding, opening, reading and decoding the file, and the audio
// server's streams, all happen on a thread of the player's own.
#pragma once

#include <QObject>
#include <QString>
#include <memory>
#include <string>

#include "data_dirs.h"

namespace trelavka::qt {

class SoundWorker;

class SoundPlayer : public QObject {
  Q_OBJECT

 public:
  explicit SoundPlayer(QObject* parent = nullptr);
  ~SoundPlayer() override;

  // Starts the sound the rules name ("data/about.dat": looked up in data/
  // under the working folder, then the installed data folder, then beside the
  // program) and returns at once. Whatever was playing stops, even when the
  // new file turns out silent. A file that is not a complete PCM WAV, no
  // audio server, or one that hangs or dies plays nothing and says nothing.
  void play(const QString& name);

  // The full path of the file the audio thread last reported sounding; empty
  // when silent.
  QString nowPlaying() const { return nowPlaying_; }
  Q_SIGNAL void nowPlayingChanged(const QString& file);

 private:
  QString nowPlaying_;
  std::shared_ptr<SoundWorker> worker_;
};

// Opens a sound file once, without waiting, and keeps it only if what was
// opened is a plain file.
std::unique_ptr<view::OpenedFile> openSoundFile(const std::string& path);

}  // namespace trelavka::qt
