// The sound player must never freeze, crash or speak up over a bad file, and
// one sound must cut off the one before it.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "sound_player.h"
#include "wav_check.h"

namespace trelavka {
namespace {

std::string le(std::uint32_t v, int bytes) {
  std::string s;
  for (int i = 0; i < bytes; ++i) s += static_cast<char>((v >> (8 * i)) & 0xff);
  return s;
}

std::string chunk(const std::string& id, const std::string& body) {
  std::string c = id + le(static_cast<std::uint32_t>(body.size()), 4) + body;
  if (body.size() % 2 == 1) c += '\0';
  return c;
}

std::string format(int channels, int rate, int bits, int tag = 1) {
  const int frame = channels * bits / 8;
  return chunk("fmt ", le(static_cast<std::uint32_t>(tag), 2) +
                           le(static_cast<std::uint32_t>(channels), 2) +
                           le(static_cast<std::uint32_t>(rate), 4) +
                           le(static_cast<std::uint32_t>(rate * frame), 4) +
                           le(static_cast<std::uint32_t>(frame), 2) +
                           le(static_cast<std::uint32_t>(bits), 2));
}

// A sine of the given length as 16-bit mono, or 8-bit mono.
std::string tone(double seconds, int rate, int bits) {
  std::string s;
  const int frames = static_cast<int>(seconds * rate);
  for (int i = 0; i < frames; ++i) {
    const double v = 0.5 * std::sin(2 * M_PI * 440.0 * i / rate);
    if (bits == 8) {
      s += static_cast<char>(128 + static_cast<int>(v * 127));
    } else {
      s += le(static_cast<std::uint32_t>(static_cast<std::int16_t>(v * 32767)), 2);
    }
  }
  return s;
}

std::string riff(const std::string& chunks) {
  return "RIFF" + le(static_cast<std::uint32_t>(4 + chunks.size()), 4) + "WAVE" + chunks;
}

std::string wav(double seconds, int rate = 22050, int bits = 16) {
  return riff(format(1, rate, bits) + chunk("data", tone(seconds, rate, bits)));
}

class SoundFiles : public ::testing::Test {
 protected:
  std::string path(const std::string& name) const {
    return QDir(dir_.path()).filePath(QString::fromStdString(name)).toStdString();
  }
  std::string write(const std::string& name, const std::string& bytes) const {
    std::ofstream(path(name), std::ios::binary) << bytes;
    return path(name);
  }
  std::string noise(const std::string& name, std::size_t bytes, const std::string& head) const {
    std::ofstream out(path(name), std::ios::binary);
    out << head;
    std::mt19937 random(7);
    std::string block(1 << 16, '\0');
    for (std::size_t done = head.size(); done < bytes; done += block.size()) {
      for (char& c : block) c = static_cast<char>(random());
      out.write(block.data(), static_cast<std::streamsize>(std::min(block.size(), bytes - done)));
    }
    return path(name);
  }

  // Every file a player might meet instead of a sound, and why each is bad.
  std::vector<std::pair<std::string, std::string>> badFiles() const {
    const std::string good = wav(0.2);
    const std::string fmt16 = format(1, 22050, 16);
    std::string manyChunks;
    for (int i = 0; i < 200; ++i) manyChunks += chunk("junk", "");
    return {
        {"missing", path("no-such-file.wav")},
        {"empty", write("empty.wav", "")},
        {"header only", write("header.wav", riff(fmt16))},
        {"empty data", write("empty-data.wav", riff(fmt16 + chunk("data", "")))},
        {"truncated data", write("truncated.wav", good.substr(0, good.size() / 2))},
        {"data longer than the file",
         write("lying-data.wav", riff(fmt16 + "data" + le(1000000, 4) + tone(0.01, 22050, 16)))},
        {"less than one frame", write("half-frame.wav", riff(fmt16 + chunk("data", "x")))},
        {"data before format",
         write("data-first.wav", riff(chunk("data", tone(0.1, 22050, 16)) + fmt16))},
        {"float samples",
         write("float.wav", riff(format(1, 22050, 32, 3) + chunk("data", std::string(400, 'x'))))},
        {"24 bits", write("24bit.wav", riff(format(1, 22050, 24) + chunk("data", std::string(300, 'x'))))},
        {"three channels",
         write("3ch.wav", riff(format(3, 22050, 16) + chunk("data", std::string(600, 'x'))))},
        {"rate 0", write("rate0.wav", riff(format(1, 0, 16) + chunk("data", std::string(600, 'x'))))},
        {"short format chunk",
         write("short-fmt.wav", riff(chunk("fmt ", le(1, 2) + le(1, 2)) + chunk("data", "xx")))},
        {"not RIFF", write("text.wav", "Tohle není zvuk, jen text, který se tváří jako soubor.")},
        {"chunks without end", write("chunks.wav", riff(manyChunks + fmt16 + chunk("data", "xx")))},
        {"garbage", noise("garbage.dat", 4096, "")},
        {"50 MB of noise behind a lying header",
         noise("huge.dat", 50u << 20, "RIFF" + le(36, 4) + "WAVE" + fmt16 + "data" + le(0xffffffff, 4))},
        {"a folder", dir_.path().toStdString()},
    };
  }

  QTemporaryDir dir_;
};

using WavCheck = SoundFiles;

TEST_F(WavCheck, AcceptsCompletePcmWav) {
  EXPECT_TRUE(isPlayableWav(write("8bit.wav", wav(0.3, 8000, 8))));
  EXPECT_TRUE(isPlayableWav(write("16bit.wav", wav(0.3, 44100, 16))));
  EXPECT_TRUE(isPlayableWav(write(
      "stereo.wav", riff(format(2, 22050, 16) + chunk("data", tone(0.3, 22050, 16))))));
  // Other chunks, one of odd length and so padded, may come before and after.
  EXPECT_TRUE(isPlayableWav(write(
      "chunks.wav", riff(chunk("LIST", "abc") + format(1, 22050, 16) + chunk("fact", "1234") +
                         chunk("data", tone(0.1, 22050, 16)) + chunk("note", "Trelavka")))));
  // Nothing after the sound itself: a writer left out the last pad byte.
  std::string unpadded = riff(format(1, 8000, 8) + chunk("data", "abc"));
  unpadded.pop_back();
  unpadded.replace(4, 4, le(static_cast<std::uint32_t>(unpadded.size() - 8), 4));
  EXPECT_TRUE(isPlayableWav(write("unpadded.wav", unpadded)));
}

TEST_F(WavCheck, RefusesEveryBrokenFileQuickly) {
  for (const auto& [why, file] : badFiles()) {
    QElapsedTimer clock;
    clock.start();
    EXPECT_FALSE(isPlayableWav(file)) << why;
    EXPECT_LT(clock.elapsed(), 16) << why;
  }
}

TEST_F(WavCheck, RefusesAPipeWithoutBlocking) {
  const std::string fifo = path("pipe.wav");
  ASSERT_EQ(mkfifo(fifo.c_str(), 0644), 0);
  EXPECT_FALSE(isPlayableWav(fifo));
}

// Root reads a file whatever its mode, so the check runs in a child that has
// given up root; a readable copy beside it proves the child can see the folder.
TEST_F(WavCheck, RefusesAFileItCannotRead) {
  const std::string readable = write("readable.wav", wav(0.1));
  const std::string locked = write("locked.wav", wav(0.1));
  ASSERT_EQ(chmod(locked.c_str(), 0), 0);
  ASSERT_EQ(chmod(dir_.path().toLocal8Bit().constData(), 0755), 0);
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0)) _exit(3);
    _exit(isPlayableWav(readable) ? (isPlayableWav(locked) ? 2 : 0) : 1);
  }
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0) << "1: readable refused, 2: locked accepted, 3: no setuid";
}

using SoundPlayerTest = SoundFiles;

QString q(const std::string& s) { return QString::fromStdString(s); }

TEST_F(SoundPlayerTest, BadFilesReturnAtOnceAndStaySilent) {
  SoundPlayer player;
  const std::string good = write("good.wav", wav(3));
  for (const auto& [why, file] : badFiles()) {
    // Between the bad files a good one: a broken file left loading would
    // freeze the next stop or change of source for good.
    player.play(q(good));
    QElapsedTimer clock;
    clock.start();
    player.play(q(file));
    EXPECT_LT(clock.elapsed(), 16) << why;
    EXPECT_EQ(player.nowPlaying(), QString()) << why;
    QTest::qWait(20);
    EXPECT_EQ(player.nowPlaying(), QString()) << why;
  }
}

TEST_F(SoundPlayerTest, ANewSoundStopsTheOld) {
  SoundPlayer player;
  const QString first = q(write("first.wav", wav(3)));
  const QString second = q(write("second.wav", wav(3, 8000, 8)));
  QSignalSpy changes(&player, &SoundPlayer::nowPlayingChanged);
  auto heard = [&] {
    QStringList files;
    for (const auto& args : changes) files << args.at(0).toString();
    changes.clear();
    return files;
  };

  QElapsedTimer clock;
  clock.start();
  player.play(first);
  EXPECT_LT(clock.elapsed(), 16);
  EXPECT_EQ(heard(), QStringList{first});

  QTest::qWait(100);
  player.play(second);
  EXPECT_EQ(heard(), (QStringList{QString(), second}));

  // The same sound again starts over.
  QTest::qWait(100);
  player.play(second);
  EXPECT_EQ(heard(), (QStringList{QString(), second}));

  // A sound that turns out silent still ends the one playing.
  player.play(first);
  heard();
  player.play(q(path("missing.wav")));
  EXPECT_EQ(heard(), QStringList{QString()});
  EXPECT_EQ(player.nowPlaying(), QString());

  // Two sounds in a row, the first still loading: only the second plays.
  player.play(first);
  player.play(second);
  QTest::qWait(200);
  EXPECT_EQ(player.nowPlaying(), second);
}

TEST_F(SoundPlayerTest, PathIsRelativeToTheWorkingFolder) {
  ASSERT_TRUE(QDir(dir_.path()).mkpath("data"));
  write("data/about.dat", wav(3));
  const QString before = QDir::currentPath();
  ASSERT_TRUE(QDir::setCurrent(dir_.path()));
  SoundPlayer player;
  player.play("data/about.dat");
  QDir::setCurrent(before);
  EXPECT_EQ(player.nowPlaying(), q(path("data/about.dat")));
}

}  // namespace
}  // namespace trelavka
