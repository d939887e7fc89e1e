// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "invariants.h"

#include <algorithm>
#include <array>
#include <iterator>
#include <vector>

#include "offers.h"

namespace trelavka::fuzz {
namespace {

using Result = std::optional<std::string>;

// The rules as the fuzzer states them, apart from the game's own tables.
constexpr std::int64_t kStepMs = 2800;
constexpr std::int64_t kBankruptBelow = -100000;
constexpr std::int64_t kVotedOutBelow = -10;
constexpr std::int64_t kWarnBelow = 0;
constexpr std::string_view kAdviser = "PORADCE";
constexpr std::string_view kWarning = "Máte malou popularitu";
constexpr std::string_view kBankrupt = "Město skoro zkrachovalo, konají se předčasné volby, KONČÍTE";
constexpr std::string_view kVotedOut = "Konají se předčasné volby, KONČÍTE";
using EK = Event::Kind;

// ---- reading an action's events ------------------------------------------------

bool isWrite(const Event& e, Counter c) { return e.kind == EK::Write && e.counter == c; }
bool isBox(const Event& e, std::string_view text) { return e.kind == EK::Box && e.text == text; }
std::string boxOf(std::string_view title, std::string_view text) {
  return std::string(title) + " | " + std::string(text);
}
bool is(const Observation& o, Action::Kind kind) { return o.action && o.action->kind == kind; }

// Where each time step begins: the population write that the money write and
// the day write follow at once (no other writer of the day exists).
std::vector<std::size_t> stepStarts(const std::vector<Event>& events) {
  std::vector<std::size_t> writes;
  for (std::size_t i = 0; i < events.size(); ++i) {
    if (events[i].kind == EK::Write) writes.push_back(i);
  }
  std::vector<std::size_t> starts;
  for (std::size_t k = 0; k + 2 < writes.size(); ++k) {
    if (isWrite(events[writes[k]], kPopulation) && isWrite(events[writes[k + 1]], kMoney) &&
        isWrite(events[writes[k + 2]], kDay)) {
      starts.push_back(writes[k]);
    }
  }
  return starts;
}

// The game timer's deadlines: the k-th tick after a start comes k x 2800 ms after it.
struct Clock {
  std::optional<std::int64_t> startedAt;
  std::int64_t ticks = 0;
  Result error;
};

Clock walkClock(const Observation& o, const History& h) {
  Clock clock{h.clockStartedAt, h.ticksSinceStart, {}};
  const auto starts = stepStarts(o.events);
  for (std::size_t i = 0; i < o.events.size() && !clock.error; ++i) {
    const Event& e = o.events[i];
    if (e.kind == EK::Timer && e.timer == Timer::Timer) {
      clock.startedAt = e.on ? std::optional(e.time) : std::nullopt;
      clock.ticks = 0;
    }
    if (!is(o, Action::Kind::Wait) || !std::binary_search(starts.begin(), starts.end(), i)) continue;
    ++clock.ticks;
    if (!clock.startedAt) {
      clock.error = "a tick of the game timer at " + std::to_string(e.time) + " ms while it was off";
    } else if (e.time != *clock.startedAt + clock.ticks * kStepMs) {
      clock.error = "tick " + std::to_string(clock.ticks) + " after the start at " +
                    std::to_string(*clock.startedAt) + " ms came at " + std::to_string(e.time) +
                    " ms";
    }
  }
  if (!clock.error && !o.after.quit && o.after.timersOn[index(Timer::Timer)]) {
    const auto next = clock.startedAt
                          ? std::optional(*clock.startedAt + (clock.ticks + 1) * kStepMs)
                          : std::nullopt;
    if (o.after.due[index(Timer::Timer)] != next) {
      clock.error = "the game timer's next tick is not the start's next multiple of 2800 ms";
    }
  }
  return clock;
}

// ---- the checks ----------------------------------------------------------------

Result oneOfStartAndPause(const Observation& o, const History&) {
  const auto& b = o.after.buttons;
  if (b[index(Button::Command1)].shown) return "the hidden time-step button is shown";
  if (b[index(Button::Command2)].shown == b[index(Button::Command3)].shown) {
    return "\"Start hry\" and \"Pauza\" are both shown or both hidden";
  }
  return {};
}

Result purchaseOutcome(const Observation& o, const History&) {
  if (!is(o, Action::Kind::Menu)) return {};
  const Offer* p = offerFor(o.action->word);
  // An overflow past the 64-bit range ends the program halfway; nothing left to judge.
  if (p == nullptr || o.after.quit) return {};
  const auto& b = o.before;
  const auto& a = o.after;
  std::vector<const Event*> writes;
  for (const Event& e : o.events) {
    if (e.kind == EK::Write) writes.push_back(&e);
  }
  if (writes.empty()) {
    if (o.events.size() != 1 || o.events[0].kind != EK::Box) {
      return "a refused purchase did not show exactly one box and nothing else";
    }
    if (b.counters != a.counters || b.pictures != a.pictures || b.flags != a.flags ||
        b.timersOn != a.timersOn) {
      return "a refused purchase changed the town";
    }
    return {};
  }
  if (b.counter(kMoney) < p->price) return "a purchase went through with too little money";
  return {};
}

Result lossFollowsThreshold(const Observation& o, const History&) {
  const std::string bankrupt = boxOf(kAdviser, kBankrupt);
  const std::string warning = boxOf(kAdviser, kWarning);
  const std::string votedOut = boxOf(kAdviser, kVotedOut);
  auto boxAt = [&](std::size_t i, const std::string& text) {
    return i < o.events.size() && isBox(o.events[i], text);
  };
  std::size_t losses = 0;
  for (std::size_t i = 0; i < o.events.size(); ++i) {
    const Event& e = o.events[i];
    if (isWrite(e, kMoney) && e.value < kBankruptBelow) {
      if (!boxAt(i + 1, bankrupt)) return "money " + e.text + " was not followed by the bankruptcy";
      ++losses;
    }
    if (isWrite(e, kPopularity) && e.value < kWarnBelow && !boxAt(i + 1, warning)) {
      return "popularity " + e.text + " was not followed by the warning";
    }
    if (isWrite(e, kPopularity) && e.value < kVotedOutBelow) {
      if (!boxAt(i + 2, votedOut)) return "popularity " + e.text + " did not end the game";
      ++losses;
    }
  }
  const auto lossBoxes = std::count_if(o.events.begin(), o.events.end(), [&](const Event& e) {
    return isBox(e, bankrupt) || isBox(e, votedOut);
  });
  if (static_cast<std::size_t>(lossBoxes) != losses) return "a loss without a reason";
  const std::size_t lost5 = index(Label::Label5);
  if (o.before.labels[lost5] && !o.after.labels[lost5]) return "\"PROHRÁLS\" was hidden again";
  if (!o.before.labels[lost5] && o.after.labels[lost5] && losses == 0) {
    return "\"PROHRÁLS\" shown without a loss";
  }
  if (losses > 0 && !o.after.quit &&
      (!o.after.labels[lost5] || o.after.buttons[index(Button::Command3)].enabled ||
       o.after.timersOn[index(Timer::Timer)])) {
    return "a loss did not stop the clock, show \"PROHRÁLS\" and disable \"Pauza\"";
  }
  return {};
}

Result gameClockDeadlines(const Observation& o, const History& h) {
  if (o.after.quit) return {};
  return walkClock(o, h).error;
}

Result nothingAfterQuit(const Observation& o, const History&) {
  for (std::size_t i = 0; i < o.events.size(); ++i) {
    if (o.events[i].kind == EK::Quit && i + 1 != o.events.size()) return "the game went on after quit";
  }
  const auto said = std::count_if(o.events.begin(), o.events.end(), [](const Event& e) {
    return e.kind <= EK::Dump;  // a transcript line, not a change of the model
  });
  if (is(o, Action::Kind::Menu) && o.action->word == "Konec" &&
      (said != 1 || o.events.back().kind != EK::Quit)) {
    return "\"Konec\" did not end the program at once";
  }
  return {};
}

struct Invariant {
  std::string_view name;
  Result (*check)(const Observation&, const History&);
};

constexpr std::array<Invariant, 5> kInvariants{{
    {"one-of-start-and-pause", oneOfStartAndPause},
    {"purchase-all-or-nothing", purchaseOutcome},
    {"loss-follows-threshold", lossFollowsThreshold},
    {"game-clock-deadlines", gameClockDeadlines},
    {"nothing-after-quit", nothingAfterQuit},
}};

}  // namespace

std::optional<Failure> Checker::observe(const Observation& o) {
  for (const auto& inv : kInvariants) {
    if (auto detail = inv.check(o, history_)) return Failure{std::string(inv.name), *detail};
  }
  // What later checks need from this action.
  const Clock clock = walkClock(o, history_);
  history_.clockStartedAt = clock.startedAt;
  history_.ticksSinceStart = clock.ticks;
  return std::nullopt;
}

}  // namespace trelavka::fuzz
