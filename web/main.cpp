// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The game as a web page: the session lives as long as the page, and the
// page's glue calls in through the entry points below.
#include <emscripten/emscripten.h>

#include "session.h"

namespace {

trelavka::web::Session* session = nullptr;

}  // namespace

extern "C" {

EMSCRIPTEN_KEEPALIVE void web_choose(int menuRow) {
  if (session != nullptr && menuRow >= 0) session->choose(static_cast<std::size_t>(menuRow));
}

EMSCRIPTEN_KEEPALIVE void web_press(int button) {
  if (session != nullptr && button >= 0) session->press(static_cast<std::size_t>(button));
}

EMSCRIPTEN_KEEPALIVE void web_about_press(int x, int y, int mainButton) {
  if (session != nullptr) session->aboutPress(x, y, mainButton != 0);
}

EMSCRIPTEN_KEEPALIVE void web_about_release(int x, int y, int mainButton) {
  if (session != nullptr) session->aboutRelease(x, y, mainButton != 0);
}

EMSCRIPTEN_KEEPALIVE void web_about_close_box() {
  if (session != nullptr) session->aboutCloseBox();
}

EMSCRIPTEN_KEEPALIVE void web_run_tasks() {
  if (session != nullptr) session->runTasks();
}
}

int main() {
  static trelavka::web::Session game;
  session = &game;
  game.load();
  return 0;
}
