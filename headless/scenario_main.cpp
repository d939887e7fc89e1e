// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

// trelavka-scenario [SCRIPT]: replays SCRIPT (or standard input) headless.
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <system_error>

#include "scenario.h"
#include "stdio_mode.h"

int main(int argc, char** argv) {
  trelavka::useBinaryStdio();
  std::ios::sync_with_stdio(false);
  if (argc > 2) {
    std::cerr << "usage: trelavka-scenario [SCRIPT]\n";
    return 2;
  }
  const std::string path = argc == 2 ? argv[1] : "-";
  if (path == "-") return trelavka::runScenario(std::cin, "<stdin>", std::cout, std::cerr);
  // A folder opens like a file and then reads as empty: it would pass as a
  // script that does nothing.
  std::error_code ec;
  if (std::filesystem::is_directory(path, ec)) {
    std::cerr << trelavka::printable(path) << ":0: cannot read the script: it is a folder\n";
    return 2;
  }
  std::ifstream file(path, std::ios::binary);
  if (!file) {
    std::cerr << trelavka::printable(path) << ":0: cannot open the script\n";
    return 2;
  }
  return trelavka::runScenario(file, path, std::cout, std::cerr);
}
