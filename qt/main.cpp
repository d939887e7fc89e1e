#include <QApplication>
#include <cstdio>

#include "look.h"
#include "session.h"

int main(int argc, char* argv[]) {
  // Without this check the toolkit aborts with a message meant for its own developers.
  if (!qEnvironmentVariableIsSet("DISPLAY") && !qEnvironmentVariableIsSet("WAYLAND_DISPLAY") &&
      !qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
    std::fputs(
        "Trelavka needs a graphical display; on a machine without one, run it under Xvfb: "
        "xvfb-run -a ./trelavka\n",
        stderr);
    return 1;
  }
  QApplication app(argc, argv);
  trelavka::readTextAsUtf8();
  trelavka::installLook();
  trelavka::Session session;
  session.load();
  if (session.game().ended()) return 0;
  session.window().showCentred();
  return QApplication::exec();
}
