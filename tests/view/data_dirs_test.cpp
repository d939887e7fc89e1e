// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The sounds of every front end: where they are found, on a file system of
// the test's own (the order of the folders, full paths out, what is read and
// decoded), and the hand-over to a player's own thread (the newest request
// wins, a waiting player wakes for it, and the end comes whether the player
// is idle, waiting or stuck).
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <future>
#include <map>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "data_dirs.h"
#include "mailbox.h"
#include "wav_bytes.h"

namespace trelavka::view {
namespace {

using testing::chunk;
using testing::format;
using testing::riff;

// Folders and files by full path; it notes every path asked about, and
// every file read.
struct FakeDisk {
  struct File {
    std::string bytes;
    FileStamp stamp{};
    bool readFails = false;
  };
  std::set<std::string> folders{};
  std::map<std::string, File> files{};
  std::vector<std::string> asked{};
  std::vector<std::string> read{};

  class Opened final : public OpenedFile {
   public:
    Opened(FakeDisk& disk, std::string path, const File& file) : disk_(disk), path_(std::move(path)), file_(file) {}
    FileStamp stamp() const override { return file_.stamp; }
    std::optional<std::string> read(std::size_t bytes) override {
      disk_.read.push_back(path_);
      if (file_.readFails || bytes > file_.bytes.size()) return std::nullopt;
      return file_.bytes.substr(0, bytes);
    }

   private:
    FakeDisk& disk_;
    std::string path_;
    File file_;
  };

  // A file whose stamp is its size, unless one is given.
  void put(const std::string& path, std::string bytes, std::uint64_t written = 1) {
    const std::uint64_t size = bytes.size();
    files[path] = File{std::move(bytes), {.device = 1, .file = 7, .size = size,
                                          .written = static_cast<std::int64_t>(written)}};
  }

  DataFolders where(std::span<const std::string> places, char separator = '/') {
    return {places, separator,
            [this](const std::string& path) {
              asked.push_back(path);
              return folders.contains(path);
            },
            [this](const std::string& path) -> std::unique_ptr<OpenedFile> {
              const auto file = files.find(path);
              if (file == files.end()) return nullptr;
              return std::make_unique<Opened>(*this, path, file->second);
            }};
  }
};

const std::vector<std::string> kPlaces = {"/home/me/work", "/usr/share/games/trelavka", "/usr/games"};

TEST(DataFolders, TheFirstKnownPlaceWithADataFolderWinsWithItsFullPath) {
  using Paths = std::vector<std::string>;
  const struct {
    Paths places;
    char separator;
    std::set<std::string> folders;
    std::optional<std::string> want;
    Paths asked;  // in this order, and no more once one has data/
  } cases[] = {
      {kPlaces, '/', {}, std::nullopt, {}},
      {kPlaces, '/', {"/usr/games/data"}, "/usr/games/data/about.dat", {}},
      {kPlaces, '/', {"/usr/games/data", "/usr/share/games/trelavka/data"},
       "/usr/share/games/trelavka/data/about.dat",
       {"/home/me/work/data", "/usr/share/games/trelavka/data"}},
      {kPlaces, '/', {"/usr/games/data", "/home/me/work/data"}, "/home/me/work/data/about.dat", {}},
      // A file named data, or a folder of another name, is not the one.
      {kPlaces, '/', {"/home/me/work", "/home/me/work/sounds"}, std::nullopt, {}},
      // No program path, or a working folder that is gone: it must not stand
      // for the working folder.
      {{"", "/usr/games"}, '/', {"data", "/data", "/usr/games/data"}, "/usr/games/data/about.dat", {}},
      {{"C:\\Users\\me\\Hra", "D:\\"}, '\\', {"D:\\data"}, "D:\\data\\about.dat",
       {"C:\\Users\\me\\Hra\\data", "D:\\data"}},
  };
  for (const auto& c : cases) {
    FakeDisk disk{c.folders};
    EXPECT_EQ(findDataFile(disk.where(c.places, c.separator), "data/about.dat"), c.want);
    if (!c.asked.empty()) {
      EXPECT_EQ(disk.asked, c.asked);
    }
  }
}

const std::string kTone = riff(format(1, 8000, 8) + chunk("data", "\x10\x20\x30"));

TEST(SoundShelf, FindsTheFirstPlaceWithDataAndDecodesWithinTheLimit) {
  FakeDisk disk{{"/usr/games/data", "/home/me/work/data"}};
  disk.put("/home/me/work/data/about.dat", kTone);
  disk.put("/home/me/work/data/rolling.dat", "RIFF, but no sound");
  disk.put("/usr/games/data/missing.dat", kTone);
  SoundShelf shelf;
  const auto sound = shelf.find(disk.where(kPlaces), "data/about.dat");
  ASSERT_TRUE(sound.has_value());
  EXPECT_EQ(sound->path, "/home/me/work/data/about.dat");
  EXPECT_EQ(sound->pcm->samples, "\x10\x20\x30");
  EXPECT_FALSE(shelf.find(disk.where(kPlaces), "data/rolling.dat"));
  // Only the first place with data/ counts, even when the file is elsewhere.
  EXPECT_FALSE(shelf.find(disk.where(kPlaces), "data/missing.dat"));

  // A sound effect is held in memory whole: a file over 16 MiB, or an empty
  // one, is not read at all; one of exactly 16 MiB is.
  std::string biggest = riff(format(1, 8000, 8) + chunk("data", std::string((16u << 20) - 44, 'x')));
  ASSERT_EQ(biggest.size(), 16u << 20);
  disk.put("/home/me/work/data/big.dat", biggest);
  disk.put("/home/me/work/data/bigger.dat", biggest + "x");
  disk.put("/home/me/work/data/empty.dat", "");
  disk.read.clear();
  EXPECT_TRUE(shelf.find(disk.where(kPlaces), "data/big.dat"));
  EXPECT_FALSE(shelf.find(disk.where(kPlaces), "data/bigger.dat"));
  EXPECT_FALSE(shelf.find(disk.where(kPlaces), "data/empty.dat"));
  EXPECT_EQ(disk.read, std::vector<std::string>{"/home/me/work/data/big.dat"});
}

TEST(SoundShelf, ReadsAFileAgainOnlyOnceItChanged) {
  FakeDisk disk{{"/home/me/work/data", "/usr/games/data"}};
  disk.put("/home/me/work/data/about.dat", kTone);
  disk.put("/home/me/work/data/rolling.dat", "no sound");
  disk.put("/usr/games/data/about.dat", kTone);
  SoundShelf shelf;
  const auto find = [&](std::string_view name) { return shelf.find(disk.where(kPlaces), name); };
  ASSERT_TRUE(find("data/about.dat"));
  EXPECT_TRUE(find("data/about.dat"));
  EXPECT_FALSE(find("data/rolling.dat"));
  EXPECT_FALSE(find("data/rolling.dat"));
  // A good file and a broken one, each read once, however often asked for.
  EXPECT_EQ(disk.read, (std::vector<std::string>{"/home/me/work/data/about.dat",
                                                 "/home/me/work/data/rolling.dat"}));

  // Any part of the stamp changed: read again, and what it holds now counts.
  const std::string chime = riff(format(1, 8000, 8) + chunk("data", "\x40\x50\x60"));
  ASSERT_EQ(chime.size(), kTone.size());
  auto& file = disk.files["/home/me/work/data/about.dat"];
  for (auto change : {+[](FileStamp& s) { ++s.device; }, +[](FileStamp& s) { ++s.file; },
                      +[](FileStamp& s) { ++s.written; }, +[](FileStamp& s) { ++s.changed; }}) {
    disk.read.clear();
    const std::string now = file.bytes == kTone ? chime : kTone;
    file.bytes = now;
    change(file.stamp);
    const auto sound = find("data/about.dat");
    ASSERT_TRUE(sound);
    EXPECT_EQ(sound->pcm->samples, now.substr(44, 3));  // without the pad byte
    EXPECT_EQ(disk.read.size(), 1u);
  }

  // The broken file mended; then the same name found in another place.
  disk.put("/home/me/work/data/rolling.dat", kTone, 2);
  EXPECT_TRUE(find("data/rolling.dat"));
  disk.folders.erase("/home/me/work/data");
  disk.read.clear();
  const auto elsewhere = find("data/about.dat");
  ASSERT_TRUE(elsewhere);
  EXPECT_EQ(elsewhere->path, "/usr/games/data/about.dat");
  EXPECT_EQ(disk.read, std::vector<std::string>{"/usr/games/data/about.dat"});
}

TEST(SoundShelf, AFailedReadOrAVanishedFileKeepsNothing) {
  FakeDisk disk{{"/home/me/work/data"}};
  disk.put("/home/me/work/data/about.dat", kTone);
  disk.files["/home/me/work/data/about.dat"].readFails = true;
  SoundShelf shelf;
  const auto find = [&] { return shelf.find(disk.where(kPlaces), "data/about.dat"); };
  EXPECT_FALSE(find());
  // The disk may answer the next time, though nothing changed.
  disk.files["/home/me/work/data/about.dat"].readFails = false;
  EXPECT_TRUE(find());
  // Gone, then back with the very same stamp: read anew, not taken from memory.
  const auto file = disk.files.extract("/home/me/work/data/about.dat");
  EXPECT_FALSE(find());
  disk.files.insert({file.key(), file.mapped()});
  disk.read.clear();
  EXPECT_TRUE(find());
  EXPECT_EQ(disk.read.size(), 1u);
}

using namespace std::chrono_literals;

TEST(Mailbox, OnlyTheNewestRequestIsTakenAndItCutsIn) {
  int woken = 0;
  Mailbox<std::string> box([&] { ++woken; });
  EXPECT_FALSE(box.cutIn());
  box.post("about");
  EXPECT_TRUE(box.cutIn());
  box.post("rolling");
  box.post("about again");
  EXPECT_EQ(woken, 3);
  EXPECT_EQ(box.take(), "about again");
  EXPECT_FALSE(box.cutIn());  // the request taken is the work at hand
  box.post("rolling");
  EXPECT_EQ(box.take(), "rolling");
}

TEST(Mailbox, APlayerWaitsForItsNextRequestAndForNothingAfterTheEnd) {
  Mailbox<std::string> box;
  auto next = std::async(std::launch::async, [&] { return box.take(); });
  EXPECT_EQ(next.wait_for(50ms), std::future_status::timeout);
  box.post("about");
  ASSERT_EQ(next.wait_for(10s), std::future_status::ready);
  EXPECT_EQ(next.get(), "about");

  // The end wakes a waiting player with nothing, and nothing is posted after it.
  auto last = std::async(std::launch::async, [&] {
    auto taken = box.take();
    box.ended();
    return taken;
  });
  EXPECT_EQ(last.wait_for(50ms), std::future_status::timeout);
  EXPECT_TRUE(box.close(10s));
  EXPECT_EQ(last.get(), std::nullopt);
  box.post("rolling");
  EXPECT_EQ(box.take(), std::nullopt);
  EXPECT_TRUE(box.cutIn());
}

TEST(Mailbox, TheEndDropsAPendingRequestAndWaitsOnlySoLongForAStuckPlayer) {
  int woken = 0;
  Mailbox<std::string> box([&] { ++woken; });
  box.post("about");
  std::atomic<bool> stuck = true;
  int taken = 0;
  std::thread player([&] {
    while (stuck) std::this_thread::sleep_for(1ms);  // in the audio system
    while (box.take()) ++taken;
    box.ended();
  });
  const auto asked = std::chrono::steady_clock::now();
  EXPECT_FALSE(box.close(100ms));
  EXPECT_GE(std::chrono::steady_clock::now() - asked, 100ms);
  EXPECT_EQ(woken, 2);  // a player asleep in its audio loop hears of the end
  stuck = false;
  player.join();
  EXPECT_EQ(taken, 0);  // the request made before the end is not played after it
  EXPECT_TRUE(box.close(0ms));
}

}  // namespace
}  // namespace trelavka::view
