// The frame every graph on the output window shares, in twips on a surface of width W and
// height H: y axis at L = 750 from T = 1000 down to B = H - 1000, x axis from L to R = 0.9 x W,
// and a legend strip along the top in eight columns of C = (R - L) / 8, with the row captions
// "Name", "Line" and "Max." at x = 50 and y = 100, 300, 500.
#pragma once

#include <string>

#include "platform/color.h"
#include "platform/surface.h"

namespace sylvandra {

struct PlotFrame {
  double width = 0, height = 0;  // W and H, read when the plot starts
  double left = 0, top = 0, bottom = 0, right = 0;
  double column = 0;  // legend column width C

  static PlotFrame of(const Surface& surface);
  // Left edge of legend column `series` (1..8).
  double columnLeft(int series) const { return left + (series - 1) * column; }
};

inline constexpr double kLegendNameY = 100;
inline constexpr double kLegendCaptionX = 50;  // L - 700

// The y axis and the x axis, in the fore colour.
void DrawAxes(Surface& surface, const PlotFrame& frame);
// A line of the frame in the fore colour, always solid whatever dash style an earlier graph's
// series left on the surface; the surface keeps that style for whoever draws next.
void DrawFrameLine(Surface& surface, double x1, double y1, double x2, double y2);
// The x-axis caption, centred by eye under the axis at 0.45 x W, 300 twips below it.
void PrintXCaption(Surface& surface, const PlotFrame& frame, const std::string& title);
// "Name", "Line", "Max." down the left of the legend strip.
void PrintLegendCaptions(Surface& surface, const PlotFrame& frame);

// One legend column: the name at y = 100, a sample line `sampleFraction` of the column long one
// text line and 100 twips further down, and `maxText` 100 twips below the sample line. Each
// print ends its line, which is what steps the rows down. Sets DrawStyle to `drawStyle`, which
// the series' own line then keeps.
void DrawLegendEntry(Surface& surface, const PlotFrame& frame, int series, const std::string& name,
                     int drawStyle, Color colour, double sampleFraction,
                     const std::string& maxText);

}  // namespace sylvandra
