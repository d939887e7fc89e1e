// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Delivers the ticks of the model's timers in real time through SetTimer, on
// the shared deadline schedule read against QueryPerformanceCounter: each
// shot is re-armed for what is left to the next deadline, so the coarse
// system timer neither drifts nor ticks early.
#pragma once

#include <windows.h>

#include <functional>

#include "model.h"
#include "schedule.h"

namespace trelavka::win32 {

class Win32Clock final : private ModelObserver {
 public:
  using Sink = std::function<void(Timer)>;

  // The timers' WM_TIMER messages go to the window, which hands them to onTimer().
  Win32Clock(Model& model, HWND window, Sink sink, double timeScale = 1.0);
  ~Win32Clock() override;
  Win32Clock(const Win32Clock&) = delete;
  Win32Clock& operator=(const Win32Clock&) = delete;

  // False: not one of this clock's timer ids.
  bool onTimer(UINT_PTR id);

 private:
  void timerChanged(Timer t, bool on) override;
  void arm(Timer t);
  view::Nanos now() const;

  Model& model_;
  HWND window_;
  Sink sink_;
  view::TickSchedule schedule_;
  LARGE_INTEGER frequency_{};
};

}  // namespace trelavka::win32
