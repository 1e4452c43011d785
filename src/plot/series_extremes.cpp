#include "plot/series_extremes.h"

namespace sylvandra {

void FindSeriesExtremes(const SeriesData& ys, int nSeries, int nPoints, SeriesValues& maxima,
                        SeriesValues& minima) {
  for (int s = 1; s <= nSeries; ++s) {
    maxima[s] = kEmptyRangeMaximum;
    minima[s] = kEmptyRangeMinimum;
    for (int t = 1; t <= nPoints; ++t) {
      if (ys[s][t] > maxima[s]) maxima[s] = ys[s][t];
      if (ys[s][t] < minima[s]) minima[s] = ys[s][t];
    }
  }
}

void FindRange(const PointValues& xs, int nPoints, double& xMax, double& xMin) {
  xMax = kEmptyRangeMaximum;
  xMin = kEmptyRangeMinimum;
  for (int t = 1; t <= nPoints; ++t) {
    if (xs[t] > xMax) xMax = xs[t];
    if (xs[t] < xMin) xMin = xs[t];
  }
}

void ShareMaximum(SeriesValues& maxima, int a, int b) {
  if (maxima[a] > maxima[b]) maxima[b] = maxima[a];
  if (maxima[b] > maxima[a]) maxima[a] = maxima[b];
}

}  // namespace sylvandra
