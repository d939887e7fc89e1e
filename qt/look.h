// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The game's look that does not belong to one control: its font and icon,
// and where its windows go on the screen.
#pragma once

#include <QFont>
#include <QIcon>
#include <QString>

#include "layout.h"

class QWidget;

namespace trelavka::qt {

// Loads the bundled font and sets the program's icon. Call once, after the
// QApplication exists and before the first window.
void installLook();

QString fontFamily();
QFont fontFor(layout::Font font);

QIcon gameIcon();

// Where an image of assets/images lives inside the program.
QString imageResource(std::string_view fileName);

// Moves a top-level window to its place on its screen (view/placement.h).
// Where the frame is not known yet (before the first show, under X11) the
// window's own size counts.
void placeOnScreen(QWidget& window);

// The toolkit hands window titles to Xlib as UTF-8, and Xlib reads them in
// the locale's charset for the legacy title property: under LANG=C every
// Czech letter came out as two wrong ones. After the application object
// exists (it sets the locale), text is read as UTF-8 whatever the locale.
void readTextAsUtf8();

}  // namespace trelavka::qt
