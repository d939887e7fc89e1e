// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <map>

#include "accessible_names.h"
#include "layout.h"
#include "look.h"
#include "menu.h"
#include "menu_text.h"
#include "picture_box.h"
#include "qt_convert.h"

namespace trelavka::qt {

MainWindow::MainWindow(Model& model, view::EventRelay& relay)
    : QMainWindow(nullptr,
                  Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                      Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      model_(model),
      relay_(relay) {
  setWindowTitle(qs(layout::kTitle));
  setWindowIcon(gameIcon());
  buildControls();
  buildMenus();
  layout()->setSizeConstraint(QLayout::SetFixedSize);
  // Boxes before the first show (the welcome box) centre on the window's place.
  placeOnScreen(*this);
  model_.addObserver(this);
}

MainWindow::~MainWindow() { model_.removeObserver(this); }

void MainWindow::buildControls() {
  auto* client = new QWidget(this);
  client->setObjectName(qs(layout::kTitle));
  client->setFixedSize(rectOf(layout::kClient).size());
  QPalette ground = client->palette();
  ground.setColor(QPalette::Window, ground.color(QPalette::Button));
  client->setPalette(ground);
  client->setAutoFillBackground(true);
  client->setFont(fontFor(layout::Font::Window));
  setCentralWidget(client);

  for (const layout::Control& row : layout::kControls) {
    QWidget* parent = row.container == Picture::None ? client : pictures_[index(row.container)];
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
        field->setEnabled(false);
        field->setFocusPolicy(Qt::NoFocus);
        // Disabled, yet its digits are what the game is about: keep them dark.
        QPalette digits = field->palette();
        digits.setColor(QPalette::Disabled, QPalette::Text, digits.color(QPalette::Active, QPalette::Text));
        field->setPalette(digits);
        const Counter c = std::get<Counter>(row.shows);
        field->setText(qs(model_.counterText(c)));
        counters_[index(c)] = field;
        widget = field;
        break;
      }
      case layout::Kind::Button: {
        auto* button = new QPushButton(qs(row.caption), parent);
        const Button b = std::get<Button>(row.shows);
        connect(button, &QPushButton::clicked, this, [this, b] { relay_.press(b); });
        button->setVisible(model_.button(b).shown);
        button->setEnabled(model_.button(b).enabled);
        buttons_[index(b)] = button;
        widget = button;
        break;
      }
      case layout::Kind::Picture: {
        auto* box = new PictureBox(imageResource(row.image), parent);
        const Picture p = std::get<Picture>(row.shows);
        box->setVisible(model_.shown(p));
        pictures_[index(p)] = box;
        widget = box;
        break;
      }
      case layout::Kind::Result: {
        auto* label = new QLabel(qs(row.caption), parent);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        const Label l = std::get<Label>(row.shows);
        label->setVisible(model_.shown(l));
        results_[index(l)] = label;
        widget = label;
        break;
      }
    }
    widget->setObjectName(qs(row.name));
    // A counter's caption is a label of its own and a picture says nothing by itself.
    widget->setAccessibleName(qs(view::accessibleName(row)));
    widget->setGeometry(rectOf(row.place));
    if (row.font != layout::Font::Window) widget->setFont(fontFor(row.font));
    if (!row.tooltip.empty()) widget->setToolTip(qs(row.tooltip));
  }
}

void MainWindow::buildMenus() {
  menuBar()->setNativeMenuBar(false);  // a desktop-wide menu bar would leave the window short
  std::map<std::string_view, QMenu*> menus;
  for (const MenuItem& item : kMenu) {
    const QString caption = qs(view::escapeAccessKeys(item.caption));
    if (item.action == MenuAction::Submenu) {
      QMenu* menu = item.parent.empty() ? menuBar()->addMenu(caption)
                                        : menus.at(item.parent)->addMenu(caption);
      menu->setObjectName(qs(item.name));
      menus[item.name] = menu;
      continue;
    }
    QAction* action = menus.at(item.parent)->addAction(caption);
    action->setObjectName(qs(item.name));
    if (const auto keys = view::parseShortcut(item.shortcut)) {
      const auto key = static_cast<Qt::Key>(Qt::Key_A + (keys->key - 'A'));
      action->setShortcut(QKeyCombination(keys->ctrl ? Qt::ControlModifier : Qt::NoModifier, key));
    }
    const std::string_view name = item.name;
    connect(action, &QAction::triggered, this, [this, name] { relay_.choose(name); });
  }
}

QWidget* MainWindow::control(std::string_view name) const {
  return centralWidget()->findChild<QWidget*>(qs(name));
}

void MainWindow::showCentred() {
  placeOnScreen(*this);
  show();
}

void MainWindow::closeEvent(QCloseEvent* event) {
  relay_.closeMainWindow();
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
  const QWidget* now = QApplication::focusWidget();
  if (const auto heir = focus_.changed(model_, b, hadFocus, now == nullptr || !now->isVisible())) {
    buttons_[index(*heir)]->setFocus(Qt::OtherFocusReason);
  }
}

}  // namespace trelavka::qt
