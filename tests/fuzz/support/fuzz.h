// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Random sessions checked against the invariants, and the shortest script
// that still breaks one.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "invariants.h"
#include "session.h"

namespace trelavka::fuzz {

struct Broken {
  Failure failure;
  std::vector<Action> actions;  // the script up to and including the breaking line
};

// Plays the actions from a fresh start, checking after every one. Lines the
// scenario runner would refuse make the whole script count as not breaking.
std::optional<Broken> replay(const std::vector<Action>& actions);

// One random session of up to `length` actions from `seed`.
std::optional<Broken> randomSession(std::uint64_t seed, std::size_t length);

// Deletes lines and halves waits while the same invariant still breaks.
std::vector<Action> shrink(std::vector<Action> actions, const std::string& invariant);

}  // namespace trelavka::fuzz
