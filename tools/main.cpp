// sylvandra-script: drives the program headless from a script file or standard input.
#include <fstream>
#include <iostream>

#include "script_runner.h"

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  if (argc > 2) {
    std::cerr << "usage: sylvandra-script [SCRIPT]\n";
    return 2;
  }
  if (argc == 2) {
    std::ifstream file(argv[1]);
    if (!file) {
      std::cerr << "sylvandra-script: cannot read " << argv[1] << "\n";
      return 2;
    }
    return sylvandra::script::RunScript(file, std::cout, std::cerr);
  }
  return sylvandra::script::RunScript(std::cin, std::cout, std::cerr);
}
