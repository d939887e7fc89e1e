// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

// trelavka-invariants: random player sessions on the headless game, every
// action checked against the invariants. On a failure prints the seed and the
// session's script up to the breaking line, ready for trelavka-scenario.
//
//   trelavka-invariants [--seeds N] [--first S] [--actions M]
//   trelavka-invariants --soak STEPS     one long game, memory must stay flat
#include <cstdlib>
#include <iostream>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "session.h"
#include "soak.h"
#include "scenario.h"

int main(int argc, char** argv) {
  std::uint64_t seeds = 100, first = 1, length = 400, soakSteps = 0;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    std::uint64_t* value = arg == "--seeds" ? &seeds : arg == "--first" ? &first
                         : arg == "--actions" ? &length : arg == "--soak" ? &soakSteps : nullptr;
    if (value == nullptr || ++i == argc) {
      std::cerr << "usage: trelavka-invariants [--seeds N] [--first S] [--actions M] | --soak STEPS\n";
      return 2;
    }
    *value = std::strtoull(argv[i], nullptr, 10);
  }
  if (soakSteps > 0) {
    const auto steps = static_cast<std::int64_t>(soakSteps);
    const auto r = trelavka::fuzz::soak(steps);
    std::cout << r.steps << " time steps, money " << r.money << ", resident memory "
              << r.rssBeforeKb << " kB -> " << r.rssAfterKb << " kB\n";
    // Every step run, past the 32-bit range, and memory flat (1 MiB) over the last nine tenths.
    const std::string broke = r.failure ? "breaks " + r.failure->invariant + ": " + r.failure->detail
                              : r.steps != steps || r.money <= 2147483647 ? "the game stopped short"
                              : r.rssAfterKb - r.rssBeforeKb > 1024       ? "memory grew"
                                                                          : "";
    std::cout << broke << (broke.empty() ? "" : "\n");
    return broke.empty() ? 0 : 1;
  }
  for (std::uint64_t seed = first; seed < first + seeds; ++seed) {
    trelavka::fuzz::Session session;
    trelavka::fuzz::Generator generator(seed);
    std::vector<trelavka::fuzz::Action> done;
    auto failure = session.load();
    while (!failure && done.size() < length && !session.quit()) {
      done.push_back(generator.next(session));
      failure = session.run(done.back());
    }
    if (!failure) continue;
    const std::string script = trelavka::fuzz::script(done);
    std::cout << "seed " << seed << " breaks " << failure->invariant << ": " << failure->detail
              << "\nits script up to the breaking line (run it with trelavka-scenario):\n"
              << script;
    // The script must be one the runner accepts, or it reproduces nothing.
    std::istringstream in(script);
    std::ostringstream out, err;
    if (trelavka::runScenario(in, "<session>", out, err) != 0) {
      std::cout << "(the scenario runner refuses it: " << err.str() << ")\n";
    }
    return 1;
  }
  std::cout << seeds << " sessions from seed " << first << ": every invariant held\n";
  return 0;
}
