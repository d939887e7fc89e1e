// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "about_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPalette>
#include <QPixmap>

#include "about_layout.h"
#include "look.h"
#include "qt_convert.h"

namespace trelavka::qt {
namespace {

using about::Control;
using about::Kind;
using about::kControls;

// The toolkit smooths a picture it must enlarge for a dense screen, and the
// logo blurs; grown by whole pixels beforehand, it stays as sharp as the map.
QPixmap crisp(const QPixmap& picture, qreal ratio) {
  if (ratio <= 1.0) return picture;
  QPixmap grown = picture.scaled(picture.size() * ratio, Qt::IgnoreAspectRatio, Qt::FastTransformation);
  grown.setDevicePixelRatio(ratio);
  return grown;
}

void build(const Control& c, QWidget* window) {
  auto* label = new QLabel(window);
  label->setObjectName(qs(c.name));
  label->setGeometry(rectOf(c.place));
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  if (c.kind == Kind::Picture) {
    label->setPixmap(crisp(QPixmap(imageResource(c.content)), window->devicePixelRatio()));
    return;
  }
  label->setTextFormat(Qt::PlainText);
  QString text = qs(c.content);
  if (c.points > 0) {
    QFont f(fontFamily());
    f.setPointSizeF(c.points);
    f.setBold(c.bold);
    label->setFont(f);
  }
  if (c.kind == Kind::Link) {
    QPalette p = label->palette();
    p.setColor(QPalette::WindowText, Qt::black);
    label->setPalette(p);
    text = label->fontMetrics().elidedText(text, Qt::ElideRight, label->width());
  }
  label->setText(text);
  if (view::pointerOver(c) == view::Pointer::Crosshair) label->setCursor(Qt::CrossCursor);
}

}  // namespace

AboutWindow::AboutWindow() {
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowCloseButtonHint);
  // It must not keep the program alive once the main window is gone.
  setAttribute(Qt::WA_QuitOnClose, false);
  setWindowTitle(qs(about::kTitle));
  setWindowIcon(gameIcon());
  setFont(fontFor(layout::Font::Window));
  setFixedSize(rectOf(about::kClient).size());

  // The toolkit has no colour for a window's border; Mid is the palette's
  // shade for frames and borders, a grey like the classic active border.
  QPalette p = palette();
  p.setColor(QPalette::Window, QApplication::palette().color(QPalette::Active, QPalette::Mid));
  setPalette(p);
  setAutoFillBackground(true);

  for (const Control& c : kControls) build(c, this);
}

void AboutWindow::showEvent(QShowEvent* event) {
  if (!event->spontaneous()) placeOnScreen(*this);
  QWidget::showEvent(event);
}

void AboutWindow::closeEvent(QCloseEvent* event) {
  event->ignore();
  emit clicked(AboutTarget::CloseBox);
}

void AboutWindow::mousePressEvent(QMouseEvent* event) {
  clicks_.press(viewPoint(event->position().toPoint()), event->button() == Qt::LeftButton);
}

void AboutWindow::mouseReleaseEvent(QMouseEvent* event) {
  const auto target =
      clicks_.release(viewPoint(event->position().toPoint()), event->button() == Qt::LeftButton);
  if (target) emit clicked(*target);
}

}  // namespace trelavka::qt
