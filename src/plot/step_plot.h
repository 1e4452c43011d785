// The step-plot drawing shared by the program's step plotter (GraphSteps) and the soil organic
// matter window's own plotter. Series j is drawn against its step number t = 1..nPoints, evenly
// spaced over the x axis, scaled to percent of maxima(j):
//   x(t) = L + (R - L) x t / nPoints,  y(t) = B - (B - T) x data(j, t) / maxima(j) - lift
// The first point is moved to at its exact height; every later point is joined to the one
// before by a line in the series' colour and DrawStyle. x tick labels are xMax / 10 x i and y
// tick labels 10 x i (i = 1..10), both printed as numbers (a blank before and after).
#pragma once

#include <array>
#include <string>

#include "platform/color.h"
#include "plot/plot_record.h"

namespace sylvandra {

class Window;

// What differs between the two step plotters. The defaults are the shared step plotter's
// (GraphSteps), but for the colours and dash styles, which shared() fills in.
struct StepPlotStyle {
  // The shared step plotter's style: series j in QBColor 15, 14, 13, ... 8 and DrawStyle j Mod 5.
  static StepPlotStyle shared();

  std::array<Color, kMaxSeries + 1> colour{};   // by series 1..8
  std::array<int, kMaxSeries + 1> drawStyle{};  // by series 1..8
  double sampleFraction = 0.8;                  // legend sample line, of the column width
  bool setDrawWidth = true;                     // DrawWidth = 3 before drawing
  bool clearFirst = true;                       // Cls before drawing
  // Values below 0 become 0 and above maxima(j) become maxima(j), written back into data.
  bool clipToRange = true;
  double lift = 25;  // twips every point after the first is drawn above its scaled height
};

// Shows `window` and draws the step plot on its surface. `plotter` names the caller in failure
// messages. More than 8 series or more than 300 points is a run-time failure. A series whose
// maximum is 0 has no scale: its legend is drawn, its line is not. With fewer than one point
// only the frame and legend are drawn.
void DrawStepPlot(Window& window, const std::string& plotter, const std::string& title,
                  const SeriesNames& names, double xMax, int nSeries, int nPoints, SeriesData& data,
                  const SeriesValues& maxima, const StepPlotStyle& style);

// Refuses more series than the legend holds or more points than the arrays hold.
void RequirePlotSize(const std::string& plotter, int nSeries, int nPoints);

}  // namespace sylvandra
