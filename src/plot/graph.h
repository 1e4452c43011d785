// The two graph plotters. Both draw on the shared output window `outpt`, one series style:
// each series scaled to percent of its own maximum, with a legend strip (Name, Line, Max.).
//
// GraphSteps: series against step number 1..nPoints, values clipped to 0..maximum in the
// caller's array, every point after the first lifted 25 twips. GraphXY: series against x values
// as lines ("L") or dots ("P"), with a common range below zero when a series goes negative.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "plot/plot_record.h"

namespace sylvandra {

class Program;

// A series whose maximum is 0 is skipped (its legend is kept). More than 8 series or more than
// 300 points is a run-time failure; with no points only the frame and legend are drawn.
void GraphSteps(Program& program, const std::string& title, const SeriesNames& names, double xMax,
                int nSeries, int nPoints, SeriesData& data, const SeriesValues& maxima);

// minima[0] receives the common negative range in percent; a maxima[i] may be raised. A series
// whose maximum and minimum are both 0 is left out, legend included. With xMax = xMin or no
// points only the frame, labels and legend are drawn. More than 8 series or more than 300 points
// is a run-time failure.
void GraphXY(Program& program, const std::string& mode, const std::string& title, double xMax,
             double xMin, int nSeries, const SeriesNames& names, SeriesValues& maxima,
             SeriesValues& minima, int nPoints, const PointValues& xs, const SeriesData& ys);

// Draws the program-wide plot record (PlotXMax ... PlotY, PlotNSer series of PlotNPts points)
// with GraphXY, hiding the output window first so that it comes up afresh.
void GraphPlotRecordXY(Program& program, const std::string& mode, const std::string& title);

// A graph of series against x values, as a window computed them.
struct XYGraph {
  struct Series {
    std::string name{};
    std::vector<double> values{};  // values[t - 1] is point t
  };
  std::string mode = "L";  // "L" lines, "P" dots
  std::string title{};       // the x axis caption
  std::vector<double> xs{};  // xs[t - 1] is the x of point t
  std::vector<Series> series{};
  // {xMin, xMax}; unset: the lowest and highest x.
  std::optional<std::pair<double, double>> xRange{};
  // Pairs of series numbers (1..8) drawn on one scale, the larger maximum of the two.
  std::vector<std::pair<int, int>> sharedMaxima{};
  // Changes the scales after the extremes are found and shared (fixed or rounded tops).
  std::function<void(PlotRecord&)> adjustScales{};
};

// Fills the program-wide plot record from `graph` (points, names, counts, each series' extremes
// from the empty range, the shared maxima, the x range) and draws it with GraphPlotRecordXY.
// More series or points than the record holds is a run-time failure, before anything changes.
void GraphSeriesXY(Program& program, const XYGraph& graph);

}  // namespace sylvandra
