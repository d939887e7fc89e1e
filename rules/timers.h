// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The fifteen timers: the game clock and the fourteen that bring the map to life.
// A tick of an animation timer only shows or hides pictures and switches
// timers; it never touches a counter.
#pragma once

#include <array>
#include <cstdint>

#include "controls.h"

namespace trelavka {

struct TickOp {
  enum class Kind : std::uint8_t { None, Show, Hide, TimerOn, TimerOff };
  Kind kind = Kind::None;
  Picture picture = Picture::None;
  Timer timer = Timer::None;
};

constexpr TickOp show(Picture p) { return {TickOp::Kind::Show, p, Timer::None}; }
constexpr TickOp hide(Picture p) { return {TickOp::Kind::Hide, p, Timer::None}; }
constexpr TickOp on(Timer t) { return {TickOp::Kind::TimerOn, Picture::None, t}; }
constexpr TickOp off(Timer t) { return {TickOp::Kind::TimerOff, Picture::None, t}; }

struct TimerRow {
  Timer timer;
  std::int64_t intervalMs;
  bool onAtStart;
  std::array<TickOp, 3> tick;  // in order; the game timer's tick is the time step instead
};

using P = Picture;
using T = Timer;

inline constexpr std::array<TimerRow, kTimerCount> kTimers{{
    {T::Timer, 2800, false, {}},
    {T::Timer1, 6000, true, {show(P::Picture8), off(T::Timer1)}},
    {T::Timer2, 12000, true, {hide(P::Picture6), show(P::Picture9), off(T::Timer2)}},
    {T::Timer3, 30000, true, {show(P::Picture13), off(T::Timer3)}},
    {T::Timer4, 60000, true, {show(P::Picture14), off(T::Timer4)}},
    {T::Timer5, 42000, true, {show(P::Picture15), off(T::Timer5)}},
    {T::Timer6, 38000, true, {show(P::Picture22), off(T::Timer6), on(T::Timer7)}},
    {T::Timer7, 60000, false, {show(P::Picture23), off(T::Timer7), on(T::Timer8)}},
    {T::Timer8, 2000, true, {hide(P::Picture22), on(T::Timer6), off(T::Timer8)}},
    // Showing the house here lets it blink (30 s seen, 55 s not) instead of never appearing.
    {T::Timer9, 55000, true, {show(P::Picture25), off(T::Timer9), on(T::Timer10)}},
    {T::Timer10, 30000, true, {hide(P::Picture25), on(T::Timer9), off(T::Timer10)}},
    {T::Timer11, 9999, true, {show(P::Picture27), off(T::Timer11)}},
    {T::Timer12, 20000, true, {show(P::Picture28), on(T::Timer13), off(T::Timer12)}},
    {T::Timer13, 50000, true, {hide(P::Picture28), on(T::Timer12), off(T::Timer13)}},
    {T::Timer14, 9500, false, {hide(P::Picture31), off(T::Timer14)}},
}};

constexpr const TimerRow& timerRow(Timer t) { return kTimers[index(t)]; }

inline constexpr Timer kGameTimer = Timer::Timer;

}  // namespace trelavka
