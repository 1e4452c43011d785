// Two random vegetation maps of 40 x 20 cells for sampling species-area curves by hand, and
// their drawing on the output window with a colour legend and up to five 4 x 4-cell sample
// plots at fixed places.
//
// Each cell holds one of 12 species, ranked from wet-site (1) to dry-site (12) species:
//   map 1  Int(12 u + 0.5) limited to 1..12: species 1 with chance 3/24, 12 with 1/24, the
//          others 2/24 each, everywhere alike
//   map 2  Int(12 sqrt(i j / 800)) + 1 + 5 (u' - 0.5) limited to 1..12: a gradient from wet
//          sites at the upper left (column i = 1, row j = 1) to dry sites at the lower right
//          (40, 20), with noise of +-2.5 (the cell keeps its fraction)
// with u and u' drawn in that order for each cell, columns outermost.
//
// Drawing (twips on the output window): "Area 1" framed from (100, 400) to (6100, 3400) and
// "Area 2" from (100, 3800) to (6100, 6800); cells are 150 twips square, map 1 from (100, 425),
// map 2 3375 lower; the legend's 12 colour boxes at x 6800..7200 from y 1200 down, 400 apart.
#pragma once

#include <array>
#include <functional>

namespace sylvandra {

class Program;

inline constexpr int kMapColumns = 40;
inline constexpr int kMapRows = 20;
inline constexpr int kMapSpecies = 12;
inline constexpr int kSamplePlots = 5;

// The two maps, indexed [column 0..40][row 0..20]; cells (1..40, 1..20) are used. They live for
// the whole run of the program: program.state<SpeciesMapCells>().
struct SpeciesMapCells {
  using Map = std::array<std::array<double, kMapRows + 1>, kMapColumns + 1>;
  Map Map1{};
  Map Map2{};
};

// Fills both maps from the draws of `rnd`, in [0, 1).
void GenerateSpeciesMaps(SpeciesMapCells& maps, const std::function<double()>& rnd);

// The upper-left corner of sample plot 1..5 on the output window.
struct SamplePlace {
  double x = 0, y = 0;
};
inline constexpr std::array<SamplePlace, kSamplePlots> kSamplePlaces = {
    {{300, 900}, {2050, 1200}, {2700, 2100}, {4050, 1050}, {5250, 1800}}};

// The map cell a sample plot shows at block row i and block column j (1..4): the block's rows
// run along the map's columns, as (Int(i + col), Int(j + row)) with col = (x - 400) / 150 + 1
// and row = (y - 100) / 150 + 1 worked in single precision from the plot's corner.
struct MapCell {
  int column = 0, row = 0;
  bool operator==(const MapCell&) const = default;
};
MapCell SampleCell(int sample, int i, int j);

// The drawing of the exercise on the output window, by mode:
//   0     the window afresh with frames, legend and both full maps (no new maps)
//   1     the window afresh with new maps, then sample plot 1; the mode becomes 2 and the
//         exercise window's first sample button is selected
//   2..6  sample plot 1..5 over what the window shows
// While the exercise is in use the output window is larger than usual (see Ex14aAsk).
void SpeciesMaps(Program& program, int& mode);

}  // namespace sylvandra
