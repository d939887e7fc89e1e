// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Helpers of the window tests: readable QStrings in failures, and a player
// who answers the next message box.
#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <functional>
#include <ostream>

inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace trelavka::testing {

struct SeenBox {
  QString title;
  QString text;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  qsizetype buttons = 0;
};

// Polls for the modal box (up to 5 s), hands it to `inside` while it is open,
// then presses OK after `keepOpenMs`. Never leaves a box open for good.
inline void answerNextBox(std::function<void(QMessageBox&)> inside = {}, int keepOpenMs = 0) {
  auto* poll = new QTimer(qApp);
  poll->setInterval(5);
  QObject::connect(poll, &QTimer::timeout, poll, [poll, inside, keepOpenMs, tries = 0]() mutable {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr) {
      if (++tries > 1000) poll->deleteLater();
      return;
    }
    poll->stop();
    poll->deleteLater();
    if (inside) inside(*box);
    QTimer::singleShot(keepOpenMs, box, [box] { box->button(QMessageBox::Ok)->click(); });
  });
  poll->start();
}

inline SeenBox describe(const QMessageBox& box) {
  return {box.windowTitle(), box.text(), box.icon(), box.buttons().size()};
}

}  // namespace trelavka::testing
