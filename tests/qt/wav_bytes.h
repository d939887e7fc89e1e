// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

// WAV files byte by byte, for the decoder's and the player's tests.
#pragma once

#include <cstdint>
#include <string>

namespace trelavka::testing {

inline std::string le(std::uint32_t v, int bytes) {
  std::string s;
  for (int i = 0; i < bytes; ++i) s += static_cast<char>((v >> (8 * i)) & 0xff);
  return s;
}

// A chunk with its pad byte when the body is odd.
inline std::string chunk(const std::string& id, const std::string& body) {
  std::string c = id + le(static_cast<std::uint32_t>(body.size()), 4) + body;
  if (body.size() % 2 == 1) c += '\0';
  return c;
}

inline std::string format(int channels, std::uint32_t rate, int bits, int tag = 1) {
  const auto u = [](int v) { return static_cast<std::uint32_t>(v); };
  const int frame = channels * bits / 8;
  return chunk("fmt ", le(u(tag), 2) + le(u(channels), 2) + le(rate, 4) +
                           le(rate * u(frame), 4) + le(u(frame), 2) + le(u(bits), 2));
}

inline std::string riff(const std::string& chunks) {
  return "RIFF" + le(static_cast<std::uint32_t>(4 + chunks.size()), 4) + "WAVE" + chunks;
}

}  // namespace trelavka::testing
