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
#include <QScreen>
#include <QStyle>

#include "about_layout.h"
#include "look.h"
#include "qt_convert.h"

namespace trelavka {
namespace {

using about::Control;
using about::Kind;
using about::kControls;

// The property that ties a widget to its row.
constexpr const char* kRow = "aboutRow";

QLabel* build(const Control& c, QWidget* window) {
  auto* label = new QLabel(window);
  label->setObjectName(qs(c.name));
  label->setGeometry(rectOf(c.place));
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  if (c.kind == Kind::Picture) {
    // Unscaled from its top-left corner; the window clips what overhangs.
    label->setPixmap(QPixmap(imageResource(c.content)));
    return label;
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
    label->setCursor(Qt::CrossCursor);
    // An address too long for its box loses its tail, not its box.
    text = label->fontMetrics().elidedText(text, Qt::ElideRight, label->width());
  }
  label->setText(text);
  return label;
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

  for (std::size_t row = 0; row < kControls.size(); ++row) {
    QLabel* control = build(kControls[row], this);
    control->setProperty(kRow, static_cast<int>(row));
  }
}

void AboutWindow::showEvent(QShowEvent* event) {
  // The frame is not known before the first show; the client area is centred.
  if (!event->spontaneous()) {
    if (QScreen* s = screen()) {
      setGeometry(QStyle::alignedRect(layoutDirection(), Qt::AlignCenter, size(),
                                      s->availableGeometry()));
    }
  }
  QWidget::showEvent(event);
}

void AboutWindow::closeEvent(QCloseEvent* event) {
  event->ignore();
  emit clicked(AboutTarget::CloseBox);
}

int AboutWindow::targetAt(QPoint pos) const {
  const QWidget* child = childAt(pos);
  if (child == nullptr) return static_cast<int>(AboutTarget::Form);
  const QVariant row = child->property(kRow);
  if (!row.isValid()) return -1;
  const auto& click = kControls[static_cast<std::size_t>(row.toInt())].click;
  return click ? static_cast<int>(*click) : -1;
}

void AboutWindow::mousePressEvent(QMouseEvent* event) {
  pressed_ = event->button() == Qt::LeftButton ? targetAt(event->position().toPoint()) : -1;
}

// A click is a press and a release over the same control.
void AboutWindow::mouseReleaseEvent(QMouseEvent* event) {
  const int pressed = pressed_;
  pressed_ = -1;
  if (event->button() != Qt::LeftButton || pressed < 0) return;
  if (targetAt(event->position().toPoint()) != pressed) return;
  emit clicked(static_cast<AboutTarget>(pressed));
}

}  // namespace trelavka
