// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Keeps the toolkit's complaints about what the game bears in silence (no sound
// device, no browser) off the terminal; every other message passes.
#pragma once

namespace trelavka::qt {

// Call first thing in main(). TRELAVKA_TOOLKIT_MESSAGES=1 in the environment
// lets everything through.
void quietToolkitMessages();

}  // namespace trelavka::qt
