// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "qt_port.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QMessageBox>
#include <QUrl>

#include "about_window.h"
#include "qt_convert.h"
#include "title_bar.h"
#include "web_address.h"

namespace trelavka::qt {

Port::Port() = default;

Port::~Port() { delete about_.data(); }

void Port::attach(QWidget* mainWindow, view::EventRelay* relay) {
  mainWindow_ = mainWindow;
  relay_ = relay;
}

AboutWindow* Port::aboutWindow() const { return about_.data(); }

void Port::showMessage(std::string_view title, std::string_view text) {
  // Every box, the welcome box too, is transient for its own main window, so
  // that the window manager keeps it with that window and not with another
  // copy's. Before its first show the window is already placed, and the toolkit
  // makes it exist, unmapped, for the box to name. The toolkit centres the box
  // on it and keeps it on the screen, as view/placement.h would.
  QMessageBox box(QMessageBox::NoIcon, qs(title), qs(text), QMessageBox::Ok, mainWindow_.data());
  box.setTextFormat(Qt::PlainText);
  box.button(QMessageBox::Ok)->setIcon(QIcon());  // some styles put a picture on the button
  fitTitle(box);
  box.exec();
}

// A file that is not there stops the old sound all the same.
void Port::playSound(std::string_view path) { sound_.play(qs(path)); }

void Port::openAddress(std::string_view address) {
  // No browser, or one that fails: nothing to tell the player.
  QDesktopServices::openUrl(QUrl(qs(view::webAddress(address))));
}

void Port::openAbout() {
  about_ = new AboutWindow();
  QObject::connect(about_.data(), &AboutWindow::clicked, about_.data(), [this](AboutTarget target) {
    if (relay_ != nullptr) relay_->clickAbout(target);
  });
  about_->show();
}

void Port::raiseAbout() {
  if (!about_) return;
  about_->show();
  about_->raise();
  about_->activateWindow();
}

void Port::closeAbout() {
  if (!about_) return;
  about_->hide();
  // Often asked from inside one of the window's own events.
  about_->deleteLater();
  about_ = nullptr;
}

void Port::quit() {
  closeAbout();
  if (mainWindow_) mainWindow_->close();
  QCoreApplication::exit(0);
}

}  // namespace trelavka::qt
