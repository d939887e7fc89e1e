// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gif.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <sstream>
#include <string>
#include <utility>

namespace trelavka {
namespace {

// A plain LZW encoder as the format describes it, with a clear code only where
// the caller asks or the table is full and `clearWhenFull` says so.
std::string lzw(const std::vector<std::uint8_t>& pixels, int minBits, bool clearWhenFull) {
  std::string out;
  std::uint32_t acc = 0;
  int have = 0;
  const auto put = [&](int code, int bits) {
    acc |= static_cast<std::uint32_t>(code) << have;
    for (have += bits; have >= 8; have -= 8, acc >>= 8) out += static_cast<char>(acc & 0xFF);
  };
  const int clear = 1 << minBits, end = clear + 1;
  int bits = minBits + 1, next = end + 1;
  std::map<std::pair<int, int>, int> table;
  put(clear, bits);
  int current = pixels[0];
  for (std::size_t i = 1; i < pixels.size(); ++i) {
    const auto found = table.find({current, pixels[i]});
    if (found != table.end()) {
      current = found->second;
      continue;
    }
    put(current, bits);
    if (next < 4096) {
      table[{current, pixels[i]}] = next++;
      if (next > 1 << bits && bits < 12) ++bits;
    } else if (clearWhenFull) {
      put(clear, bits);
      table.clear();
      bits = minBits + 1;
      next = end + 1;
    }
    current = pixels[i];
  }
  put(current, bits);
  put(end, bits);
  if (have > 0) out += static_cast<char>(acc & 0xFF);
  return out;
}

struct Spec {
  int width = 0, height = 0;
  int colourBits = 4;  // the table holds 2^colourBits entries
  bool local = false;  // the colours in a local table, none global
  bool interlaced = false;
  bool clearWhenFull = true;
  int left = 0, top = 0, screenWidth = 0, screenHeight = 0, background = 0;
};

std::string word(int v) { return {static_cast<char>(v & 0xFF), static_cast<char>(v >> 8 & 0xFF)}; }

std::array<Rgb, 256> paletteOf(int colourBits) {
  std::array<Rgb, 256> p{};
  for (int i = 0; i < 1 << colourBits; ++i) {
    p[i] = {static_cast<std::uint8_t>(i * 7), static_cast<std::uint8_t>(255 - i), static_cast<std::uint8_t>(i * 13)};
  }
  return p;
}

// A whole GIF89a file of `pixels` (rows from the top), with a graphic control
// extension ahead of the image as our art tool writes it.
std::string gif(const Spec& s, const std::vector<std::uint8_t>& pixels) {
  const int screenWidth = s.screenWidth ? s.screenWidth : s.width;
  const int screenHeight = s.screenHeight ? s.screenHeight : s.height;
  const int tableBits = s.colourBits - 1;
  std::string table;
  const auto p = paletteOf(s.colourBits);
  for (int i = 0; i < 1 << s.colourBits; ++i) table += {char(p[i].r), char(p[i].g), char(p[i].b)};
  std::string out = "GIF89a" + word(screenWidth) + word(screenHeight);
  out += static_cast<char>(s.local ? 0 : 0x80 | tableBits);
  out += {static_cast<char>(s.background), 0};
  if (!s.local) out += table;
  out += std::string("\x21\xF9\x04\x00\x00\x00\x00\x00", 8);
  out += "\x2C" + word(s.left) + word(s.top) + word(s.width) + word(s.height);
  out += static_cast<char>((s.local ? 0x80 | tableBits : 0) | (s.interlaced ? 0x40 : 0));
  if (s.local) out += table;
  std::vector<std::uint8_t> stored;
  if (s.interlaced) {
    for (auto [start, step] : {std::pair{0, 8}, {4, 8}, {2, 4}, {1, 2}}) {
      for (int y = start; y < s.height; y += step) {
        stored.insert(stored.end(), pixels.begin() + y * s.width, pixels.begin() + (y + 1) * s.width);
      }
    }
  } else {
    stored = pixels;
  }
  const int minBits = std::max(2, s.colourBits);
  out += static_cast<char>(minBits);
  const std::string data = lzw(stored, minBits, s.clearWhenFull);
  for (std::size_t at = 0; at < data.size(); at += 255) {
    const std::size_t n = std::min<std::size_t>(255, data.size() - at);
    out += static_cast<char>(n);
    out += data.substr(at, n);
  }
  out += std::string("\0\x3B", 2);
  return out;
}

std::vector<std::uint8_t> noise(const Spec& s, unsigned seed, int runs) {
  std::mt19937 random(seed);
  std::vector<std::uint8_t> out(static_cast<std::size_t>(s.width) * s.height);
  // Runs of a colour make long strings; single pixels fill the table fast.
  std::uint8_t colour = 0;
  for (std::size_t i = 0; i < out.size(); ++i) {
    if (random() % runs == 0) colour = static_cast<std::uint8_t>(random() % (1u << s.colourBits));
    out[i] = colour;
  }
  return out;
}

TEST(Gif, DecodesWhatTheFormatAllows) {
  struct Case {
    const char* what;
    Spec spec;
    int runs;
    std::size_t past = 0;  // pixels coded past the last one, to be dropped
  };
  const Case cases[] = {
      {"one pixel", {1, 1, 1}, 1},
      {"two colours, long runs", {40, 30, 1}, 50},
      {"noise that fills the table and clears", {300, 200, 8}, 1},
      {"a full table kept without a clear", {300, 200, 8, false, false, false}, 1},
      {"a local table", {37, 23, 5, true}, 3},
      {"interlaced, every pass", {19, 29, 4, false, true}, 2},
      {"interlaced, fewer rows than a pass", {5, 3, 4, false, true}, 1},
      {"the map's shape", {666, 410, 5}, 40},
      {"long strings past the last pixel", {7, 5, 2}, 1, 3000},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const std::vector<std::uint8_t> pixels = noise(c.spec, 7, c.runs);
    std::vector<std::uint8_t> coded = pixels;
    coded.resize(pixels.size() + c.past, 3);
    const auto image = decodeGif(gif(c.spec, coded));
    ASSERT_TRUE(image);
    EXPECT_EQ(image->width, c.spec.width);
    EXPECT_EQ(image->height, c.spec.height);
    EXPECT_EQ(image->pixels, pixels);
    EXPECT_EQ(image->palette, paletteOf(c.spec.colourBits));
  }
}

TEST(Gif, PlacesAnImageOnItsScreen) {
  Spec s{3, 2, 2};
  s.left = 2, s.top = 1, s.screenWidth = 6, s.screenHeight = 4, s.background = 3;
  const auto image = decodeGif(gif(s, {0, 1, 2, 2, 1, 0}));
  ASSERT_TRUE(image);
  const std::vector<std::uint8_t> expected{3, 3, 3, 3, 3, 3,  //
                                           3, 3, 0, 1, 2, 3,  //
                                           3, 3, 2, 1, 0, 3,  //
                                           3, 3, 3, 3, 3, 3};
  EXPECT_EQ(image->pixels, expected);
  EXPECT_EQ(image->at(4, 2), 0);
}

TEST(Gif, RefusesWhatIsNotAWholePicture) {
  const Spec s{20, 10, 3};
  const std::string good = gif(s, noise(s, 3, 2));
  ASSERT_TRUE(decodeGif(good));
  // Cut anywhere before the image's last data block ends: nothing, never a crash or a read past the end.
  const std::size_t imageEnd = good.size() - 1;
  for (std::size_t n = 0; n < imageEnd; ++n) EXPECT_FALSE(decodeGif(good.substr(0, n))) << n;

  const auto changed = [&](std::size_t at, char to) {
    std::string bad = good;
    bad[at] = to;
    return bad;
  };
  const std::size_t descriptor = 13 + 3 * 8 + 8;  // header, table, control extension
  ASSERT_EQ(good[descriptor], '\x2C');
  EXPECT_FALSE(decodeGif(changed(3, '9'))) << "not GIF87a or GIF89a";
  EXPECT_FALSE(decodeGif(changed(6, 0).replace(7, 1, 1, '\0'))) << "an empty screen";
  EXPECT_FALSE(decodeGif(changed(descriptor + 1, 1))) << "the image past the screen's right edge";
  EXPECT_FALSE(decodeGif(changed(descriptor + 3, 1))) << "the image past the screen's bottom";
  EXPECT_FALSE(decodeGif(changed(descriptor + 10, 9))) << "codes wider than the format's";
  EXPECT_FALSE(decodeGif(changed(descriptor + 10, 1))) << "codes narrower than the format's";
  EXPECT_FALSE(decodeGif(changed(13 + 3 * 8, '\x3B'))) << "the trailer before any image";

  // Codes the table cannot know yet, and the end before the last pixel.
  std::string early = good.substr(0, descriptor + 11);
  early += std::string("\x01\x98\x00\x3B", 4);  // clear (8), then the end (9), in 4-bit codes
  EXPECT_FALSE(decodeGif(early)) << "the end code before the last pixel";
  std::string unknown = good.substr(0, descriptor + 11);
  // Clear, the literal 1, then 14 where 10 is the next code the table can know.
  unknown += std::string("\x02\x18\x0E\x00\x3B", 5);
  EXPECT_FALSE(decodeGif(unknown)) << "a code past the next one";

  // A local table taken away: the image has no colours at all.
  Spec local = s;
  local.local = true;
  std::string bare = gif(local, noise(local, 3, 2));
  const std::size_t at = 13 + 8;
  ASSERT_EQ(bare[at], '\x2C');
  bare[at + 9] = 0;
  bare.erase(at + 10, 3 * 8);
  EXPECT_FALSE(decodeGif(bare)) << "no colour table anywhere";
}

// Our own pictures, against ImageMagick's decoding of the same files.
TEST(Gif, DecodesEveryPictureOfTheGameAsImageMagickDoes) {
  const std::filesystem::path folder = TRELAVKA_IMAGES_DIR;
  int seen = 0;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    if (entry.path().extension() != ".gif") continue;
    ++seen;
    SCOPED_TRACE(entry.path().filename().string());
    std::ifstream file(entry.path(), std::ios::binary);
    std::stringstream bytes;
    bytes << file.rdbuf();
    const auto image = decodeGif(bytes.str());
    ASSERT_TRUE(image);
    const std::string command = "convert '" + entry.path().string() + "' -depth 8 rgb:-";
    FILE* pipe = popen(command.c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    std::string rgb;
    char buffer[65536];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) rgb.append(buffer, n);
    ASSERT_EQ(pclose(pipe), 0);
    ASSERT_EQ(rgb.size(), image->pixels.size() * 3);
    int wrong = 0;
    for (std::size_t i = 0; i < image->pixels.size(); ++i) {
      const Rgb& c = image->palette[image->pixels[i]];
      const Rgb want{static_cast<std::uint8_t>(rgb[3 * i]), static_cast<std::uint8_t>(rgb[3 * i + 1]),
                     static_cast<std::uint8_t>(rgb[3 * i + 2])};
      wrong += c == want ? 0 : 1;
    }
    EXPECT_EQ(wrong, 0);
  }
  EXPECT_GT(seen, 20);
}

}  // namespace
}  // namespace trelavka
