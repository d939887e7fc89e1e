// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "data_dirs.h"

namespace trelavka::view {
namespace {

std::string joined(const std::string& folder, std::string_view relative, char separator) {
  std::string path = folder;
  if (path.back() != separator) path += separator;
  for (const char c : relative) path += c == '/' ? separator : c;
  return path;
}

}  // namespace

std::optional<std::string> findDataFile(const DataFolders& where, std::string_view file) {
  const std::size_t slash = file.rfind('/');
  const std::string_view folderOfFile = slash == std::string_view::npos ? "" : file.substr(0, slash);
  for (const std::string& folder : where.folders) {
    if (folder.empty()) continue;
    if (where.isFolder(joined(folder, folderOfFile, where.separator))) {
      return joined(folder, file, where.separator);
    }
  }
  return std::nullopt;
}

std::optional<Sound> loadSound(const DataFolders& where, std::string_view file) {
  std::optional<std::string> path = findDataFile(where, file);
  if (!path) return std::nullopt;
  const std::optional<std::string> bytes = where.read(*path, kMaxWavBytes);
  if (!bytes) return std::nullopt;
  std::optional<Pcm> pcm = decodeWav(*bytes);
  if (!pcm) return std::nullopt;
  return Sound{std::move(*path), std::move(*pcm)};
}

}  // namespace trelavka::view
