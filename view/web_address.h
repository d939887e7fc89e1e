// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The maker's address is written as a player reads it ("www..."); a browser
// or the system's shell wants it with its scheme.
#pragma once

#include <string>
#include <string_view>

namespace trelavka::view {

inline std::string webAddress(std::string_view address) {
  if (address.find("://") != std::string_view::npos) return std::string(address);
  return "http://" + std::string(address);
}

}  // namespace trelavka::view
