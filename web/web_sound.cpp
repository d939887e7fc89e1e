// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "web_sound.h"

#include <emscripten/emscripten.h>

#include <cstdint>
#include <memory>
#include <new>

#include "glue.h"
#include "offers.h"
#include "texts.h"
#include "wav.h"

namespace trelavka::web {
namespace {

// The page's one player, for the page's callback.
Sounds* player = nullptr;

// Web Audio takes each channel as its own run of floats in [-1, 1). Null
// when there is no memory for them.
std::unique_ptr<float[]> planes(const Pcm& pcm) {
  const std::size_t frames = pcm.frames();
  const auto channels = static_cast<std::size_t>(pcm.channels);
  std::unique_ptr<float[]> out(new (std::nothrow) float[frames * channels]);
  if (!out) return out;
  const auto* bytes = reinterpret_cast<const unsigned char*>(pcm.samples.data());
  for (std::size_t f = 0; f < frames; ++f) {
    for (std::size_t c = 0; c < channels; ++c) {
      const std::size_t sample = f * channels + c;
      float value = 0;
      if (pcm.bits == 8) {
        value = (static_cast<float>(bytes[sample]) - 128.0f) / 128.0f;
      } else {
        const auto raw = static_cast<std::uint16_t>(bytes[2 * sample] | bytes[2 * sample + 1] << 8);
        value = static_cast<float>(static_cast<std::int16_t>(raw)) / 32768.0f;
      }
      out[c * frames + f] = value;
    }
  }
  return out;
}

}  // namespace

Sounds::Sounds() {
  player = this;
  web_sound_listen();
  // Fetched ahead, so that the first chime is not late by a round trip.
  fetch(text::kAboutSound);
  for (const auto table : kOfferTables) {
    for (const Offer& offer : table) {
      if (!offer.sound.empty()) fetch(offer.sound);
    }
  }
}

Sounds::~Sounds() {
  if (player == this) player = nullptr;
}

std::size_t Sounds::fetch(std::string_view file) {
  for (std::size_t id = 0; id < entries_.size(); ++id) {
    if (entries_[id].file == file) return id;
  }
  entries_.push_back({std::string(file)});
  web_sound_fetch(static_cast<int>(entries_.size() - 1), file.data(), file.size(),
                  static_cast<double>(kMaxWavBytes));
  return entries_.size() - 1;
}

void Sounds::play(std::string_view file) {
  // Even a sound that turns out silent stops the old one.
  stop();
  const std::size_t id = fetch(file);
  switch (entries_[id].state) {
    case State::Ready: web_sound_play(static_cast<int>(id)); break;
    case State::Fetching: waiting_ = id; break;
    case State::Silent: break;
  }
}

void Sounds::stop() {
  waiting_.reset();
  web_sound_stop();
}

void Sounds::arrived(std::size_t id, const char* bytes, std::size_t length) {
  if (id >= entries_.size() || entries_[id].state != State::Fetching) return;
  std::optional<Pcm> pcm;
  if (bytes != nullptr) pcm = decodeWav({bytes, length});
  bool kept = false;
  if (pcm) {
    const std::unique_ptr<float[]> samples = planes(*pcm);
    kept = samples && web_sound_keep(static_cast<int>(id), pcm->channels,
                                     static_cast<double>(pcm->frames()), pcm->rate,
                                     samples.get()) != 0;
  }
  entries_[id].state = kept ? State::Ready : State::Silent;
  if (waiting_ == id) {
    waiting_.reset();
    if (kept) web_sound_play(static_cast<int>(id));
  }
}

}  // namespace trelavka::web

extern "C" EMSCRIPTEN_KEEPALIVE void web_sound_arrived(int id, const char* bytes,
                                                       std::size_t length) {
  if (trelavka::web::player != nullptr && id >= 0) {
    trelavka::web::player->arrived(static_cast<std::size_t>(id), bytes, length);
  }
}
