// The program's one sound: a new sound stops the one still playing.
#pragma once

#include <QObject>
#include <QSoundEffect>
#include <QString>

namespace trelavka {

class SoundPlayer : public QObject {
  Q_OBJECT

 public:
  explicit SoundPlayer(QObject* parent = nullptr);

  // Starts the file (relative to the working folder) once, in the background,
  // and returns at once. Whatever was playing stops, even when the new file
  // turns out silent. A file that is not a complete PCM WAV, or no audio
  // device, plays nothing and says nothing.
  void play(const QString& path);

  // The absolute path of the file now sounding or about to; empty when silent.
  QString nowPlaying() const;
  Q_SIGNAL void nowPlayingChanged(const QString& file);

 private:
  QSoundEffect effect_;
};

}  // namespace trelavka
