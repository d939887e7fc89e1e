// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "session.h"

#include <QTimer>

#include "about_window.h"

namespace trelavka::qt {
namespace {

view::EventRelay::Post postTo(QObject& context) {
  return [&context](std::function<void()> task) { QTimer::singleShot(0, &context, std::move(task)); };
}

}  // namespace

Session::Session(double timeScale)
    : game_(model_, port_),
      relay_(game_, postTo(tasks_)),
      window_(model_, relay_),
      clock_(model_, [this](Timer t) { relay_.tick(t); }, postTo(tasks_), timeScale) {
  port_.attach(&window_, &relay_);
}

// The about window goes first: its events lead back into the rules.
Session::~Session() { delete port_.aboutWindow(); }

}  // namespace trelavka::qt
