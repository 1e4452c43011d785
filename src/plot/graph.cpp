#include "plot/graph.h"

#include <array>
#include <cmath>
#include <map>
#include <string>

#include "platform/color.h"
#include "platform/conversions.h"
#include "platform/program.h"
#include "platform/runtime_failure.h"
#include "plot/drawn_graph.h"
#include "plot/output/output_windows.h"
#include "plot/plot_frame.h"
#include "plot/series_extremes.h"
#include "plot/step_plot.h"

namespace sylvandra {
namespace {

// Palette numbers of the series colours, by series 1..8 (light red, yellow, light magenta, ...).
constexpr std::array<int, kMaxSeries + 1> kXYColour = {0, 12, 14, 13, 15, 11, 10, 9, 8};

constexpr double kDotRadius = 50;

}  // namespace

void GraphSteps(Program& program, const std::string& title, const SeriesNames& names, double xMax,
                int nSeries, int nPoints, SeriesData& data, const SeriesValues& maxima) {
  DrawStepPlot(program.form<outpt>(), "GraphSteps", title, names, xMax, nSeries, nPoints, data,
               maxima, StepPlotStyle::shared());
}

namespace {

// What GraphXY computes before it draws: the common negative range, the raised maxima and the
// scales. Planning touches nothing, so a graph that cannot be drawn is refused before the output
// window or the caller's arrays change.
struct XYPlan {
  SeriesValues maxima{}, minima{};
  double N = 0;
  PlotFrame frame;
  bool hasXRange = false;
  double S = 0, Q = 0;
};

// The values of x label i and y label i (i = 0..10).
double XLabel(double xMax, double xMin, int i) {
  return xMin + (xMax - xMin) / 10 * i;
}
double YLabel(const XYPlan& plan, int i) {
  return -plan.N + (plan.N + 100) / 10 * i;
}

bool SeriesDrawn(const XYPlan& plan, int i) {
  return plan.maxima[i] != 0 || plan.minima[i] != 0;
}

XYPlan PlanXY(const Surface& surface, const std::string& title, double xMax, double xMin,
              int nSeries, const SeriesNames& names, const SeriesValues& maxima,
              const SeriesValues& minima, int nPoints, const PointValues& xs,
              const SeriesData& ys) {
  RequirePlotSize("GraphXY", nSeries, nPoints);
  XYPlan plan;
  plan.maxima = maxima;
  plan.minima = minima;
  // The common range below zero, in percent of each series' maximum: the next multiple of 10
  // above the deepest series. A series that never goes above 0 gets a maximum of three times
  // its depth, so that it still has a scale.
  plan.minima[0] = 0;
  for (int i = 1; i <= nSeries; ++i) {
    if (plan.minima[i] < 0) {
      if (plan.maxima[i] <= 0) plan.maxima[i] = -3 * plan.minima[i];
      const double p = 100 * (-plan.minima[i]) / plan.maxima[i];
      if (p > plan.minima[0]) plan.minima[0] = 10 * (Int(p / 10) + 1);
    }
  }
  plan.N = plan.minima[0];
  plan.frame = PlotFrame::of(surface);
  const double L = plan.frame.left, T = plan.frame.top, B = plan.frame.bottom;
  const double R = plan.frame.right;
  // With no x range there is no x scale: frame, labels and legend only.
  plan.hasXRange = xMax != xMin;
  plan.S = plan.hasXRange ? (R - L) / (xMax - xMin) : 0;
  plan.Q = (T - B) / (plan.N + 100);

  // Everything that will be drawn or printed must be a finite number.
  auto refuse = [](const std::string& what, const std::string& problem) {
    throw RuntimeFailure(what + ": " + problem);
  };
  for (int i = 0; i <= 10; ++i) {
    if (!std::isfinite(XLabel(xMax, xMin, i)) || !std::isfinite(plan.S)) {
      refuse(title, "the x values are too far apart to draw");
    }
  }
  // The deepest series sets the common range below zero.
  int deepest = 0;
  for (int i = 1; i <= nSeries; ++i) {
    if (plan.minima[i] < 0 && (deepest == 0 || -plan.minima[i] / plan.maxima[i] >
                                                   -plan.minima[deepest] / plan.maxima[deepest])) {
      deepest = i;
    }
  }
  for (int k = 0; k <= 10; ++k) {
    if (!std::isfinite(YLabel(plan, k)) || !std::isfinite(plan.Q * plan.N)) {
      refuse(deepest > 0 ? names[deepest] : title,
             "the values below zero are too large to draw against the maximum");
    }
  }
  for (int i = 1; i <= nSeries; ++i) {
    if (!SeriesDrawn(plan, i)) continue;
    const std::string what = names[i].empty() ? "series " + std::to_string(i) : names[i];
    if (!std::isfinite(plan.maxima[i]) || !std::isfinite(plan.minima[i])) {
      refuse(what, "the values are too large to draw");
    }
    const double low = -plan.maxima[i] * plan.N / 100;
    if (!plan.hasXRange || plan.maxima[i] - low == 0) continue;
    for (int t = 1; t <= nPoints; ++t) {
      const double x = L + (xs[t] - xMin) * plan.S;
      const double y = B + plan.Q * (plan.N + 100) * (ys[i][t] - low) / (plan.maxima[i] - low);
      if (!std::isfinite(x)) refuse(title, "the x values are too large to draw");
      if (!std::isfinite(y)) refuse(what, "the values are too large to draw");
    }
  }
  return plan;
}

void DrawXY(Window& window, const XYPlan& plan, const std::string& mode, const std::string& title,
            double xMax, double xMin, int nSeries, const SeriesNames& names, int nPoints,
            const PointValues& xs, const SeriesData& ys) {
  Surface& surface = window.surface();
  surface.DrawWidth = 3;
  const PlotFrame& frame = plan.frame;
  const double L = frame.left, T = frame.top, B = frame.bottom, R = frame.right;
  const double N = plan.N, S = plan.S, Q = plan.Q;

  window.setVisible(true);
  surface.Cls();
  DrawAxes(surface, frame);
  PrintXCaption(surface, frame, title);
  for (int i = 0; i <= 10; ++i) {
    surface.CurrentX = L - 100 + (R - L) * i / 10;
    surface.CurrentY = B + 100;
    surface.Print(Left(Str(XLabel(xMax, xMin, i)), 5));
    surface.CurrentY = B - 100 - (B - T) * i / 10;
    surface.CurrentX = L - 600;
    surface.Print(Left(Str(YLabel(plan, i)), 4));
  }
  const double zeroY = B + N * Q;
  DrawFrameLine(surface, L, zeroY, R, zeroY);
  PrintLegendCaptions(surface, frame);

  DrawnGraph& drawn = BeginDrawnGraph(window, GraphKind::XY, title, {frame, xMin, xMax, N});
  std::map<std::string, double> maximaByName;
  for (int i = 1; i <= nSeries; ++i) {
    if (SeriesDrawn(plan, i)) maximaByName.emplace(SeriesName(names[i]), plan.maxima[i]);
  }
  DrawKeptRun(window, drawn, maximaByName);

  for (int i = 1; i <= nSeries; ++i) {
    if (!SeriesDrawn(plan, i)) continue;
    const double maximum = plan.maxima[i];
    const Color colour = QBColor(kXYColour[i]);
    DrawLegendEntry(surface, frame, i, names[i], i % 5, colour, 0.8, Left(Str(maximum), 6));

    // `low` sits on the x axis and the maximum at the top of the frame.
    const double low = -maximum * N / 100;
    if (!plan.hasXRange || maximum - low == 0 || nPoints < 1) continue;
    auto pointX = [&](int t) { return L + (xs[t] - xMin) * S; };
    auto pointY = [&](int t) { return B + Q * (N + 100) * (ys[i][t] - low) / (maximum - low); };
    if (mode == "L" || mode == "P") {
      DrawnSeries& record = drawn.series.emplace_back(DrawnSeries{.number = i,
                                                                  .name = SeriesName(names[i]),
                                                                  .colour = colour,
                                                                  .maximum = maximum,
                                                                  .dots = mode == "P"});
      for (int t = 1; t <= nPoints; ++t) {
        record.points.push_back({xs[t], ys[i][t], pointX(t), pointY(t)});
      }
    }
    const SeriesMarks curve(surface, i);

    surface.CurrentX = pointX(1);
    surface.CurrentY = pointY(1);
    if (mode == "P") {
      surface.FillColor = colour;
      surface.FillStyle = kFillSolid;
      surface.Circle(surface.CurrentX, surface.CurrentY, kDotRadius, colour);
    }
    for (int t = 1; t <= nPoints; ++t) {
      const double x = pointX(t);
      const double y = pointY(t);
      if (mode == "L") {
        surface.lineTo(x, y, colour);
      } else if (mode == "P") {
        surface.Circle(x, y, kDotRadius, colour);
      } else {
        surface.CurrentX = x;
        surface.CurrentY = y;
      }
    }
  }
}

}  // namespace

void GraphXY(Program& program, const std::string& mode, const std::string& title, double xMax,
             double xMin, int nSeries, const SeriesNames& names, SeriesValues& maxima,
             SeriesValues& minima, int nPoints, const PointValues& xs, const SeriesData& ys) {
  Window& window = program.form<outpt>();
  const XYPlan plan =
      PlanXY(window.surface(), title, xMax, xMin, nSeries, names, maxima, minima, nPoints, xs, ys);
  maxima = plan.maxima;
  minima = plan.minima;
  DrawXY(window, plan, mode, title, xMax, xMin, nSeries, names, nPoints, xs, ys);
}

void GraphPlotRecordXY(Program& program, const std::string& mode, const std::string& title) {
  PlotRecord& plot = program.state<PlotRecord>();
  Window& window = program.form<outpt>();
  const int nSeries = static_cast<int>(plot.PlotNSer);
  const int nPoints = static_cast<int>(plot.PlotNPts);
  // Planned before the window is hidden, so that a refused graph leaves it as it was.
  const XYPlan plan =
      PlanXY(window.surface(), title, plot.PlotXMax, plot.PlotXMin, nSeries, plot.PlotName,
             plot.PlotMax, plot.PlotMin, nPoints, plot.PlotX, plot.PlotY);
  window.setVisible(false);
  plot.PlotMax = plan.maxima;
  plot.PlotMin = plan.minima;
  DrawXY(window, plan, mode, title, plot.PlotXMax, plot.PlotXMin, nSeries, plot.PlotName, nPoints,
         plot.PlotX, plot.PlotY);
}

}  // namespace sylvandra

namespace sylvandra {

namespace {

// Fills the plot record from the graph and draws it.
void FillAndDraw(Program& program, const XYGraph& graph, PlotRecord& plot) {
  const int nSeries = static_cast<int>(graph.series.size());
  const int nPoints = static_cast<int>(graph.xs.size());
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

}  // namespace

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
  // A graph refused as too large to draw leaves the record of the graph before, which other
  // buttons read and draw again.
  const PlotRecord before = plot;
  try {
    FillAndDraw(program, graph, plot);
  } catch (...) {
    plot = before;
    throw;
  }
}

}  // namespace sylvandra
