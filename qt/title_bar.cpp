// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "title_bar.h"

#include <QFont>
#include <QFontMetrics>
#include <QGridLayout>
#include <QMessageBox>
#include <QSpacerItem>
#include <algorithm>
#include <array>

namespace trelavka::qt {
namespace {

struct TitleBar {
  const char* manager;  // and the theme it was measured with
  const char* family;   // its default title font
  double points;
  bool bold;
  int room;  // client pixels that are not the title's: frame, icon, buttons, padding
};

// Measured under each manager on a 96 dpi screen: the narrowest client width at
// which several titles still show whole, less each title's width in the font
// named here (the largest difference of the titles tried).
inline constexpr std::array<TitleBar, 4> kTitleBars{{
    {"openbox 3.6, Clearlooks", "Sans", 8, true, 113},
    {"xfwm4 4.18, Default", "Sans", 9, true, 75},
    {"Mutter 43, Adwaita", "Cantarell", 11, true, 52},
    {"KWin 5.27, Breeze", "Noto Sans", 10, false, 124},
}};

}  // namespace

int widthForTitle(const QString& title) {
  int need = 0;
  for (const TitleBar& bar : kTitleBars) {
    QFont font(QString::fromLatin1(bar.family));
    font.setPointSizeF(bar.points);
    font.setBold(bar.bold);
    need = std::max(need, QFontMetrics(font).horizontalAdvance(title) + bar.room);
  }
  return need;
}

void fitTitle(QMessageBox& box) {
  // The box sizes itself to its layout when shown; a row that is only as wide
  // as the title needs lets it keep centring itself.
  auto* grid = qobject_cast<QGridLayout*>(box.layout());
  if (grid == nullptr) return;
  const QMargins margins = grid->contentsMargins();
  const int width = widthForTitle(box.windowTitle()) - margins.left() - margins.right();
  grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Fixed, QSizePolicy::Fixed), grid->rowCount(),
                0, 1, grid->columnCount());
}

}  // namespace trelavka::qt
