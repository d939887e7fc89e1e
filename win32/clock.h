// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The model's timers in real time under Win32: the shared clock driver on
// SetTimer shots (to a message-only window of the clock's own) and
// QueryPerformanceCounter.
#pragma once

#include <windows.h>

#include "clock_driver.h"

namespace trelavka::win32 {

class Clock final : private view::TimerPort {
 public:
  Clock(Model& model, view::ClockDriver::Sink sink, view::EventRelay::Post post,
        double timeScale = 1.0);
  ~Clock();
  Clock(const Clock&) = delete;
  Clock& operator=(const Clock&) = delete;

  // Its window's messages.
  LRESULT handle(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);

 private:
  view::Nanos now() const override;
  void arm(Timer t, std::int64_t ms) override;
  void cancel(Timer t) override;

  LARGE_INTEGER frequency_{};
  HWND window_ = nullptr;
  view::ClockDriver driver_;  // last: it arms the shots as it starts
};

}  // namespace trelavka::win32
