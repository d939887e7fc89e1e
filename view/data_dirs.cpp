// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "data_dirs.h"

#include <system_error>

namespace trelavka {

std::optional<std::filesystem::path> findDataFolder(
    std::span<const std::filesystem::path> folders) {
  for (const auto& folder : folders) {
    // An empty path would stand for the working folder a second time.
    if (folder.empty()) continue;
    // An unreadable folder is just not the one; nothing to throw about.
    std::error_code ec;
    if (std::filesystem::is_directory(folder / "data", ec)) return folder;
  }
  return std::nullopt;
}

std::filesystem::path locateDataFile(std::span<const std::filesystem::path> folders,
                                     std::string_view file) {
  const std::filesystem::path relative(file);
  const auto folder = findDataFolder(folders);
  return folder ? *folder / relative : relative;
}

}  // namespace trelavka
