// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What must hold after every action of every session, whatever the player did:
// one list of named checks over what the action did (the transcript and the
// model's changes, in order) and the state before and after it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "session.h"

namespace trelavka::fuzz {

// What earlier actions leave for the checks of later ones.
struct History {
  std::optional<std::int64_t> clockStartedAt;  // the game timer's last switch-on
  std::int64_t ticksSinceStart = 0;
};

struct Failure {
  std::string invariant;
  std::string detail;
};

class Checker {
 public:
  // Checks one action and then remembers what later checks need.
  std::optional<Failure> observe(const Observation& observation);

 private:
  History history_;
};

}  // namespace trelavka::fuzz
