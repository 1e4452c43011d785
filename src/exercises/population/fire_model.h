// The sequoia grove under fire: 20 rows by 40 columns of pixels (stands), each with a fuel load
// and an understory biomass (both in the model's own load units) that grow every year. Fires
// ignite at random, burn as surface fires that leave a tenth of fuel and understory, spread at
// random to the eight neighbours, and become crown fires where fuel or understory has passed a
// randomised threshold; a crown fire destroys its pixel for good (fuel 0: a lost pixel that no
// longer grows and never ignites by itself) and spreads to every neighbour.
//
// The grids carry a margin one pixel wide all round (rows 0 and 21, columns 0 and 41) that never
// grows and is never visited; fire may mark it, which changes nothing.
//
// A year: GrowGrove, ClearFireState, the management (ManagedPixels + ApplyManagement), IgniteGrove,
// BurnGrove. Every random draw comes from the caller's sequence, in the order documented at
// each function, so a run is reproducible from the seed.
#pragma once

#include <array>
#include <functional>

namespace sylvandra {

inline constexpr int kGroveRows = 20;
inline constexpr int kGroveColumns = 40;
inline constexpr int kGrovePixels = kGroveRows * kGroveColumns;

template <class T>
using GroveGrid = std::array<std::array<T, kGroveColumns + 2>, kGroveRows + 2>;

// FireState values.
inline constexpr int kNotBurning = 0;
inline constexpr int kIgnited = 1;
inline constexpr int kBurned = 2;

// Management modes.
inline constexpr int kNoManagement = 0;
inline constexpr int kPrescribedBurn = 1;
inline constexpr int kUnderstoryHarvest = 2;

// Flame kinds.
inline constexpr int kCrownFire = 1;
inline constexpr int kSurfaceFire = 2;

struct SequoiaGrove {
  GroveGrid<double> FuelLoad{};
  GroveGrid<double> UnderstoryBiomass{};
  GroveGrid<int> FireState{};

  double FireInterval = 15;          // years; a pixel ignites with probability 1 / FireInterval
  double FuelIncrement = 2;          // added to every non-zero fuel load each year
  double UnderstoryIncrement = 2;    // added to every non-zero understory biomass each year
  double CrownThreshold = 300;       // the crown-fire threshold lies in [0.8, 1) x this
  double SurfaceFireSurvival = 0.1;  // share of fuel and understory a surface fire leaves
  double SpreadFactor = 0.5;         // a surface fire spreads with SpreadFactor / FireInterval
  int ManagementMode = kNoManagement;
  double LostPixels = 0;  // pixels destroyed by crown fire since the last restart
};

using RandomDraw = std::function<double()>;
// (row, column, kind) of each pixel as it burns.
using FlameMark = std::function<void(int, int, int)>;

// The fresh grove: parameters as after a restart (ManagementMode untouched), no lost pixel,
// and for each pixel in row order FuelLoad = Rnd x 70 then UnderstoryBiomass = Rnd x 80, both
// rounded to single precision.
void InitialiseGrove(SequoiaGrove& grove, const RandomDraw& rnd);

// Adds the increments to every non-zero fuel load and understory biomass.
void GrowGrove(SequoiaGrove& grove);
void ClearFireState(SequoiaGrove& grove);

// Highest pixels: every pixel whose value is at least the n-th largest (n = 0..100) of the grid,
// the list of largest values being built in row order (ties at the n-th value manage more than
// n pixels; n = 0 compares with 0 and so manages every pixel).
GroveGrid<bool> HighestPixels(const GroveGrid<double>& values, int n);
// Random pixels: one draw per pixel in row order; a pixel is managed when
// expected / 800 > r, both in single precision (expected is the expected number of pixels).
GroveGrid<bool> RandomPixels(double expected, const RandomDraw& rnd);
// Prescribed burn ignites the managed pixels; understory harvest adds a fifth of the understory
// to the fuel (the slash) and leaves a thousandth of the understory.
void ApplyManagement(SequoiaGrove& grove, const GroveGrid<bool>& managed);

// One draw per pixel in row order; ignites when 1 / FireInterval (0 on a lost pixel) > r.
void IgniteGrove(SequoiaGrove& grove, const RandomDraw& rnd);

// Burns every ignited pixel, in passes over the grid in row order until a pass marks no cell.
// Each burning pixel draws its threshold first, then (surface fire) one draw per neighbour,
// itself included, in row order. Cells marked after the current position burn in the same pass.
void BurnGrove(SequoiaGrove& grove, const RandomDraw& rnd, const FlameMark& flame);

// The map class of a value: 0 for exactly 0, otherwise Int(value / width + 1) up to 5.
int FireMapClass(double value, double width);

}  // namespace sylvandra
