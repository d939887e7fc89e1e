// trelavka-scenario [SCRIPT]: replays SCRIPT (or standard input) headless.
#include <fstream>
#include <iostream>
#include <string>

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
  std::ifstream file(path, std::ios::binary);
  if (!file) {
    std::cerr << path << ":0: cannot open the script\n";
    return 2;
  }
  return trelavka::runScenario(file, path, std::cout, std::cerr);
}
