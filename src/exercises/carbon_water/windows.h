// Carbon, water and canopy exercises: the windows of this folder, made reachable by name. Adding a window to the
// program is one line in windows.cpp.
#pragma once

namespace sylvandra {

class Program;

void RegisterCarbonWaterWindows(Program& program);

}  // namespace sylvandra
