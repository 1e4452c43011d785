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
// its print column (blank rows kept), each line ending in a newline. Over a table printed in a
// fixed-pitch font, a heading printed in another font has each word put over the column it lies
// over on the screen (ending where the column's right-aligned numbers end), so that it lines up.
std::string PrintedText(const Surface& surface);

// A table printed on the surface as CSV. Its body is the rows printed in one fixed-pitch font with
// the number of words most such rows share (two or more), the k-th word of a body row in column
// k; the words printed above the body name the columns they lie over ("Column K" where none
// does); a later row puts each word in the column it lies over. A CSV row for every printed row
// from the body on, with the printed text of each field. Empty when no such table is printed.
std::string PrintedTableCsv(const Surface& surface);

// What a window's CSV export writes: the plotted data of the graph on it (GraphCsv), else the
// table printed on it; empty when it holds neither, and nothing can be written.
std::string WindowCsv(Window& window);

// Why an export is refused: "Output holds no printed table to save as CSV".
std::string NothingToWrite(const Window& window, const std::string& what,
                           const std::string& format);

}  // namespace sylvandra
