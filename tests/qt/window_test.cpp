// The built main window against the window's layout and menu tables. The
// expected values are written here, in pixels, on purpose: they are a second
// reading of the tables, not a copy of the code's.
#include <gtest/gtest.h>

#include <QAction>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QToolTip>
#include <string>
#include <vector>

#include "picture_box.h"
#include "placement.h"
#include "session.h"
#include "support.h"

namespace trelavka {
namespace {

enum class W { Label, Field, Button, Picture };

struct Expected {
  const char* name;
  W kind;
  const char* parent;
  QRect place;
  bool shown;
  const char* text;     // caption, or the field's text
  const char* tooltip;
  double points;        // 0: the window's own font
};

const char* const kNetwork = "Přidává 5 k popularitě";
const char* const kPhone = "Přidává 5 k popularitě a každý měsíc 5 000 do městské pokladny";

const std::vector<Expected> kExpected{
    {"Label1", W::Label, "Trelavka", {8, 4, 65, 17}, true, "Peníze", "", 9.75},
    {"Text1", W::Field, "Trelavka", {104, 4, 97, 15}, true, "2500000", "Tvoje money", 0},
    {"Label2", W::Label, "Trelavka", {8, 32, 97, 17}, true, "Obyvatelstvo", "", 9.75},
    {"Text2", W::Field, "Trelavka", {104, 32, 97, 15}, true, "300", "Počet obyvatel tvé vesnice", 0},
    {"Label3", W::Label, "Trelavka", {8, 60, 77, 17}, true, "Popularita", "", 9.75},
    {"Text3", W::Field, "Trelavka", {104, 60, 97, 15}, true, "20",
     "Jak tě lidi milujou nebo nenávidiou", 0},
    {"Label4", W::Label, "Trelavka", {328, 4, 33, 13}, true, "Den", "", 9.75},
    {"Text4", W::Field, "Trelavka", {364, 4, 65, 15}, true, "1", "", 0},
    {"Command1", W::Button, "Trelavka", {211, 3, 109, 29}, false, "Další měsíc",
     "Tímto tlačítkem se dostaneš do dalšího měsíce", 0},
    {"Command2", W::Button, "Trelavka", {328, 37, 110, 29}, true, "Start hry", "", 0},
    {"Command3", W::Button, "Trelavka", {328, 36, 111, 30}, false, "Pauza", "", 0},
    {"Picture16", W::Picture, "Trelavka", {528, 4, 105, 21}, true, "", kNetwork, 0},
    {"Picture17", W::Picture, "Trelavka", {528, 32, 101, 21}, true, "", kNetwork, 0},
    {"Picture18", W::Picture, "Trelavka", {528, 60, 101, 21}, true, "", kPhone, 0},
    {"Picture19", W::Picture, "Trelavka", {528, 4, 105, 21}, false, "", kNetwork, 0},
    {"Picture20", W::Picture, "Trelavka", {528, 32, 105, 21}, false, "", kNetwork, 0},
    {"Picture21", W::Picture, "Trelavka", {528, 60, 105, 21}, false, "", kPhone, 0},
    {"Picture1", W::Picture, "Trelavka", {0, 88, 663, 409}, true, "", "", 0},
    {"Label5", W::Label, "Picture1", {244, 36, 183, 37}, false, "PROHRÁLS", "", 24},
    {"Label6", W::Label, "Picture1", {256, 80, 161, 37}, false, "VYHRÁLS", "", 24},
    {"Picture2", W::Picture, "Picture1", {24, 316, 65, 73}, false, "",
     "POLICIE - Přidává 10 k popularitě (nutné na stavbu Hi-Tech radnice)", 0},
    {"Picture3", W::Picture, "Picture1", {136, 328, 73, 73}, false, "",
     "HASIČI - Přdává 15 k popularitě", 0},
    {"Picture4", W::Picture, "Picture1", {468, 308, 77, 97}, false, "",
     "NEMOCNICE - přidává 15 k popularitě a 100 k obyvatelstvu (nutné pro Hi-TEch radnici)", 0},
    {"Picture5", W::Picture, "Picture1", {352, 240, 69, 41}, false, "",
     "OBCHOD - Přidává 5 k popularitě a každý měsíc 50 000 do městské kasy", 0},
    {"Picture6", W::Picture, "Picture1", {396, 344, 29, 33}, true, "", "", 0},
    {"Picture7", W::Picture, "Picture1", {252, 340, 57, 33}, true, "", "", 0},
    {"Picture8", W::Picture, "Picture1", {596, 344, 57, 49}, false, "", "", 0},
    {"Picture9", W::Picture, "Picture1", {356, 372, 57, 33}, false, "", "", 0},
    {"Picture10", W::Picture, "Picture1", {424, 108, 217, 169}, false, "",
     "SÍDLIŠTĚ - přidává 5 k popularitě a 300 k obyvatelstvu (Nutné pro moderní radnici a "
     "hypermarket)",
     0},
    {"Picture29", W::Picture, "Picture10", {1, 4, 211, 57}, false, "",
     "SÍDLIŠTĚ SE ZVĚTŠENOU KAPACITOU - Přidáva 200 k obyvatelstvu", 0},
    {"Picture11", W::Picture, "Picture1", {210, 134, 125, 171}, false, "",
     "MODERNÍ RADNICE - přidává 5 k popularitě, 100 k obyvatelstvu (Nutné pro pořádání "
     "festivalu)",
     0},
    {"Picture12", W::Picture, "Picture1", {52, 194, 133, 87}, false, "",
     "HYPERMARKET \"Kramlex\" - přidává 50 k obyvatelstvu a 200 000,-Kč měsíčne do pokladny, "
     "ubírá 10 popularity",
     0},
    {"Picture13", W::Picture, "Picture1", {360, 200, 29, 33}, false, "", "", 0},
    {"Picture14", W::Picture, "Picture1", {404, 328, 57, 45}, false, "", "", 0},
    {"Picture15", W::Picture, "Picture1", {220, 360, 29, 33}, false, "", "", 0},
    {"Picture22", W::Picture, "Picture1", {400, 184, 29, 33}, false, "", "", 0},
    {"Picture23", W::Picture, "Picture1", {284, 372, 29, 33}, false, "", "", 0},
    {"Picture24", W::Picture, "Picture1", {204, 145, 153, 160}, false, "",
     "HI-TECH RADNICE - Přidává 10 k popularitě a 200 k obyvatelstvu", 0},
    {"Picture25", W::Picture, "Picture1", {554, 316, 56, 33}, false, "", "", 0},
    {"Picture26", W::Picture, "Picture1", {130, 96, 24, 49}, false, "",
     "ROZHLEDNA - přidává 5 k popularitě", 0},
    {"Picture27", W::Picture, "Picture1", {85, 320, 55, 34}, false, "", "", 0},
    {"Picture28", W::Picture, "Picture1", {324, 342, 31, 32}, false, "", "", 0},
    {"Picture30", W::Picture, "Picture1", {540, 383, 45, 22}, false, "",
     "HELIPORT - Patří k nemocnici s rozšířeným vybavením, přodává 100 k obyvatelstvu, 5 k "
     "popularitě",
     0},
    {"Picture31", W::Picture, "Picture1", {116, 164, 79, 40}, false, "",
     "KONCERT BRONTOVOX - Přidává 30 k popularitě", 0},
};

QString u(const char* s) { return QString::fromUtf8(s); }

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

TEST_F(WindowTest, EveryControlHasItsKindPlaceTextTooltipFontAndStartState) {
  for (const Expected& e : kExpected) {
    SCOPED_TRACE(e.name);
    QWidget* w = get(e.name);
    ASSERT_NE(w, nullptr);
    ASSERT_NE(w->parentWidget(), nullptr);
    EXPECT_EQ(w->parentWidget()->objectName(), u(e.parent));
    EXPECT_EQ(w->geometry(), e.place);
    EXPECT_EQ(!w->isHidden(), e.shown);
    EXPECT_EQ(w->toolTip(), u(e.tooltip));
    switch (e.kind) {
      case W::Label:
        ASSERT_NE(qobject_cast<QLabel*>(w), nullptr);
        EXPECT_EQ(qobject_cast<QLabel*>(w)->text(), u(e.text));
        break;
      case W::Field: {
        auto* field = qobject_cast<QLineEdit*>(w);
        ASSERT_NE(field, nullptr);
        EXPECT_EQ(field->text(), u(e.text));
        EXPECT_FALSE(field->isEnabled());
        EXPECT_EQ(field->focusPolicy(), Qt::NoFocus);
        break;
      }
      case W::Button:
        ASSERT_NE(qobject_cast<QPushButton*>(w), nullptr);
        EXPECT_EQ(qobject_cast<QPushButton*>(w)->text(), u(e.text));
        EXPECT_TRUE(w->isEnabled());
        break;
      case W::Picture:
        ASSERT_NE(qobject_cast<PictureBox*>(w), nullptr);
        EXPECT_FALSE(qobject_cast<PictureBox*>(w)->pixmap().isNull());
        break;
    }
    if (e.points > 0) {
      EXPECT_DOUBLE_EQ(w->font().pointSizeF(), e.points);
      EXPECT_TRUE(w->font().bold());
    }
  }
  // Nothing more in the client area than the tables hold.
  EXPECT_EQ(session.window().client()->findChildren<QWidget*>().size(),
            static_cast<qsizetype>(kExpected.size()));
}

TEST_F(WindowTest, FixedClientAreaTitleIconAndButtonFaceGround) {
  MainWindow& window = session.window();
  EXPECT_EQ(window.windowTitle(), u("Trelavka"));
  EXPECT_FALSE(window.windowIcon().isNull());
  const Qt::WindowFlags flags = window.windowFlags();
  EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
  EXPECT_FALSE(flags & Qt::WindowMinimizeButtonHint);
  EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
  show();
  EXPECT_EQ(window.client()->size(), QSize(663, 496));
  EXPECT_EQ(window.client()->y(), window.menuBar()->height());
  EXPECT_EQ(window.minimumSize(), window.maximumSize());
  EXPECT_EQ(window.client()->palette().color(QPalette::Window),
            window.client()->palette().color(QPalette::Button));
  // The map reaches one row past the client area's bottom edge.
  EXPECT_EQ(get("Picture1")->geometry().bottom(), 496);
}

TEST_F(WindowTest, TheFontHasCzechLettersAtTheTablesSizes) {
  const QFontMetrics metrics(get("Label1")->font());
  for (char32_t c : {U'á', U'č', U'ě', U'í', U'ř', U'š', U'ů', U'ý', U'ž', U'Á', U'Í', U'Ě'}) {
    EXPECT_TRUE(metrics.inFontUcs4(c)) << static_cast<unsigned>(c);
  }
}

// Later siblings are drawn above earlier ones.
TEST_F(WindowTest, StackingOrderFromTopToBottom) {
  const std::vector<const char*> mapTopDown{
      "Picture31", "Picture30", "Picture28", "Picture27", "Picture26", "Picture25",
      "Picture24", "Picture23", "Picture22", "Picture15", "Picture14", "Picture13",
      "Picture12", "Picture11", "Picture10", "Picture9",  "Picture8",  "Picture7",
      "Picture6",  "Picture5",  "Picture4",  "Picture3",  "Picture2",  "Label6",
      "Label5"};
  QStringList below;
  for (QObject* child : get("Picture1")->children()) {
    if (child->isWidgetType()) below.prepend(child->objectName());
  }
  QStringList expected;
  for (const char* name : mapTopDown) expected << u(name);
  // The two result labels may lie in either order: they never overlap.
  below.sort(Qt::CaseSensitive);
  expected.sort(Qt::CaseSensitive);
  EXPECT_EQ(below, expected);
  const QObjectList mapChildren = get("Picture1")->children();
  for (std::size_t i = 0; i + 3 < mapTopDown.size(); ++i) {
    EXPECT_GT(mapChildren.indexOf(get(mapTopDown[i])), mapChildren.indexOf(get(mapTopDown[i + 1])))
        << mapTopDown[i] << " over " << mapTopDown[i + 1];
  }
  for (const char* label : {"Label5", "Label6"}) {
    EXPECT_LT(mapChildren.indexOf(get(label)), mapChildren.indexOf(get("Picture2"))) << label;
  }
}

TEST_F(WindowTest, OverlappingControlsCoverTheRightOnes) {
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
}

TEST_F(WindowTest, TooltipsShowOnlyOverShownControls) {
  show();
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
  session.model().setShown(Picture::Picture2, true);
  EXPECT_EQ(tipAt(police),
            u("POLICIE - Přidává 10 k popularitě (nutné na stavbu Hi-Tech radnice)"));
  EXPECT_EQ(tipAt(QPoint(250, 10)), QString());  // the hidden button's place
  QToolTip::hideText();
}

TEST_F(WindowTest, CounterFieldsIgnoreClicksAndTyping) {
  show();
  auto* field = qobject_cast<QLineEdit*>(get("Text1"));
  QTest::mouseClick(field, Qt::LeftButton);
  QTest::keyClicks(field, "999");
  QTest::keyClick(field, Qt::Key_Backspace);
  EXPECT_EQ(field->text(), u("2500000"));
  EXPECT_FALSE(field->hasFocus());
  EXPECT_EQ(session.model().counter(kMoney), 2500000);
}

struct MenuLine {
  int depth;
  const char* caption;
  bool submenu;
  const char* shortcut;
};

void walk(const QList<QAction*>& actions, int depth, std::vector<std::string>& out) {
  for (QAction* a : actions) {
    std::string line = std::to_string(depth) + "|" + a->text().toStdString() + "|" +
                       (a->menu() != nullptr ? "menu" : "item") + "|" +
                       a->shortcut().toString(QKeySequence::PortableText).toStdString() + "|" +
                       (a->isEnabled() && a->isVisible() && !a->isCheckable() ? "ok" : "off");
    out.push_back(line);
    if (a->menu() != nullptr) walk(a->menu()->actions(), depth + 1, out);
  }
}

TEST_F(WindowTest, MenuTreeInOrderWithExactCaptions) {
  const std::vector<MenuLine> expected{
      {0, "Soubor", true, ""},
      {1, "Konec", false, "Ctrl+K"},
      {0, "Stavby", true, ""},
      {1, "Obchod          700 000,-Kč", false, ""},
      {1, "Hypermarket  7 500 000,-Kč", false, ""},
      {1, "Sídliště           2 500 000,-Kč", false, ""},
      {1, "Civilní stavby", true, ""},
      {2, "Policie         1 050 000,-Kč", false, ""},
      {2, "Hasiči         1 600 000,-Kč", false, ""},
      {2, "Nemocnice 2 000 000,-Kč", false, ""},
      {1, "Městské stavby", true, ""},
      {2, "Moderní radnice 1 300 000,-Kč", false, ""},
      {2, "Hi-Tech radnice  4 500 000,-Kč", false, ""},
      {1, "Inženýrské sítě", true, ""},
      {2, "Kanalizace   2 000 000,-Kč", false, ""},
      {2, "Plynofikace  1 650 000,-Kč", false, ""},
      {2, "Telefon        1 450 000,-Kč", false, ""},
      {1, "Speciální stavby", true, ""},
      {2, "Rozhledna   1 200 000,-Kč", false, ""},
      {1, "Opravy", true, ""},
      {2, "Zvětšit kapacitu sídliště                      2 000 000,-Kč", false, ""},
      {2, "Nakoupit nové nemocniční vybavení 4 500 000,-Kč", false, ""},
      {0, "Ostatní", true, ""},
      {1, "Zlepšení živatního prostředí  900 000,-Kč", false, ""},
      {1, "Uspořádat trhy                      100 000,-Kč", false, ""},
      {1, "Uspořádat festival                 1 300 000,-Kč", false, ""},
      {1, "Speciální akce", true, ""},
      {2, "Mega koncert Brontovox  8 000 000,-Kč", false, ""},
      {0, "Nápověda", true, ""},
      {1, "Help", false, ""},
      {1, "O Trelavka", false, ""},
  };
  std::vector<std::string> want;
  for (const MenuLine& m : expected) {
    want.push_back(std::to_string(m.depth) + "|" + m.caption + "|" + (m.submenu ? "menu" : "item") +
                   "|" + m.shortcut + "|ok");
  }
  std::vector<std::string> got;
  walk(session.window().menuBar()->actions(), 0, got);
  EXPECT_EQ(got, want);
  EXPECT_FALSE(session.window().menuBar()->isNativeMenuBar());
}

// A small screen must not push the menu bar off its top (it went to -17 on
// a 640 x 480 screen).
TEST(Placement, CentresButKeepsTheTopLeftCornerOnTheScreen) {
  const ScreenArea small{0, 0, 640, 480};
  EXPECT_EQ(centredPlace(663, 530, small).x, 0);
  EXPECT_EQ(centredPlace(663, 530, small).y, 0);
  const ScreenArea wide{0, 24, 1024, 744};  // a panel above
  EXPECT_EQ(centredPlace(624, 344, wide).x, 200);
  EXPECT_EQ(centredPlace(624, 344, wide).y, 224);
  // Too tall only: still centred across.
  const ScreenArea right{1920, 0, 1280, 400};
  EXPECT_EQ(centredPlace(680, 530, right).x, 2220);
  EXPECT_EQ(centredPlace(680, 530, right).y, 0);
}

}  // namespace
}  // namespace trelavka
