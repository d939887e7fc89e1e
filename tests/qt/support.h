// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

// QStrings from UTF-8, and readable in the window tests' failures.
#pragma once

#include <QString>
#include <ostream>

inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace trelavka::testing {

inline QString u(const char* s) { return QString::fromUtf8(s); }

}  // namespace trelavka::testing
