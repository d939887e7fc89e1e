// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A line protocol on stdin/stdout through which the end-to-end tests read what
// the player sees. Only the test build of the game (trelavka-e2e) carries it.
//
//   state              -> "@\tclock=MS\tText1=…\tText2=…\tText3=…\tText4=…\tvisible=a,b,…\tbox=TITLE\ttext=TEXT\tabout=0|1"
//
// clock is the game's time in milliseconds, counted like the timers' from the
// window's creation: the hook is made right after the session, before any
// event runs.
//   anything else      -> "@\terror\t…"
#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>
#include <QSocketNotifier>

namespace trelavka::qt {

class Session;

class E2eHook final : public QObject {
  Q_OBJECT

 public:
  explicit E2eHook(Session& session);

 private:
  void readInput();
  QByteArray state();

  Session& session_;
  QElapsedTimer clock_;
  QSocketNotifier notifier_;
  QByteArray pending_;
};

}  // namespace trelavka::qt
