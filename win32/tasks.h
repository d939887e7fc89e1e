// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The way to the message loop that the relay and the clock take: a task runs
// from the loop (a box's too), after whoever posted it has returned.
#pragma once

#include <windows.h>

#include <deque>
#include <functional>

#include "relay.h"

namespace trelavka::win32 {

class Tasks {
 public:
  Tasks();
  ~Tasks();
  Tasks(const Tasks&) = delete;
  Tasks& operator=(const Tasks&) = delete;

  void post(std::function<void()> task);
  view::EventRelay::Post poster() {
    return [this](std::function<void()> task) { post(std::move(task)); };
  }

  // Around the main loop's dispatch of a timer's tick: what the tick posts
  // (the day's step) is held and run right after, as the queue would have
  // run it next, without a round trip through the queue (under Wine two
  // requests of its server). A box the task opens posts as before.
  void hold() { holding_ = true; }
  void runHeld();

  // Its window's messages.
  LRESULT handle(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);

 private:
  HWND window_ = nullptr;
  std::deque<std::function<void()>> queue_;
  std::deque<std::function<void()>> held_;
  bool holding_ = false;
};

}  // namespace trelavka::win32
