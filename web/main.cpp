// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The game as a web page: the session lives as long as the page, and the
// page's glue calls in through the entry points below.
#include <emscripten/emscripten.h>

#include <string_view>

#include "fonts.h"
#include "glue.h"
#include "session.h"

namespace {

trelavka::web::Session* session = nullptr;

// The game's face: the system's own where it has it, else the bundled one,
// which the page carries cut down under a name of its own.
void useGameFace() {
  using namespace trelavka::view;
  const bool real = web_face_is_real(kPreferredFace.data(), kPreferredFace.size()) != 0;
  std::string_view family = gameFace(real);
  if (family == kBundledFace) {
    constexpr std::string_view kFace = WEB_FACE;
    constexpr std::string_view kRegular = WEB_FONT_REGULAR;
    constexpr std::string_view kBold = WEB_FONT_BOLD;
    web_use_face(kFace.data(), kFace.size(), kRegular.data(), kRegular.size(), kBold.data(),
                 kBold.size());
    family = kFace;
  }
  web_set_face(family.data(), family.size());
}

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

EMSCRIPTEN_KEEPALIVE void web_resized() {
  if (session != nullptr) session->resized();
}

EMSCRIPTEN_KEEPALIVE void web_run_tasks() {
  if (session != nullptr) session->runTasks();
}
}

int main() {
  useGameFace();
  static trelavka::web::Session game;
  session = &game;
  game.load();
  return 0;
}
