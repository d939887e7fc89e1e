// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The built main window against the window's layout and menu tables: every
// row becomes its widget, and what the tables cannot say (overlaps, tooltips
// over hidden controls) is checked here; the images compiled into the game
// and how a picture box draws them.
#include <gtest/gtest.h>

#include <QAction>
#include <QDir>
#include <QFontMetrics>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QToolTip>
#include <string>
#include <vector>

#include "layout.h"
#include "look.h"
#include "menu.h"
#include "picture_box.h"
#include "qt_convert.h"
#include "session.h"
#include "support.h"

namespace trelavka::qt {
namespace {

const char* const kPhone = "Přidává 5 k popularitě a každý měsíc 5 000 do městské pokladny";

using testing::u;

class WindowTest : public ::testing::Test {
 protected:
  QWidget* get(const char* name) {
    QWidget* w = session.window().client()->findChild<QWidget*>(u(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
  }
  void show() {
    session.window().showCentred();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&session.window()));
  }
  // The widget that takes the mouse at a point of the window's client area.
  QWidget* at(QPoint clientPoint) { return session.window().client()->childAt(clientPoint); }

  Session session;
};

// Whether the model shows the control at start; captions and fields always stand.
bool shownAtStart(const Model& model, const layout::Control& row) {
  if (const auto* p = std::get_if<Picture>(&row.shows)) return model.shown(*p);
  if (const auto* l = std::get_if<Label>(&row.shows)) return model.shown(*l);
  if (const auto* b = std::get_if<Button>(&row.shows)) return model.button(*b).shown;
  return true;
}

// A place of the table on the screen: 15 twips are one pixel.
QRect pixelsOf(const layout::Twips& t) { return {t.left / 15, t.top / 15, t.width / 15, t.height / 15}; }

TEST_F(WindowTest, EveryRowOfTheLayoutBecomesItsWidgetInAFixedWindow) {
  for (const layout::Control& row : layout::kControls) {
    const std::string name(row.name);
    SCOPED_TRACE(name);
    QWidget* w = get(name.c_str());
    ASSERT_NE(w, nullptr);
    ASSERT_NE(w->parentWidget(), nullptr);
    EXPECT_EQ(w->parentWidget()->objectName(),
              row.container == Picture::None ? u("Trelavka") : qs(trelavka::name(row.container)));
    EXPECT_EQ(w->geometry(), pixelsOf(row.place));
    EXPECT_EQ(!w->isHidden(), shownAtStart(session.model(), row));
    EXPECT_EQ(w->toolTip(), qs(row.tooltip));
    EXPECT_EQ(w->font().pointSizeF(), layout::fontStyle(row.font).points);
    EXPECT_EQ(w->font().bold(), layout::fontStyle(row.font).bold);
    switch (row.kind) {
      case layout::Kind::Caption:
      case layout::Kind::Result:
        ASSERT_NE(qobject_cast<QLabel*>(w), nullptr);
        EXPECT_EQ(qobject_cast<QLabel*>(w)->text(), qs(row.caption));
        break;
      case layout::Kind::Counter: {
        auto* field = qobject_cast<QLineEdit*>(w);
        ASSERT_NE(field, nullptr);
        EXPECT_EQ(field->text(), qs(session.model().counterText(std::get<Counter>(row.shows))));
        EXPECT_FALSE(field->isEnabled());
        EXPECT_EQ(field->focusPolicy(), Qt::NoFocus);
        break;
      }
      case layout::Kind::Button:
        ASSERT_NE(qobject_cast<QPushButton*>(w), nullptr);
        EXPECT_EQ(qobject_cast<QPushButton*>(w)->text(), qs(row.caption));
        EXPECT_TRUE(w->isEnabled());
        break;
      case layout::Kind::Picture:
        ASSERT_NE(qobject_cast<PictureBox*>(w), nullptr);
        EXPECT_FALSE(qobject_cast<PictureBox*>(w)->pixmap().isNull());
        break;
    }
  }
  // Nothing more in the client area than the table holds.
  EXPECT_EQ(session.window().client()->findChildren<QWidget*>().size(),
            static_cast<qsizetype>(layout::kControls.size()));
  // A fixed client area, an icon, the button face for ground. (Title and
  // maximising are the end-to-end test's: it reads them from the window
  // manager, as the player sees them.)
  MainWindow& window = session.window();
  EXPECT_FALSE(window.windowIcon().isNull());
  EXPECT_FALSE(window.windowFlags() & Qt::WindowMinimizeButtonHint);
  show();
  EXPECT_EQ(window.client()->size(), QSize(663, 496));
  EXPECT_EQ(window.client()->y(), window.menuBar()->height());
  EXPECT_EQ(window.minimumSize(), window.maximumSize());
  EXPECT_EQ(window.client()->palette().color(QPalette::Window),
            window.client()->palette().color(QPalette::Button));
  // The map reaches one row past the client area's bottom edge.
  EXPECT_EQ(get("Picture1")->geometry().bottom(), 496);
  // The face has the Czech letters at the tables' sizes.
  const QFontMetrics metrics(get("Label1")->font());
  for (char32_t c : {U'á', U'č', U'ě', U'í', U'ř', U'š', U'ů', U'ý', U'ž', U'Á', U'Í', U'Ě'}) {
    EXPECT_TRUE(metrics.inFontUcs4(c)) << static_cast<unsigned>(c);
  }
}

// Whatever colour the desktop's theme gives windows, the client area paints
// the button face over it.
TEST(WindowGround, IsTheButtonFaceInAnyTheme) {
  const QPalette before = QApplication::palette();
  QPalette theme = before;
  theme.setColor(QPalette::Window, Qt::red);
  theme.setColor(QPalette::Button, Qt::gray);
  QApplication::setPalette(theme);
  {
    Session session;
    QWidget* client = session.window().client();
    const QImage shot = session.window().grab().toImage();
    QApplication::setPalette(before);
    EXPECT_EQ(QColor(shot.pixel(client->mapTo(&session.window(), QPoint(250, 10)))), QColor(Qt::gray));
  }
}

TEST_F(WindowTest, OverlapsAndTooltipsFollowWhatIsShown) {
  Model& model = session.model();
  show();
  const QPoint map = get("Picture1")->pos();
  // The Hi-Tech town hall over most of the modern one.
  model.setShown(Picture::Picture11, true);
  model.setShown(Picture::Picture24, true);
  EXPECT_EQ(at(map + QPoint(260, 200)), get("Picture24"));
  model.setShown(Picture::Picture24, false);
  EXPECT_EQ(at(map + QPoint(260, 200)), get("Picture11"));
  // The pond house over a 21 x 29 corner of the yellow house.
  model.setShown(Picture::Picture14, true);
  EXPECT_EQ(at(map + QPoint(404, 344)), get("Picture14"));
  EXPECT_EQ(at(map + QPoint(424, 372)), get("Picture14"));
  EXPECT_EQ(at(map + QPoint(403, 344)), get("Picture6"));
  EXPECT_EQ(at(map + QPoint(404, 374)), get("Picture6"));
  // "Pauza" over "Start hry".
  model.setButtonShown(Button::Command3, true);
  EXPECT_EQ(at(QPoint(330, 40)), get("Command3"));
  // A built banner hides the red one wholly, although the red one is narrower.
  model.setShown(Picture::Picture21, true);
  for (QPoint p : {QPoint(528, 60), QPoint(628, 80), QPoint(632, 70)}) {
    EXPECT_EQ(at(p), get("Picture21"));
  }
  model.setShown(Picture::Picture21, false);
  EXPECT_EQ(at(QPoint(528, 60)), get("Picture18"));
  // The enlarged estate shows only with the estate: its container.
  model.setShown(Picture::Picture29, true);
  EXPECT_FALSE(get("Picture29")->isVisible());
  model.setShown(Picture::Picture10, true);
  EXPECT_TRUE(get("Picture29")->isVisible());
  EXPECT_EQ(at(map + QPoint(425, 112)), get("Picture29"));
  EXPECT_EQ(at(map + QPoint(425, 170)), get("Picture10"));

  // Tooltips show only over shown controls.
  QWidget* client = session.window().client();
  const auto tipAt = [&](QPoint p) {
    QToolTip::hideText();
    EXPECT_TRUE(QTest::qWaitFor([] { return !QToolTip::isVisible(); }, 2000));
    QWidget* target = client->childAt(p);
    if (target == nullptr) target = client;
    QHelpEvent help(QEvent::ToolTip, target->mapFrom(client, p), client->mapToGlobal(p));
    QApplication::sendEvent(target, &help);
    return QToolTip::isVisible() ? QToolTip::text() : QString();
  };
  EXPECT_EQ(tipAt(QPoint(540, 70)), u(kPhone));  // the red "Telefon" banner
  EXPECT_EQ(tipAt(QPoint(120, 8)), u("Tvoje money"));  // a disabled field still explains itself
  const QPoint police = get("Picture1")->pos() + QPoint(40, 340);
  EXPECT_EQ(tipAt(police), QString());  // the police station is not built
  model.setShown(Picture::Picture2, true);
  EXPECT_EQ(tipAt(police),
            u("POLICIE - Přidává 10 k popularitě (nutné na stavbu Hi-Tech radnice)"));
  EXPECT_EQ(tipAt(QPoint(250, 10)), QString());  // the hidden button's place
  QToolTip::hideText();
}

// The menu bar holds the menu table's rows in its order, nested under their
// parents, each enabled, with its shortcut.
TEST_F(WindowTest, TheMenuBarIsTheMenuTable) {
  std::vector<std::string> want;
  const auto collect = [&](auto& self, std::string_view parent, int depth) -> void {
    for (const MenuItem& item : kMenu) {
      if (item.parent != parent) continue;
      want.push_back(std::to_string(depth) + "|" + std::string(item.caption) + "|" +
                     (item.action == MenuAction::Submenu ? "menu" : "item") + "|" +
                     std::string(item.shortcut));
      self(self, item.name, depth + 1);
    }
  };
  collect(collect, "", 0);
  std::vector<std::string> got;
  const auto walk = [&](auto& self, const QList<QAction*>& actions, int depth) -> void {
    for (QAction* a : actions) {
      EXPECT_TRUE(a->isEnabled() && a->isVisible() && !a->isCheckable()) << a->text().toStdString();
      got.push_back(std::to_string(depth) + "|" + a->text().toStdString() + "|" +
                    (a->menu() != nullptr ? "menu" : "item") + "|" +
                    a->shortcut().toString(QKeySequence::PortableText).toStdString());
      if (a->menu() != nullptr) self(self, a->menu()->actions(), depth + 1);
    }
  };
  walk(walk, session.window().menuBar()->actions(), 0);
  EXPECT_EQ(got, want);
  EXPECT_EQ(want[1], "1|Konec|item|Ctrl+K");
  EXPECT_FALSE(session.window().menuBar()->isNativeMenuBar());
}

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
  for (int y = 0; y < 52; ++y) {
    for (int x = 0; x < 57; ++x) {
      const QRgb want = source.pixel(x, y);
      for (QPoint d : {QPoint(0, 0), QPoint(1, 0), QPoint(0, 1), QPoint(1, 1)}) {
        ASSERT_EQ(dense.pixel(2 * x + d.x(), 2 * y + d.y()), want) << x << "," << y;
      }
    }
  }
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
