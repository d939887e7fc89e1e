// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A long headless game: a typical town is built, then the days run on far past
// the election (money passes 2147483647 and keeps going), every action checked
// against the invariants, memory measured before and after.
#pragma once

#include <cstdint>
#include <optional>

#include "session.h"

namespace trelavka::fuzz {

struct SoakResult {
  std::int64_t steps = 0;
  std::int64_t money = 0;
  long rssBeforeKb = 0;  // after the first tenth, once every buffer has its size
  long rssAfterKb = 0;
  std::optional<Failure> failure;
};

SoakResult soak(std::int64_t steps);

}  // namespace trelavka::fuzz
