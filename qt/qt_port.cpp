// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "qt_port.h"

#include <QCoreApplication>
#include <QAbstractButton>
#include <QDesktopServices>
#include <QMessageBox>
#include <QFile>
#include <QUrl>
#include <array>
#include <filesystem>
#include <system_error>

#include "about_window.h"
#include "data_dirs.h"
#include "dispatch.h"
#include "qt_convert.h"
#include "title_bar.h"

namespace trelavka {

namespace {

std::filesystem::path nativePath(const QString& path) {
  return QFile::encodeName(path).toStdString();
}

QString soundFile(std::string_view file) {
  std::error_code ec;
  const std::filesystem::path program = nativePath(QCoreApplication::applicationDirPath());
  const std::array<std::filesystem::path, 3> folders = {
      std::filesystem::current_path(ec),
      // Relative to the program, so the package and an install under any prefix agree.
      program.empty() ? program : (program / TRELAVKA_DATA_FROM_PROGRAM).lexically_normal(),
      program,
  };
  return QFile::decodeName(locateDataFile(folders, file).string().c_str());
}

}  // namespace

QtPort::QtPort() = default;

QtPort::~QtPort() { delete about_.data(); }

void QtPort::attach(QWidget* mainWindow, Dispatch* dispatch) {
  mainWindow_ = mainWindow;
  dispatch_ = dispatch;
}

AboutWindow* QtPort::aboutWindow() const { return about_.data(); }

void QtPort::showMessage(std::string_view title, std::string_view text) {
  // Every box, the welcome box too, is transient for its own main window, so
  // that the window manager keeps it with that window and not with another
  // copy's. Before its first show the window is already placed, and the toolkit
  // makes it exist, unmapped, for the box to name.
  QWidget* parent = mainWindow_.data();
  QMessageBox box(QMessageBox::NoIcon, qs(title), qs(text), QMessageBox::Ok, parent);
  box.setTextFormat(Qt::PlainText);
  box.button(QMessageBox::Ok)->setIcon(QIcon());  // some styles put a picture on the button
  fitTitle(box);
  box.exec();
}

void QtPort::playSound(std::string_view path) { sound_.play(soundFile(path)); }

void QtPort::openAddress(std::string_view address) {
  // The address is written as a player reads it ("www..."): let Qt add the scheme.
  // No browser, or one that fails: nothing to tell the player.
  QDesktopServices::openUrl(QUrl::fromUserInput(qs(address)));
}

void QtPort::openAbout() {
  about_ = new AboutWindow();
  QObject::connect(about_.data(), &AboutWindow::clicked, about_.data(),
                   [this](AboutTarget target) {
                     if (dispatch_ != nullptr) dispatch_->clickAbout(target);
                   });
  about_->show();
}

void QtPort::raiseAbout() {
  if (!about_) return;
  about_->show();
  about_->raise();
  about_->activateWindow();
}

void QtPort::closeAbout() {
  if (!about_) return;
  about_->hide();
  // Often asked from inside one of the window's own events.
  about_->deleteLater();
  about_ = nullptr;
}

void QtPort::quit() {
  closeAbout();
  if (mainWindow_) mainWindow_->close();
  QCoreApplication::exit(0);
}

}  // namespace trelavka
