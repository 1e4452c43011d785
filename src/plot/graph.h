// The two graph plotters. Both draw on the shared output window `outpt`, one series style:
// each series scaled to percent of its own maximum, with a legend strip (Name, Line, Max.).
//
// GraphSteps: series against step number 1..nPoints, values clipped to 0..maximum in the
// caller's array, every point after the first lifted 25 twips. GraphXY: series against x values
// as lines ("L") or dots ("P"), with a common range below zero when a series goes negative.
#pragma once

#include <string>

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

}  // namespace sylvandra
