// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The hand-over to a sound player's own thread: the newest request wins, a
// waiting player wakes for it, and the end comes whether the player is idle,
// waiting or stuck.
#include "mailbox.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <future>
#include <string>
#include <thread>

namespace trelavka::view {
namespace {

using namespace std::chrono_literals;

TEST(Mailbox, OnlyTheNewestRequestIsTakenAndItCutsIn) {
  int woken = 0;
  Mailbox<std::string> box([&] { ++woken; });
  EXPECT_FALSE(box.cutIn());
  box.post("about");
  EXPECT_TRUE(box.cutIn());
  box.post("rolling");
  box.post("about again");
  EXPECT_EQ(woken, 3);
  EXPECT_EQ(box.take(), "about again");
  EXPECT_FALSE(box.cutIn());  // the request taken is the work at hand
  box.post("rolling");
  EXPECT_EQ(box.take(), "rolling");
}

TEST(Mailbox, APlayerWaitsForItsNextRequestAndForNothingAfterTheEnd) {
  Mailbox<std::string> box;
  auto next = std::async(std::launch::async, [&] { return box.take(); });
  EXPECT_EQ(next.wait_for(50ms), std::future_status::timeout);
  box.post("about");
  ASSERT_EQ(next.wait_for(10s), std::future_status::ready);
  EXPECT_EQ(next.get(), "about");

  // The end wakes a waiting player with nothing, and nothing is posted after it.
  auto last = std::async(std::launch::async, [&] {
    auto taken = box.take();
    box.ended();
    return taken;
  });
  EXPECT_EQ(last.wait_for(50ms), std::future_status::timeout);
  EXPECT_TRUE(box.close(10s));
  EXPECT_EQ(last.get(), std::nullopt);
  box.post("rolling");
  EXPECT_EQ(box.take(), std::nullopt);
  EXPECT_TRUE(box.cutIn());
}

TEST(Mailbox, TheEndDropsAPendingRequestAndWaitsOnlySoLongForAStuckPlayer) {
  int woken = 0;
  Mailbox<std::string> box([&] { ++woken; });
  box.post("about");
  std::atomic<bool> stuck = true;
  int taken = 0;
  std::thread player([&] {
    while (stuck) std::this_thread::sleep_for(1ms);  // in the audio system
    while (box.take()) ++taken;
    box.ended();
  });
  const auto asked = std::chrono::steady_clock::now();
  EXPECT_FALSE(box.close(100ms));
  EXPECT_GE(std::chrono::steady_clock::now() - asked, 100ms);
  EXPECT_EQ(woken, 2);  // a player asleep in its audio loop hears of the end
  stuck = false;
  player.join();
  EXPECT_EQ(taken, 0);  // the request made before the end is not played after it
  EXPECT_TRUE(box.close(0ms));
}

}  // namespace
}  // namespace trelavka::view
