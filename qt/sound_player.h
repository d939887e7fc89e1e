// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The program's one sound: a new sound stops the one still playing.
//
// The audio system can block whoever talks to it (a stalled audio server
// holds the caller until it wakes), so streams are opened, fed and closed on
// a thread of the player's own; the UI thread only decodes the file (once,
// then keeps it) and hands the samples over.
#pragma once

#include <QHash>
#include <QObject>
#include <QString>
#include <memory>

#include "wav.h"

namespace trelavka {

class SoundWorker;

class SoundPlayer : public QObject {
  Q_OBJECT

 public:
  explicit SoundPlayer(QObject* parent = nullptr);
  ~SoundPlayer() override;

  // Starts the file (relative to the working folder) once and returns at
  // once. Whatever was playing stops, even when the new file turns out
  // silent. A file that is not a complete PCM WAV, no audio server, or one
  // that hangs or dies plays nothing and says nothing.
  void play(const QString& path);

  // The absolute path of the file the audio thread last reported sounding;
  // empty when silent.
  QString nowPlaying() const { return nowPlaying_; }
  Q_SIGNAL void nowPlayingChanged(const QString& file);

 private:
  std::shared_ptr<const Pcm> load(const QString& file);

  QHash<QString, std::shared_ptr<const Pcm>> decoded_;
  QString nowPlaying_;
  std::shared_ptr<SoundWorker> worker_;
};

}  // namespace trelavka
