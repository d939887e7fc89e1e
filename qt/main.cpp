#include <langinfo.h>

#include <QApplication>
#include <clocale>
#include <cstdio>
#include <cstring>

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
  // The toolkit hands window titles to Xlib as UTF-8, and Xlib reads them in
  // the locale's charset to write the legacy title property: under LANG=C
  // every Czech letter came out as two wrong ones. Text is UTF-8 here anyway.
  if (std::strcmp(nl_langinfo(CODESET), "UTF-8") != 0) std::setlocale(LC_CTYPE, "C.UTF-8");
  trelavka::installLook();
  trelavka::Session session;
  session.load();
  if (session.game().ended()) return 0;
  session.window().showCentred();
  return QApplication::exec();
}
