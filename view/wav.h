// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The game's two sounds are PCM WAV files that we decode ourselves, so that
// no file, however odd, can leave a toolkit's decoder waiting for ever. Both
// front ends use this: bytes in, the format and the samples (or nothing) out.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace trelavka {

// A sound effect is held in memory whole; anything larger is not one of ours.
inline constexpr std::uintmax_t kMaxWavBytes = std::uintmax_t{16} << 20;

struct Pcm {
  int channels = 0;     // 1 or 2
  int rate = 0;         // frames per second
  int bits = 0;         // 8 (unsigned) or 16 (signed, little-endian)
  std::string samples;  // whole frames only, at least one

  int frameBytes() const { return channels * bits / 8; }
  std::size_t frames() const { return samples.size() / static_cast<std::size_t>(frameBytes()); }
};

namespace wav_detail {

inline std::uint32_t le(std::string_view b, std::size_t at, int bytes) {
  std::uint32_t v = 0;
  for (int i = bytes - 1; i >= 0; --i) v = (v << 8) | static_cast<unsigned char>(b[at + i]);
  return v;
}

// Real files have a handful of chunks; a long walk means garbage.
inline constexpr int kMaxChunks = 64;

}  // namespace wav_detail

// RIFF/WAVE with a PCM format chunk (8 or 16 bits, mono or stereo, 4 to 192 kHz)
// ahead of a data chunk; every chunk inside the RIFF length, which is inside the
// bytes. Chunks are padded to even length (the last may lack its pad byte), and a
// trailing part of a frame is dropped. Anything else, or no whole frame: nothing.
inline std::optional<Pcm> decodeWav(std::string_view bytes) {
  using wav_detail::le;
  if (bytes.size() < 12 || bytes.substr(0, 4) != "RIFF" || bytes.substr(8, 4) != "WAVE") {
    return std::nullopt;
  }
  const std::uint64_t end = 8 + std::uint64_t{le(bytes, 4, 4)};
  if (end > bytes.size()) return std::nullopt;

  Pcm pcm;
  bool haveFormat = false;
  std::uint64_t at = 12;
  for (int n = 0; at + 8 <= end; ++n) {
    if (n == wav_detail::kMaxChunks) return std::nullopt;
    const std::string_view id = bytes.substr(at, 4);
    const std::uint64_t body = at + 8;
    const std::uint64_t length = le(bytes, at + 4, 4);
    if (body + length > end) return std::nullopt;
    if (id == "fmt ") {
      if (length < 16) return std::nullopt;
      // Judged on the fields as they stand, before any narrowing.
      const std::uint32_t tag = le(bytes, body, 2), channels = le(bytes, body + 2, 2),
                          rate = le(bytes, body + 4, 4), bits = le(bytes, body + 14, 2);
      if (tag != 1 || (channels != 1 && channels != 2) || (bits != 8 && bits != 16) ||
          rate < 4000 || rate > 192000) {
        return std::nullopt;
      }
      pcm.channels = static_cast<int>(channels);
      pcm.rate = static_cast<int>(rate);
      pcm.bits = static_cast<int>(bits);
      haveFormat = true;
    } else if (id == "data") {
      if (!haveFormat) return std::nullopt;
      const std::uint64_t whole = length - length % static_cast<std::uint64_t>(pcm.frameBytes());
      if (whole == 0) return std::nullopt;
      pcm.samples.assign(bytes.substr(body, whole));
      return pcm;
    }
    at = body + length + (length & 1);
  }
  return std::nullopt;
}

// The sound as the simplest WAV file: a PCM format chunk and the samples, for
// a system's player that takes a file in memory. What it plays is then
// exactly what decodeWav accepted, whatever else the file it came from held.
inline std::string encodeWav(const Pcm& pcm) {
  const auto le = [](std::uint32_t v, int bytes) {
    std::string s;
    for (int i = 0; i < bytes; ++i) s += static_cast<char>((v >> (8 * i)) & 0xff);
    return s;
  };
  const auto u = [](int v) { return static_cast<std::uint32_t>(v); };
  const auto data = static_cast<std::uint32_t>(pcm.samples.size());
  std::string wav = "RIFF" + le(4 + 24 + 8 + data + (data & 1), 4) + "WAVE" + "fmt " + le(16, 4) +
                    le(1, 2) + le(u(pcm.channels), 2) + le(u(pcm.rate), 4) +
                    le(u(pcm.rate * pcm.frameBytes()), 4) + le(u(pcm.frameBytes()), 2) +
                    le(u(pcm.bits), 2) + "data" + le(data, 4);
  wav.reserve(wav.size() + pcm.samples.size() + 1);
  wav += pcm.samples;
  if (data & 1) wav += '\0';
  return wav;
}

}  // namespace trelavka
