// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The rules and the layout speak in plain C++ types; the widgets in Qt's.
#pragma once

#include <QRect>
#include <QString>
#include <string_view>

#include "layout.h"

namespace trelavka {

inline QString qs(std::string_view s) {
  return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

inline QRect rectOf(const layout::Twips& twips) {
  const layout::Pixels p = layout::toPixels(twips);
  return {p.x, p.y, p.width, p.height};
}

}  // namespace trelavka
