// Plays one file through the game's sound player and keeps running long
// enough for it to be heard: trelavka-sound-probe PATH [MILLISECONDS]
#include <QGuiApplication>
#include <QTimer>
#include <cstdio>
#include <cstdlib>

#include "sound_player.h"

int main(int argc, char** argv) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  if (argc < 2 || argc > 3) {
    std::fprintf(stderr, "usage: trelavka-sound-probe PATH [MILLISECONDS]\n");
    return 2;
  }
  const int ms = argc == 3 ? std::atoi(argv[2]) : 3000;
  trelavka::SoundPlayer player;
  player.play(QString::fromLocal8Bit(argv[1]));
  std::printf("playing: %s\n", qPrintable(player.nowPlaying()));
  QTimer::singleShot(ms, &app, &QCoreApplication::quit);
  return app.exec();
}
