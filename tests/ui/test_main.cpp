// Window tests run on Qt's offscreen platform unless told otherwise, so they
// need no X server; the platform is set here because test discovery runs
// this binary without the test's environment.
#include <gtest/gtest.h>

#include <QApplication>

#include "look.h"

int main(int argc, char* argv[]) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  trelavka::installLook();
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
