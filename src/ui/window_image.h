// Renders a window as it appears on screen, controls and drawing, through the same widgets the
// desktop program shows. Creates an offscreen application object when none exists yet.
#pragma once

#include <string>

namespace sylvandra {

class Program;
class Window;

// Writes the window to a PNG file; returns false and sets error when that fails.
bool WriteWindowPng(Program& program, Window& window, const std::string& file, std::string& error);

}  // namespace sylvandra
