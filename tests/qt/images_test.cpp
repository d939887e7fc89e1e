// Every image compiled into the game: the right format and size, one frame,
// nothing transparent (each picture carries its own background).
#include <gtest/gtest.h>

#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QPixmap>

#include "layout.h"
#include "look.h"
#include "picture_box.h"

namespace trelavka {
namespace {

struct ImageFile {
  const char* name;
  const char* format;
  int width;
  int height;
};

const ImageFile kImages[] = {
    {"map.gif", "gif", 666, 410},
    {"police.gif", "gif", 66, 74},
    {"fire-station.gif", "gif", 73, 74},
    {"hospital.gif", "gif", 79, 98},
    {"shop.gif", "gif", 70, 44},
    {"estate.gif", "gif", 217, 170},
    {"estate-enlarged.gif", "gif", 213, 164},
    {"town-hall.gif", "gif", 125, 172},
    {"hypermarket.gif", "gif", 134, 88},
    {"hitech-town-hall.gif", "gif", 154, 162},
    {"lookout-tower.gif", "gif", 24, 50},
    {"heliport.gif", "gif", 45, 22},
    {"stage.gif", "gif", 79, 40},
    {"banner-sewerage-red.gif", "gif", 98, 20},
    {"banner-gas-red.gif", "gif", 98, 21},
    {"banner-phone-red.gif", "gif", 98, 20},
    {"banner-sewerage-blue.gif", "gif", 98, 20},
    {"banner-gas-blue.gif", "gif", 98, 21},
    {"banner-phone-blue.gif", "gif", 98, 20},
    {"house-yellow.gif", "gif", 31, 34},
    {"house-blue.gif", "gif", 31, 34},
    {"house-orange.gif", "gif", 57, 34},
    {"house-mauve.gif", "gif", 57, 34},
    {"house-mauve-pond.gif", "gif", 57, 52},
    {"house-white-pond.gif", "gif", 57, 52},
    {"logo.jpg", "jpeg", 579, 222},
    {"icon.png", "png", 48, 48},
    {"icon-16.png", "png", 16, 16},
    {"icon-32.png", "png", 32, 32},
    {"icon-64.png", "png", 64, 64},
    {"icon-128.png", "png", 128, 128},
    {"icon-256.png", "png", 256, 256},
};

TEST(Images, FormatSizeOneFrameNoTransparency) {
  for (const ImageFile& f : kImages) {
    SCOPED_TRACE(f.name);
    QImageReader reader(imageResource(f.name));
    EXPECT_EQ(reader.format(), QByteArray(f.format));
    EXPECT_EQ(reader.size(), QSize(f.width, f.height));
    const QImage image = reader.read();
    ASSERT_FALSE(image.isNull()) << reader.errorString().toStdString();
    EXPECT_EQ(image.size(), QSize(f.width, f.height));
    if (QByteArray(f.format) == "png") continue;  // icons may have soft edges
    EXPECT_LE(reader.imageCount(), 1);
    EXPECT_FALSE(reader.canRead()) << "a second frame";
    EXPECT_FALSE(image.hasAlphaChannel());
  }
}

TEST(Images, EveryPictureOfTheLayoutFindsItsImage) {
  for (const layout::Control& c : layout::kControls) {
    if (c.kind != layout::Kind::Picture) continue;
    SCOPED_TRACE(std::string(c.name));
    EXPECT_FALSE(QImage(imageResource(c.image)).isNull());
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
}  // namespace trelavka
