// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

// How the game's window answers, seen from another program as a player's
// desktop sees it: a message sent to the window with the given title every
// 5 ms, each waiting for its answer, until the file STOP exists. Prints the
// number of round trips, the longest one and when it began, and each one over
// 100 ms. Exit 1 when no window of that title was found within 30 s.
//   trelavka-window-ping TITLE STOP
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

double now() {
  static const double perMs = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return static_cast<double>(f.QuadPart) / 1000;
  }();
  LARGE_INTEGER t;
  QueryPerformanceCounter(&t);
  return static_cast<double>(t.QuadPart) / perMs;
}

bool exists(const wchar_t* path) { return GetFileAttributesW(path) != INVALID_FILE_ATTRIBUTES; }

}  // namespace

int wmain(int argc, wchar_t** argv) {
  _setmode(_fileno(stdout), _O_BINARY);
  if (argc != 3) {
    std::fprintf(stderr, "usage: trelavka-window-ping TITLE STOP\n");
    return 2;
  }
  const double start = now();
  HWND window = nullptr;
  while ((window = FindWindowW(nullptr, argv[1])) == nullptr) {
    if (now() - start > 30000) {
      std::fprintf(stderr, "no window of that title\n");
      return 1;
    }
    Sleep(50);
  }
  long trips = 0;
  double longest = 0, longestAt = 0;
  const double first = now();
  while (!exists(argv[2]) && IsWindow(window)) {
    const double sent = now();
    DWORD_PTR answer = 0;
    // A minute is for ever here: only a window that is gone does not answer.
    if (SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, 60000, &answer) == 0) break;
    const double took = now() - sent;
    ++trips;
    if (took > longest) {
      longest = took;
      longestAt = sent - first;
    }
    if (took > 100) std::printf("slow: %.1f ms at %.0f ms\n", took, sent - first);
    Sleep(5);
  }
  std::printf("round trips %ld over %.0f ms, longest %.1f ms at %.0f ms\n", trips, now() - first, longest,
              longestAt);
  return 0;
}
