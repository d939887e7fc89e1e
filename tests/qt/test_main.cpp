// Window tests run on Qt's offscreen platform unless told otherwise, so they
// need no X server; the platform is set here because test discovery runs
// this binary without the test's environment.
#include <gtest/gtest.h>

#include <QApplication>

#include "look.h"

#if defined(__SANITIZE_ADDRESS__)
// This compiler's leak checker crashes walking the thread-local storage of an
// image plugin loaded at run time (the JPEG reader). Skipping thread-local
// roots keeps the leak check itself; the event loop and audio libraries keep
// per-thread blocks only there, so theirs are not counted.
extern "C" const char* __lsan_default_options() { return "use_tls=0"; }
// Qt's sample cache leaks a sample whose sound effect is destroyed while it
// still loads on the cache's thread; the game only does that at exit.
extern "C" const char* __lsan_default_suppressions() {
  return "leak:libglib-2.0.so\nleak:libpulse.so\nleak:QSample::load\n";
}
#endif

int main(int argc, char* argv[]) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  trelavka::installLook();
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
