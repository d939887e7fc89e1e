// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A recorded player session on the headless game: the actions as script lines
// in the scenario runner's language, and for every action what the game did.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "controls.h"
#include "headless.h"

namespace trelavka::fuzz {

struct Action {
  enum class Kind : std::uint8_t { Menu, Press, Step, Wait, Set, Show, Hide, Flag, About, Dump };
  Kind kind = Kind::Step;
  std::string word{};     // menu item, button, counter, picture, check box or about target
  std::int64_t number = 0;  // wait, set value, flag value

  std::string line() const;
};

// One thing the player saw or the model reported, with the clock's time.
struct Event {
  enum class Kind : std::uint8_t {
    Box, Write, Sound, Open, AboutOpen, AboutClose, Quit, Dump,  // transcript lines
    Timer,                                                       // a model change
  };
  Kind kind;
  std::int64_t time = 0;
  std::string text{};  // the transcript line's words after its keyword
  Counter counter = Counter::Text1;
  std::int64_t value = 0;
  trelavka::Timer timer = trelavka::Timer::None;
  bool on = false;
};

struct Snapshot {
  std::int64_t now = 0;
  bool quit = false;
  bool aboutOpen = false;
  std::array<std::int64_t, kCounterCount> counters{};
  std::array<bool, kPictureCount> pictures{};
  std::array<bool, kLabelCount> labels{};
  std::array<ButtonState, kButtonCount> buttons{};
  std::array<bool, kTimerCount> timersOn{};
  std::array<std::optional<std::int64_t>, kTimerCount> due{};
  std::array<bool, kFlagCount> flags{};

  std::int64_t counter(Counter c) const { return counters[index(c)]; }
  bool shown(trelavka::Picture p) const { return pictures[index(p)]; }
};

struct Observation {
  const Action* action = nullptr;  // null: the window's load
  Snapshot before;
  Snapshot after;
  std::vector<Event> events;
};

// The headless game with a recorder. Runs actions exactly as the scenario
// runner would, or says that the runner would refuse the line.
class Session {
 public:
  Session();
  ~Session();
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;

  // The window's load (the welcome box).
  const Observation& load();
  // False when the runner would stop at this line with a script error.
  bool legal(const Action& action) const;
  // Runs a legal action; the observation lives until the next call.
  const Observation& run(const Action& action);

  bool quit() const { return game_->ended(); }
  const Headless& game() const { return *game_; }
  Snapshot snapshot() const;

 private:
  class Recorder;
  void record(Event event);

  Observation observation_;
  std::unique_ptr<Recorder> recorder_;
  std::unique_ptr<Headless> game_;
};

// The next action of a random session: every leaf menu item ("Konec" rarely),
// start and pause when the button is there, steps, waits short and long, and
// now and then a set-up of a counter, picture or check box.
class Generator {
 public:
  explicit Generator(std::uint64_t seed) : state_(seed) {}
  Action next(const Session& session);

 private:
  std::uint64_t random();
  std::uint64_t below(std::uint64_t n) { return random() % n; }
  bool chance(std::uint64_t inThousand) { return below(1000) < inThousand; }
  std::int64_t waitMs(bool clockRuns);
  std::int64_t counterValue(Counter c);

  std::uint64_t state_;
};

std::string script(const std::vector<Action>& actions);

}  // namespace trelavka::fuzz
