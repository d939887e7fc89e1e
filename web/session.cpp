// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "session.h"

#include "glue.h"
#include "menu.h"

namespace trelavka::web {

namespace {

// Later, from the page's event loop: the relay's and the clock's way there.
view::EventRelay::Post postTo(std::vector<std::function<void()>>& tasks) {
  return [&tasks](std::function<void()> task) {
    tasks.push_back(std::move(task));
    if (tasks.size() == 1) web_post();
  };
}

}  // namespace

Session::Session()
    : game_(model_, port_),
      relay_(game_, postTo(tasks_)),
      window_(model_, [this] { clock_.stop(); }),
      clock_(model_, [this](Timer t) { relay_.tick(t); }, postTo(tasks_)) {
  port_.attach(&window_);
}

void Session::load() {
  game_.load();
  if (!game_.ended()) window_.show();
}

void Session::choose(std::size_t menuRow) {
  if (!takesInput() || menuRow >= kMenu.size()) return;
  relay_.choose(kMenu[menuRow].name);
}

void Session::press(std::size_t button) {
  if (!takesInput() || button >= kButtonCount) return;
  const Button b = buttonAt(button);
  // A player reaches only a button that is shown and enabled.
  if (!model_.button(b).shown || !model_.button(b).enabled) return;
  relay_.press(b);
}

void Session::aboutPress(int x, int y, bool mainButton) {
  AboutWindow* about = window_.about();
  if (about != nullptr && takesInput()) about->press({x, y}, mainButton);
}

void Session::aboutRelease(int x, int y, bool mainButton) {
  AboutWindow* about = window_.about();
  if (about == nullptr || !takesInput()) return;
  if (const auto target = about->release({x, y}, mainButton)) relay_.clickAbout(*target);
}

void Session::aboutCloseBox() {
  if (window_.about() != nullptr && takesInput()) relay_.clickAbout(AboutTarget::CloseBox);
}

void Session::runTasks() {
  // A task may post again, or wait inside a box: take the queue first.
  std::vector<std::function<void()>> due;
  due.swap(tasks_);
  for (auto& task : due) task();
}

}  // namespace trelavka::web
