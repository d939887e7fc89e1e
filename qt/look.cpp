// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "look.h"

#include <langinfo.h>

#include <QApplication>
#include <QFontDatabase>
#include <clocale>
#include <cstring>

#include "qt_convert.h"

namespace trelavka {
namespace {

constexpr const char* kPreferredFamily = "MS Sans Serif";
constexpr std::array<const char*, 2> kBundledFonts{
    ":/fonts/LiberationSans-Regular.ttf",
    ":/fonts/LiberationSans-Bold.ttf",
};
constexpr std::array<int, 6> kIconSizes{16, 32, 48, 64, 128, 256};

QString& bundledFamily() {
  static QString family;
  return family;
}

}  // namespace

void installLook() {
  for (const char* file : kBundledFonts) {
    const int id = QFontDatabase::addApplicationFont(QString::fromLatin1(file));
    const QStringList families = QFontDatabase::applicationFontFamilies(id);
    if (!families.isEmpty()) bundledFamily() = families.first();
  }
  // One typeface everywhere: menus, boxes and tooltips would otherwise take the
  // desktop's.
  QApplication::setFont(fontFor(layout::Font::Window));
  QApplication::setWindowIcon(gameIcon());
}

QString fontFamily() {
  // Asking for the family by name is not enough: the font system substitutes
  // something else for a name it lacks.
  const QString preferred = QString::fromLatin1(kPreferredFamily);
  if (QFontDatabase::families().contains(preferred)) return preferred;
  return bundledFamily();
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

void readTextAsUtf8() {
  if (std::strcmp(nl_langinfo(CODESET), "UTF-8") != 0) std::setlocale(LC_CTYPE, "C.UTF-8");
}

}  // namespace trelavka
