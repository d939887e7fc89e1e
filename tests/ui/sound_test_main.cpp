// The sound player's and the about window's tests run in one program with a
// QApplication on the offscreen platform unless a display is asked for.
#include <gtest/gtest.h>

#include <QApplication>

#include "look.h"

int main(int argc, char** argv) {
  // Test discovery runs this program without the test's environment.
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  ::testing::InitGoogleTest(&argc, argv);
  QApplication app(argc, argv);
  trelavka::installLook();
  return RUN_ALL_TESTS();
}
