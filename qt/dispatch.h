// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The Qt side of the shared event relay: a kept game tick is posted to Qt's
// event loop.
#pragma once

#include <QObject>
#include <string_view>

#include "game.h"
#include "relay.h"

namespace trelavka {

class Dispatch final : public QObject {
  Q_OBJECT

 public:
  explicit Dispatch(Game& game);

  void choose(std::string_view menuItem) { relay_.choose(menuItem); }
  void press(Button button) { relay_.press(button); }
  void tick(Timer timer) { relay_.tick(timer); }
  void clickAbout(AboutTarget target) { relay_.clickAbout(target); }

  Game& game() { return relay_.game(); }

 private:
  view::EventRelay relay_;
};

}  // namespace trelavka
