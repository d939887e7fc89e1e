// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The transcript is bytes: a C runtime that turns "\n" into "\r\n" on the way
// out would make the same game print a different transcript.
#pragma once

namespace trelavka {

// Puts standard input, output and error in binary mode where the platform has
// a text mode; does nothing elsewhere.
void useBinaryStdio();

}  // namespace trelavka
