// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The controls of the main window that the rules read and write, named as the
// window names them. Each enum has a name table so that transcripts, dumps and
// scripts speak of the same controls as the window does.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace trelavka {

enum class Counter : std::uint8_t { Text1, Text2, Text3, Text4 };
inline constexpr std::size_t kCounterCount = 4;

// Money, population, popularity and day by their field names.
inline constexpr Counter kMoney = Counter::Text1;
inline constexpr Counter kPopulation = Counter::Text2;
inline constexpr Counter kPopularity = Counter::Text3;
inline constexpr Counter kDay = Counter::Text4;

// Picture1 is the town map; Picture2 .. Picture31 lie on it or in the strip.
enum class Picture : std::uint8_t {
  None,
  Picture1, Picture2, Picture3, Picture4, Picture5, Picture6, Picture7, Picture8,
  Picture9, Picture10, Picture11, Picture12, Picture13, Picture14, Picture15,
  Picture16, Picture17, Picture18, Picture19, Picture20, Picture21, Picture22,
  Picture23, Picture24, Picture25, Picture26, Picture27, Picture28, Picture29,
  Picture30, Picture31,
};
inline constexpr std::size_t kPictureCount = 31;  // Picture1 .. Picture31

// `Timer` is the game timer; Timer1 .. Timer14 animate the map.
enum class Timer : std::uint8_t {
  None = 0xff,
  Timer = 0, Timer1, Timer2, Timer3, Timer4, Timer5, Timer6, Timer7, Timer8,
  Timer9, Timer10, Timer11, Timer12, Timer13, Timer14,
};
inline constexpr std::size_t kTimerCount = 15;

enum class Button : std::uint8_t { Command1, Command2, Command3 };
inline constexpr std::size_t kButtonCount = 3;

enum class Label : std::uint8_t { Label5, Label6 };
inline constexpr std::size_t kLabelCount = 2;

// Hidden check boxes used as one-way flags.
enum class Flag : std::uint8_t { None = 0xff, check = 0, Check2, Check3, Check4, Check5 };
inline constexpr std::size_t kFlagCount = 5;

constexpr std::size_t index(Counter c) { return static_cast<std::size_t>(c); }
constexpr std::size_t index(Picture p) { return static_cast<std::size_t>(p) - 1; }
constexpr std::size_t index(Timer t) { return static_cast<std::size_t>(t); }
constexpr std::size_t index(Button b) { return static_cast<std::size_t>(b); }
constexpr std::size_t index(Label l) { return static_cast<std::size_t>(l); }
constexpr std::size_t index(Flag f) { return static_cast<std::size_t>(f); }

constexpr Picture pictureAt(std::size_t i) { return static_cast<Picture>(i + 1); }
constexpr Timer timerAt(std::size_t i) { return static_cast<Timer>(i); }
constexpr Counter counterAt(std::size_t i) { return static_cast<Counter>(i); }
constexpr Button buttonAt(std::size_t i) { return static_cast<Button>(i); }
constexpr Label labelAt(std::size_t i) { return static_cast<Label>(i); }
constexpr Flag flagAt(std::size_t i) { return static_cast<Flag>(i); }

inline constexpr std::array<std::string_view, kCounterCount> kCounterNames{
    "Text1", "Text2", "Text3", "Text4"};
inline constexpr std::array<std::string_view, kPictureCount> kPictureNames{
    "Picture1",  "Picture2",  "Picture3",  "Picture4",  "Picture5",  "Picture6",
    "Picture7",  "Picture8",  "Picture9",  "Picture10", "Picture11", "Picture12",
    "Picture13", "Picture14", "Picture15", "Picture16", "Picture17", "Picture18",
    "Picture19", "Picture20", "Picture21", "Picture22", "Picture23", "Picture24",
    "Picture25", "Picture26", "Picture27", "Picture28", "Picture29", "Picture30",
    "Picture31"};
inline constexpr std::array<std::string_view, kTimerCount> kTimerNames{
    "Timer",  "Timer1",  "Timer2",  "Timer3",  "Timer4",  "Timer5",  "Timer6", "Timer7",
    "Timer8", "Timer9", "Timer10", "Timer11", "Timer12", "Timer13", "Timer14"};
inline constexpr std::array<std::string_view, kButtonCount> kButtonNames{
    "Command1", "Command2", "Command3"};
inline constexpr std::array<std::string_view, kLabelCount> kLabelNames{"Label5", "Label6"};
inline constexpr std::array<std::string_view, kFlagCount> kFlagNames{
    "check", "Check2", "Check3", "Check4", "Check5"};

constexpr std::string_view name(Counter c) { return kCounterNames[index(c)]; }
constexpr std::string_view name(Picture p) { return kPictureNames[index(p)]; }
constexpr std::string_view name(Timer t) { return kTimerNames[index(t)]; }
constexpr std::string_view name(Button b) { return kButtonNames[index(b)]; }
constexpr std::string_view name(Label l) { return kLabelNames[index(l)]; }
constexpr std::string_view name(Flag f) { return kFlagNames[index(f)]; }

// Looks a control up by its exact name (case and diacritics count).
template <typename Enum, std::size_t N>
constexpr std::optional<Enum> lookUp(const std::array<std::string_view, N>& names,
                                     std::string_view wanted, Enum (*at)(std::size_t)) {
  for (std::size_t i = 0; i < N; ++i) {
    if (names[i] == wanted) return at(i);
  }
  return std::nullopt;
}

constexpr std::optional<Counter> counterNamed(std::string_view s) {
  return lookUp(kCounterNames, s, counterAt);
}
constexpr std::optional<Picture> pictureNamed(std::string_view s) {
  return lookUp(kPictureNames, s, pictureAt);
}
constexpr std::optional<Button> buttonNamed(std::string_view s) {
  return lookUp(kButtonNames, s, buttonAt);
}
constexpr std::optional<Flag> flagNamed(std::string_view s) { return lookUp(kFlagNames, s, flagAt); }
constexpr std::optional<Label> labelNamed(std::string_view s) {
  return lookUp(kLabelNames, s, labelAt);
}

// Every name finds its own control again: no name is written twice or
// shadowed by an earlier one.
template <typename Enum, std::size_t N>
constexpr bool namesLookBackUp(const std::array<std::string_view, N>& names,
                               Enum (*at)(std::size_t)) {
  for (std::size_t i = 0; i < N; ++i) {
    if (lookUp(names, names[i], at) != at(i)) return false;
  }
  return true;
}
static_assert(namesLookBackUp(kCounterNames, counterAt) && namesLookBackUp(kPictureNames, pictureAt) &&
              namesLookBackUp(kTimerNames, timerAt) && namesLookBackUp(kButtonNames, buttonAt) &&
              namesLookBackUp(kLabelNames, labelAt) && namesLookBackUp(kFlagNames, flagAt));

// The control of that name, found when compiling: a name that is no control
// of its kind stops the build here.
template <typename Enum, std::size_t N>
consteval Enum resolve(const std::array<std::string_view, N>& names, std::string_view wanted,
                       Enum (*at)(std::size_t)) {
  if (const std::optional<Enum> found = lookUp(names, wanted, at)) return *found;
  throw "no control has this name";
}

}  // namespace trelavka
