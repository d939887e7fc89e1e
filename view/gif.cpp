// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gif.h"

#include <algorithm>
#include <string>

namespace trelavka {
namespace {

constexpr int kMaxCodeBits = 12;
constexpr int kMaxCodes = 1 << kMaxCodeBits;

class Reader {
 public:
  explicit Reader(std::string_view bytes) : bytes_(bytes) {}
  bool has(std::size_t n) const { return bytes_.size() - at_ >= n; }
  std::uint8_t byte() { return static_cast<std::uint8_t>(bytes_[at_++]); }
  int word() {
    const int lo = byte();
    return lo | byte() << 8;
  }
  std::string_view take(std::size_t n) {
    const std::string_view out = bytes_.substr(at_, n);
    at_ += n;
    return out;
  }

 private:
  std::string_view bytes_;
  std::size_t at_ = 0;
};

// A colour table of 2^(bits+1) entries; false if the bytes end inside it.
bool readPalette(Reader& in, int bits, std::array<Rgb, 256>& palette) {
  const std::size_t n = std::size_t{2} << bits;
  if (!in.has(3 * n)) return false;
  palette = {};
  for (std::size_t i = 0; i < n; ++i) {
    const std::uint8_t r = in.byte(), g = in.byte();
    palette[i] = {r, g, in.byte()};
  }
  return true;
}

// The sub-blocks of one block joined; nothing if the terminator is missing.
std::optional<std::string> readBlocks(Reader& in) {
  std::string out;
  for (;;) {
    if (!in.has(1)) return std::nullopt;
    const std::uint8_t n = in.byte();
    if (n == 0) return out;
    if (!in.has(n)) return std::nullopt;
    out += in.take(n);
  }
}

// The LZW codes of a GIF image into `count` indices; false if the data is
// not a valid code stream or ends before the last pixel.
bool decodeLzw(std::string_view data, int minBits, std::size_t count, std::vector<std::uint8_t>& out) {
  if (minBits < 2 || minBits > 8) return false;
  const int clear = 1 << minBits, end = clear + 1;
  // Each code is its prefix code plus one index; its string's length and first index.
  std::array<std::uint16_t, kMaxCodes> prefix{};
  std::array<std::uint8_t, kMaxCodes> last{}, first{};
  std::array<std::uint16_t, kMaxCodes> length{};
  for (int c = 0; c < clear; ++c) {
    last[c] = first[c] = static_cast<std::uint8_t>(c);
    length[c] = 1;
  }
  int bits = minBits + 1, next = end + 1, prev = -1;
  std::size_t bitAt = 0;
  out.assign(count, 0);
  std::size_t written = 0;
  const auto emit = [&](int code) {
    // The string runs backwards through its prefixes; what lies past the image is dropped.
    const std::size_t n = length[code];
    for (std::size_t i = n; i-- > 0;) {
      if (written + i < count) out[written + i] = last[code];
      code = prefix[code];
    }
    written += n;
  };
  while (written < count) {
    if (bitAt + bits > data.size() * 8) return false;
    int code = 0;
    for (int i = 0; i < bits; ++i, ++bitAt) {
      code |= (static_cast<std::uint8_t>(data[bitAt / 8]) >> (bitAt % 8) & 1) << i;
    }
    if (code == clear) {
      bits = minBits + 1;
      next = end + 1;
      prev = -1;
      continue;
    }
    if (code == end) return false;
    if (prev < 0) {
      if (code > clear) return false;
      emit(code);
      prev = code;
      continue;
    }
    // A full table takes no more codes, and no code reaches past it.
    if (code > next) return false;
    if (next < kMaxCodes) {
      // The new code is prev's string and the first index of this code's,
      // which for the new code itself (not in the table yet) is prev's first.
      prefix[next] = static_cast<std::uint16_t>(prev);
      first[next] = first[prev];
      last[next] = first[code];
      length[next] = static_cast<std::uint16_t>(length[prev] + 1);
      ++next;
      if (next == 1 << bits && bits < kMaxCodeBits) ++bits;
    }
    emit(code);
    prev = code;
  }
  return true;
}

}  // namespace

std::optional<IndexedImage> decodeGif(std::string_view bytes) {
  Reader in(bytes);
  if (!in.has(13)) return std::nullopt;
  const std::string_view signature = in.take(6);
  if (signature != "GIF87a" && signature != "GIF89a") return std::nullopt;
  IndexedImage image;
  image.width = in.word();
  image.height = in.word();
  const std::uint8_t screenFlags = in.byte();
  const std::uint8_t background = in.byte();
  in.byte();  // aspect ratio
  if (image.width < 1 || image.height < 1 || image.width > kMaxGifSide || image.height > kMaxGifSide) {
    return std::nullopt;
  }
  bool havePalette = false;
  if ((screenFlags & 0x80) != 0) {
    if (!readPalette(in, screenFlags & 7, image.palette)) return std::nullopt;
    havePalette = true;
  }
  for (;;) {
    if (!in.has(1)) return std::nullopt;
    const std::uint8_t kind = in.byte();
    if (kind == 0x21) {
      if (!in.has(1)) return std::nullopt;
      in.byte();  // the extension's label
      if (!readBlocks(in)) return std::nullopt;
      continue;
    }
    if (kind != 0x2C) return std::nullopt;  // the trailer before any image, or garbage
    if (!in.has(9)) return std::nullopt;
    const int left = in.word(), top = in.word(), width = in.word(), height = in.word();
    const std::uint8_t flags = in.byte();
    if (left + width > image.width || top + height > image.height) return std::nullopt;
    if ((flags & 0x80) != 0) {
      if (!readPalette(in, flags & 7, image.palette)) return std::nullopt;
      havePalette = true;
    }
    if (!havePalette || !in.has(1)) return std::nullopt;
    const int minBits = in.byte();
    const std::optional<std::string> data = readBlocks(in);
    if (!data) return std::nullopt;
    std::vector<std::uint8_t> frame;
    if (!decodeLzw(*data, minBits, static_cast<std::size_t>(width) * height, frame)) {
      return std::nullopt;
    }
    image.pixels.assign(static_cast<std::size_t>(image.width) * image.height, background);
    // Interlaced rows come in four passes: every 8th from 0, every 8th from 4,
    // every 4th from 2, every 2nd from 1.
    constexpr int kStart[] = {0, 4, 2, 1}, kStep[] = {8, 8, 4, 2};
    const bool interlaced = (flags & 0x40) != 0;
    int pass = 0, y = 0;
    for (int row = 0; row < height; ++row) {
      if (interlaced) {
        while (y >= height) y = kStart[++pass];
      } else {
        y = row;
      }
      const std::uint8_t* from = frame.data() + static_cast<std::size_t>(row) * width;
      std::copy(from, from + width,
                image.pixels.begin() + static_cast<std::ptrdiff_t>(top + y) * image.width + left);
      if (interlaced) y += kStep[pass];
    }
    return image;
  }
}

}  // namespace trelavka
