#include "wav_check.h"

#include <array>
#include <cstdint>
#include <cstring>

namespace trelavka {
namespace {

constexpr std::uint64_t kMaxWavBytes = std::uint64_t{16} << 20;
// Real sound files have a handful of chunks; a long walk means garbage.
constexpr int kMaxChunks = 64;
constexpr std::uint32_t kMinRate = 4000;
constexpr std::uint32_t kMaxRate = 192000;

std::uint16_t le16(const unsigned char* p) {
  return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}

std::uint32_t le32(const unsigned char* p) {
  return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
         (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

template <std::size_t N>
bool readAt(const ReadAt& read, std::uint64_t offset, std::array<unsigned char, N>& buf) {
  return read(offset, buf.data(), N);
}

bool is(const unsigned char* id, const char (&name)[5]) { return std::memcmp(id, name, 4) == 0; }

struct Format {
  std::uint16_t tag = 0;
  std::uint16_t channels = 0;
  std::uint32_t rate = 0;
  std::uint16_t bits = 0;

  bool playable() const {
    return tag == 1 && (channels == 1 || channels == 2) && (bits == 8 || bits == 16) &&
           rate >= kMinRate && rate <= kMaxRate;
  }
  std::uint32_t frameBytes() const { return channels * (bits / 8u); }
};

bool check(std::uint64_t size, const ReadAt& in) {
  if (size < 12 || size > kMaxWavBytes) return false;
  std::array<unsigned char, 12> riff{};
  if (!readAt(in, 0, riff) || !is(riff.data(), "RIFF") || !is(riff.data() + 8, "WAVE")) {
    return false;
  }
  const std::uint64_t end = 8 + std::uint64_t{le32(riff.data() + 4)};
  if (end > size) return false;

  Format format;
  bool haveFormat = false;
  bool haveData = false;
  std::uint64_t at = 12;
  for (int n = 0; at + 8 <= end; ++n) {
    if (n == kMaxChunks) return false;
    std::array<unsigned char, 8> head{};
    if (!readAt(in, at, head)) return false;
    const std::uint64_t body = at + 8;
    const std::uint64_t length = le32(head.data() + 4);
    if (body + length > end) return false;
    if (is(head.data(), "fmt ")) {
      std::array<unsigned char, 16> f{};
      if (haveData || length < f.size() || !readAt(in, body, f)) return false;
      format = {le16(f.data()), le16(f.data() + 2), le32(f.data() + 4), le16(f.data() + 14)};
      if (!format.playable()) return false;
      haveFormat = true;
    } else if (is(head.data(), "data") && !haveData) {
      if (!haveFormat || length < format.frameBytes()) return false;
      haveData = true;
    }
    // Chunks start on even offsets; the last one may lack its pad byte.
    at = body + length + (length & 1);
  }
  return haveData;
}

}  // namespace

bool isPlayableWav(std::uint64_t fileSize, const ReadAt& read) noexcept {
  try {
    return check(fileSize, read);
  } catch (...) {
    return false;
  }
}

}  // namespace trelavka
