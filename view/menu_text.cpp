// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "menu_text.h"

namespace trelavka::view {

std::string escapeAccessKeys(std::string_view caption) {
  std::string text;
  text.reserve(caption.size());
  for (const char c : caption) {
    text += c;
    if (c == '&') text += '&';
  }
  return text;
}

}  // namespace trelavka::view
