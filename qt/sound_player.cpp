#include "sound_player.h"

#include <QFile>
#include <QFileInfo>
#include <QUrl>

#include "wav_check.h"

namespace trelavka {

SoundPlayer::SoundPlayer(QObject* parent) : QObject(parent) {
  connect(&effect_, &QSoundEffect::playingChanged, this,
          [this] { emit nowPlayingChanged(nowPlaying()); });
}

void SoundPlayer::play(const QString& path) {
  effect_.stop();
  const QString file = QFileInfo(path).absoluteFilePath();
  if (!isPlayableWav(QFile::encodeName(file).toStdString())) return;
  // Setting the source it already has does nothing; stop() above rewinds it
  // and play() starts it again from the beginning.
  effect_.setSource(QUrl::fromLocalFile(file));
  // Before the file has loaded this only queues the start.
  effect_.play();
}

QString SoundPlayer::nowPlaying() const {
  return effect_.isPlaying() ? effect_.source().toLocalFile() : QString();
}

}  // namespace trelavka
