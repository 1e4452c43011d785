// Renders a window as it appears on screen, controls and drawing, through the same widgets the
// desktop program shows. Creates an offscreen application object when none exists yet.
#pragma once

#include <QImage>
#include <optional>
#include <string>
#include <utility>

namespace sylvandra {

class Program;
class Window;

// Writes the window to a PNG file; returns false and sets error when that fails. With a size
// (pixels) the window is shown at that size: its drawing and controls scaled by the smaller of
// the two ratios to the designed size, so that it keeps its proportions, from the top left.
bool WriteWindowPng(Program& program, Window& window, const std::string& file, std::string& error,
                    std::optional<std::pair<int, int>> size = {});

// The window as it appears on screen, scaled by `scale` (1: the designed size, pixel for pixel).
QImage RenderWindow(Window& window, double scale);

}  // namespace sylvandra
