#include "invariants.h"

#include <algorithm>
#include <array>
#include <iterator>
#include <vector>

#include "oracle.h"

namespace trelavka::fuzz {
namespace {

using Result = std::optional<std::string>;
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
    } else if (e.time != *clock.startedAt + clock.ticks * oracle::kStepMs) {
      clock.error = "tick " + std::to_string(clock.ticks) + " after the start at " +
                    std::to_string(*clock.startedAt) + " ms came at " + std::to_string(e.time) +
                    " ms";
    }
  }
  if (!clock.error && !o.after.quit && o.after.timersOn[index(Timer::Timer)]) {
    const auto next = clock.startedAt
                          ? std::optional(*clock.startedAt + (clock.ticks + 1) * oracle::kStepMs)
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
  const auto* p = oracle::purchaseFor(o.action->word);
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
  const bool checksBuilt = p->item != "kapacita" && p->item != oracle::kConcert;
  if (checksBuilt && p->shows != Picture::None && b.shown(p->shows)) {
    return "a building that stands was bought again";
  }
  if (p->marks != Flag::None && b.flags[index(p->marks)]) return "a one-off action was held twice";

  std::vector<oracle::Change> expected;
  if (p->popularity != 0) expected.push_back({kPopularity, p->popularity});
  expected.push_back({kMoney, -p->price});
  if (p->population != 0) expected.push_back({kPopulation, p->population});
  if (writes.size() != expected.size()) return "a purchase wrote the counters in another order";
  for (std::size_t i = 0; i < expected.size(); ++i) {
    const auto c = expected[i].counter;
    if (writes[i]->counter != c) return "a purchase wrote the counters in another order";
    if (writes[i]->value != b.counter(c) + expected[i].by || a.counter(c) != writes[i]->value) {
      return "a purchase changed " + std::string(name(c)) + " by " +
             std::to_string(a.counter(c) - b.counter(c)) + ", its row says " +
             std::to_string(expected[i].by);
    }
  }
  if (p->shows != Picture::None && !a.shown(p->shows) && !a.quit) {
    return "a purchase did not show its picture";
  }
  if (p->hides != Picture::None && a.shown(p->hides) && !a.quit) {
    return "a purchase did not take " + std::string(name(p->hides)) + " off the map";
  }
  if (p->marks != Flag::None && !a.flags[index(p->marks)]) return "a one-off action left no mark";
  return {};
}

Result lossFollowsThreshold(const Observation& o, const History&) {
  const std::string bankrupt = boxOf(oracle::kAdviser, oracle::kBankrupt);
  const std::string warning = boxOf(oracle::kAdviser, oracle::kWarning);
  const std::string votedOut = boxOf(oracle::kAdviser, oracle::kVotedOut);
  auto boxAt = [&](std::size_t i, const std::string& text) {
    return i < o.events.size() && isBox(o.events[i], text);
  };
  std::size_t losses = 0;
  for (std::size_t i = 0; i < o.events.size(); ++i) {
    const Event& e = o.events[i];
    if (isWrite(e, kMoney) && e.value < oracle::kBankruptBelow) {
      if (!boxAt(i + 1, bankrupt)) return "money " + e.text + " was not followed by the bankruptcy";
      ++losses;
    }
    if (isWrite(e, kPopularity) && e.value < oracle::kWarnBelow && !boxAt(i + 1, warning)) {
      return "popularity " + e.text + " was not followed by the warning";
    }
    if (isWrite(e, kPopularity) && e.value < oracle::kVotedOutBelow) {
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
