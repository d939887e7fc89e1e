// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

// How the UI thread hands its requests to a player working on a thread of its
// own, which the audio system may keep waiting for seconds. Only the newest
// request counts: one not yet taken is replaced, never queued, so a stuck
// player piles nothing up, and the UI thread never waits for more than the
// lock, which either side holds only to swap a request.
#pragma once

#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <optional>
#include <utility>

namespace trelavka::view {

template <typename Request>
class Mailbox {
 public:
  // `wake` is called after every post and at the end, for a player that
  // sleeps in something other than this box (an audio main loop).
  explicit Mailbox(std::function<void()> wake = {}) : wake_(std::move(wake)) {}

  // The UI thread: replaces any request the player has not taken yet.
  void post(Request request) {
    {
      std::lock_guard lock(mutex_);
      if (closed_) return;
      pending_ = std::move(request);
    }
    rouse();
  }

  // The player's thread: the next request, once there is one; nothing once
  // the end was asked.
  std::optional<Request> take() {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return closed_ || pending_.has_value(); });
    if (closed_) return std::nullopt;
    return std::exchange(pending_, std::nullopt);
  }

  // The player's thread, between the steps of its work: a newer request or
  // the end makes the work at hand pointless.
  bool cutIn() const {
    std::lock_guard lock(mutex_);
    return closed_ || pending_.has_value();
  }

  // The UI thread: asks the end and waits at most `wait` for the player's
  // last word. False when the player is still busy: it ends on its own later,
  // so it must own whatever it still uses.
  bool close(std::chrono::milliseconds wait) {
    {
      std::lock_guard lock(mutex_);
      closed_ = true;
      pending_.reset();
    }
    rouse();
    std::unique_lock lock(mutex_);
    return changed_.wait_for(lock, wait, [this] { return ended_; });
  }

  // The player's thread, on its way out.
  void ended() {
    {
      std::lock_guard lock(mutex_);
      ended_ = true;
    }
    changed_.notify_all();
  }

 private:
  void rouse() {
    changed_.notify_all();
    if (wake_) wake_();
  }

  const std::function<void()> wake_;
  mutable std::mutex mutex_;
  std::condition_variable changed_;
  std::optional<Request> pending_;
  bool closed_ = false;
  bool ended_ = false;
};

}  // namespace trelavka::view
