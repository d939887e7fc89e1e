// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "soak.h"

#include <fstream>
#include <string>

namespace trelavka::fuzz {
namespace {

// This process's resident set, from /proc/self/status.
long residentKb() {
  std::ifstream status("/proc/self/status");
  std::string key;
  long kb = 0;
  while (status >> key) {
    if (key == "VmRSS:") {
      status >> kb;
      return kb;
    }
    status.ignore(1 << 16, '\n');
  }
  return 0;
}

}  // namespace

SoakResult soak(std::int64_t steps) {
  using K = Action::Kind;
  Session session;
  SoakResult result;
  result.failure = session.load();
  auto act = [&](Action a) {
    if (!result.failure && !session.quit()) result.failure = session.run(a);
  };
  act({K::Set, "Text1", 40'000'000});
  for (const char* item : {"Sídliště", "Obchod", "Policie", "Hasiči", "Nemocnice", "Kanalizace",
                           "Plynofikace", "Telefon", "Moderní", "trhy", "festival"}) {
    act({K::Menu, item});
  }
  act({K::Press, "Command2"});
  const Action step{K::Step};
  const Action houses{K::Wait, {}, 2800};  // the animation and the game clock go on too
  for (std::int64_t i = 0; i < steps && !result.failure && !session.quit(); ++i) {
    if (i == steps / 10) result.rssBeforeKb = residentKb();
    act(i % 1000 == 999 ? houses : step);
    ++result.steps;
  }
  result.rssAfterKb = residentKb();
  result.money = session.game().model().counter(kMoney);
  return result;
}

}  // namespace trelavka::fuzz
