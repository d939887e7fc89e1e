// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Random player sessions on the headless game, each action checked against
// what must hold whatever the player did. The actions are script lines in the
// scenario runner's language, so a breaking session replays as a scenario.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
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

std::string script(const std::vector<Action>& actions);

struct Failure {
  std::string invariant;
  std::string detail;
};

// The headless game, watched: each call returns the first invariant it broke.
class Session final : private ModelObserver {
 public:
  Session();
  ~Session() override;
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;

  std::optional<Failure> load();
  std::optional<Failure> run(const Action& action);

  bool quit() const { return game_.ended(); }
  const Headless& game() const { return game_; }

 private:
  // What a refused purchase must leave as it was.
  struct Town {
    std::array<std::int64_t, kCounterCount> counters{};
    std::array<bool, kPictureCount> pictures{};
    std::array<bool, kFlagCount> flags{};
    std::array<bool, kTimerCount> timersOn{};
    bool operator==(const Town&) const = default;
  };
  // A counter write or a switch of the game timer, in order, with its time.
  struct Change {
    std::int64_t time;
    std::optional<Counter> written;
    bool timerOn = false;
  };

  void counterWritten(Counter c, std::int64_t value) override;
  void timerChanged(Timer t, bool on) override;
  Town town() const;
  std::optional<Failure> check(const Action* action, const Town& before);
  std::optional<std::string> clockKeptTime(bool waited);

  std::vector<Change> changes_;
  int lines_ = 0;
  int boxes_ = 0;
  bool quitSaid_ = false;
  bool saidAfterQuit_ = false;
  std::optional<std::int64_t> clockStartedAt_;  // the game timer's last switch-on
  std::int64_t ticksSinceStart_ = 0;
  Headless game_;
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

}  // namespace trelavka::fuzz
