// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <csignal>

#include "scenario_command.h"

int main(int argc, char** argv) {
  // A reader that went away (`| head -1`) must fail the write, so that the
  // runner says so and exits 1, rather than end it without a word.
  std::signal(SIGPIPE, SIG_IGN);
  std::vector<trelavka::Argument> args;
  for (int i = 1; i < argc; ++i) args.push_back({argv[i], argv[i]});
  return trelavka::scenarioCommand(args);
}
