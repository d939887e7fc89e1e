// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <map>

#include "dispatch.h"
#include "game.h"
#include "layout.h"
#include "look.h"
#include "menu.h"
#include "picture_box.h"
#include "placement.h"
#include "qt_convert.h"

namespace trelavka {
namespace {

// No caption carries an access key; a literal '&' must stay one.
QString menuText(std::string_view caption) { return qs(caption).replace(u'&', QStringLiteral("&&")); }

std::string_view quitItem() {
  for (const auto& item : kMenu) {
    if (item.action == MenuAction::Quit) return item.name;
  }
  return {};
}

}  // namespace

MainWindow::MainWindow(Model& model, Dispatch& dispatch)
    : QMainWindow(nullptr,
                  Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                      Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      model_(model),
      dispatch_(dispatch) {
  setWindowTitle(QStringLiteral("Trelavka"));
  setWindowIcon(gameIcon());
  buildControls();
  buildMenus();
  layout()->setSizeConstraint(QLayout::SetFixedSize);
  // Boxes before the first show (the welcome box) centre on the window's place.
  placeCentred();
  model_.addObserver(this);
}

MainWindow::~MainWindow() { model_.removeObserver(this); }

void MainWindow::buildControls() {
  auto* client = new QWidget(this);
  client->setObjectName(QStringLiteral("Trelavka"));
  client->setFixedSize(rectOf(layout::kClient).size());
  QPalette ground = client->palette();
  ground.setColor(QPalette::Window, ground.color(QPalette::Button));
  client->setPalette(ground);
  client->setAutoFillBackground(true);
  client->setFont(fontFor(layout::Font::Window));
  setCentralWidget(client);

  std::map<std::string_view, QWidget*> containers{{"", client}};
  for (const layout::Control& row : layout::kControls) {
    QWidget* parent = containers.at(row.container);
    QWidget* widget = nullptr;
    switch (row.kind) {
      case layout::Kind::Caption: {
        auto* label = new QLabel(qs(row.caption), parent);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        widget = label;
        break;
      }
      case layout::Kind::Counter: {
        auto* field = new QLineEdit(parent);
        // Disabled: the player reads the counter but can neither focus nor type.
        field->setEnabled(false);
        field->setFocusPolicy(Qt::NoFocus);
        // ... yet its digits are what the game is about: keep them dark.
        QPalette digits = field->palette();
        digits.setColor(QPalette::Disabled, QPalette::Text, digits.color(QPalette::Active, QPalette::Text));
        field->setPalette(digits);
        const Counter c = *counterNamed(row.name);
        field->setText(qs(model_.counterText(c)));
        counters_[index(c)] = field;
        widget = field;
        break;
      }
      case layout::Kind::Button: {
        auto* button = new QPushButton(qs(row.caption), parent);
        const Button b = *buttonNamed(row.name);
        connect(button, &QPushButton::clicked, this, [this, b] { dispatch_.press(b); });
        button->setVisible(model_.button(b).shown);
        button->setEnabled(model_.button(b).enabled);
        buttons_[index(b)] = button;
        widget = button;
        break;
      }
      case layout::Kind::Picture: {
        auto* box = new PictureBox(imageResource(row.image), parent);
        const Picture p = *pictureNamed(row.name);
        box->setVisible(model_.shown(p));
        pictures_[index(p)] = box;
        widget = box;
        break;
      }
      case layout::Kind::Result: {
        auto* label = new QLabel(qs(row.caption), parent);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        const Label l = *labelNamed(row.name);
        label->setVisible(model_.shown(l));
        results_[index(l)] = label;
        widget = label;
        break;
      }
    }
    widget->setObjectName(qs(row.name));
    widget->setGeometry(rectOf(row.place));
    if (row.font != layout::Font::Window) widget->setFont(fontFor(row.font));
    if (!row.tooltip.empty()) widget->setToolTip(qs(row.tooltip));
    containers[row.name] = widget;
  }
}

void MainWindow::buildMenus() {
  menuBar()->setNativeMenuBar(false);  // a desktop-wide menu bar would leave the window short
  std::map<std::string_view, QMenu*> menus;
  for (const MenuItem& item : kMenu) {
    if (item.action == MenuAction::Submenu) {
      QMenu* menu = item.parent.empty() ? menuBar()->addMenu(menuText(item.caption))
                                        : menus.at(item.parent)->addMenu(menuText(item.caption));
      menu->setObjectName(qs(item.name));
      menus[item.name] = menu;
      continue;
    }
    QAction* action = menus.at(item.parent)->addAction(menuText(item.caption));
    action->setObjectName(qs(item.name));
    if (!item.shortcut.empty()) action->setShortcut(QKeySequence(qs(item.shortcut)));
    const std::string_view name = item.name;
    connect(action, &QAction::triggered, this, [this, name] { dispatch_.choose(name); });
  }
}

QWidget* MainWindow::control(std::string_view name) const {
  return centralWidget()->findChild<QWidget*>(qs(name));
}

void MainWindow::placeCentred() {
  adjustSize();
  QScreen* screen = QGuiApplication::primaryScreen();
  if (screen != nullptr) {
    const QRect area = screen->availableGeometry();
    const WindowPlace place =
        centredPlace(width(), height(), {area.x(), area.y(), area.width(), area.height()});
    move(place.x, place.y);  // the frame's corner: the title bar stays on the screen too
  }
}

void MainWindow::showCentred() {
  placeCentred();
  show();
}

void MainWindow::closeEvent(QCloseEvent* event) {
  // The close box leaves the game as "Konec" does, about window included.
  if (!dispatch_.game().ended()) dispatch_.choose(quitItem());
  event->accept();
}

void MainWindow::counterWritten(Counter c, std::int64_t) {
  counters_[index(c)]->setText(qs(model_.counterText(c)));
}

void MainWindow::pictureChanged(Picture p, bool shown) { pictures_[index(p)]->setVisible(shown); }

void MainWindow::labelChanged(Label l, bool shown) { results_[index(l)]->setVisible(shown); }

void MainWindow::buttonChanged(Button b, bool shown, bool enabled) {
  QPushButton* button = buttons_[index(b)];
  const bool hadFocus = button->hasFocus();
  button->setVisible(shown);
  button->setEnabled(enabled);
  // "Start hry" and "Pauza" take turns in one place, and Space must press the
  // one shown. The toolkit hands the focus of a hidden button only to one that
  // is already shown; when the other appears later, it takes the focus then.
  if (!shown && hadFocus) {
    const QWidget* now = QApplication::focusWidget();
    focusHeir_ = now == nullptr || !now->isVisible();
  } else if (shown && enabled && focusHeir_) {
    focusHeir_ = false;
    button->setFocus(Qt::OtherFocusReason);
  }
}

}  // namespace trelavka
