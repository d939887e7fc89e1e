// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cstdio>
#include <string>

#include "scenario_command.h"

namespace {

std::string utf8(const std::wstring& text) {
  const int n = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr,
                                    0, nullptr, nullptr);
  std::string out(static_cast<std::size_t>(n), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), n, nullptr,
                      nullptr);
  return out;
}

}  // namespace

// The command line is UTF-16: taken as such, a name like "město.scenario" is
// opened and echoed whole, where the ANSI arguments would have made it "mesto".
int wmain(int argc, wchar_t** argv) {
  // The transcript is bytes: a text mode would print "\r\n" for "\n".
  _setmode(_fileno(stdin), _O_BINARY);
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stderr), _O_BINARY);
  std::vector<trelavka::Argument> args;
  for (int i = 1; i < argc; ++i) args.push_back({utf8(argv[i]), std::filesystem::path(argv[i])});
  return trelavka::scenarioCommand(args);
}
