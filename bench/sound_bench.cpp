// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

// How long the game's sound player holds the GUI thread on each kind of bad
// file: the play() call itself, and the longest stall of the event loop in
// the 50 ms after it (a decoder that loads in the background could still
// freeze the window later). A frame is 16.7 ms. bench/sound.sh runs it with
// a private audio server; bare, it meets no audio device.
//   trelavka-sound-bench [--quick]
// With --about N (run where data/ holds the sounds): the about window opened
// and closed N times, each opening with its chime, and the resident memory
// every 50 openings.
//   trelavka-sound-bench --about N
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "session.h"
#include "sound_player.h"

namespace {

using trelavka::SoundPlayer;

std::string le(std::uint32_t v, int bytes) {
  std::string s;
  for (int i = 0; i < bytes; ++i) s += static_cast<char>((v >> (8 * i)) & 0xff);
  return s;
}

std::string format16Mono(std::uint32_t rate) {
  return "fmt " + le(16, 4) + le(1, 2) + le(1, 2) + le(rate, 4) + le(rate * 2, 4) + le(2, 2) +
         le(16, 2);
}

std::string wav(double seconds) {
  constexpr std::uint32_t rate = 22050;
  std::string samples;
  for (int i = 0; i < static_cast<int>(seconds * rate); ++i) {
    samples += le(static_cast<std::uint16_t>(static_cast<std::int16_t>((i % 50) * 400 - 10000)), 2);
  }
  const std::string body =
      "WAVE" + format16Mono(rate) + "data" + le(static_cast<std::uint32_t>(samples.size()), 4) + samples;
  return "RIFF" + le(static_cast<std::uint32_t>(body.size()), 4) + body;
}

class Files {
 public:
  QString path(const char* name) const { return QDir(dir_.path()).filePath(QString::fromUtf8(name)); }
  QString write(const char* name, const std::string& bytes) const {
    std::ofstream(path(name).toStdString(), std::ios::binary) << bytes;
    return path(name);
  }
  QString noise(const char* name, std::size_t bytes, const std::string& head) const {
    std::ofstream out(path(name).toStdString(), std::ios::binary);
    out << head;
    std::mt19937 random(11);
    std::string block(1 << 16, '\0');
    for (std::size_t done = head.size(); done < bytes; done += block.size()) {
      for (char& c : block) c = static_cast<char>(random());
      out.write(block.data(), static_cast<std::streamsize>(std::min(block.size(), bytes - done)));
    }
    return path(name);
  }
  QString folder() const { return dir_.path(); }

 private:
  QTemporaryDir dir_;
};

struct Kind {
  const char* name;
  QString file;  // none: play nothing, to see what the machine alone costs
};

// The longest gap between the turns of the event loop over the next ms
// milliseconds, seen by a 1 ms precise timer.
double longestStall(int ms) {
  QElapsedTimer clock;
  clock.start();
  qint64 last = clock.nsecsElapsed();
  qint64 worst = 0;
  QEventLoop loop;
  QTimer beat;
  beat.setTimerType(Qt::PreciseTimer);
  beat.setInterval(1);
  QObject::connect(&beat, &QTimer::timeout, [&] {
    const qint64 now = clock.nsecsElapsed();
    worst = std::max(worst, now - last);
    last = now;
    if (now >= qint64{ms} * 1'000'000) loop.quit();
  });
  beat.start();
  loop.exec();
  return static_cast<double>(worst) / 1e6;
}

// One row of the table: play() on the file after a good sound was started,
// rounds times.
double measure(SoundPlayer& player, const QString& good, const Kind& kind, int rounds, const char* note) {
  std::vector<double> calls;
  double stall = 0;
  for (int r = 0; r < rounds; ++r) {
    // A sound already playing: the bad file's play() must stop it first.
    player.play(good);
    longestStall(5);
    QElapsedTimer clock;
    clock.start();
    if (!kind.file.isNull()) player.play(kind.file);
    calls.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);
    stall = std::max(stall, longestStall(50));
  }
  std::sort(calls.begin(), calls.end());
  std::printf("%-22s %12.3f %12.3f %22.3f%s\n", kind.name, calls[calls.size() / 2], calls.back(), stall, note);
  std::fflush(stdout);
  return std::max(calls.back(), stall);
}

long residentKb() {
  long pages = 0, resident = 0;
  std::FILE* statm = std::fopen("/proc/self/statm", "r");
  if (statm == nullptr) return -1;
  if (std::fscanf(statm, "%ld %ld", &pages, &resident) != 2) resident = -1;
  std::fclose(statm);
  return resident < 0 ? -1 : resident * (sysconf(_SC_PAGESIZE) / 1024);
}

// Each opening as the player makes it (Nápověda > O Trelavka), then a click
// on the window, which closes it.
int aboutWindows(int argc, char** argv, int openings) {
  QApplication app(argc, argv);
  trelavka::qt::Session session;
  session.window().show();
  std::printf("opening  resident kB  sound\n");
  long first = 0;
  for (int i = 1; i <= openings; ++i) {
    session.relay().choose("osim");
    longestStall(30);
    const bool heard = !session.port().sound().nowPlaying().isEmpty();
    session.relay().clickAbout(trelavka::AboutTarget::Form);
    longestStall(10);
    if (i % 50 == 0 || i == 1) {
      const long kb = residentKb();
      if (i == 100) first = kb;
      std::printf("%7d  %11ld  %s\n", i, kb, heard ? "playing" : "silent");
      std::fflush(stdout);
    }
  }
  if (openings >= 200) {
    std::printf("growth after the first 100: %ld kB, %.2f kB per opening\n", residentKb() - first,
                static_cast<double>(residentKb() - first) / (openings - 100));
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  if (argc == 3 && std::strcmp(argv[1], "--about") == 0) {
    return aboutWindows(argc, argv, std::atoi(argv[2]));
  }
  const bool quick = argc > 1 && std::strcmp(argv[1], "--quick") == 0;
  const int rounds = quick ? 3 : 100;

  Files files;
  const QString good = files.write("good.wav", wav(2.0));
  const QString locked = files.write("locked.wav", wav(0.2));
  chmod(locked.toLocal8Bit().constData(), 0);
  chmod(files.folder().toLocal8Bit().constData(), 0755);
  const std::string fmt = format16Mono(22050);
  const std::vector<Kind> kinds{
      {"nothing (control)", QString()},
      {"missing", files.path("no-such-file.wav")},
      {"empty", files.write("empty.wav", "")},
      {"truncated header", files.write("truncated.wav", "RIFF" + le(36, 4) + "WAVE" + fmt.substr(0, 10))},
      {"garbage", files.noise("garbage.dat", 4096, "")},
      {"folder", files.folder()},
      {"50 MB of noise", files.noise("huge.dat", std::size_t{50} << 20,
                                     "RIFF" + le(36, 4) + "WAVE" + fmt + "data" + le(0xffffffff, 4))},
      {"good (reference)", good},
  };
  const Kind unreadable{"no read permission", locked};

  std::printf("%d rounds per kind, each after a good sound was started; a frame is 16.7 ms\n", rounds);
  std::printf("%-22s %12s %12s %22s\n", "file", "play p50 ms", "play max ms", "event-loop stall max ms");
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
  if (geteuid() != 0) worst = measure(player, good, unreadable, rounds, "");
  for (const Kind& kind : kinds) worst = std::max(worst, measure(player, good, kind, rounds, ""));
  player.play(good);
  longestStall(300);
  std::printf("audio output: %s\n", player.nowPlaying().isEmpty() ? "none" : "sounding");
  std::printf("worst of all: %.3f ms\n", worst);
  return 0;
}
