// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "look.h"

#include <langinfo.h>

#include <QApplication>
#include <QFontDatabase>
#include <QResource>
#include <QScreen>
#include <QWidget>
#include <array>
#include <clocale>
#include <cstring>

#include "fonts.h"
#include "placement.h"
#include "qt_convert.h"

namespace trelavka::qt {
namespace {

// Every size here is decoded for every window that shows the icon; title bars
// and task lists draw it small, and launchers take the installed theme icons,
// which keep every size.
constexpr std::array<int, 5> kIconSizes{16, 32, 48, 64, 128};

}  // namespace

void installLook() {
  for (const std::string_view file : view::kBundledFontFiles) {
    // Stored uncompressed, so the faces are read where the program lies, not
    // copied to the heap first.
    QFontDatabase::addApplicationFontFromData(
        QResource(QStringLiteral(":/fonts/") + qs(file)).uncompressedData());
  }
  // One typeface everywhere: menus, boxes and tooltips would otherwise take the
  // desktop's.
  QApplication::setFont(fontFor(layout::Font::Window));
  QApplication::setWindowIcon(gameIcon());
}

QString fontFamily() {
  // Asked for by every control; the bundled faces do not change the answer.
  static const QString family =
      qs(view::gameFace(QFontDatabase::hasFamily(qs(view::kPreferredFace))));
  return family;
}

QFont fontFor(layout::Font font) {
  const layout::FontStyle& style = layout::fontStyle(font);
  QFont f(fontFamily());
  f.setPointSizeF(style.points);
  f.setBold(style.bold);
  return f;
}

QIcon gameIcon() {
  // One icon for the whole run, never destroyed: every new one decoded its
  // images again, and each window that showed it left its own copies in the
  // pixmap cache (about 1.5 kB more with every about window).
  static const QIcon& icon = *[] {
    auto* made = new QIcon;
    for (int size : kIconSizes) {
      const QString name = size == 48 ? QStringLiteral("icon.png")
                                      : QStringLiteral("icon-%1.png").arg(size);
      made->addFile(imageResource(name.toStdString()), QSize(size, size));
    }
    return made;
  }();
  return icon;
}

QString imageResource(std::string_view fileName) {
  return QStringLiteral(":/images/") + qs(fileName);
}

void placeOnScreen(QWidget& window) {
  const QScreen* screen = window.screen();
  if (screen == nullptr) return;
  window.adjustSize();
  const QRect frame = window.frameGeometry();
  const view::Point at =
      view::placeWindow(frame.width(), frame.height(), viewRect(screen->availableGeometry()));
  window.move(at.x, at.y);  // the frame's corner: its title bar stays on the screen too
}

void readTextAsUtf8() {
  if (std::strcmp(nl_langinfo(CODESET), "UTF-8") != 0) std::setlocale(LC_CTYPE, "C.UTF-8");
}

}  // namespace trelavka::qt
