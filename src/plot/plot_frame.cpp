#include "plot/plot_frame.h"

namespace sylvandra {

PlotFrame PlotFrame::of(const Surface& surface) {
  PlotFrame frame;
  frame.width = surface.ScaleWidth();
  frame.height = surface.ScaleHeight();
  frame.left = 750;
  frame.top = 1000;
  frame.bottom = frame.height - 1000;
  frame.right = 0.9 * frame.width;
  frame.column = (frame.right - frame.left) / 8;
  return frame;
}

void DrawFrameLine(Surface& surface, double x1, double y1, double x2, double y2) {
  const int dashes = surface.DrawStyle;
  surface.DrawStyle = 0;
  surface.Line(x1, y1, x2, y2);
  surface.DrawStyle = dashes;
}

void DrawAxes(Surface& surface, const PlotFrame& frame) {
  DrawFrameLine(surface, frame.left, frame.top, frame.left, frame.bottom);
  DrawFrameLine(surface, frame.left, frame.bottom, frame.right, frame.bottom);
}

void PrintXCaption(Surface& surface, const PlotFrame& frame, const std::string& title) {
  surface.CurrentX = 0.45 * frame.width;
  surface.CurrentY = frame.bottom + 300;
  surface.Print(title);
}

void PrintLegendCaptions(Surface& surface, const PlotFrame&) {
  const char* const captions[] = {"Name", "Line", "Max."};
  for (int row = 0; row < 3; ++row) {
    surface.CurrentX = kLegendCaptionX;
    surface.CurrentY = kLegendNameY + 200 * row;
    surface.Print(captions[row]);
  }
}

void DrawLegendEntry(Surface& surface, const PlotFrame& frame, int series, const std::string& name,
                     int drawStyle, Color colour, double sampleFraction,
                     const std::string& maxText) {
  surface.CurrentY = kLegendNameY;
  surface.CurrentX = frame.columnLeft(series);
  surface.Print(name);
  surface.DrawStyle = drawStyle;
  surface.CurrentX = frame.columnLeft(series);
  const double x0 = surface.CurrentX;
  const double y0 = surface.CurrentY;
  surface.Line(x0, y0 + 100, x0 + sampleFraction * frame.column, y0 + 100, colour);
  surface.CurrentX = frame.columnLeft(series);
  surface.CurrentY = surface.CurrentY + 100;
  surface.Print(maxText);
}

}  // namespace sylvandra
