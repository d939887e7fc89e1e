// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The window, the port and the relay between them and the rules: what the
// player does reaches the rules, what the rules change reaches the screen,
// the game clock's ticks come through the event loop, and leaving ends the
// program. (How the relay keeps a tick during a box: tests/view.)
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QDesktopServices>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QLoggingCategory>
#include <QMenuBar>
#include <QMessageBox>
#include <QTest>
#include <QThread>
#include <QUrl>

#include "about_window.h"
#include "clock.h"
#include "session.h"
#include "support.h"
#include "toolkit_messages.h"

namespace trelavka::qt {
namespace {

using testing::u;

QAction* menuAction(MainWindow& window, const char* name) {
  return window.menuBar()->findChild<QAction*>(u(name));
}

// Catches the addresses the game hands to the browser.
class Browser : public QObject {
  Q_OBJECT

 public:
  Browser() { QDesktopServices::setUrlHandler(QStringLiteral("http"), this, "open"); }
  ~Browser() override { QDesktopServices::unsetUrlHandler(QStringLiteral("http")); }
  Q_INVOKABLE void open(const QUrl& url) { opened << url.toString(); }
  QStringList opened;
};

// Runs the event loop until the program is told to end, or 5 s pass (-1).
// The last window closing would end the loop by itself: switched off here, so
// only the game's own exit counts.
int runUntilExit(const std::function<void()>& action) {
  QGuiApplication::setQuitOnLastWindowClosed(false);
  QTimer::singleShot(0, action);
  QTimer watchdog;
  watchdog.setSingleShot(true);
  QObject::connect(&watchdog, &QTimer::timeout, [] { QCoreApplication::exit(-1); });
  watchdog.start(5000);
  const int code = QCoreApplication::exec();
  QGuiApplication::setQuitOnLastWindowClosed(true);
  return code;
}

// Runs `before` once, when the first queued call reaches the object.
class EventHook : public QObject {
 public:
  explicit EventHook(std::function<void()> before) : before_(std::move(before)) {}
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::MetaCall && !fired) {
      fired = true;
      before_();
    }
    return false;
  }
  bool fired = false;

 private:
  std::function<void()> before_;
};

// Polls for the modal box (up to 5 s), hands it to `inside` while it is
// open, then presses OK. Never leaves a box open for good.
void answerNextBox(std::function<void(QMessageBox&)> inside) {
  auto* poll = new QTimer(qApp);
  poll->setInterval(5);
  QObject::connect(poll, &QTimer::timeout, poll, [poll, inside, tries = 0]() mutable {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr) {
      if (++tries > 1000) poll->deleteLater();
      return;
    }
    poll->stop();
    poll->deleteLater();
    inside(*box);
    QTimer::singleShot(0, box, [box] { box->button(QMessageBox::Ok)->click(); });
  });
  poll->start();
}

void dropDeleted() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

TEST(Glue, WelcomeBoxComesBeforeTheWindowWithNoIconAndOnlyOk) {
  Session session;
  QString title;
  QMessageBox::Icon icon = QMessageBox::Warning;
  qsizetype buttons = 0;
  bool windowShown = true;
  answerNextBox([&](QMessageBox& box) {
    title = box.windowTitle();
    icon = box.icon();
    buttons = box.buttons().size();
    windowShown = session.window().isVisible();
  });
  session.load();
  EXPECT_EQ(title, u("VÍTEJ NOVÝ STAROSTO"));
  EXPECT_EQ(icon, QMessageBox::NoIcon);
  EXPECT_EQ(buttons, 1);
  EXPECT_FALSE(windowShown);
  EXPECT_FALSE(session.game().ended());
}

TEST(Glue, ModelChangesReachTheScreen) {
  Session session;
  Model& model = session.model();
  MainWindow& window = session.window();
  model.setShown(Picture::Picture12, true);
  EXPECT_FALSE(window.control("Picture12")->isHidden());
  model.setShown(Picture::Picture12, false);
  EXPECT_TRUE(window.control("Picture12")->isHidden());
  model.setShown(Label::Label5, true);
  EXPECT_FALSE(window.control("Label5")->isHidden());
  model.writeCounter(kPopulation, -1234567890123);
  EXPECT_EQ(qobject_cast<QLineEdit*>(window.control("Text2"))->text(), u("-1234567890123"));
  model.setButtonShown(Button::Command3, true);
  model.setButtonEnabled(Button::Command3, false);
  EXPECT_FALSE(window.control("Command3")->isHidden());
  EXPECT_FALSE(window.control("Command3")->isEnabled());
}

// The about window opens once, is raised, and closes by its logo; "Konec",
// its shortcut and the close box all end the program at once and take an
// open about window along.
TEST(Glue, TheAboutWindowOpensOnceAndEveryWayOutTakesItAlong) {
  const std::vector<std::pair<const char*, std::function<void(MainWindow&)>>> ways{
      {"Konec", [](MainWindow& w) { menuAction(w, "Konec")->trigger(); }},
      {"Ctrl+K", [](MainWindow& w) { QTest::keyClick(&w, Qt::Key_K, Qt::ControlModifier); }},
      {"close box", [](MainWindow& w) { w.close(); }},
  };
  for (const auto& [way, leave] : ways) {
    Browser browser;
    Session session;
    MainWindow& window = session.window();
    window.showCentred();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window)) << way;
    QAction* open = menuAction(window, "osim");
    open->trigger();
    QPointer<AboutWindow> about = session.port().aboutWindow();
    ASSERT_FALSE(about.isNull()) << way;
    EXPECT_TRUE(about->isVisible());
    open->trigger();
    EXPECT_EQ(session.port().aboutWindow(), about);
    emit about->clicked(AboutTarget::Address);
    // The address as the label shows it, handed to the browser as a web address.
    EXPECT_EQ(browser.opened, QStringList{"http://www.example.org"});
    EXPECT_EQ(session.port().aboutWindow(), about);
    emit about->clicked(AboutTarget::Logo);
    EXPECT_EQ(session.port().aboutWindow(), nullptr);
    EXPECT_FALSE(session.model().aboutOpen());
    dropDeleted();
    EXPECT_TRUE(about.isNull()) << way;
    open->trigger();
    about = session.port().aboutWindow();
    ASSERT_FALSE(about.isNull()) << way;
    EXPECT_TRUE(about->isVisible());

    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window)) << way;
    EXPECT_EQ(runUntilExit([&, leave = leave] { leave(window); }), 0) << way;
    EXPECT_TRUE(session.game().ended()) << way;
    EXPECT_FALSE(window.isVisible()) << way;
    dropDeleted();
    EXPECT_TRUE(about.isNull()) << way;
  }
}

// A game tick the clock has already queued when "Pauza" is pressed must not
// run, nor may it run early once "Start hry" is pressed again before it arrives.
TEST(Glue, ATickQueuedBeforePauzaIsDropped) {
  for (bool startAgain : {false, true}) {
    Session session(0.05);  // 140 ms a day
    view::EventRelay& relay = session.relay();
    QElapsedTimer since;
    // Steps in just before the queued tick is delivered, as a click would.
    EventHook hook([&] {
      relay.press(Button::Command3);
      if (startAgain) {
        relay.press(Button::Command2);
        since.start();
      }
    });
    session.tasks().installEventFilter(&hook);
    relay.press(Button::Command2);
    ASSERT_TRUE(QTest::qWaitFor([&] { return hook.fired; }, 2000)) << startAgain;
    QTest::qWait(60);
    EXPECT_EQ(session.model().counter(kDay), 1) << startAgain;
    if (startAgain) {
      ASSERT_TRUE(QTest::qWaitFor([&] { return session.model().counter(kDay) == 2; }, 2000));
      EXPECT_GE(since.elapsed(), 135);
    }
  }
}

// The real clock, run faster: ticks come on a deadline schedule measured
// from the moment a timer is switched on (the map's from the window's
// creation), so slow steps and stalls never push later ticks back.
TEST(Clock, TicksFallOnTheirDeadlinesEvenWithSlowSteps) {
  constexpr double kScale = 0.05;  // the game day: 140 ms
  Model model;
  QElapsedTimer sinceCreation, sinceStart;
  std::vector<qint64> gameTicks, mapTicks;  // the map's: Timer8's, the quickest
  QObject loop;
  sinceCreation.start();
  Clock clock(
      model,
      [&](Timer t) {
        if (t == Timer::Timer8) mapTicks.push_back(sinceCreation.elapsed());
        if (t != Timer::Timer) return;
        gameTicks.push_back(sinceStart.elapsed());
        QThread::msleep(35);  // a quarter of the day must not push the next one back
      },
      // The game timer's ticks come from the event loop, as in the game.
      [&](std::function<void()> task) { QTimer::singleShot(0, &loop, std::move(task)); }, kScale);
  const auto expectOnSchedule = [](const std::vector<qint64>& ticks, double intervalMs) {
    for (std::size_t k = 0; k < ticks.size(); ++k) {
      const double due = static_cast<double>(k + 1) * intervalMs;
      EXPECT_GE(static_cast<double>(ticks[k]), due - 2.0) << "tick " << k + 1;
      EXPECT_LE(static_cast<double>(ticks[k]), due + 100) << "tick " << k + 1;  // a busy machine
    }
  };
  ASSERT_TRUE(QTest::qWaitFor([&] { return mapTicks.size() >= 3; }, 5000));
  expectOnSchedule({mapTicks.begin(), mapTicks.begin() + 3}, 2000 * kScale);
  EXPECT_TRUE(gameTicks.empty());  // the game waits for "Start hry"
  sinceStart.start();
  model.setTimerOn(Timer::Timer, true);
  ASSERT_TRUE(QTest::qWaitFor([&] { return gameTicks.size() >= 25; }, 20000));
  expectOnSchedule(gameTicks, 2800 * kScale);
}

// The toolkit's complaints about a missing sound device or browser are dropped;
// a fault of our own is not.
TEST(Glue, ToolkitMessagesOnlyAboutSoundAndBrowserAreKeptQuiet) {
  quietToolkitMessages();
  quietToolkitMessages();
  ::testing::internal::CaptureStderr();
  qWarning("No audio device detected");
  qWarning("Unable to detect a web browser to launch 'http://www.example.org'");
  const QLoggingCategory sound("qt.multimedia.audio");
  qCWarning(sound) << "no sink";
  qWarning("Trelavka: something of ours went wrong");
  const std::string out = ::testing::internal::GetCapturedStderr();
  EXPECT_EQ(out.find("audio"), std::string::npos) << out;
  EXPECT_EQ(out.find("browser"), std::string::npos) << out;
  EXPECT_NE(out.find("something of ours went wrong"), std::string::npos) << out;
}

}  // namespace
}  // namespace trelavka::qt

#include "glue_test.moc"
