#include "plot/step_plot.h"

#include <cmath>
#include <map>
#include <string>

#include "platform/conversions.h"
#include "platform/runtime_failure.h"
#include "platform/window.h"
#include "plot/drawn_graph.h"
#include "plot/plot_frame.h"

namespace sylvandra {

StepPlotStyle StepPlotStyle::shared() {
  // Palette numbers by series 1..8: white, yellow, light magenta, light red, ..., grey.
  constexpr std::array<int, kMaxSeries + 1> kStepColour = {0, 15, 14, 13, 12, 11, 10, 9, 8};
  StepPlotStyle style;
  for (int j = 1; j <= kMaxSeries; ++j) {
    style.colour[j] = QBColor(kStepColour[j]);
    style.drawStyle[j] = j % 5;
  }
  return style;
}

void RequirePlotSize(const std::string& plotter, int nSeries, int nPoints) {
  if (nSeries > kMaxSeries) {
    throw RuntimeFailure(plotter + ": " + std::to_string(nSeries) +
                         " series do not fit the graph's legend (at most " +
                         std::to_string(kMaxSeries) + ")");
  }
  if (nPoints > kMaxPoints) {
    throw RuntimeFailure(plotter + ": " + std::to_string(nPoints) +
                         " points are more than a graph holds (at most " +
                         std::to_string(kMaxPoints) + ")");
  }
}

namespace {

// Refuses, before anything is drawn or clipped, a step plot with a label or point that is not a
// finite number. The points are computed exactly as they will be drawn.
void CheckStepPlot(const PlotFrame& frame, const std::string& title, const SeriesNames& names,
                   double xMax, int nSeries, int nPoints, const SeriesData& data,
                   const SeriesValues& maxima, const StepPlotStyle& style) {
  const double T = frame.top, B = frame.bottom;
  for (int i = 1; i <= 10; ++i) {
    if (!std::isfinite(xMax / 10 * i)) {
      throw RuntimeFailure(title + ": the end of the x axis is too large to draw");
    }
  }
  for (int j = 1; j <= nSeries; ++j) {
    const std::string what = names[j].empty() ? "series " + std::to_string(j) : names[j];
    if (!std::isfinite(maxima[j])) {
      throw RuntimeFailure(what + ": the maximum is too large to draw");
    }
    if (maxima[j] == 0) continue;
    for (int t = 1; t <= nPoints; ++t) {
      double value = data[j][t];
      if (style.clipToRange) {
        if (value < 0) value = 0;
        if (value > maxima[j]) value = maxima[j];
      }
      if (!std::isfinite(B - (B - T) * value / maxima[j] - style.lift)) {
        throw RuntimeFailure(what + ": the values are too large to draw against the maximum " +
                             PrintText(maxima[j]));
      }
    }
  }
}

}  // namespace

void DrawStepPlot(Window& window, const std::string& plotter, const std::string& title,
                  const SeriesNames& names, double xMax, int nSeries, int nPoints, SeriesData& data,
                  const SeriesValues& maxima, const StepPlotStyle& style) {
  RequirePlotSize(plotter, nSeries, nPoints);
  Surface& surface = window.surface();
  const PlotFrame frame = PlotFrame::of(surface);
  const double L = frame.left, T = frame.top, B = frame.bottom, R = frame.right;
  CheckStepPlot(frame, title, names, xMax, nSeries, nPoints, data, maxima, style);
  if (style.setDrawWidth) surface.DrawWidth = 3;

  window.setVisible(true);
  if (style.clearFirst) surface.Cls();

  DrawAxes(surface, frame);
  PrintXCaption(surface, frame, title);
  for (int i = 1; i <= 10; ++i) {
    surface.CurrentX = L + (R - L) * i / 10 - 200;
    surface.CurrentY = B + 100;
    surface.Print(PrintText(xMax / 10 * i));
    surface.CurrentY = B - (B - T) * i / 10 - 50;
    surface.CurrentX = L - 700;
    surface.Print(PrintText(10 * i));
  }
  PrintLegendCaptions(surface, frame);

  DrawnGraph& drawn = BeginDrawnGraph(window, GraphKind::Steps, title, {frame, 0, xMax, 0});
  std::map<std::string, double> maximaByName;
  for (int j = 1; j <= nSeries; ++j) {
    if (maxima[j] != 0) maximaByName.emplace(SeriesName(names[j]), maxima[j]);
  }
  DrawKeptRun(window, drawn, maximaByName);

  auto clip = [&](int j, int t) {
    double& value = data[j][t];
    if (value < 0) value = 0;
    if (value > maxima[j]) value = maxima[j];
  };
  for (int j = 1; j <= nSeries; ++j) {
    const Color colour = style.colour[j];
    DrawLegendEntry(surface, frame, j, names[j], style.drawStyle[j], colour, style.sampleFraction,
                    PrintText(maxima[j]));
    if (style.clipToRange) {
      for (int t = 1; t <= nPoints; ++t) clip(j, t);
    }
    // Without a maximum there is no scale, and without points nothing to join.
    if (maxima[j] == 0 || nPoints < 1) continue;
    surface.CurrentX = L + (R - L) * 1 / nPoints;
    surface.CurrentY = B - (B - T) * data[j][1] / maxima[j];
    // A single point is not drawn, so there is nothing to read off.
    DrawnSeries* record = nullptr;
    if (nPoints >= 2) {
      record = &drawn.series.emplace_back(DrawnSeries{
          .number = j, .name = SeriesName(names[j]), .colour = colour, .maximum = maxima[j]});
      record->points.push_back(
          {xMax * 1 / nPoints, data[j][1], surface.CurrentX, surface.CurrentY});
    }
    const SeriesMarks curve(surface, j);
    for (int t = 2; t <= nPoints; ++t) {
      const double x = L + (R - L) * t / nPoints;
      const double y = B - (B - T) * data[j][t] / maxima[j] - style.lift;
      record->points.push_back({xMax * t / nPoints, data[j][t], x, y});
      surface.lineTo(x, y, colour);
    }
  }
}

}  // namespace sylvandra
