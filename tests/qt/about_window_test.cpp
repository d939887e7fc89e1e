// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The about window as the player sees it: where everything stands, what it
// says, which clicks it reports, and memory that must not grow with every
// about window the player opens.
#define Q_TEST_QPIXMAPCACHE  // QPixmapCache::totalUsed(), Qt's own measure of the cache
#include <gtest/gtest.h>

#include <QApplication>
#include <QFontInfo>
#include <QImage>
#include <QLabel>
#include <QPixmapCache>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <memory>

#include "about_window.h"
#include "look.h"
#include "texts.h"

namespace trelavka::qt {
namespace {

class AboutWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    window_ = std::make_unique<AboutWindow>();
    window_->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window_.get()));
  }
  QLabel* control(const char* name) const {
    return window_->findChild<QLabel*>(QString::fromLatin1(name));
  }
  // A click where the player would make it: on whatever lies under the point.
  void clickAt(QPoint pos, Qt::MouseButton button = Qt::LeftButton) const {
    QWidget* target = window_->childAt(pos);
    if (target == nullptr) target = window_.get();
    QTest::mouseClick(target, button, {}, target->mapFrom(window_.get(), pos));
  }

  std::unique_ptr<AboutWindow> window_;
};

TEST_F(AboutWindowTest, IsAFixedModelessWindowOfItsOwn) {
  EXPECT_EQ(window_->parentWidget(), nullptr);
  EXPECT_EQ(window_->windowModality(), Qt::NonModal);
  EXPECT_EQ(window_->minimumSize(), window_->maximumSize());
  const Qt::WindowFlags flags = window_->windowFlags();
  EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
  EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
  EXPECT_FALSE(flags & Qt::WindowMinimizeButtonHint);
  EXPECT_FALSE(window_->windowIcon().pixmap(48, 48).isNull());
  const QRect screen = window_->screen()->availableGeometry();
  EXPECT_LE((window_->geometry().center() - screen.center()).manhattanLength(), 2);
}

TEST_F(AboutWindowTest, CreditsFitTheirBoxesInTheGameFont) {
  const std::tuple<const char*, QString, double> texts[] = {
      {"Label1", "Programing, Grafika", 12},
      {"Label2", "Tým Trelavka", 9.75},
      {"Label3", "Betatesting", 12},
      {"Label4", "Tým Trelavka", 9.75},
  };
  for (const auto& [name, text, points] : texts) {
    QLabel* c = control(name);
    ASSERT_NE(c, nullptr) << name;
    EXPECT_EQ(c->text(), text) << name;
    EXPECT_EQ(c->font().pointSizeF(), points) << name;
    EXPECT_TRUE(c->font().bold()) << name;
    EXPECT_TRUE(c->toolTip().isEmpty()) << name;
    EXPECT_EQ(QFontInfo(c->font()).family(), fontFamily()) << name;
    EXPECT_LE(c->fontMetrics().horizontalAdvance(text), c->width()) << name;
    EXPECT_LE(c->fontMetrics().ascent(), c->height()) << name;
  }
}

TEST_F(AboutWindowTest, LinkShowsTheAddressAsPlainBlackText) {
  QLabel* link = control("Label5");
  const QString address = QString::fromUtf8(text::kMakerAddress.data(),
                                            static_cast<qsizetype>(text::kMakerAddress.size()));
  EXPECT_EQ(link->textFormat(), Qt::PlainText);
  EXPECT_LE(link->fontMetrics().horizontalAdvance(link->text()), link->width());
  // The player must be able to read the whole address.
  EXPECT_EQ(link->text(), address);
  EXPECT_FALSE(link->font().underline());
  EXPECT_EQ(link->palette().color(QPalette::WindowText), QColor(Qt::black));
  EXPECT_EQ(link->cursor().shape(), Qt::CrossCursor);
  EXPECT_EQ(link->font(), window_->font());
  // The logo, four credits and the link, nothing more.
  EXPECT_EQ(window_->findChildren<QWidget*>().size(), 6);
}

TEST_F(AboutWindowTest, ReportsClicksOnSurfaceLogoLinkAndCloseBoxOnly) {
  QSignalSpy clicks(window_.get(), &AboutWindow::clicked);
  auto reported = [&] {
    std::vector<AboutTarget> targets;
    for (const auto& args : clicks) targets.push_back(args.at(0).value<AboutTarget>());
    clicks.clear();
    return targets;
  };

  clickAt({20, 300});
  EXPECT_EQ(reported(), std::vector{AboutTarget::Form});
  clickAt({100, 100});
  EXPECT_EQ(reported(), std::vector{AboutTarget::Logo});
  clickAt(control("Label5")->geometry().center());
  clickAt(control("Label5")->geometry().center());
  EXPECT_EQ(reported(), (std::vector{AboutTarget::Address, AboutTarget::Address}));
  clickAt(control("Label2")->geometry().center());
  // Only the left button clicks, and only where it was pressed (the rest of
  // the pairs are the shared view's, tested there).
  clickAt({100, 100}, Qt::RightButton);
  QTest::mousePress(control("Picture1"), Qt::LeftButton, {}, {100, 100});
  QTest::mouseRelease(window_.get(), Qt::LeftButton, {}, {20, 300});
  EXPECT_EQ(reported(), std::vector<AboutTarget>{});
  // The close box reports and leaves the window to its owner.
  EXPECT_FALSE(window_->close());
  EXPECT_EQ(reported(), std::vector{AboutTarget::CloseBox});
  EXPECT_TRUE(window_->isVisible());
}

// On a dense screen each pixel of the logo becomes a block of exactly its
// colour, as on the map; a smoothed logo mixes neighbours at every edge.
// ui.about_logo_at_double_scale runs this at twice the density.
TEST_F(AboutWindowTest, LogoGrowsByWholePixels) {
  const int ratio = qRound(window_->devicePixelRatio());
  const QImage logo = QImage(imageResource("logo.jpg")).convertToFormat(QImage::Format_RGB32);
  const QImage shot = control("Picture1")->grab().toImage().convertToFormat(QImage::Format_RGB32);
  ASSERT_GE(shot.width(), logo.width() * ratio);
  ASSERT_GE(shot.height(), logo.height() * ratio);
  int mixed = 0;
  for (int y = 0; y < logo.height() * ratio; ++y) {
    for (int x = 0; x < logo.width() * ratio; ++x) {
      mixed += shot.pixel(x, y) != logo.pixel(x / ratio, y / ratio);
    }
  }
  EXPECT_EQ(mixed, 0) << "at " << ratio << " device pixels a pixel";
}

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
