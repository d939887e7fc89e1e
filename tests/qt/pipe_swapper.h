// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A sound file swapped for a pipe at the worst moment, for the sound test and
// the sound benchmark.
#pragma once

#include <fcntl.h>
#include <pthread.h>
#include <sched.h>
#include <stdio.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <string>
#include <thread>

namespace trelavka::testing {

// Swaps two names, a plain file and a pipe, as fast as it can for `ms`;
// then opens them for writing until it is let go, which frees whoever is left
// waiting to read the pipe: a player that opens it by name hangs no longer
// than the swapping lasts, and the test can tell.
class PipeSwapper {
 public:
  PipeSwapper(std::string a, std::string b, int ms) : a_(std::move(a)), b_(std::move(b)) {
    thread_ = std::thread([this, ms] {
      // Not the UI thread's real-time priority: it would starve the player.
      const sched_param normal{};
      pthread_setschedparam(pthread_self(), SCHED_OTHER, &normal);
      const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
      while (std::chrono::steady_clock::now() < end) {
        if (renameat2(AT_FDCWD, a_.c_str(), AT_FDCWD, b_.c_str(), RENAME_EXCHANGE) != 0) failed_ = true;
        ++swaps_;
      }
      swapping_ = false;
      while (!released_) {
        for (const std::string& name : {a_, b_}) {
          const int fd = open(name.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
          if (fd >= 0) close(fd);
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
      }
    });
  }
  ~PipeSwapper() {
    released_ = true;
    thread_.join();
  }
  PipeSwapper(const PipeSwapper&) = delete;
  PipeSwapper& operator=(const PipeSwapper&) = delete;
  bool swapping() const { return swapping_; }
  bool failed() const { return failed_; }
  long swaps() const { return swaps_; }

 private:
  std::string a_, b_;
  std::atomic<bool> swapping_{true}, released_{false}, failed_{false};
  std::atomic<long> swaps_{0};
  std::thread thread_;
};

}  // namespace trelavka::testing
