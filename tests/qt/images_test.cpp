// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The images compiled into the game and how a picture box draws them.
#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QPixmap>

#include "look.h"
#include "picture_box.h"

namespace trelavka::qt {
namespace {

// Every image compiled in; the pictures carry their own background, the
// icons may have soft edges.
TEST(Images, EachDecodesToOneOpaqueFrame) {
  const QStringList names = QDir(QStringLiteral(":/images")).entryList(QDir::Files);
  EXPECT_GE(names.size(), 32);
  for (const QString& name : names) {
    SCOPED_TRACE(name.toStdString());
    QImageReader reader(QStringLiteral(":/images/") + name);
    const QImage image = reader.read();
    ASSERT_FALSE(image.isNull()) << reader.errorString().toStdString();
    if (name.endsWith(QStringLiteral(".png"))) continue;
    EXPECT_LE(reader.imageCount(), 1);
    EXPECT_FALSE(reader.canRead()) << "a second frame";
    EXPECT_FALSE(image.hasAlphaChannel());
  }
}

// On a screen of double density every image pixel becomes a 2 x 2 block of
// exactly its colour: blurred pixel art would mix neighbours.
TEST(Images, PicturesScaleCrispOnDenseScreens) {
  PictureBox box(imageResource("house-mauve-pond.gif"), nullptr);
  box.resize(57, 52);
  const QImage source = box.pixmap().toImage().convertToFormat(QImage::Format_RGB32);
  QImage dense(114, 104, QImage::Format_RGB32);
  dense.setDevicePixelRatio(2.0);
  dense.fill(Qt::black);
  box.render(&dense);
  int compared = 0;
  for (int y = 0; y < 52; ++y) {
    for (int x = 0; x < 57; ++x) {
      const QRgb want = source.pixel(x, y);
      for (QPoint d : {QPoint(0, 0), QPoint(1, 0), QPoint(0, 1), QPoint(1, 1)}) {
        ASSERT_EQ(dense.pixel(2 * x + d.x(), 2 * y + d.y()), want) << x << "," << y;
        ++compared;
      }
    }
  }
  EXPECT_EQ(compared, 57 * 52 * 4);
}

// Where the image ends, the box shows its own ground, not what lies beneath.
TEST(Images, BoxWiderThanItsImageShowsButtonFace) {
  PictureBox box(imageResource("banner-phone-blue.gif"), nullptr);
  box.resize(105, 21);
  const QImage shot = box.grab().toImage();
  const QColor face = box.palette().color(QPalette::Button);
  EXPECT_EQ(QColor(shot.pixel(104, 10)), face);
  EXPECT_EQ(QColor(shot.pixel(50, 20)), face);
  EXPECT_NE(QColor(shot.pixel(50, 10)), face);
}

}  // namespace
}  // namespace trelavka::qt
