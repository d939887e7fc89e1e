// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "hook.h"

#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QStringList>
#include <cstdio>
#include <unistd.h>

#include "about_window.h"
#include "session.h"

namespace trelavka::qt {
namespace {

// Tabs and line breaks would break the line protocol.
QByteArray flat(const QString& s) {
  QString t = s;
  t.replace(u'\t', u' ').replace(u'\n', u' ');
  return t.toUtf8();
}

}  // namespace

E2eHook::E2eHook(Session& session)
    : session_(session), notifier_(STDIN_FILENO, QSocketNotifier::Read) {
  clock_.start();
  connect(&notifier_, &QSocketNotifier::activated, this, &E2eHook::readInput);
}

void E2eHook::readInput() {
  char buffer[4096];
  const ssize_t n = ::read(STDIN_FILENO, buffer, sizeof buffer);
  if (n <= 0) {
    notifier_.setEnabled(false);  // the test closed its end
    return;
  }
  pending_.append(buffer, n);
  for (qsizetype end; (end = pending_.indexOf('\n')) >= 0;) {
    const QByteArray line = pending_.left(end).trimmed();
    pending_.remove(0, end + 1);
    if (line.isEmpty()) continue;
    const QByteArray reply =
        "@\t" + (line == "state" ? state() : QByteArray("error\tunknown command")) + "\n";
    std::fwrite(reply.constData(), 1, static_cast<size_t>(reply.size()), stdout);
    std::fflush(stdout);
  }
}

// Read from the widgets, not the model: what is on the screen is what counts.
QByteArray E2eHook::state() {
  MainWindow& window = session_.window();
  // Read in the same turn of the event loop as the widgets: no tick comes between.
  QByteArray out = "clock=" + QByteArray::number(clock_.elapsed()) + "\t";
  for (const char* name : {"Text1", "Text2", "Text3", "Text4"}) {
    const auto* field = qobject_cast<QLineEdit*>(window.control(name));
    out += QByteArray(name) + "=" + (field ? flat(field->text()) : QByteArray("?")) + "\t";
  }
  QStringList visible;
  for (QWidget* w : window.client()->findChildren<QWidget*>()) {
    const QString name = w->objectName();
    if (!name.startsWith(u"Picture") && !name.startsWith(u"Command") && !name.startsWith(u"Label"))
      continue;
    if (w->isVisibleTo(window.client())) visible << name;
  }
  visible.sort();
  out += "visible=" + visible.join(u',').toUtf8() + "\t";
  const auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
  out += "box=" + (box ? flat(box->windowTitle()) : QByteArray()) + "\t";
  out += "text=" + (box ? flat(box->text()) : QByteArray()) + "\t";
  const AboutWindow* about = session_.port().aboutWindow();
  out += QByteArray("about=") + (about != nullptr && about->isVisible() ? "1" : "0");
  return out;
}

}  // namespace trelavka::qt
