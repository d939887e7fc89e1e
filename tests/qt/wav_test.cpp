// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Our WAV decoding: what plays and how much of it, and every file that must
// stay silent instead.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QTemporaryDir>
#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

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

TEST(Wav, ReadsOnlyPlainReadableFilesOfSoundSize) {
  QTemporaryDir dir;
  const std::string base = dir.path().toStdString();
  const std::string plain = base + "/plain.wav", big = base + "/big.wav",
                    locked = base + "/locked.wav", fifo = base + "/pipe.wav";
  std::ofstream(plain) << "abc";
  std::ofstream(locked) << "abc";
  std::ofstream(big).write(std::string(100, 'x').data(), 100);
  ASSERT_EQ(mkfifo(fifo.c_str(), 0644), 0);
  ASSERT_EQ(chmod(locked.c_str(), 0), 0);
  ASSERT_EQ(chmod(base.c_str(), 0755), 0);
  EXPECT_EQ(readSmallFile(plain), "abc");
  EXPECT_FALSE(readSmallFile(big, 99));
  EXPECT_FALSE(readSmallFile(base + "/missing.wav"));
  EXPECT_FALSE(readSmallFile(base));
  EXPECT_FALSE(readSmallFile(fifo));  // would block for ever if opened
  // Root reads any file, so the locked one is tried by a child that gave up root.
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0)) _exit(3);
    _exit(readSmallFile(plain) ? (readSmallFile(locked) ? 2 : 0) : 1);
  }
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  EXPECT_EQ(WEXITSTATUS(status), 0) << "1: readable refused, 2: locked read, 3: no setuid";
}

}  // namespace
}  // namespace trelavka
