// sylvandra-script for Node (the WebAssembly build): the same commands and the same lines as the
// desktop build's driver, but for those that need the desktop's drawing (png, export ... png,
// record), which print an error line naming the command.
//   node sylvandra-script.js [--canvas-after-digest] [SCRIPT]
#include "script_runner.h"

int main(int argc, char** argv) {
  return sylvandra::script::ScriptMain(argc, argv, {});
}
