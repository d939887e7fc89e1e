// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Any bytes as a script for the scenario runner: a transcript or one clean
// "SCRIPT:LINE: message" error, never a crash, a hang or a sanitizer report.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <streambuf>
#include <string>

#include "scenario.h"

namespace {

// Counts the transcript instead of keeping it: a long wait prints megabytes.
class Discard final : public std::streambuf {
 protected:
  int_type overflow(int_type ch) override { return traits_type::not_eof(ch); }
  std::streamsize xsputn(const char*, std::streamsize n) override { return n; }
};

// One line, "<fuzz>:LINE: message".
bool cleanError(const std::string& err) {
  const std::size_t colon = err.find(": ", 7);
  return err.starts_with("<fuzz>:") && colon != std::string::npos && colon > 7 &&
         err.find_first_not_of("0123456789", 7) == colon && err.size() > colon + 3 &&
         err.find('\n') == err.size() - 1;
}

// A line may ask for up to kLongestWaitMs, and a script for any number of
// such lines: with the game running each costs a third of a million time
// steps. Scripts asking for more virtual time than this in all are skipped, so
// that one input stays well under a second even with the sanitizers.
constexpr std::int64_t kVirtualTimeBudgetMs = 300'000'000;

std::int64_t requestedWaitMs(const std::string& script) {
  std::istringstream lines(script);
  std::string line;
  std::int64_t total = 0;
  while (std::getline(lines, line)) {
    std::istringstream words(line);
    std::string command, number;
    if (!(words >> command >> number) || command != "wait") continue;
    const auto ms = std::strtoll(number.c_str(), nullptr, 10);
    if (ms > 0 && ms <= trelavka::kLongestWaitMs) total += ms;
  }
  return total;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  if (requestedWaitMs(text) > kVirtualTimeBudgetMs) return -1;
  std::istringstream script(text);
  Discard sink;
  std::ostream out(&sink);
  std::ostringstream err;
  const int status = trelavka::runScenario(script, "<fuzz>", out, err);
  if (status == 0 && !err.str().empty()) std::abort();  // success must say nothing on err
  if (status == 2 && !cleanError(err.str())) std::abort();
  if (status != 0 && status != 2) std::abort();
  return 0;
}
