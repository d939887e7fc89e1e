// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The game's look that does not belong to one control: its font and icon.
#pragma once

#include <QFont>
#include <QIcon>
#include <QString>

#include "layout.h"

namespace trelavka {

// Loads the bundled font and sets the program's icon. Call once, after the
// QApplication exists and before the first window.
void installLook();

// "MS Sans Serif" where the system has it, else the bundled sans-serif.
QString fontFamily();
QFont fontFor(layout::Font font);

QIcon gameIcon();

// Where an image of assets/images lives inside the program.
QString imageResource(std::string_view fileName);

// The toolkit hands window titles to Xlib as UTF-8, and Xlib reads them in
// the locale's charset for the legacy title property: under LANG=C every
// Czech letter came out as two wrong ones. After the application object
// exists (it sets the locale), text is read as UTF-8 whatever the locale.
void readTextAsUtf8();

}  // namespace trelavka
