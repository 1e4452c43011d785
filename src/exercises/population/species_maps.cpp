#include "exercises/population/species_maps.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "exercises/population/ex14a_ask.h"
#include "exercises/population/map_colours.h"
#include "platform/color.h"
#include "platform/conversions.h"
#include "platform/program.h"
#include "plot/output/output_windows.h"

namespace sylvandra {
namespace {

constexpr double kCell = 150;
constexpr double kMap2Below = 3375;  // map 2's cells lie this far below map 1's
constexpr double kBlockToMap2 = 2580;

const char* const kLegendTexts[kMapSpecies + 1] = {
    "",   "1   Wet Site Species", "2", "3", "4", "5", "6", "7", "8", "9", "10",
    "11", "12  Dry Site Species"};

double Limited(double species) {
  return std::clamp(species, 1.0, static_cast<double>(kMapSpecies));
}

// The colour of a species number; `index` is the table entry the cell value selects.
Color SpeciesColour(const MapColours& colours, double index) {
  return QBColor(colours.ClassColour.at(static_cast<size_t>(index)));
}

// Array subscripts take a number to the nearest whole number, halves to the even one.
double Nearest(double value) {
  return std::nearbyint(value);
}

void DrawFramesAndLegend(Surface& s, MapColours& colours) {
  for (int i = 1; i <= kMapSpecies; ++i) colours.ClassColour[static_cast<size_t>(i)] = i;
  colours.ClassColour[7] = 13;

  s.CurrentX = 100;
  s.CurrentY = 200;
  s.Print("Area 1");
  s.box(100, 400, 6100, 3400, QBColor(1));
  s.CurrentY = 3600;
  s.CurrentX = 100;
  s.Print("Area 2");
  s.CurrentX = 100;
  s.box(100, 3800, 6100, 6800, QBColor(1));

  double y = 1200;
  for (int i = 1; i <= kMapSpecies; ++i) {
    s.box(6800, y, 7200, y + 400, SpeciesColour(colours, i), true);
    y += 400;
    s.CurrentY = y - 300;
    s.CurrentX = 7400;
    s.Print(kLegendTexts[i]);
  }
}

void DrawFullMaps(Surface& s, const SpeciesMapCells& maps, const MapColours& colours) {
  double y = 425;
  s.CurrentX = 100;
  for (int j = 1; j <= kMapRows; ++j) {
    for (int i = 1; i <= kMapColumns; ++i) {
      const double x = s.CurrentX;
      s.box(x, y, x + kCell, y + kCell, SpeciesColour(colours, Nearest(maps.Map1[i][j])), true);
      s.box(x, y + kMap2Below, x + kCell, y + kMap2Below + kCell,
            SpeciesColour(colours, Nearest(maps.Map2[i][j])), true);
    }
    y = s.CurrentY - kMap2Below;
    s.CurrentX = s.CurrentX - kMapColumns * kCell;
  }
}

// One 4 x 4 block of a map starting at the current position; each block row ends back at the
// block's left edge, one cell lower.
template <class ColourOf>
void DrawBlock(Surface& s, int sample, ColourOf colourOf) {
  for (int i = 1; i <= 4; ++i) {
    const double y = s.CurrentY;
    for (int j = 1; j <= 4; ++j) {
      const MapCell cell = SampleCell(sample, i, j);
      const double x = s.CurrentX;
      s.box(x, y, x + kCell, y + kCell, colourOf(cell), true);
    }
    s.CurrentX = s.CurrentX - 4 * kCell;
  }
}

void DrawSample(Surface& s, int sample, const SpeciesMapCells& maps, const MapColours& colours) {
  const SamplePlace place = kSamplePlaces[static_cast<size_t>(sample - 1)];
  s.CurrentX = place.x;
  s.CurrentY = place.y;
  DrawBlock(s, sample,
            [&](MapCell c) { return SpeciesColour(colours, Nearest(maps.Map1[c.column][c.row])); });
  s.CurrentY = s.CurrentY + kBlockToMap2;
  DrawBlock(s, sample,
            [&](MapCell c) { return SpeciesColour(colours, Int(maps.Map2[c.column][c.row])); });
}

}  // namespace

void GenerateSpeciesMaps(SpeciesMapCells& maps, const std::function<double()>& rnd) {
  for (int i = 1; i <= kMapColumns; ++i) {
    for (int j = 1; j <= kMapRows; ++j) {
      const double u = rnd();
      maps.Map1[i][j] = Limited(Int(12 * u + 0.5));
      const double v = rnd();
      maps.Map2[i][j] = Limited(Int(12 * std::sqrt(i * j / 800.0)) + 1 + (v - 0.5) * 5);
    }
  }
}

MapCell SampleCell(int sample, int i, int j) {
  const SamplePlace place = kSamplePlaces[static_cast<size_t>(sample - 1)];
  const float col = static_cast<float>((place.x - 400) / 150 + 1);
  const float row = static_cast<float>((place.y - 100) / 150 + 1);
  return {static_cast<int>(std::floor(static_cast<float>(i) + col)),
          static_cast<int>(std::floor(static_cast<float>(j) + row))};
}

void SpeciesMaps(Program& program, int& mode) {
  outpt& window = program.form<outpt>();
  Surface& s = window.surface();
  SpeciesMapCells& maps = program.state<SpeciesMapCells>();
  MapColours& colours = program.state<MapColours>();
  if (mode <= 1) {
    window.setVisible(true);
    window.setRect(kSpeciesMapsOutputRect);
    s.Cls();
    DrawFramesAndLegend(s, colours);
    if (mode == 0) {
      DrawFullMaps(s, maps, colours);
      return;
    }
    GenerateSpeciesMaps(maps, [&program] { return program.Rnd(); });
    mode = 2;
    program.form<Ex14aAsk>().Option1(0).setValue(1);
  }
  if (mode >= 2 && mode <= 1 + kSamplePlots) DrawSample(s, mode - 1, maps, colours);
}

}  // namespace sylvandra
