// The WAV check at its edges: the lowest and highest rates it takes, and a
// file whose data comes with no format at all.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <fstream>
#include <string>

#include "wav_check.h"

namespace trelavka {
namespace {

std::string le(std::uint32_t v, int bytes) {
  std::string s;
  for (int i = 0; i < bytes; ++i) s += static_cast<char>((v >> (8 * i)) & 0xff);
  return s;
}
std::string chunk(const std::string& id, const std::string& body) {
  return id + le(static_cast<std::uint32_t>(body.size()), 4) + body;
}
std::string riff(const std::string& chunks) {
  return "RIFF" + le(static_cast<std::uint32_t>(4 + chunks.size()), 4) + "WAVE" + chunks;
}
// Mono, 8 bits, four frames of silence.
std::string monoAt(std::uint32_t rate) {
  const std::string fmt = le(1, 2) + le(1, 2) + le(rate, 4) + le(rate, 4) + le(1, 2) + le(8, 2);
  return riff(chunk("fmt ", fmt) + chunk("data", std::string(4, '\x80')));
}

TEST(WavEdges, RatesInsideTheLimitsOnlyAndNeverDataWithoutFormat) {
  QTemporaryDir dir;
  const struct {
    const char* what;
    std::string bytes;
    bool playable;
  } cases[] = {
      {"4000 Hz", monoAt(4000), true},        {"3999 Hz", monoAt(3999), false},
      {"192000 Hz", monoAt(192000), true},    {"192001 Hz", monoAt(192001), false},
      {"data, no format", riff(chunk("data", std::string(4, '\x80'))), false},
  };
  for (const auto& c : cases) {
    const std::string file = dir.filePath(c.what).toStdString();
    std::ofstream(file, std::ios::binary) << c.bytes;
    EXPECT_EQ(isPlayableWav(file), c.playable) << c.what;
  }
}

}  // namespace
}  // namespace trelavka
