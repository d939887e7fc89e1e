// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Memory that must not grow with every about window the player opens.
#define Q_TEST_QPIXMAPCACHE  // QPixmapCache::totalUsed(), Qt's own measure of the cache
#include <gtest/gtest.h>

#include <QPixmap>
#include <QPixmapCache>
#include <QTest>

#include "about_window.h"

namespace trelavka::qt {
namespace {

// The window shown and painted, and its icon asked for every size it has, as
// the X11 platform does when it hands the icon to the window manager (the
// offscreen platform does not ask); each image must be of its own size.
void openAndClose() {
  AboutWindow window;
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  window.grab();
  const QIcon icon = window.windowIcon();
  for (const QSize& size : icon.availableSizes()) ASSERT_EQ(icon.pixmap(size).size(), size);
}

// Qt's measure counts whole megabytes of its cache, and every entry costs at
// least a kilobyte: filled with 1 kB images up to the very edge of a megabyte,
// the cache shows any new entry.
void fillToTheEdgeOfAMegabyte() {
  QPixmap filler(16, 16);  // 1 kB at 32 bits a pixel
  filler.fill(Qt::white);
  const int used = QPixmapCache::totalUsed();
  for (int i = 0; i <= 1024; ++i) {
    const QString key = QStringLiteral("filler-%1").arg(i);
    ASSERT_TRUE(QPixmapCache::insert(key, filler));
    if (QPixmapCache::totalUsed() > used) {
      QPixmapCache::remove(key);
      return;
    }
  }
  FAIL() << "1 kB images do not fill the cache";
}

TEST(ImageCache, ASecondAboutWindowAddsNothing) {
  QPixmapCache::clear();
  openAndClose();
  fillToTheEdgeOfAMegabyte();
  const int used = QPixmapCache::totalUsed();
  openAndClose();
  EXPECT_EQ(QPixmapCache::totalUsed(), used) << "the second about window added to the image cache";
}

}  // namespace
}  // namespace trelavka::qt
