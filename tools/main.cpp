// sylvandra-script: drives the program headless from a script file or standard input.
//   sylvandra-script [--canvas-after-digest] [SCRIPT]
// With --canvas-after-digest each digest is followed by the whole canvas it sums up.
#include "desktop_pictures.h"
#include "script_runner.h"

int main(int argc, char** argv) {
  sylvandra::script::ScriptOptions options;
  options.pictures = sylvandra::script::DesktopPictureCommands();
  return sylvandra::script::ScriptMain(argc, argv, options);
}
