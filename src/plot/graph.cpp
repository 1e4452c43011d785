#include "plot/graph.h"

#include <array>
#include <string>

#include "platform/color.h"
#include "platform/conversions.h"
#include "platform/program.h"
#include "platform/runtime_failure.h"
#include "plot/plot_frame.h"
#include "plot/series_extremes.h"
#include "plot/step_plot.h"
#include "shell/output_windows.h"

namespace sylvandra {
namespace {

// Palette numbers of the series colours, by series 1..8 (light red, yellow, light magenta, ...).
constexpr std::array<int, kMaxSeries + 1> kXYColour = {0, 12, 14, 13, 15, 11, 10, 9, 8};

constexpr double kDotRadius = 50;

}  // namespace

void GraphSteps(Program& program, const std::string& title, const SeriesNames& names, double xMax,
                int nSeries, int nPoints, SeriesData& data, const SeriesValues& maxima) {
  DrawStepPlot(program.form<outpt>(), "GraphSteps", title, names, xMax, nSeries, nPoints, data,
               maxima, StepPlotStyle::Shared());
}

void GraphXY(Program& program, const std::string& mode, const std::string& title, double xMax,
             double xMin, int nSeries, const SeriesNames& names, SeriesValues& maxima,
             SeriesValues& minima, int nPoints, const PointValues& xs, const SeriesData& ys) {
  RequirePlotSize("GraphXY", nSeries, nPoints);
  Window& window = program.form<outpt>();
  Surface& surface = window.surface();
  surface.DrawWidth = 3;

  // The common range below zero, in percent of each series' maximum: the next multiple of 10
  // above the deepest series. A series that never goes above 0 gets a maximum of three times
  // its depth, so that it still has a scale.
  minima[0] = 0;
  for (int i = 1; i <= nSeries; ++i) {
    if (minima[i] < 0) {
      if (maxima[i] <= 0) maxima[i] = -3 * minima[i];
      const double p = 100 * (-minima[i]) / maxima[i];
      if (p > minima[0]) minima[0] = 10 * (Int(p / 10) + 1);
    }
  }
  const double N = minima[0];

  const PlotFrame frame = PlotFrame::Of(surface);
  const double L = frame.left, T = frame.top, B = frame.bottom, R = frame.right;
  // With no x range there is no x scale: frame, labels and legend only.
  const bool hasXRange = xMax != xMin;
  const double S = hasXRange ? (R - L) / (xMax - xMin) : 0;
  const double Q = (T - B) / (N + 100);

  window.setVisible(true);
  surface.Cls();
  DrawAxes(surface, frame);
  PrintXCaption(surface, frame, title);
  for (int i = 0; i <= 10; ++i) {
    surface.CurrentX = L - 100 + (R - L) * i / 10;
    surface.CurrentY = B + 100;
    surface.Print(Left(Str(xMin + (xMax - xMin) / 10 * i), 5));
    surface.CurrentY = B - 100 - (B - T) * i / 10;
    surface.CurrentX = L - 600;
    surface.Print(Left(Str(-N + (N + 100) / 10 * i), 4));
  }
  const double zeroY = B + N * Q;
  surface.Line(L, zeroY, R, zeroY);
  PrintLegendCaptions(surface, frame);

  for (int i = 1; i <= nSeries; ++i) {
    if (maxima[i] == 0 && minima[i] == 0) continue;
    const Color colour = QBColor(kXYColour[i]);
    DrawLegendEntry(surface, frame, i, names[i], i % 5, colour, 0.8, Left(Str(maxima[i]), 6));

    // `low` sits on the x axis and maxima(i) at the top of the frame.
    const double low = -maxima[i] * N / 100;
    if (!hasXRange || maxima[i] - low == 0 || nPoints < 1) continue;
    auto pointX = [&](int t) { return L + (xs[t] - xMin) * S; };
    auto pointY = [&](int t) { return B + Q * (N + 100) * (ys[i][t] - low) / (maxima[i] - low); };

    const std::string what = "GraphXY: series " + names[i];
    surface.CurrentX = RequireFinite(pointX(1), what);
    surface.CurrentY = RequireFinite(pointY(1), what);
    if (mode == "P") {
      surface.FillColor = colour;
      surface.FillStyle = kFillSolid;
      surface.Circle(surface.CurrentX, surface.CurrentY, kDotRadius, colour);
    }
    for (int t = 1; t <= nPoints; ++t) {
      const double x = pointX(t);
      const double y = pointY(t);
      if (mode == "L") {
        surface.LineTo(x, y, colour);
      } else if (mode == "P") {
        surface.Circle(x, y, kDotRadius, colour);
      } else {
        surface.CurrentX = RequireFinite(x, what);
        surface.CurrentY = RequireFinite(y, what);
      }
    }
  }
}

void GraphPlotRecordXY(Program& program, const std::string& mode, const std::string& title) {
  PlotRecord& plot = program.state<PlotRecord>();
  program.form<outpt>().setVisible(false);
  GraphXY(program, mode, title, plot.PlotXMax, plot.PlotXMin, static_cast<int>(plot.PlotNSer),
          plot.PlotName, plot.PlotMax, plot.PlotMin, static_cast<int>(plot.PlotNPts), plot.PlotX,
          plot.PlotY);
}

}  // namespace sylvandra

namespace sylvandra {

void GraphSeriesXY(Program& program, const XYGraph& graph) {
  const int nSeries = static_cast<int>(graph.series.size());
  const int nPoints = static_cast<int>(graph.xs.size());
  RequirePlotSize("GraphXY", nSeries, nPoints);
  for (const XYGraph::Series& series : graph.series) {
    if (series.values.size() != graph.xs.size()) {
      throw RuntimeFailure("GraphXY: series " + series.name + " has " +
                           std::to_string(series.values.size()) + " points for " +
                           std::to_string(nPoints) + " x values");
    }
  }
  PlotRecord& plot = program.state<PlotRecord>();
  for (int t = 1; t <= nPoints; ++t) plot.PlotX[t] = graph.xs[t - 1];
  for (int s = 1; s <= nSeries; ++s) {
    plot.PlotName[s] = graph.series[s - 1].name;
    for (int t = 1; t <= nPoints; ++t) plot.PlotY[s][t] = graph.series[s - 1].values[t - 1];
  }
  FindSeriesExtremes(plot.PlotY, nSeries, nPoints, plot.PlotMax, plot.PlotMin);
  for (const auto& [a, b] : graph.sharedMaxima) ShareMaximum(plot.PlotMax, a, b);
  if (graph.xRange) {
    plot.PlotXMin = graph.xRange->first;
    plot.PlotXMax = graph.xRange->second;
  } else {
    FindRange(plot.PlotX, nPoints, plot.PlotXMax, plot.PlotXMin);
  }
  plot.PlotNSer = nSeries;
  plot.PlotNPts = nPoints;
  if (graph.adjustScales) graph.adjustScales(plot);
  GraphPlotRecordXY(program, graph.mode, graph.title);
}

}  // namespace sylvandra
