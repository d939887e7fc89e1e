// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Memory over many about windows: the game's main window, Nápověda > O
// Trelavka chosen N times as the player chooses it, each opening with its
// chime (when data/ holds the sounds), each closed by a click on the window;
// resident memory and the heap in use at intervals. bench/about.sh runs it on
// an X server and an audio server of its own; bare, it runs offscreen.
//   trelavka-about-bench [--quick | OPENINGS]
#include <malloc.h>
#include <unistd.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "about_window.h"
#include "look.h"
#include "session.h"

namespace {

long residentKb() {
  long pages = 0, resident = 0;
  std::FILE* statm = std::fopen("/proc/self/statm", "r");
  if (statm == nullptr) return -1;
  if (std::fscanf(statm, "%ld %ld", &pages, &resident) != 2) resident = -1;
  std::fclose(statm);
  return resident < 0 ? -1 : resident * (sysconf(_SC_PAGESIZE) / 1024);
}

// What the program holds from malloc, in every arena and in mapped blocks.
long heapKb() {
  const struct mallinfo2 m = mallinfo2();
  return static_cast<long>((m.uordblks + m.hblkhd) / 1024);
}

// Lets the event loop run for ms milliseconds: the window is shown, painted
// and the chime started, as between a player's clicks.
void run(int ms) {
  QEventLoop loop;
  QTimer::singleShot(ms, &loop, &QEventLoop::quit);
  loop.exec();
}

struct Sample {
  long resident = 0, heap = 0;
};

}  // namespace

int main(int argc, char** argv) {
  int openings = 5000;
  if (argc == 2 && std::strcmp(argv[1], "--quick") == 0) {
    openings = 20;
  } else if (argc == 2 && std::atoi(argv[1]) > 0) {
    openings = std::atoi(argv[1]);
  } else if (argc != 1) {
    std::fprintf(stderr, "usage: %s [--quick | OPENINGS]\n", argv[0]);
    return 2;
  }
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  trelavka::qt::installLook();
  trelavka::qt::Session session;
  session.window().show();
  // The first hundred openings fill what is filled once (caches, the audio
  // stream); growth is counted from there.
  const int settled = openings >= 200 ? 100 : 1;
  const int every = openings >= 2000 ? 250 : 50;
  std::printf("platform %s, %d openings\n", qPrintable(QGuiApplication::platformName()), openings);
  std::printf("opening  resident kB  heap kB  sound\n");
  Sample from;
  QElapsedTimer clock;
  clock.start();
  for (int i = 1; i <= openings; ++i) {
    session.relay().choose("osim");
    run(30);
    const bool heard = !session.port().sound().nowPlaying().isEmpty();
    session.relay().clickAbout(trelavka::AboutTarget::Form);
    run(10);
    if (i == settled) from = {residentKb(), heapKb()};
    if (i == 1 || i % every == 0 || i == openings) {
      std::printf("%7d  %11ld  %7ld  %s\n", i, residentKb(), heapKb(), heard ? "playing" : "silent");
      std::fflush(stdout);
    }
  }
  if (settled > 1) {
    const double n = openings - settled;
    const long resident = residentKb() - from.resident, heap = heapKb() - from.heap;
    std::printf("growth after opening %d: resident %+ld kB (%+.3f kB per opening), heap %+ld kB (%+.3f kB per opening)\n",
                settled, resident, resident / n, heap, heap / n);
  }
  std::printf("%.1f s\n", static_cast<double>(clock.elapsed()) / 1000);
  return 0;
}
