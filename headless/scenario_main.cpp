// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

// trelavka-scenario [SCRIPT]: replays SCRIPT (or standard input) headless.
#include <fstream>
#include <iostream>
#include <system_error>

#include "scenario.h"
#include "scenario_command.h"

namespace trelavka {

int scenarioCommand(const std::vector<Argument>& args) {
  std::ios::sync_with_stdio(false);
  if (args.size() > 1) {
    std::cerr << "usage: trelavka-scenario [SCRIPT]\n";
    return 2;
  }
  if (args.empty() || args[0].text == "-") {
    return runScenario(std::cin, "<stdin>", std::cout, std::cerr);
  }
  const Argument& script = args[0];
  // A folder opens like a file and then reads as empty: it would pass as a
  // script that does nothing.
  std::error_code ec;
  if (std::filesystem::is_directory(script.path, ec)) {
    std::cerr << printable(script.text) << ":0: cannot read the script: it is a folder\n";
    return 2;
  }
  std::ifstream file(script.path, std::ios::binary);
  if (!file) {
    std::cerr << printable(script.text) << ":0: cannot open the script\n";
    return 2;
  }
  return runScenario(file, script.text, std::cout, std::cerr);
}

}  // namespace trelavka
