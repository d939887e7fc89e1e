// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The about window as the player sees it: where everything stands, what it
// says, and which clicks it reports.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFontInfo>
#include <QImage>
#include <QLabel>
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

TEST_F(AboutWindowTest, ReportsClicksOnSurfaceLogoAndLinkOnly) {
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

TEST_F(AboutWindowTest, CloseBoxReportsAndLeavesTheWindowToItsOwner) {
  QSignalSpy clicks(window_.get(), &AboutWindow::clicked);
  EXPECT_FALSE(window_->close());
  ASSERT_EQ(clicks.size(), 1);
  EXPECT_EQ(clicks.at(0).at(0).value<AboutTarget>(), AboutTarget::CloseBox);
  EXPECT_TRUE(window_->isVisible());
}

}  // namespace
}  // namespace trelavka::qt
