// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Where the game's data/ folder (the sounds) is found: the working folder
// first, as the game always did, then the installed data folder, then the
// program's own folder, so a game started from anywhere still plays them.
#pragma once

#include <filesystem>
#include <optional>
#include <span>
#include <string_view>

namespace trelavka {

// The first of `folders` that holds a data/ folder; empty ones are skipped.
std::optional<std::filesystem::path> findDataFolder(
    std::span<const std::filesystem::path> folders);

// `file` as the rules name it ("data/about.dat") under the first folder that
// holds data/; `file` unchanged when none does, which then plays silently.
std::filesystem::path locateDataFile(std::span<const std::filesystem::path> folders,
                                     std::string_view file);

}  // namespace trelavka
