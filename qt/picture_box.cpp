// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "picture_box.h"

#include <QPainter>

namespace trelavka::qt {

PictureBox::PictureBox(const QString& imageResource, QWidget* parent)
    : QWidget(parent), pixmap_(imageResource) {
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureBox::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), palette().color(QPalette::Button));
  // Pixel art on a high-density screen: whole pixels grow, nothing blurs.
  painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
  painter.drawPixmap(0, 0, pixmap_);
}

}  // namespace trelavka::qt
