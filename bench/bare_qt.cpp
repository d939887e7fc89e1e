// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The yardstick of the game's start-up: the least a Qt 6 program can do to
// show what the game shows first. A modal box with the welcome title and
// text, then a window of the game's client size under a one-item menu bar.
// No pictures, no bundled font, no icon, no sound, no timers.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QMessageBox>
#include <QWidget>

#include "layout.h"
#include "texts.h"

namespace {

QString qs(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QMessageBox box(QMessageBox::NoIcon, qs(trelavka::text::kWelcomeTitle), qs(trelavka::text::kWelcome),
                  QMessageBox::Ok);
  box.exec();
  QMainWindow window;
  window.setWindowTitle(qs(trelavka::layout::kTitle));
  window.menuBar()->addMenu(QStringLiteral("Soubor"))->addAction(QStringLiteral("Konec"));
  auto* client = new QWidget(&window);
  const trelavka::layout::Pixels size = trelavka::layout::toPixels(trelavka::layout::kClient);
  client->setFixedSize(size.width, size.height);
  window.setCentralWidget(client);
  window.show();
  return QApplication::exec();
}
