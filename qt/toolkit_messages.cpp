// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "toolkit_messages.h"

#include <QString>
#include <QtGlobal>
#include <array>
#include <cstdio>
#include <cstring>

namespace trelavka::qt {
namespace {

// Logging categories whose every message is about the sound devices.
constexpr std::array<const char*, 1> kQuietCategories{"qt.multimedia"};
// Openings of messages the toolkit writes without a category of their own.
constexpr std::array<const char*, 3> kQuietMessages{
    "PulseAudioService:",
    "No audio device detected",
    "Unable to detect a web browser",
};

QtMessageHandler passOn = nullptr;

bool quiet(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (type == QtFatalMsg) return false;
  const char* category = context.category != nullptr ? context.category : "";
  for (const char* prefix : kQuietCategories) {
    if (std::strncmp(category, prefix, std::strlen(prefix)) == 0) return true;
  }
  for (const char* opening : kQuietMessages) {
    if (message.startsWith(QLatin1String(opening))) return true;
  }
  return false;
}

void handle(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (quiet(type, context, message)) return;
  if (passOn != nullptr) {
    passOn(type, context, message);
    return;
  }
  std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}

}  // namespace

void quietToolkitMessages() {
  if (qEnvironmentVariableIntValue("TRELAVKA_TOOLKIT_MESSAGES") != 0) return;
  const QtMessageHandler previous = qInstallMessageHandler(handle);
  if (previous != handle) passOn = previous;  // a second call must not loop
}

}  // namespace trelavka::qt
