// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Window tests run on Qt's offscreen platform unless told otherwise, so they
// need no X server; the platform is set here because test discovery runs
// this binary without the test's environment.
#include <gtest/gtest.h>

#include <QApplication>

#include "look.h"

#if defined(__SANITIZE_ADDRESS__)
// This compiler's leak checker crashes walking the thread-local storage of an
// image plugin loaded at run time (the JPEG reader). Skipping thread-local
// roots keeps the leak check itself; the event loop's library keeps
// per-thread blocks only there, so those are not counted.
extern "C" const char* __lsan_default_options() { return "use_tls=0"; }
extern "C" const char* __lsan_default_suppressions() { return "leak:libglib-2.0.so\n"; }
#endif

int main(int argc, char* argv[]) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  trelavka::qt::installLook();
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
