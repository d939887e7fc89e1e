// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "headless.h"

#include "timers.h"

namespace trelavka {

Headless::Headless(Sink sink, std::int64_t boxMs)
    : sink_(std::move(sink)), boxMs_(boxMs), game_(model_, *this) {
  for (const auto& row : kTimers) {
    if (row.onAtStart) due_[index(row.timer)] = row.intervalMs;
  }
  model_.addObserver(this);
}

Headless::~Headless() { model_.removeObserver(this); }

void Headless::say(const std::string& line) const {
  if (sink_) sink_(line);
}

void Headless::load() {
  game_.load();
  afterEvent();
}

bool Headless::choose(std::string_view menuItem) {
  const bool known = game_.choose(menuItem);
  afterEvent();
  return known;
}

void Headless::press(Button button) {
  game_.press(button);
  afterEvent();
}

void Headless::clickAbout(AboutTarget target) {
  game_.clickAbout(target);
  afterEvent();
}

void Headless::set(Counter counter, std::int64_t value) {
  game_.write(counter, value);
  afterEvent();
}

void Headless::afterEvent() {
  if (game_.hasDeferredTick() && !game_.boxOpen()) game_.deliverDeferredTick();
}

void Headless::wait(std::int64_t ms) { runUntil(now_ + ms); }

void Headless::runUntil(std::int64_t end) {
  while (!quit_) {
    std::optional<std::size_t> next;
    for (std::size_t i = 0; i < kTimerCount; ++i) {
      if (due_[i] && *due_[i] <= end && (!next || *due_[i] < *due_[*next])) next = i;
    }
    if (!next) break;
    const Timer timer = timerAt(*next);
    now_ = *due_[*next];
    // The next tick counts from this one; the tick itself may switch it off.
    due_[*next] = now_ + timerRow(timer).intervalMs;
    game_.tick(timer);
    afterEvent();
  }
  if (!quit_ && end > now_) now_ = end;
}

void Headless::timerChanged(Timer t, bool on) {
  if (on) {
    due_[index(t)] = now_ + timerRow(t).intervalMs;
  } else {
    due_[index(t)].reset();
  }
}

void Headless::counterWritten(Counter c, std::int64_t value) {
  if (!sink_) return;  // nobody reads the transcript: skip building the line
  say("write " + std::string(name(c)) + " " + decimalText(value));
}

void Headless::showMessage(std::string_view title, std::string_view text) {
  say("box " + std::string(title) + " | " + std::string(text));
  // Time passes while the player reads; the game's own clock waits for the box.
  if (boxMs_ > 0) runUntil(now_ + boxMs_);
}

void Headless::playSound(std::string_view path) { say("sound " + std::string(path)); }
void Headless::openAddress(std::string_view address) { say("open " + std::string(address)); }
void Headless::openAbout() { say("about open"); }
void Headless::raiseAbout() {}
void Headless::closeAbout() { say("about close"); }

void Headless::quit() {
  quit_ = true;
  say("quit");
}

void Headless::dump() const {
  auto onOff = [](bool b) { return b ? "on" : "off"; };
  auto shown = [](bool b) { return b ? "shown" : "hidden"; };
  say("= clock " + decimalText(now_));
  for (std::size_t i = 0; i < kCounterCount; ++i) {
    say("= " + std::string(kCounterNames[i]) + " " + model_.counterText(counterAt(i)));
  }
  for (std::size_t i = 0; i < kTimerCount; ++i) {
    say("= " + std::string(kTimerNames[i]) + " " + onOff(model_.timerOn(timerAt(i))));
  }
  for (std::size_t i = 0; i < kButtonCount; ++i) {
    const ButtonState b = model_.button(buttonAt(i));
    say("= " + std::string(kButtonNames[i]) + " " + shown(b.shown) + " " +
        (b.enabled ? "enabled" : "disabled"));
  }
  for (std::size_t i = 0; i < kLabelCount; ++i) {
    say("= " + std::string(kLabelNames[i]) + " " + shown(model_.shown(labelAt(i))));
  }
  for (std::size_t i = 0; i < kPictureCount; ++i) {
    say("= " + std::string(kPictureNames[i]) + " " + shown(model_.shown(pictureAt(i))));
  }
  for (std::size_t i = 0; i < kFlagCount; ++i) {
    say("= " + std::string(kFlagNames[i]) + " " + (model_.flag(flagAt(i)) ? "1" : "0"));
  }
  say(std::string("= about ") + (model_.aboutOpen() ? "open" : "closed"));
}

}  // namespace trelavka
