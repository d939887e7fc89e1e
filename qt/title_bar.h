// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Room for a window's title in the title bar the window manager draws around it.
#pragma once

#include <QString>

class QMessageBox;

namespace trelavka::qt {

// The client width at which each of the common window managers shows `title`
// whole, with its own title font and buttons.
int widthForTitle(const QString& title);

// Widens a box that is only as wide as its text, so that its title is not cut.
// Call before the box is shown.
void fitTitle(QMessageBox& box);

}  // namespace trelavka::qt
