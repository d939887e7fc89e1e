// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The state of the main window's controls: the one source of truth that the
// rules change and the views (Qt window, headless transcript, clock drivers)
// observe. No view keeps a copy of a value.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "controls.h"

namespace trelavka {

class ModelObserver {
 public:
  virtual ~ModelObserver() = default;
  // Called after the value is stored and before the counter's change handler runs.
  virtual void counterWritten(Counter, std::int64_t /*value*/) {}
  virtual void pictureChanged(Picture, bool /*shown*/) {}
  virtual void labelChanged(Label, bool /*shown*/) {}
  virtual void buttonChanged(Button, bool /*shown*/, bool /*enabled*/) {}
  // Only real changes are reported: switching on a timer that is on is no event,
  // so its countdown goes on undisturbed.
  virtual void timerChanged(Timer, bool /*on*/) {}
  virtual void flagChanged(Flag, bool /*set*/) {}
};

// Runs inside every counter write, after the observers heard of it.
class CounterHandler {
 public:
  virtual ~CounterHandler() = default;
  virtual void counterChanged(Counter) = 0;
};

struct ButtonState {
  bool shown;
  bool enabled;
};

class Model {
 public:
  Model();

  void addObserver(ModelObserver* observer);
  void removeObserver(ModelObserver* observer);
  void setCounterHandler(CounterHandler* handler) { handler_ = handler; }

  std::int64_t counter(Counter c) const { return counters_[index(c)]; }
  // Stores the value, tells the observers, then runs the change handler to its end.
  void writeCounter(Counter c, std::int64_t value);
  // The canonical text of a counter: decimal digits, "-" when negative.
  std::string counterText(Counter c) const;

  bool shown(Picture p) const { return pictures_[index(p)]; }
  void setShown(Picture p, bool shown);

  bool shown(Label l) const { return labels_[index(l)]; }
  void setShown(Label l, bool shown);

  ButtonState button(Button b) const { return buttons_[index(b)]; }
  void setButtonShown(Button b, bool shown);
  void setButtonEnabled(Button b, bool enabled);

  bool timerOn(Timer t) const { return timers_[index(t)]; }
  void setTimerOn(Timer t, bool on);

  bool flag(Flag f) const { return flags_[index(f)]; }
  void setFlag(Flag f, bool set);

  bool aboutOpen() const { return aboutOpen_; }
  void setAboutOpen(bool open) { aboutOpen_ = open; }

 private:
  template <typename F>
  void notify(F&& f) {
    // By index: an observer may subscribe while being told (the list only grows then).
    for (std::size_t i = 0; i < observers_.size(); ++i) f(*observers_[i]);
  }

  std::array<std::int64_t, kCounterCount> counters_{};
  std::array<bool, kPictureCount> pictures_{};
  std::array<bool, kLabelCount> labels_{};
  std::array<ButtonState, kButtonCount> buttons_{};
  std::array<bool, kTimerCount> timers_{};
  std::array<bool, kFlagCount> flags_{};
  bool aboutOpen_ = false;
  std::vector<ModelObserver*> observers_;
  CounterHandler* handler_ = nullptr;
};

std::string decimalText(std::int64_t value);

}  // namespace trelavka
