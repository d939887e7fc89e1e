// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The runner's command line, shared by its two entry points: each platform's
// main readies the standard streams and hands over its arguments.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace trelavka {

struct Argument {
  std::string text;             // as echoed in messages: UTF-8 (POSIX: the bytes as given)
  std::filesystem::path path;   // as the file system names it
};

// trelavka-scenario [SCRIPT]; the arguments after the program's name.
int scenarioCommand(const std::vector<Argument>& args);

}  // namespace trelavka
