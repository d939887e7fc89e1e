// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "session.h"

#include <algorithm>
#include <string_view>
#include <utility>

#include "menu.h"
#include "offers.h"

namespace trelavka::fuzz {

std::string Action::line() const {
  static constexpr std::array<std::string_view, 10> kVerbs{"menu", "press", "step", "wait", "set",
                                                           "show", "hide", "flag", "about", "dump"};
  std::string out(kVerbs[static_cast<std::size_t>(kind)]);
  if (!word.empty()) out += " " + word;
  if (kind == Kind::Wait || kind == Kind::Set || kind == Kind::Flag) out += " " + std::to_string(number);
  return out;
}

std::string script(const std::vector<Action>& actions) {
  std::string text;
  for (const auto& a : actions) text += a.line() + "\n";
  return text;
}

namespace {

constexpr std::int64_t kStepMs = 2800;

std::string at(std::int64_t ms) { return std::to_string(ms) + " ms"; }

}  // namespace

Session::Session()
    : game_([this](std::string_view line) {
        ++lines_;
        if (line.starts_with("box ")) ++boxes_;
        saidAfterQuit_ = saidAfterQuit_ || quitSaid_;
        quitSaid_ = quitSaid_ || line == "quit";
      }) {
  game_.model().addObserver(this);
}

Session::~Session() { game_.model().removeObserver(this); }

void Session::counterWritten(Counter c, std::int64_t) { changes_.push_back({game_.now(), c}); }

void Session::timerChanged(Timer t, bool on) {
  if (t == Timer::Timer) changes_.push_back({game_.now(), std::nullopt, on});
}

Session::Town Session::town() const {
  const Model& m = game_.model();
  Town s;
  for (std::size_t i = 0; i < kCounterCount; ++i) s.counters[i] = m.counter(counterAt(i));
  for (std::size_t i = 0; i < kPictureCount; ++i) s.pictures[i] = m.shown(pictureAt(i));
  for (std::size_t i = 0; i < kFlagCount; ++i) s.flags[i] = m.flag(flagAt(i));
  for (std::size_t i = 0; i < kTimerCount; ++i) s.timersOn[i] = m.timerOn(timerAt(i));
  return s;
}

std::optional<Failure> Session::load() {
  const Town before = town();
  game_.load();
  return check(nullptr, before);
}

std::optional<Failure> Session::run(const Action& action) {
  const Town before = town();
  Model& m = game_.model();
  switch (action.kind) {
    case Action::Kind::Menu: game_.choose(action.word); break;
    case Action::Kind::Press: game_.press(buttonNamed(action.word).value()); break;
    case Action::Kind::Step: game_.step(); break;
    case Action::Kind::Wait: game_.wait(action.number); break;
    case Action::Kind::Set: game_.set(counterNamed(action.word).value(), action.number); break;
    case Action::Kind::Show: m.setShown(pictureNamed(action.word).value(), true); break;
    case Action::Kind::Hide: m.setShown(pictureNamed(action.word).value(), false); break;
    case Action::Kind::Flag: m.setFlag(flagNamed(action.word).value(), action.number == 1); break;
    case Action::Kind::About:
      game_.clickAbout(action.word == "Form"       ? AboutTarget::Form
                       : action.word == "Picture1" ? AboutTarget::Logo
                       : action.word == "Label5"   ? AboutTarget::Address
                                                   : AboutTarget::CloseBox);
      break;
    case Action::Kind::Dump: game_.dump(); break;
  }
  return check(&action, before);
}

// The k-th tick of the game timer after its switch-on comes k x 2800 ms after
// it, however the waits and boxes fell. A tick is a time step: a population
// write that the money and day writes follow (nothing else writes the day).
std::optional<std::string> Session::clockKeptTime(bool waited) {
  std::vector<std::size_t> writes;
  for (std::size_t i = 0; i < changes_.size(); ++i) {
    if (changes_[i].written) writes.push_back(i);
  }
  std::size_t w = 0;
  for (std::size_t i = 0; i < changes_.size(); ++i) {
    const Change& c = changes_[i];
    if (!c.written) {
      clockStartedAt_ = c.timerOn ? std::optional(c.time) : std::nullopt;
      ticksSinceStart_ = 0;
      continue;
    }
    const bool step = w + 2 < writes.size() && c.written == kPopulation &&
                      changes_[writes[w + 1]].written == kMoney &&
                      changes_[writes[w + 2]].written == kDay;
    ++w;
    if (!waited || !step) continue;
    ++ticksSinceStart_;
    if (!clockStartedAt_) return "a tick of the game timer at " + at(c.time) + " while it was off";
    if (c.time != *clockStartedAt_ + ticksSinceStart_ * kStepMs) {
      return "tick " + std::to_string(ticksSinceStart_) + " after the start at " +
             at(*clockStartedAt_) + " came at " + at(c.time);
    }
  }
  const auto due = game_.due(Timer::Timer);
  if (game_.model().timerOn(Timer::Timer) &&
      !(clockStartedAt_ && due && *due == *clockStartedAt_ + (ticksSinceStart_ + 1) * kStepMs)) {
    return "the game timer's next tick is not the start's next multiple of 2800 ms";
  }
  return std::nullopt;
}

std::optional<Failure> Session::check(const Action* action, const Town& before) {
  const auto fail = [](const char* invariant, std::string detail) {
    return std::optional<Failure>{Failure{invariant, std::move(detail)}};
  };
  const bool writes = std::any_of(changes_.begin(), changes_.end(),
                                  [](const Change& c) { return c.written.has_value(); });
  const int lines = std::exchange(lines_, 0);
  const int boxes = std::exchange(boxes_, 0);
  const bool waited = action != nullptr && action->kind == Action::Kind::Wait;
  const auto clock = clockKeptTime(waited);
  changes_.clear();

  if (saidAfterQuit_) return fail("nothing-after-quit", "the game went on after quit");
  const bool konec = action != nullptr && action->kind == Action::Kind::Menu && action->word == "Konec";
  if (konec && (lines != 1 || !quitSaid_)) {
    return fail("nothing-after-quit", "\"Konec\" did not end the program at once");
  }
  // An overflow past the 64-bit range ends the program halfway; nothing left to judge.
  if (game_.ended()) return std::nullopt;

  const Model& m = game_.model();
  if (m.button(Button::Command1).shown) return fail("one-of-start-and-pause", "the hidden time-step button is shown");
  if (m.button(Button::Command2).shown == m.button(Button::Command3).shown) {
    return fail("one-of-start-and-pause", "\"Start hry\" and \"Pauza\" are both shown or both hidden");
  }

  const Offer* offer = action != nullptr && action->kind == Action::Kind::Menu ? offerFor(action->word) : nullptr;
  if (offer != nullptr && !writes && (lines != 1 || boxes != 1 || town() != before)) {
    return fail("purchase-all-or-nothing", "a refused purchase did more than show one box");
  }
  if (offer != nullptr && writes && before.counters[index(kMoney)] < offer->price) {
    return fail("purchase-all-or-nothing", "a purchase went through with too little money");
  }

  if (clock) return fail("game-clock-deadlines", *clock);
  return std::nullopt;
}

// splitmix64: the same sessions from the same seed on every compiler.
std::uint64_t Generator::random() {
  std::uint64_t z = (state_ += 0x9e3779b97f4a7c15ULL);
  z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
  z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
  return z ^ (z >> 31);
}

std::int64_t Generator::waitMs(bool clockRuns) {
  const auto r = below(1000);
  if (r < 500) return static_cast<std::int64_t>(below(3001));
  if (r < 800) return static_cast<std::int64_t>(below(30001));
  if (r < 960) return static_cast<std::int64_t>(below(300001));
  if (clockRuns) return static_cast<std::int64_t>(below(3'000'001));
  return static_cast<std::int64_t>(below(1'000'000'001));
}

std::int64_t Generator::counterValue(Counter c) {
  static constexpr std::array<std::int64_t, 8> kExtremes{
      2147483647, 2147483648, -2147483648LL, 4'000'000'000'000'000'000LL,
      -4'000'000'000'000'000'000LL, 9'223'372'036'854'775'807LL,
      -9'223'372'036'854'775'807LL - 1, 0};
  if (chance(30)) return kExtremes[below(kExtremes.size())];
  const auto pick = [&](auto... values) {
    const std::array<std::int64_t, sizeof...(values)> all{values...};
    return all[below(all.size())];
  };
  switch (c) {
    case Counter::Text1:
      if (chance(300)) return pick(-100001, -100000, -99999, 0, 99999, 100000, 699999, 700000);
      return static_cast<std::int64_t>(below(60)) * 500000 - 1000000;
    case Counter::Text2: return static_cast<std::int64_t>(below(20000));
    case Counter::Text3:
      if (chance(500)) return pick(-12, -11, -10, -1, 0, 14, 15, 49, 50);
      return static_cast<std::int64_t>(below(120)) - 30;
    case Counter::Text4:
      if (chance(500)) return pick(0, 24, 34, 52, 71, 89, 96, 102, 109, 127, 135, 144, 148, 149, 150);
      return static_cast<std::int64_t>(below(200));
  }
  return 0;
}

Action Generator::next(const Session& session) {
  using K = Action::Kind;
  const Model& m = session.game().model();
  const bool clockRuns = m.timerOn(Timer::Timer);
  if (m.aboutOpen() && chance(40)) {
    static constexpr std::array<std::string_view, 4> kPlaces{"Form", "Picture1", "Label5", "close"};
    return {K::About, std::string(kPlaces[below(kPlaces.size())])};
  }
  if (chance(2)) return {K::Menu, "Konec"};
  const auto r = below(1000);
  if (r < 300) {
    // Every leaf but "Konec", which is drawn above.
    static const std::vector<std::string_view> leaves = [] {
      std::vector<std::string_view> out;
      for (const auto& item : kMenu) {
        if (item.action != MenuAction::Submenu && item.action != MenuAction::Quit) out.push_back(item.name);
      }
      return out;
    }();
    return {K::Menu, std::string(leaves[below(leaves.size())])};
  }
  if (r < 420) {
    for (Button b : {Button::Command2, Button::Command3}) {
      if (m.button(b).shown && m.button(b).enabled) return {K::Press, std::string(name(b))};
    }
    return {K::Step};
  }
  if (r < 570) return {K::Step};
  if (r < 840) return {K::Wait, {}, waitMs(clockRuns)};
  if (r < 930) {
    const Counter c = counterAt(below(kCounterCount));
    return {K::Set, std::string(name(c)), counterValue(c)};
  }
  if (r < 970) {
    const Picture p = pictureAt(1 + below(kPictureCount - 1));  // never the map itself
    return {chance(500) ? K::Show : K::Hide, std::string(name(p))};
  }
  if (r < 985) {
    return {K::Flag, std::string(name(flagAt(below(kFlagCount)))),
            static_cast<std::int64_t>(below(2))};
  }
  return {K::Dump};
}

}  // namespace trelavka::fuzz
