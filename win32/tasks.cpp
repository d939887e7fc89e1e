// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tasks.h"

#include "look.h"

namespace trelavka::win32 {
namespace {

constexpr wchar_t kClass[] = L"TrelavkaTasks";
constexpr UINT kRunTask = WM_APP + 1;

}  // namespace

Tasks::Tasks() : window_(messageWindow(kClass, this)) {}

// Tasks not run yet go with the window: nothing is left to run them for.
Tasks::~Tasks() { DestroyWindow(window_); }

void Tasks::post(std::function<void()> task) {
  if (holding_) {
    held_.push_back(std::move(task));
    return;
  }
  queue_.push_back(std::move(task));
  PostMessageW(window_, kRunTask, 0, 0);
}

void Tasks::runHeld() {
  holding_ = false;
  while (!held_.empty()) {
    std::function<void()> task = std::move(held_.front());
    held_.pop_front();
    task();
  }
}

LRESULT Tasks::handle(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg != kRunTask) return DefWindowProcW(hwnd, msg, wp, lp);
  if (!queue_.empty()) {
    std::function<void()> task = std::move(queue_.front());
    queue_.pop_front();
    task();
  }
  return 0;
}

}  // namespace trelavka::win32
