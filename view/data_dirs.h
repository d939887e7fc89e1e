// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Where the game's sounds are found: data/ under the working folder first, as
// the game always did, then the front end's other folders (the installed data
// folder, the program's own), so a game started from anywhere still plays
// them. The front end names the folders and answers for the file system; all
// else here is plain text work, safe on any thread.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "wav.h"

namespace trelavka::view {

// Paths are absolute, in UTF-8, with the front end's separator.
struct DataFolders {
  std::span<const std::string> folders;  // in order; an empty one (unknown) is skipped
  char separator = '/';
  std::function<bool(const std::string& path)> isFolder{};
  // The whole of a plain file of at most `limit` bytes; nothing for anything else.
  std::function<std::optional<std::string>(const std::string& path, std::uint64_t limit)> read{};
};

// The full path of `file`, named as the rules name it ("data/about.dat"),
// under the first folder that holds its folder; nothing when none does. Never
// a relative name, which a system's player would look for elsewhere.
std::optional<std::string> findDataFile(const DataFolders& where, std::string_view file);

struct Sound {
  std::string path;  // full, as findDataFile gives it
  Pcm pcm;
};

// The file found as above, read and decoded; nothing when it is missing or
// is not a sound we play.
std::optional<Sound> loadSound(const DataFolders& where, std::string_view file);

}  // namespace trelavka::view
