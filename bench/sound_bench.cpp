// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

// How long the game's sound player holds the GUI thread, file by file: the
// play() call itself, and the longest stall of the event loop in the 50 ms
// after it (a player that loads in the background could still freeze the
// window later). Then the worst moments: the biggest files we play (each
// round a new file, as a sound once read may be kept), a file swapped for a
// pipe while it is asked for, and the audio server stopped. A frame is
// 16.7 ms. bench/sound.sh runs it with a private audio server; bare, it
// meets no audio device (and skips the stopped server).
//   trelavka-sound-bench [--quick]
#include <pthread.h>
#include <sched.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "pipe_swapper.h"
#include "sound_player.h"

namespace {

using trelavka::qt::SoundPlayer;

std::string le(std::uint32_t v, int bytes) {
  std::string s;
  for (int i = 0; i < bytes; ++i) s += static_cast<char>((v >> (8 * i)) & 0xff);
  return s;
}

std::string format16Mono(std::uint32_t rate) {
  return "fmt " + le(16, 4) + le(1, 2) + le(1, 2) + le(rate, 4) + le(rate * 2, 4) + le(2, 2) +
         le(16, 2);
}

// A sound `bytes` long in all.
std::string wav(std::size_t bytes) {
  std::string samples;
  samples.reserve(bytes);
  for (std::size_t i = 0; samples.size() + 44 < bytes; ++i) {
    samples += le(static_cast<std::uint16_t>(static_cast<std::int16_t>((i % 50) * 400 - 10000)), 2);
  }
  const std::string body = "WAVE" + format16Mono(22050) + "data" +
                           le(static_cast<std::uint32_t>(samples.size()), 4) + samples;
  return "RIFF" + le(static_cast<std::uint32_t>(body.size()), 4) + body;
}

// `bytes` of noise after `head`.
std::string noise(std::size_t bytes, const std::string& head) {
  std::string s = head;
  s.reserve(bytes);
  std::mt19937 random(11);
  while (s.size() < bytes) s += static_cast<char>(random());
  return s;
}

// The player finds its files in data/ under the working folder, here a
// folder of the benchmark's own.
class Files {
 public:
  Files() { QDir(dir_.path()).mkdir("data"); }
  QString path(const QString& name) const { return QDir(dir_.path()).filePath(name); }
  QString write(const QString& name, const std::string& bytes) const {
    std::ofstream(path("data/" + name).toStdString(), std::ios::binary) << bytes;
    return "data/" + name;
  }
  QString folder() const { return dir_.path(); }

 private:
  QTemporaryDir dir_;
};

// The longest gap between the turns of the event loop while `act` runs,
// then over the next ms milliseconds, seen by a 1 ms precise timer.
double longestStall(int ms, const std::function<void()>& act = [] {}) {
  QElapsedTimer clock;
  clock.start();
  qint64 last = clock.nsecsElapsed();
  qint64 worst = 0;
  qint64 end = -1;
  QEventLoop loop;
  QTimer beat;
  beat.setTimerType(Qt::PreciseTimer);
  beat.setInterval(1);
  QObject::connect(&beat, &QTimer::timeout, [&] {
    const qint64 now = clock.nsecsElapsed();
    worst = std::max(worst, now - last);
    last = now;
    if (end >= 0 && now >= end) loop.quit();
  });
  beat.start();
  QTimer::singleShot(0, [&] {
    act();
    end = clock.nsecsElapsed() + qint64{ms} * 1'000'000;
  });
  loop.exec();
  return static_cast<double>(worst) / 1e6;
}

struct Row {
  const char* name;
  std::function<QString()> file;  // made before each round, outside the time measured; none: play nothing
  int rounds = 0;                 // 0: as many as the small files
};

// One row of the table: play() on the file after a good sound was started.
double measure(SoundPlayer& player, const QString& good, const Row& row, int rounds, const char* note) {
  std::vector<double> calls;
  double stall = 0;
  for (int r = 0; r < rounds; ++r) {
    const QString file = row.file ? row.file() : QString();
    // A sound already playing: the new file's play() must stop it first.
    player.play(good);
    longestStall(5);
    QElapsedTimer clock;
    stall = std::max(stall, longestStall(50, [&] {
      clock.start();
      if (!file.isNull()) player.play(file);
      calls.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);
    }));
  }
  std::sort(calls.begin(), calls.end());
  std::printf("%-30s %12.3f %12.3f %22.3f%s\n", row.name, calls[calls.size() / 2], calls.back(), stall, note);
  std::fflush(stdout);
  return std::max(calls.back(), stall);
}

void header(const char* first) {
  std::printf("%-30s %12s %12s %22s\n", first, "play p50 ms", "play max ms", "event-loop stall max ms");
}

}  // namespace

int main(int argc, char** argv) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  const bool quick = argc > 1 && std::strcmp(argv[1], "--quick") == 0;
  const int rounds = quick ? 3 : 100;
  const int bigRounds = quick ? 1 : 10;

  Files files;
  QDir::setCurrent(files.folder());
  const QString good = files.write("good.wav", wav(88244));
  const QString locked = files.write("locked.wav", wav(8864));
  chmod(files.path(locked).toLocal8Bit().constData(), 0);
  chmod(files.folder().toLocal8Bit().constData(), 0755);
  QDir(files.folder()).mkdir("data/folder");
  const std::string fmt = format16Mono(22050);
  const auto is = [](const QString& name) { return [name] { return name; }; };
  int made = 0;
  const auto fresh = [&](std::string bytes) {
    return [&, bytes = std::move(bytes)] {
      QFile::remove(files.path(QString("data/big-%1.wav").arg(made)));
      return files.write(QString("big-%1.wav").arg(++made), bytes);
    };
  };
  const std::vector<Row> rows{
      {"nothing (control)", {}},
      {"missing", is("data/no-such-file.wav")},
      {"empty", is(files.write("empty.wav", ""))},
      {"truncated header", is(files.write("truncated.wav", "RIFF" + le(36, 4) + "WAVE" + fmt.substr(0, 10)))},
      {"garbage", is(files.write("garbage.dat", noise(4096, "")))},
      {"folder", is("data/folder")},
      {"good (reference)", is(good)},
      {"8 MiB sound, new each round", fresh(wav(std::size_t{8} << 20)), bigRounds},
      {"16 MiB sound, new each round", fresh(wav(std::size_t{16} << 20)), bigRounds},
      {"16 MiB, not a sound", fresh(noise(std::size_t{16} << 20, "RIFF" + le((16u << 20) - 8, 4) + "WAVE" +
                                                                     fmt + "data" + le(0xffffff00, 4))),
       bigRounds},
      {"50 MB of noise", is(files.write("huge.dat", noise(std::size_t{50} << 20, "RIFF" + le(36, 4) + "WAVE" +
                                                                                   fmt + "data" + le(0xffffffff, 4))))},
  };
  const Row unreadable{"no read permission", is(locked)};

  std::printf("%d rounds per kind (%d for the big files), each after a good sound was started; a frame is 16.7 ms\n",
              rounds, bigRounds);
  header("file");
  std::fflush(stdout);

  // Root reads a file whatever its mode: the unreadable file is tried by a
  // child that gave up root, before this process starts its toolkit.
  double worst = 0;
  if (geteuid() == 0) {
    int result[2];
    if (pipe(result) != 0) return 1;
    const pid_t child = fork();
    if (child < 0) return 1;
    if (child == 0) {
      close(result[0]);
      if (setgid(65534) != 0 || setuid(65534) != 0) _exit(3);
      QApplication app(argc, argv);
      SoundPlayer player;
      const double ms = measure(player, good, unreadable, rounds, "  (as nobody)");
      _exit(write(result[1], &ms, sizeof ms) == sizeof ms ? 0 : 4);
    }
    close(result[1]);
    const bool got = read(result[0], &worst, sizeof worst) == sizeof worst;
    close(result[0]);
    int status = 0;
    if (!got || waitpid(child, &status, 0) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
      std::fprintf(stderr, "the unreadable file's run failed\n");
      return 1;
    }
  }

  QApplication app(argc, argv);
  SoundPlayer player;
  // On a machine busy with other work the scheduler alone keeps the GUI
  // thread waiting for many frames, which would drown what the player costs
  // it. So, where allowed, the GUI thread gets the processor whenever it
  // asks; the player's thread, started above, stays as it is.
  sched_param first{};
  first.sched_priority = 1;
  const bool realtime = pthread_setschedparam(pthread_self(), SCHED_FIFO, &first) == 0;
  std::printf("GUI thread: %s\n", realtime ? "first in line (SCHED_FIFO)" : "shared as usual");
  if (geteuid() != 0) worst = measure(player, good, unreadable, rounds, "");
  for (const Row& row : rows) {
    worst = std::max(worst, measure(player, good, row, row.rounds > 0 ? row.rounds : rounds, ""));
  }
  QFile::remove(files.path(QString("data/big-%1.wav").arg(made)));

  std::printf("\n%-30s %12s %12s %22s\n", "while", "rounds", "plays", "event-loop stall max ms");
  // A file that is no sound (so nothing keeps it) swapped with a pipe as
  // fast as can be, while the player is asked for it every 5 ms; a player
  // that opens it by name twice hangs until the swapping ends.
  {
    const QString swapped = files.write("swapped.dat", "Tohle není zvuk.");
    mkfifo(files.path("data/spare.dat").toLocal8Bit().constData(), 0600);
    double stall = 0;
    long plays = 0;
    for (int r = 0; r < bigRounds; ++r) {
      stall = std::max(stall, longestStall(50, [&] {
        trelavka::testing::PipeSwapper swapper(files.path(swapped).toStdString(),
                                               files.path("data/spare.dat").toStdString(), 1000);
        while (swapper.swapping()) {
          player.play(swapped);
          ++plays;
          QEventLoop wait;
          QTimer::singleShot(5, &wait, &QEventLoop::quit);
          wait.exec();
        }
      }));
    }
    std::printf("%-30s %12d %12ld %22.3f\n", "a pipe swapped in, 1 s", bigRounds, plays, stall);
    worst = std::max(worst, stall);
  }
  // The audio server stopped while two sounds are asked for, then resumed.
  {
    QFile pidFile(qEnvironmentVariable("XDG_RUNTIME_DIR") + "/pulse/pid");
    const pid_t server = pidFile.open(QIODevice::ReadOnly) ? pidFile.readAll().trimmed().toInt() : 0;
    if (server > 0 && kill(server, 0) == 0) {
      const QString other = files.write("other.wav", wav(88244));
      double stall = 0;
      for (int r = 0; r < bigRounds; ++r) {
        player.play(good);
        longestStall(300);
        kill(server, SIGSTOP);
        stall = std::max(stall, longestStall(500, [&] { player.play(other); }));
        stall = std::max(stall, longestStall(500, [&] { player.play(good); }));
        kill(server, SIGCONT);
        longestStall(500);
      }
      std::printf("%-30s %12d %12d %22.3f\n", "the audio server stopped", bigRounds, 2 * bigRounds, stall);
      worst = std::max(worst, stall);
    } else {
      std::printf("%-30s (no audio server of our own to stop)\n", "the audio server stopped");
    }
  }
  player.play(good);
  longestStall(300);
  std::printf("audio output: %s\n", player.nowPlaying().isEmpty() ? "none" : "sounding");
  std::printf("worst of all: %.3f ms\n", worst);
  return 0;
}
