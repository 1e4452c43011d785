// The forest management game: the windows of this folder, made reachable by name. Adding a window
// to the program is one line in windows.cpp.
#pragma once

namespace sylvandra {

class Program;

void RegisterGameWindows(Program& program);

}  // namespace sylvandra
