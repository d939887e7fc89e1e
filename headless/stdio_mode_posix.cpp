// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "stdio_mode.h"

namespace trelavka {

void useBinaryStdio() {}

}  // namespace trelavka
