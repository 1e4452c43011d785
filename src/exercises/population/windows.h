// Population and community exercises: the windows of this folder, made reachable by name. Adding a window to the
// program is one line in windows.cpp.
#pragma once

namespace sylvandra {

class Program;

void RegisterPopulationWindows(Program& program);

}  // namespace sylvandra
