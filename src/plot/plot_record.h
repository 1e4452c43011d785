// The program-wide plot record that exercises fill before calling a plotter, and the step-series
// array of the nitrogen and global carbon exercises. Both live in the program object:
// program.state<PlotRecord>() and program.state<StepSeries>().
#pragma once

#include <array>
#include <string>

namespace sylvandra {

inline constexpr int kMaxSeries = 8;
inline constexpr int kMaxPoints = 300;

using SeriesNames = std::array<std::string, kMaxSeries + 1>;  // 0..8, 1..8 used
using SeriesValues = std::array<double, kMaxSeries + 1>;      // 0..8
using PointValues = std::array<double, kMaxPoints + 1>;       // 0..300
using SeriesData =
    std::array<std::array<double, kMaxPoints + 1>, kMaxSeries + 1>;  // [series][point]

struct PlotRecord {
  std::string PlotTitle;
  SeriesNames PlotName;
  double PlotXMax = 0;
  double PlotXMin = 0;
  double PlotNSer = 0;
  double PlotNPts = 0;
  SeriesValues PlotMax{};
  SeriesValues PlotMin{};
  PointValues PlotX{};
  SeriesData PlotY{};
};

struct StepSeries {
  SeriesData StepY{};
};

}  // namespace sylvandra
