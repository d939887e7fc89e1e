// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The game as the player gets it, plus the test hook on stdin/stdout. Keep the
// start-up in step with qt/main.cpp.
#include <QApplication>

#include "hook.h"
#include "look.h"
#include "session.h"
#include "toolkit_messages.h"

int main(int argc, char* argv[]) {
  trelavka::qt::quietToolkitMessages();
  QApplication app(argc, argv);
  trelavka::qt::readTextAsUtf8();
  trelavka::qt::installLook();
  trelavka::qt::Session session;
  trelavka::qt::E2eHook hook(session);  // at once: its clock counts from the window's creation
  session.load();
  if (session.game().ended()) return 0;
  session.window().showCentred();
  return QApplication::exec();
}
