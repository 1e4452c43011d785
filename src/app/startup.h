// Program start-up: every window made reachable by name, then the main menu shown. No other
// window is created until something touches it.
#pragma once

#include <string>
#include <vector>

#include "platform/program.h"

namespace sylvandra {

// The menu, introduction, worksheet-only and output windows.
void RegisterShellWindows(Program& program);
// Every window of the program, the shell's and the exercises'.
void RegisterWindows(Program& program);
// The windows a student works in, each with a model page: every exercise window, then every
// window of the forest game (which share one page).
std::vector<std::string> ExerciseWindowNames();
std::vector<std::string> GameWindowNames();
// Registers the windows and shows the main menu, as the desktop program starts.
void StartProgram(Program& program);

}  // namespace sylvandra
