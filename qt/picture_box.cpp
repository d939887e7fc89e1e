// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "picture_box.h"

#include <QAccessibleWidget>
#include <QPainter>

namespace trelavka::qt {
namespace {

// A plain widget reads as a filler, which a screen reader passes over in silence.
QAccessibleInterface* accessibleAsImage(const QString& className, QObject* object) {
  if (className != QLatin1String(PictureBox::staticMetaObject.className())) return nullptr;
  return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Graphic);
}

}  // namespace

PictureBox::PictureBox(const QString& imageResource, QWidget* parent)
    : QWidget(parent), resource_(imageResource) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  static const bool asImage = (QAccessible::installFactory(accessibleAsImage), true);
  (void)asImage;
}

const QPixmap& PictureBox::pixmap() const {
  if (pixmap_.isNull()) pixmap_.load(resource_);
  return pixmap_;
}

void PictureBox::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), palette().color(QPalette::Button));
  // Pixel art on a high-density screen: whole pixels grow, nothing blurs.
  painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
  painter.drawPixmap(0, 0, pixmap());
}

}  // namespace trelavka::qt
