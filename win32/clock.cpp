// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "clock.h"

namespace trelavka::win32 {
namespace {

// WM_TIMER ids: well clear of any command id.
constexpr UINT_PTR kFirstId = 0x7000;

UINT_PTR idOf(Timer t) { return kFirstId + index(t); }

}  // namespace

Win32Clock::Win32Clock(Model& model, HWND window, Sink sink, double timeScale)
    : model_(model), window_(window), sink_(std::move(sink)), schedule_(timeScale) {
  QueryPerformanceFrequency(&frequency_);
  for (std::size_t i = 0; i < kTimerCount; ++i) {
    if (model_.timerOn(timerAt(i))) timerChanged(timerAt(i), true);
  }
  model_.addObserver(this);
}

Win32Clock::~Win32Clock() {
  model_.removeObserver(this);
  for (std::size_t i = 0; i < kTimerCount; ++i) KillTimer(window_, idOf(timerAt(i)));
}

view::Nanos Win32Clock::now() const {
  LARGE_INTEGER c;
  QueryPerformanceCounter(&c);
  const LONGLONG f = frequency_.QuadPart;
  // Split so that the product cannot overflow in a long uptime.
  return (c.QuadPart / f) * 1'000'000'000 + (c.QuadPart % f) * 1'000'000'000 / f;
}

// The model reports only real changes, so a switch-on always counts afresh.
void Win32Clock::timerChanged(Timer t, bool on) {
  if (on) {
    schedule_.start(t, now());
    arm(t);
  } else {
    schedule_.stop(t);
    KillTimer(window_, idOf(t));
  }
}

void Win32Clock::arm(Timer t) {
  const std::int64_t ms = schedule_.delayMs(t, now());
  if (ms < 0) return;
  // SetTimer takes at least USER_TIMER_MINIMUM; an overdue tick comes at once after that.
  SetTimer(window_, idOf(t), static_cast<UINT>(ms < USER_TIMER_MINIMUM ? USER_TIMER_MINIMUM : ms),
           nullptr);
}

bool Win32Clock::onTimer(UINT_PTR id) {
  if (id < kFirstId || id >= kFirstId + kTimerCount) return false;
  const Timer t = timerAt(id - kFirstId);
  if (!schedule_.on(t)) {
    KillTimer(window_, id);
    return true;
  }
  const bool due = schedule_.fire(t, now());
  // Re-armed before the tick runs: a box that the tick opens must not hold up the schedule.
  arm(t);
  if (due) sink_(t);
  return true;
}

}  // namespace trelavka::win32
