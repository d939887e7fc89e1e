// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Replays a script of player actions on the headless game and prints what the
// player would have seen. The language is documented in docs/scenarios.md.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <cstddef>
#include <string>
#include <string_view>

namespace trelavka {

// The longest single `wait`: long enough for any study of the game, short
// enough that no line can keep the runner busy for long.
inline constexpr std::int64_t kLongestWaitMs = 1'000'000'000;

// A script line may be this long; a longer one (an endless stream, say) is
// an error rather than a growing buffer.
inline constexpr std::size_t kLongestLineBytes = 64 * 1024;

// `text`, at most `limit` bytes of it, for a one-line message: bytes that are
// not printable UTF-8 become \xNN, and a cut is marked with "...".
std::string printable(std::string_view text, std::size_t limit = SIZE_MAX);

// Runs the whole script. Returns 0 when it ran to its end (or to the game's
// `quit`), 2 after printing "SCRIPT:LINE: message" to err for a line it
// cannot run; nothing after that line runs. 1 when the transcript could
// not be written (said on err).
int runScenario(std::istream& script, std::string_view scriptName, std::ostream& out,
                std::ostream& err);

}  // namespace trelavka
