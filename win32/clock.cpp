// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "clock.h"

#include "look.h"

namespace trelavka::win32 {
namespace {

constexpr wchar_t kClass[] = L"TrelavkaClock";
constexpr UINT_PTR kFirstId = 1;

UINT_PTR idOf(Timer t) { return kFirstId + index(t); }

LARGE_INTEGER performanceFrequency() {
  LARGE_INTEGER f{};
  QueryPerformanceFrequency(&f);
  return f;
}

}  // namespace

Clock::Clock(Model& model, view::ClockDriver::Sink sink, view::EventRelay::Post post,
             double timeScale)
    : frequency_(performanceFrequency()),
      window_(messageWindow(kClass, this)),
      driver_(model, *this, std::move(sink), std::move(post), timeScale) {}

// Its shots go with its window.
Clock::~Clock() { DestroyWindow(window_); }

view::Nanos Clock::now() const {
  LARGE_INTEGER c;
  QueryPerformanceCounter(&c);
  const LONGLONG f = frequency_.QuadPart;
  // Split so that the product cannot overflow in a long uptime.
  return (c.QuadPart / f) * 1'000'000'000 + (c.QuadPart % f) * 1'000'000'000 / f;
}

void Clock::arm(Timer t, std::int64_t ms) {
  // SetTimer takes at least USER_TIMER_MINIMUM; an overdue tick comes at once after that.
  SetTimer(window_, idOf(t), static_cast<UINT>(ms < USER_TIMER_MINIMUM ? USER_TIMER_MINIMUM : ms),
           nullptr);
}

void Clock::cancel(Timer t) { KillTimer(window_, idOf(t)); }

LRESULT Clock::handle(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_TIMER && wp >= kFirstId && wp < kFirstId + kTimerCount) {
    driver_.fired(timerAt(wp - kFirstId));
    return 0;
  }
  return DefWindowProcW(hwnd, msg, wp, lp);
}

}  // namespace trelavka::win32
