// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The rules and the shared view speak in plain C++ types; the widgets in Qt's.
#pragma once

#include <QPoint>
#include <QRect>
#include <QString>
#include <string_view>

#include "geometry.h"
#include "layout.h"

namespace trelavka::qt {

inline QString qs(std::string_view s) {
  return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

inline QRect rectOf(const layout::Twips& twips) {
  const layout::Pixels p = layout::toPixels(twips);
  return {p.x, p.y, p.width, p.height};
}

inline view::Rect viewRect(const QRect& r) { return {r.left(), r.top(), r.right() + 1, r.bottom() + 1}; }
inline view::Point viewPoint(const QPoint& p) { return {p.x(), p.y()}; }

}  // namespace trelavka::qt
