// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Whole headless games and the time step's rate, on the virtual clock with no
// transcript kept.
#include <benchmark/benchmark.h>

#include <array>
#include <string_view>

#include "headless.h"
#include "soak.h"

namespace {

using trelavka::Button;
using trelavka::Headless;

constexpr std::int64_t kDayMs = 2800;
constexpr int kTermDays = 150;

struct Order {
  int day;
  std::string_view item;
};

// What a careful mayor builds, day by day, as the money comes in.
constexpr std::array<Order, 12> kTypicalOrder{{
    {1, "Obchod"}, {1, "Policie"}, {8, "Sídliště"}, {20, "Telefon"}, {30, "Kanalizace"},
    {40, "Hasiči"}, {48, "Plynofikace"}, {56, "Nemocnice"}, {62, "trhy"}, {66, "Moderní"},
    {75, "kapacita"}, {90, "festival"},
}};

void playTerm(Headless& game, bool build) {
  game.load();
  std::size_t next = 0;
  game.press(Button::Command2);
  for (int day = 1; day < kTermDays; ++day) {
    while (build && next < kTypicalOrder.size() && kTypicalOrder[next].day <= day) {
      game.choose(kTypicalOrder[next++].item);
    }
    game.wait(kDayMs);
  }
}

void BM_TermTypicalBuildOrder(benchmark::State& state) {
  for (auto _ : state) {
    Headless game;
    playTerm(game, true);
    benchmark::DoNotOptimize(game.model().counter(trelavka::kMoney));
    if (!game.model().shown(trelavka::Label::Label6)) state.SkipWithError("the term was not won");
  }
}
BENCHMARK(BM_TermTypicalBuildOrder)->Unit(benchmark::kMicrosecond);

void BM_TermNoBuildings(benchmark::State& state) {
  for (auto _ : state) {
    Headless game;
    playTerm(game, false);
    benchmark::DoNotOptimize(game.model().counter(trelavka::kMoney));
  }
}
BENCHMARK(BM_TermNoBuildings)->Unit(benchmark::kMicrosecond);

// The bare time step, far past the election and the 32-bit range.
void BM_TimeSteps(benchmark::State& state) {
  Headless game;
  game.load();
  game.choose("Sídliště");
  for (auto _ : state) {
    for (int i = 0; i < 1000; ++i) game.step();
  }
  state.SetItemsProcessed(state.iterations() * 1000);
}
BENCHMARK(BM_TimeSteps)->Unit(benchmark::kMicrosecond);

// A million steps with every invariant checked after each, memory measured.
void BM_SoakMillionSteps(benchmark::State& state) {
  for (auto _ : state) {
    const auto r = trelavka::fuzz::soak(state.range(0));
    if (r.failure) state.SkipWithError(r.failure->invariant.c_str());
    state.counters["rss_growth_kB"] = static_cast<double>(r.rssAfterKb - r.rssBeforeKb);
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_SoakMillionSteps)->Arg(1'000'000)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
