// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Resource ids shared by the .rc and the code.
#pragma once

#define IDI_TRELAVKA 1
