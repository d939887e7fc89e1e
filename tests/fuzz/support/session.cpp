// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "session.h"

#include <string_view>
#include <utility>

#include "menu.h"

namespace trelavka::fuzz {

std::string Action::line() const {
  switch (kind) {
    case Kind::Menu: return "menu " + word;
    case Kind::Press: return "press " + word;
    case Kind::Step: return "step";
    case Kind::Wait: return "wait " + std::to_string(number);
    case Kind::Set: return "set " + word + " " + std::to_string(number);
    case Kind::Show: return "show " + word;
    case Kind::Hide: return "hide " + word;
    case Kind::Flag: return "flag " + word + " " + std::to_string(number);
    case Kind::About: return "about " + word;
    case Kind::Dump: return "dump";
  }
  return {};
}

std::string script(const std::vector<Action>& actions) {
  std::string text;
  for (const auto& a : actions) text += a.line() + "\n";
  return text;
}

class Session::Recorder final : public ModelObserver {
 public:
  explicit Recorder(Session& session) : session_(session) {}

  void timerChanged(trelavka::Timer t, bool on) override {
    session_.record({.kind = Event::Kind::Timer, .timer = t, .on = on});
  }

 private:
  Session& session_;
};

namespace {

bool startsWith(std::string_view s, std::string_view prefix) {
  return s.substr(0, prefix.size()) == prefix;
}

Event parseLine(std::string_view line) {
  using K = Event::Kind;
  if (startsWith(line, "box ")) return {.kind = K::Box, .text = std::string(line.substr(4))};
  if (startsWith(line, "write ")) {
    Event e{.kind = K::Write};
    const std::string_view rest = line.substr(6);
    const auto blank = rest.find(' ');
    e.counter = counterNamed(rest.substr(0, blank)).value_or(Counter::Text1);
    e.text = std::string(rest.substr(blank + 1));
    return e;
  }
  if (startsWith(line, "sound ")) return {.kind = K::Sound, .text = std::string(line.substr(6))};
  if (startsWith(line, "open ")) return {.kind = K::Open, .text = std::string(line.substr(5))};
  if (line == "about open") return {.kind = K::AboutOpen};
  if (line == "about close") return {.kind = K::AboutClose};
  if (line == "quit") return {.kind = K::Quit};
  return {.kind = K::Dump, .text = std::string(line)};
}

}  // namespace

Session::Session()
    : recorder_(std::make_unique<Recorder>(*this)),
      game_(std::make_unique<Headless>([this](std::string_view line) {
        Event e = parseLine(line);
        if (e.kind == Event::Kind::Write) {
          // The value as the model holds it; the text is judged on its own.
          e.value = std::as_const(*game_).model().counter(e.counter);
        }
        record(std::move(e));
      })) {
  game_->model().addObserver(recorder_.get());
}

Session::~Session() { game_->model().removeObserver(recorder_.get()); }

void Session::record(Event event) {
  event.time = game_->now();
  observation_.events.push_back(std::move(event));
}

Snapshot Session::snapshot() const {
  const Model& m = game_->model();
  Snapshot s;
  s.now = game_->now();
  s.quit = game_->ended();
  s.aboutOpen = m.aboutOpen();
  for (std::size_t i = 0; i < kCounterCount; ++i) s.counters[i] = m.counter(counterAt(i));
  for (std::size_t i = 0; i < kPictureCount; ++i) s.pictures[i] = m.shown(pictureAt(i));
  for (std::size_t i = 0; i < kLabelCount; ++i) s.labels[i] = m.shown(labelAt(i));
  for (std::size_t i = 0; i < kButtonCount; ++i) s.buttons[i] = m.button(buttonAt(i));
  for (std::size_t i = 0; i < kTimerCount; ++i) {
    s.timersOn[i] = m.timerOn(timerAt(i));
    s.due[i] = game_->due(timerAt(i));
  }
  for (std::size_t i = 0; i < kFlagCount; ++i) s.flags[i] = m.flag(flagAt(i));
  return s;
}

const Observation& Session::load() {
  observation_.action = nullptr;
  observation_.events.clear();
  observation_.before = snapshot();
  game_->load();
  observation_.after = snapshot();
  return observation_;
}

bool Session::legal(const Action& action) const {
  if (game_->ended()) return false;
  const Model& m = game_->model();
  switch (action.kind) {
    case Action::Kind::Press: {
      const auto b = buttonNamed(action.word);
      if (!b || *b == Button::Command1) return false;
      return m.button(*b).shown && m.button(*b).enabled;
    }
    case Action::Kind::About: return m.aboutOpen();
    default: return true;
  }
}

const Observation& Session::run(const Action& action) {
  observation_.action = &action;
  observation_.events.clear();
  observation_.before = snapshot();
  Model& m = game_->model();
  switch (action.kind) {
    case Action::Kind::Menu: game_->choose(action.word); break;
    case Action::Kind::Press: game_->press(*buttonNamed(action.word)); break;
    case Action::Kind::Step: game_->step(); break;
    case Action::Kind::Wait: game_->wait(action.number); break;
    case Action::Kind::Set: game_->set(*counterNamed(action.word), action.number); break;
    case Action::Kind::Show: m.setShown(*pictureNamed(action.word), true); break;
    case Action::Kind::Hide: m.setShown(*pictureNamed(action.word), false); break;
    case Action::Kind::Flag: m.setFlag(*flagNamed(action.word), action.number == 1); break;
    case Action::Kind::About: {
      AboutTarget target = AboutTarget::CloseBox;
      if (action.word == "Form") target = AboutTarget::Form;
      if (action.word == "Picture1") target = AboutTarget::Logo;
      if (action.word == "Label5") target = AboutTarget::Address;
      game_->clickAbout(target);
      break;
    }
    case Action::Kind::Dump: game_->dump(); break;
  }
  observation_.after = snapshot();
  return observation_;
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
