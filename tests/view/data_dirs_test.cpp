// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "data_dirs.h"

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

namespace trelavka {
namespace {

namespace fs = std::filesystem;

class DataFolders : public ::testing::Test {
 protected:
  void SetUp() override {
    root_ = fs::temp_directory_path() /
            ("trelavka-data-dirs-" + std::to_string(std::random_device{}()));
    for (const auto& f : folders_) fs::create_directories(root_ / f);
  }
  void TearDown() override { fs::remove_all(root_); }

  void giveData(const fs::path& folder) { fs::create_directories(root_ / folder / "data"); }
  std::array<fs::path, 3> folders() const {
    return {root_ / folders_[0], root_ / folders_[1], root_ / folders_[2]};
  }
  fs::path at(const fs::path& folder) const { return root_ / folder; }

  fs::path root_;
  const std::array<fs::path, 3> folders_ = {"work", "share/games/trelavka", "games"};
};

// Each place wins over those after it and yields to those before it.
TEST_F(DataFolders, WorkingFolderThenInstalledThenProgramsOwn) {
  giveData("games");
  EXPECT_EQ(findDataFolder(folders()), at("games"));
  giveData("share/games/trelavka");
  EXPECT_EQ(findDataFolder(folders()), at("share/games/trelavka"));
  giveData("work");
  EXPECT_EQ(findDataFolder(folders()), at("work"));
  EXPECT_EQ(locateDataFile(folders(), "data/about.dat"), at("work") / "data/about.dat");
}

TEST_F(DataFolders, OnlyAFolderNamedDataCounts) {
  std::ofstream(at("work") / "data") << "not a folder";
  fs::create_directories(at("share/games/trelavka") / "sounds");
  EXPECT_EQ(findDataFolder(folders()), std::nullopt);
  // Left as the rules name it: relative to the working folder, where it plays silently.
  EXPECT_EQ(locateDataFile(folders(), "data/rolling.dat"), fs::path("data/rolling.dat"));

  giveData("games");
  EXPECT_EQ(locateDataFile(folders(), "data/rolling.dat"), at("games") / "data/rolling.dat");
}

// An unknown place (no program path, a working folder that is gone) is passed
// on empty; it must not stand for the working folder.
TEST_F(DataFolders, AnEmptyPlaceIsSkipped) {
  const fs::path previous = fs::current_path();
  fs::current_path(at("work"));
  giveData("work");
  giveData("games");
  const std::array<fs::path, 2> places = {fs::path(), at("games")};
  EXPECT_EQ(findDataFolder(places), at("games"));
  fs::current_path(previous);
}

}  // namespace
}  // namespace trelavka
