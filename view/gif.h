// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The map's pictures are GIFs. A front end whose system decodes them only
// through heavy machinery (on Windows, OLE and an imaging library loaded at
// start-up) decodes them here instead: bytes in, indices and a palette out.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace trelavka {

struct Rgb {
  std::uint8_t r = 0, g = 0, b = 0;
  bool operator==(const Rgb&) const = default;
};

struct IndexedImage {
  int width = 0;
  int height = 0;
  // Entries the picture names; unnamed ones are black.
  std::array<Rgb, 256> palette{};
  // Row by row from the top, one palette index a pixel.
  std::vector<std::uint8_t> pixels;

  std::uint8_t at(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
};

// No picture of ours is larger; anything larger is not one.
inline constexpr int kMaxGifSide = 4096;

// The first image of a GIF87a or GIF89a file, on its logical screen: global
// or local colour table, interlaced or not, extensions skipped. Outside the
// image, the screen's background colour. Anything malformed or cut short
// (a header, a colour table, the image or its LZW data): nothing.
std::optional<IndexedImage> decodeGif(std::string_view bytes);

}  // namespace trelavka
