// sylvandra-script: drives the program headless from a script file or standard input.
//   sylvandra-script [--canvas-after-digest] [SCRIPT]
// With --canvas-after-digest each digest is followed by the whole canvas it sums up.
#include <fstream>
#include <iostream>
#include <string_view>

#include "script_runner.h"

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  sylvandra::script::ScriptOptions options;
  int first = 1;
  if (argc > 1 && std::string_view(argv[1]) == "--canvas-after-digest") {
    options.canvasAfterDigest = true;
    ++first;
  }
  if (argc - first > 1) {
    std::cerr << "usage: sylvandra-script [--canvas-after-digest] [SCRIPT]\n";
    return 2;
  }
  if (argc - first == 1) {
    std::ifstream file(argv[first]);
    if (!file) {
      std::cerr << "sylvandra-script: cannot read " << argv[first] << "\n";
      return 2;
    }
    return sylvandra::script::RunScript(file, std::cout, std::cerr, options);
  }
  return sylvandra::script::RunScript(std::cin, std::cout, std::cerr, options);
}
