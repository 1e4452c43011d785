#include "shell/startup.h"

namespace sylvandra {

void RegisterWindows(Program&) {}

void StartProgram(Program& program) { RegisterWindows(program); }

}  // namespace sylvandra
