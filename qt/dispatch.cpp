// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dispatch.h"

#include <QTimer>

namespace trelavka {

Dispatch::Dispatch(Game& game)
    : relay_(game, [this](std::function<void()> task) {
        QTimer::singleShot(0, this, std::move(task));
      }) {}

}  // namespace trelavka
