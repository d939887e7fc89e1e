// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A picture of the window: its image unscaled from the top-left corner,
// clipped by the box, no frame. What the image does not cover shows the
// box's own button-face ground, so a wider box hides a narrower one beneath.
// The image is decoded when first needed: most of the town is not built yet
// when the game starts.
#pragma once

#include <QPixmap>
#include <QWidget>

namespace trelavka::qt {

class PictureBox final : public QWidget {
  Q_OBJECT

 public:
  PictureBox(const QString& imageResource, QWidget* parent);

  const QPixmap& pixmap() const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QString resource_;
  mutable QPixmap pixmap_;
};

}  // namespace trelavka::qt
