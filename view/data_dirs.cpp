// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "data_dirs.h"

#include <algorithm>

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

std::optional<Sound> SoundShelf::find(const DataFolders& where, std::string_view name) {
  auto kept = std::find_if(kept_.begin(), kept_.end(), [&](const Kept& k) { return k.name == name; });
  std::optional<std::string> path = findDataFile(where, name);
  std::unique_ptr<OpenedFile> file = path ? where.open(*path) : nullptr;
  if (!file) {
    // Gone: its samples need not be held any longer.
    if (kept != kept_.end()) kept_.erase(kept);
    return std::nullopt;
  }
  const FileStamp stamp = file->stamp();
  if (kept == kept_.end() || kept->path != *path || kept->stamp != stamp) {
    std::shared_ptr<const Pcm> pcm;
    if (stamp.size > 0 && stamp.size <= kMaxWavBytes) {
      const std::optional<std::string> bytes = file->read(static_cast<std::size_t>(stamp.size));
      // A failed read may not fail the next time: nothing is kept of it.
      if (!bytes) return std::nullopt;
      if (std::optional<Pcm> decoded = decodeWav(*bytes)) {
        pcm = std::make_shared<const Pcm>(std::move(*decoded));
      }
    }
    if (kept == kept_.end()) kept = kept_.insert(kept_.end(), Kept{std::string(name), {}, {}, {}});
    kept->path = *path;
    kept->stamp = stamp;
    kept->pcm = std::move(pcm);
  }
  if (!kept->pcm) return std::nullopt;
  return Sound{std::move(*path), kept->pcm};
}

}  // namespace trelavka::view
