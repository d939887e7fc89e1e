// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The main window "Trelavka": the control strip, the town map and the menus.
// It shows what the model holds and hands what the player does to the rules;
// it keeps no value of its own.
#pragma once

#include <QMainWindow>
#include <array>

#include "button_focus.h"
#include "controls.h"
#include "model.h"
#include "relay.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace trelavka::qt {

class PictureBox;

class MainWindow final : public QMainWindow, private ModelObserver {
  Q_OBJECT

 public:
  MainWindow(Model& model, view::EventRelay& relay);
  ~MainWindow() override;
  MainWindow(const MainWindow&) = delete;
  MainWindow& operator=(const MainWindow&) = delete;

  // A control of the layout table by its name, or nullptr.
  QWidget* control(std::string_view name) const;
  QWidget* client() const { return centralWidget(); }

  // Shows the window in the middle of its screen.
  void showCentred();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void buildControls();
  void buildMenus();
  void counterWritten(Counter c, std::int64_t value) override;
  void pictureChanged(Picture p, bool shown) override;
  void labelChanged(Label l, bool shown) override;
  void buttonChanged(Button b, bool shown, bool enabled) override;

  Model& model_;
  view::EventRelay& relay_;
  std::array<QLineEdit*, kCounterCount> counters_{};
  std::array<PictureBox*, kPictureCount> pictures_{};
  std::array<QLabel*, kLabelCount> results_{};
  std::array<QPushButton*, kButtonCount> buttons_{};
  view::ButtonFocus focus_;
};

}  // namespace trelavka::qt
