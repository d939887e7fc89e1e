// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Our WAV decoding: what plays and how much of it, and every file that must
// stay silent instead; how a sound file is opened.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QTemporaryDir>
#include <chrono>
#include <cstdint>
#include <fstream>
#include <future>
#include <string>
#include <tuple>
#include <vector>

#include "sound_player.h"
#include "wav.h"
#include "wav_bytes.h"

namespace trelavka {
namespace {

using namespace ::trelavka::testing;

// Distinct bytes, so a decoder that starts in the wrong place is seen.
std::string ramp(std::size_t bytes) {
  std::string s;
  for (std::size_t i = 0; i < bytes; ++i) s += static_cast<char>(i * 7 + 1);
  return s;
}

const std::string kMono16 = format(1, 22050, 16);

TEST(Wav, DecodesWholeFramesOfEveryPlayableLayout) {
  std::string unpadded = riff(format(1, 8000, 8) + chunk("data", ramp(3)));
  unpadded.pop_back();  // a writer left out the last pad byte
  unpadded.replace(4, 4, le(static_cast<std::uint32_t>(unpadded.size() - 8), 4));
  struct Case {
    const char* why;
    std::string bytes;
    int channels, rate, bits;
    std::string samples;
  } cases[] = {
      {"16-bit mono", riff(kMono16 + chunk("data", ramp(400))), 1, 22050, 16, ramp(400)},
      {"8-bit mono, odd length", riff(format(1, 8000, 8) + chunk("data", ramp(5))), 1, 8000, 8,
       ramp(5)},
      {"16-bit stereo", riff(format(2, 44100, 16) + chunk("data", ramp(16))), 2, 44100, 16,
       ramp(16)},
      {"half a sample over, then the pad byte", riff(kMono16 + chunk("data", ramp(44101))), 1,
       22050, 16, ramp(44100)},
      {"stereo, a frame and a half", riff(format(2, 22050, 16) + chunk("data", ramp(6))), 2, 22050,
       16, ramp(4)},
      {"odd LIST chunk and its pad before the data",
       riff(chunk("LIST", "abc") + kMono16 + chunk("fact", "1234") + chunk("data", ramp(40)) +
            chunk("note", "x")),
       1, 22050, 16, ramp(40)},
      {"last pad byte missing", unpadded, 1, 8000, 8, ramp(3)},
      {"lowest rate", riff(format(1, 4000, 8) + chunk("data", ramp(2))), 1, 4000, 8, ramp(2)},
      {"highest rate", riff(format(1, 192000, 8) + chunk("data", ramp(2))), 1, 192000, 8, ramp(2)},
  };
  for (const Case& c : cases) {
    const auto pcm = decodeWav(c.bytes);
    ASSERT_TRUE(pcm) << c.why;
    EXPECT_EQ(pcm->channels, c.channels) << c.why;
    EXPECT_EQ(pcm->rate, c.rate) << c.why;
    EXPECT_EQ(pcm->bits, c.bits) << c.why;
    EXPECT_EQ(pcm->samples, c.samples) << c.why;
  }
}

TEST(Wav, RefusesEveryFileThatIsNotACompletePcmWav) {
  const std::string good = riff(kMono16 + chunk("data", ramp(400)));
  std::string manyChunks;
  for (int i = 0; i < 200; ++i) manyChunks += chunk("junk", "");
  std::string lyingRiff = good;
  lyingRiff.replace(4, 4, le(static_cast<std::uint32_t>(good.size()), 4));
  const std::pair<const char*, std::string> cases[] = {
      {"empty", ""},
      {"header only", riff(kMono16)},
      {"empty data", riff(kMono16 + chunk("data", ""))},
      {"less than one frame", riff(kMono16 + chunk("data", "x"))},
      {"truncated data", good.substr(0, good.size() - 10)},
      {"RIFF longer than the file", lyingRiff},
      {"data longer than the file", riff(kMono16 + "data" + le(1000000, 4) + ramp(20))},
      {"data before format", riff(chunk("data", ramp(40)) + kMono16)},
      {"float samples", riff(format(1, 22050, 32, 3) + chunk("data", ramp(400)))},
      {"24 bits", riff(format(1, 22050, 24) + chunk("data", ramp(300)))},
      {"three channels", riff(format(3, 22050, 16) + chunk("data", ramp(600)))},
      {"rate 0", riff(format(1, 0, 16) + chunk("data", ramp(600)))},
      {"rate just below the lowest", riff(format(1, 3999, 16) + chunk("data", ramp(600)))},
      {"rate just above the highest", riff(format(1, 192001, 16) + chunk("data", ramp(600)))},
      // The top bit dropped before the check would make these 8000 and 192000.
      {"rate 8000 with the top bit set", riff(format(1, 0x80001f40, 16) + chunk("data", ramp(600)))},
      {"rate 192000 with the top bit set",
       riff(format(1, 0x8002ee00, 16) + chunk("data", ramp(600)))},
      {"short format chunk", riff(chunk("fmt ", le(1, 2) + le(1, 2)) + chunk("data", "xx"))},
      {"not RIFF", "Tohle není zvuk, jen text, který se tváří jako soubor."},
      {"not WAVE", "RIFF" + le(4, 4) + "AVI "},
      {"chunks without end", riff(manyChunks + kMono16 + chunk("data", "xx"))},
  };
  for (const auto& [why, bytes] : cases) EXPECT_FALSE(decodeWav(bytes)) << why;
}

TEST(Wav, TheSimplestFileOfASoundDecodesToTheSameSound) {
  for (const auto& [channels, rate, bits, bytes] :
       {std::tuple{1, 8000, 8, 5}, {2, 44100, 16, 16}, {1, 192000, 16, 44100}, {2, 4000, 8, 2}}) {
    const Pcm pcm{channels, rate, bits, ramp(static_cast<std::size_t>(bytes))};
    const std::string wav = encodeWav(pcm);
    const auto back = decodeWav(wav);
    ASSERT_TRUE(back) << bytes;
    EXPECT_EQ(std::tie(back->channels, back->rate, back->bits, back->samples),
              std::tie(pcm.channels, pcm.rate, pcm.bits, pcm.samples));
    // As a system's player reads it: the header's rates and the pad byte too.
    EXPECT_EQ(wav, riff(format(channels, static_cast<std::uint32_t>(rate), bits) +
                        chunk("data", pcm.samples)));
  }
}

// Opened once and judged by what was opened: a plain file is kept with its
// stamp; a folder, a pipe, a device or a socket is refused at once.
TEST(SoundFile, OnlyAPlainReadableFileIsKeptAndNothingIsWaitedOn) {
  QTemporaryDir dir;
  const std::string base = dir.path().toStdString();
  const std::string plain = base + "/plain.wav", locked = base + "/locked.wav",
                    fifo = base + "/pipe.wav", socket = base + "/socket.wav";
  std::ofstream(plain) << "abc";
  std::ofstream(locked) << "abc";
  ASSERT_EQ(mkfifo(fifo.c_str(), 0644), 0);
  const int listener = ::socket(AF_UNIX, SOCK_STREAM, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  ASSERT_LT(socket.size(), sizeof address.sun_path);
  socket.copy(address.sun_path, socket.size());
  ASSERT_EQ(bind(listener, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
  ASSERT_EQ(chmod(locked.c_str(), 0), 0);
  ASSERT_EQ(chmod(base.c_str(), 0755), 0);

  auto file = qt::openSoundFile(plain);
  ASSERT_TRUE(file);
  EXPECT_EQ(file->read(3), "abc");
  EXPECT_FALSE(file->read(4)) << "a file that holds fewer bytes than asked for";
  const view::FileStamp before = file->stamp();
  EXPECT_EQ(before.size, 3u);
  std::ofstream(plain, std::ios::app) << "d";
  EXPECT_NE(qt::openSoundFile(plain)->stamp(), before);

  // A pipe with no writer would keep a blocking open waiting for ever: it
  // is tried on another thread, which a writer frees should it hang.
  auto opened = std::async(std::launch::async, [&] { return qt::openSoundFile(fifo) == nullptr; });
  if (opened.wait_for(std::chrono::seconds(5)) != std::future_status::ready) {
    ADD_FAILURE() << "opening the pipe waited for a writer";
    close(open(fifo.c_str(), O_WRONLY | O_NONBLOCK));
  }
  EXPECT_TRUE(opened.get());
  EXPECT_FALSE(qt::openSoundFile(base));
  EXPECT_FALSE(qt::openSoundFile(socket));
  EXPECT_FALSE(qt::openSoundFile("/dev/null"));
  EXPECT_FALSE(qt::openSoundFile(base + "/missing.wav"));
  close(listener);
  // Root opens any file, so the locked one is tried by a child that gave up root.
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0)) _exit(3);
    _exit(qt::openSoundFile(plain) ? (qt::openSoundFile(locked) ? 2 : 0) : 1);
  }
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  EXPECT_EQ(WEXITSTATUS(status), 0) << "1: readable refused, 2: locked opened, 3: no setuid";
}

}  // namespace
}  // namespace trelavka
