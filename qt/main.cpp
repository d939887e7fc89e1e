// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QApplication>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <cstdio>
#include <optional>

#include "look.h"
#include "session.h"
#include "toolkit_messages.h"

namespace {

// --help and --version answer, and anything else is refused, before anything
// needs a display. Returns the exit status when the program should end here.
std::optional<int> answerCommandLine(int argc, char* argv[]) {
  // The usage names the program from the application's arguments.
  const QCoreApplication app(argc, argv);
  QCommandLineParser parser;
  parser.setApplicationDescription(QStringLiteral(
      "A town to run for 150 days until the election. The game takes no options."));
  const QCommandLineOption help({"h", "help"}, QStringLiteral("Show this help and exit."));
  const QCommandLineOption version({"v", "version"},
                                   QStringLiteral("Show the name and version and exit."));
  parser.addOptions({help, version});
  const bool known = parser.parse(QCoreApplication::arguments());
  if (known && parser.positionalArguments().isEmpty()) {
    if (parser.isSet(help)) {
      std::fputs(qPrintable(parser.helpText()), stdout);
      return 0;
    }
    if (parser.isSet(version)) {
      std::printf("%s %s\n", TRELAVKA_NAME, TRELAVKA_VERSION);
      return 0;
    }
    return std::nullopt;
  }
  const QString why =
      known ? QStringLiteral("Unexpected argument '%1'.").arg(parser.positionalArguments().first())
            : parser.errorText();
  std::fprintf(stderr, "%s: %s\n%s", qPrintable(QCoreApplication::applicationName()),
               qPrintable(why), qPrintable(parser.helpText()));
  return 2;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (const auto status = answerCommandLine(argc, argv)) return *status;
  // Without this check the toolkit aborts with a message meant for its own developers.
  if (!qEnvironmentVariableIsSet("DISPLAY") && !qEnvironmentVariableIsSet("WAYLAND_DISPLAY") &&
      !qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
    std::fputs(
        "Trelavka needs a graphical display; on a machine without one, run it under Xvfb: "
        "xvfb-run -a ./trelavka\n",
        stderr);
    return 1;
  }
  trelavka::qt::quietToolkitMessages();
  QApplication app(argc, argv);
  trelavka::qt::readTextAsUtf8();
  trelavka::qt::installLook();
  trelavka::qt::Session session;
  session.load();
  if (session.game().ended()) return 0;
  session.window().showCentred();
  return QApplication::exec();
}
