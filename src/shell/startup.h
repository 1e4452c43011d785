// Program start-up: every window made reachable by name, then the main menu shown. No other
// window is created until something touches it.
#pragma once

#include "platform/program.h"

namespace sylvandra {

void RegisterWindows(Program& program);
// Registers the windows and shows the main menu, as the desktop program starts.
void StartProgram(Program& program);

}  // namespace sylvandra
