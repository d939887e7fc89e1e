// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The page's one sound player. Each sound the game can play is fetched from
// data/ beside the page once, in the background, decoded here by the shared
// decoder and handed to Web Audio, which keeps the samples; playing it again
// costs nothing. A new sound stops the old one. A file that is missing, too
// large or not a sound we play is silence, and so is a browser without audio.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace trelavka::web {

class Sounds {
 public:
  // Starts fetching every sound the game names; returns at once.
  Sounds();
  Sounds(const Sounds&) = delete;
  Sounds& operator=(const Sounds&) = delete;
  ~Sounds();

  // Stops what is playing and starts `file` ("data/about.dat"); one that has
  // not arrived yet starts when it does, unless another was asked for since.
  void play(std::string_view file);
  void stop();

  // From the page: the whole of sound `id`'s file, or its failure (null).
  void arrived(std::size_t id, const char* bytes, std::size_t length);

 private:
  enum class State { Fetching, Ready, Silent };
  struct Entry {
    std::string file;
    State state = State::Fetching;
  };

  std::size_t fetch(std::string_view file);

  std::vector<Entry> entries_;
  std::optional<std::size_t> waiting_;  // asked for before it arrived
};

}  // namespace trelavka::web
