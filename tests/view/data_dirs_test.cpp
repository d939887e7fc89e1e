// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Where the sounds are found, on a file system of the test's own: the order of
// the folders, full paths out, and what is read and decoded.
#include "data_dirs.h"

#include <gtest/gtest.h>

#include <array>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "wav_bytes.h"

namespace trelavka::view {
namespace {

using testing::chunk;
using testing::format;
using testing::riff;

// Folders and files by full path; it notes every path asked about.
struct FakeDisk {
  std::set<std::string> folders{};
  std::map<std::string, std::string> files{};
  std::vector<std::string> asked{};
  std::uint64_t limitAsked = 0;

  DataFolders where(std::span<const std::string> places, char separator = '/') {
    return {places, separator,
            [this](const std::string& path) {
              asked.push_back(path);
              return folders.contains(path);
            },
            [this](const std::string& path, std::uint64_t limit) -> std::optional<std::string> {
              limitAsked = limit;
              const auto file = files.find(path);
              if (file == files.end()) return std::nullopt;
              return file->second;
            }};
  }
};

const std::array<std::string, 3> kPlaces = {"/home/me/work", "/usr/share/games/trelavka",
                                             "/usr/games"};

TEST(DataFolders, TheFirstPlaceWithADataFolderWinsAndThePathIsFull) {
  const struct {
    std::set<std::string> folders;
    std::optional<std::string> want;
  } cases[] = {
      {{}, std::nullopt},
      {{"/usr/games/data"}, "/usr/games/data/about.dat"},
      {{"/usr/games/data", "/usr/share/games/trelavka/data"},
       "/usr/share/games/trelavka/data/about.dat"},
      {{"/usr/games/data", "/home/me/work/data"}, "/home/me/work/data/about.dat"},
      // A file named data, or a folder of another name, is not the one.
      {{"/home/me/work", "/home/me/work/sounds"}, std::nullopt},
  };
  for (const auto& c : cases) {
    FakeDisk disk{c.folders};
    EXPECT_EQ(findDataFile(disk.where(kPlaces), "data/about.dat"), c.want);
  }
  // Each place is asked about in turn, and no more once one has data/.
  FakeDisk disk{{"/usr/share/games/trelavka/data"}};
  findDataFile(disk.where(kPlaces), "data/about.dat");
  EXPECT_EQ(disk.asked,
            (std::vector<std::string>{"/home/me/work/data", "/usr/share/games/trelavka/data"}));
}

TEST(DataFolders, UnknownPlacesAreSkippedAndEachSystemKeepsItsSeparator) {
  // No program path, or a working folder that is gone: it must not stand
  // for the working folder.
  const std::array<std::string, 2> unknownFirst = {"", "/usr/games"};
  FakeDisk disk{{"data", "/data", "/usr/games/data"}};
  EXPECT_EQ(findDataFile(disk.where(unknownFirst), "data/rolling.dat"), "/usr/games/data/rolling.dat");

  const std::array<std::string, 2> windows = {"C:\\Users\\me\\Hra", "D:\\"};
  FakeDisk drive{{"D:\\data"}};
  EXPECT_EQ(findDataFile(drive.where(windows, '\\'), "data/about.dat"), "D:\\data\\about.dat");
  EXPECT_EQ(drive.asked, (std::vector<std::string>{"C:\\Users\\me\\Hra\\data", "D:\\data"}));
}

TEST(DataFolders, ASoundIsReadWithinTheLimitAndDecodedOrNothing) {
  const std::string tone = riff(format(1, 8000, 8) + chunk("data", "\x10\x20\x30"));
  FakeDisk disk{{"/usr/games/data", "/home/me/work/data"},
                {{"/home/me/work/data/about.dat", tone},
                 {"/home/me/work/data/rolling.dat", "RIFF, but no sound"},
                 {"/usr/games/data/missing.dat", tone}}};
  const auto sound = loadSound(disk.where(kPlaces), "data/about.dat");
  ASSERT_TRUE(sound.has_value());
  EXPECT_EQ(sound->path, "/home/me/work/data/about.dat");
  EXPECT_EQ(sound->pcm.samples, "\x10\x20\x30");
  EXPECT_EQ(disk.limitAsked, 16u << 20);  // a sound effect, held in memory whole
  EXPECT_FALSE(loadSound(disk.where(kPlaces), "data/rolling.dat"));
  // Only the first place with data/ counts, even when the file is elsewhere.
  EXPECT_FALSE(loadSound(disk.where(kPlaces), "data/missing.dat"));
}

}  // namespace
}  // namespace trelavka::view
