// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model.h"

#include <algorithm>

#include "start_state.h"
#include "timers.h"

namespace trelavka {

std::string decimalText(std::int64_t value) { return std::to_string(value); }

Model::Model() {
  for (const auto& c : kCounterStarts) counters_[index(c.counter)] = c.value;
  for (Picture p : kPicturesShownAtStart) pictures_[index(p)] = true;
  for (const auto& b : kButtonStarts) buttons_[index(b.button)] = {b.shown, b.enabled};
  for (const auto& t : kTimers) timers_[index(t.timer)] = t.onAtStart;
}

void Model::addObserver(ModelObserver* observer) { observers_.push_back(observer); }

void Model::removeObserver(ModelObserver* observer) {
  std::erase(observers_, observer);
}

void Model::writeCounter(Counter c, std::int64_t value) {
  counters_[index(c)] = value;
  notify([&](ModelObserver& o) { o.counterWritten(c, value); });
  if (handler_ != nullptr) handler_->counterChanged(c);
}

std::string Model::counterText(Counter c) const { return decimalText(counter(c)); }

void Model::setShown(Picture p, bool shown) {
  if (pictures_[index(p)] == shown) return;
  pictures_[index(p)] = shown;
  notify([&](ModelObserver& o) { o.pictureChanged(p, shown); });
}

void Model::setShown(Label l, bool shown) {
  if (labels_[index(l)] == shown) return;
  labels_[index(l)] = shown;
  notify([&](ModelObserver& o) { o.labelChanged(l, shown); });
}

void Model::setButtonShown(Button b, bool shown) {
  auto& s = buttons_[index(b)];
  if (s.shown == shown) return;
  s.shown = shown;
  notify([&](ModelObserver& o) { o.buttonChanged(b, s.shown, s.enabled); });
}

void Model::setButtonEnabled(Button b, bool enabled) {
  auto& s = buttons_[index(b)];
  if (s.enabled == enabled) return;
  s.enabled = enabled;
  notify([&](ModelObserver& o) { o.buttonChanged(b, s.shown, s.enabled); });
}

void Model::setTimerOn(Timer t, bool on) {
  if (timers_[index(t)] == on) return;
  timers_[index(t)] = on;
  notify([&](ModelObserver& o) { o.timerChanged(t, on); });
}

void Model::setFlag(Flag f, bool set) {
  if (flags_[index(f)] == set) return;
  flags_[index(f)] = set;
  notify([&](ModelObserver& o) { o.flagChanged(f, set); });
}

}  // namespace trelavka
