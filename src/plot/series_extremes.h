// Extremes of data series for the plot record: every series starts from the empty
// range (maximum -999999999, minimum 999999999) and widens over its points, so a series of
// zeros ends with maximum and minimum 0 and the plotter leaves it out.
#pragma once

#include "plot/plot_record.h"

namespace sylvandra {

inline constexpr double kEmptyRangeMaximum = -999999999;
inline constexpr double kEmptyRangeMinimum = 999999999;

// Series 1..nSeries over points 1..nPoints of ys; the other entries are left alone.
void FindSeriesExtremes(const SeriesData& ys, int nSeries, int nPoints, SeriesValues& maxima,
                        SeriesValues& minima);
// The x values 1..nPoints.
void FindRange(const PointValues& xs, int nPoints, double& xMax, double& xMin);
// Gives series a and b the larger of their two maxima, so that their heights compare directly
// on one scale; the minima stay separate.
void ShareMaximum(SeriesValues& maxima, int a, int b);

}  // namespace sylvandra
