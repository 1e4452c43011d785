// A window's drawing as files a student can keep: an SVG of the display list (each series'
// curve a group of its own) and the text of a printed table.
#pragma once

#include <string>

namespace sylvandra {

class Surface;
class Window;

// The window's drawing (background, picture, marks) as a standalone SVG in the window's
// twips, sized in pixels. Each series' curve is a <g class="curve"> named after the series;
// the faded curves of a kept run are in <g class="kept">.
std::string WindowSvg(Window& window);

// The text printed on the surface, a line per printed row from the top, each piece placed at
// its print column (blank rows kept), each line ending in a newline.
std::string PrintedText(const Surface& surface);

}  // namespace sylvandra
