// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Where the game's sounds are found: data/ under the working folder first, as
// the game always did, then the front end's other folders (the installed data
// folder, the program's own), so a game started from anywhere still plays
// them. The front end names the folders and answers for the file system; all
// else here is plain text work. Meant for the sound player's own thread: the
// file system can keep whoever asks it waiting.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "wav.h"

namespace trelavka::view {

// What the system tells of an opened file: equal stamps, the same bytes, as
// far as the system can tell.
struct FileStamp {
  std::uint64_t device = 0;
  std::uint64_t file = 0;  // its number on that device
  std::uint64_t size = 0;
  std::int64_t written = 0;  // the last write, in the system's own units
  std::int64_t changed = 0;  // the last change of its record (Windows: its creation)
  bool operator==(const FileStamp&) const = default;
};

// A plain file, opened once by its full path. Everything about it is asked of
// what was opened, never of the name again: between two lookups by name the
// file can be swapped for a pipe, which would keep a reader waiting for ever.
class OpenedFile {
 public:
  virtual ~OpenedFile() = default;
  virtual FileStamp stamp() const = 0;
  // Its first `bytes` bytes; nothing when it holds fewer or cannot be read.
  virtual std::optional<std::string> read(std::size_t bytes) = 0;
};

// Paths are absolute, in UTF-8, with the front end's separator.
struct DataFolders {
  std::span<const std::string> folders;  // in order; an empty one (unknown) is skipped
  char separator = '/';
  std::function<bool(const std::string& path)> isFolder{};
  // Opens the path once, never waiting on it; nothing unless what it opened
  // is a plain file (a pipe, a device or a folder is refused once open).
  std::function<std::unique_ptr<OpenedFile>(const std::string& path)> open{};
};

// The full path of `file`, named as the rules name it ("data/about.dat"),
// under the first folder that holds its folder; nothing when none does. Never
// a relative name, which a system's player would look for elsewhere.
std::optional<std::string> findDataFile(const DataFolders& where, std::string_view file);

struct Sound {
  std::string path;  // full, as findDataFile gives it
  std::shared_ptr<const Pcm> pcm;
};

// The sounds as last read, by the names the rules use: a file is read and
// decoded again only when the lookup finds another file or its stamp has
// changed, so a big file, or a broken one, costs a reading once, not at every
// opening of the about window. For one thread.
class SoundShelf {
 public:
  // The sound as the folders hold it now; nothing when it is missing or is
  // not a sound we play.
  std::optional<Sound> find(const DataFolders& where, std::string_view name);

 private:
  struct Kept {
    std::string name;
    std::string path;
    FileStamp stamp;
    std::shared_ptr<const Pcm> pcm;  // none: not a sound we play
  };
  std::vector<Kept> kept_;
};

}  // namespace trelavka::view
