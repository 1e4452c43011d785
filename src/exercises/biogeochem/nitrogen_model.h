// Nitrogen dynamics of an ecosystem in yearly steps, 40 years, four pools in gN/m2: soil organic
// nitrogen, vegetation, ammonium (NH4) and nitrate (NO3). Each year, in this order:
//
//   harvest        Veg := (1 - I / 100) Veg           in the years y where Int(y / h) h = y (h <>
//   0) litterfall     L  = l Veg;       Veg := Veg - L mineralisation Mn = m Soil;      Soil :=
//   Soil - Mn + L;  NH4 := NH4 + Mn nitrification  Nf = MIN(g n, k NH4);  n := Nf (at least 0.001);
//   NH4 -= Nf;  NO3 += Nf deposition     NO3 := NO3 + D uptake         Up = G Veg / (Veg + H);  A =
//   NH4 + NO3
//                  A >= Up: fr = Up / A, k := 0.7      A < Up: fr = 1, k := 0.7 (A / Up - 0.4)^4
//                  U = A fr;  Veg += U;  NH4, NO3 := (1 - fr) NH4, (1 - fr) NO3
//   leaching       Lc = c NO3;       NO3 := NO3 - Lc
//
// l, m, c: litterfall, mineralisation and leaching fractions (/yr); g: nitrifier growth factor
// (/yr); G: maximum uptake (gN/m2.yr); H: half-saturation vegetation pool (gN/m2); D: deposition
// (gN/m2.yr); h: harvest interval (years, 0 for none); I: harvest intensity (%). The nitrifier
// potential n starts at 1 and the share k of ammonium open to nitrifiers at 0, so nothing is
// nitrified in year 1.
//
// The pools, n, k and the fluxes are single precision: each expression is worked out in double
// precision and rounded to single precision where it is assigned.
//
// When nothing is available to take up and nothing is demanded (A = 0 and Up <= 0), nothing is
// taken up (fr = 0) instead of dividing 0 by 0.
#pragma once

#include <array>

#include "plot/plot_record.h"

namespace sylvandra {

inline constexpr int kNitrogenYears = 40;
inline constexpr int kNitrogenSeries = 8;

struct NitrogenInputs {
  float soil = 0, veg = 0, nh4 = 0, no3 = 0;  // starting pools
  double litter = 0;                          // l
  double mineralisation = 0;                  // m
  double leach = 0;                           // c
  double maxUptake = 0;                       // G
  double halfSaturation = 0;                  // H
  double deposition = 0;                      // D
  double nitrifierGrowth = 0;                 // g
  double harvestInterval = 0;                 // h
  double harvestIntensity = 0;                // I
  double depositionShown = 0;                 // the deposition drawn as series 7
};

// Series by year, [series 1..8][year 1..40]:
//   1 U, 2 Veg, 3 L, 4 Soil, 5 Mn (single precision values), 6 Nf + 0.02, 7 the deposition
//   shown, 8 Lc + 0.01 (the offsets keep a zero flux just above the axis).
struct NitrogenRun {
  SeriesData series{};
  // The first year whose uptake divides by Veg + H = 0, or 0.
  int zeroHalfSaturationYear = 0;
  // The first year in which a pool or flux leaves the range of single precision numbers, or 0.
  int overflowYear = 0;
  bool ok() const { return zeroHalfSaturationYear == 0 && overflowYear == 0; }
};

// Whether year y is a harvest year for the interval h (never when h is 0).
bool IsHarvestYear(int year, double interval);

// Runs the 40 years; stops at the first year that cannot be computed (see NitrogenRun).
NitrogenRun RunNitrogenModel(const NitrogenInputs& in);

// The scale of each series: for series 1..5 the largest value of years 1..40 (at least 0) times
// 1.1, at least 1, raised to its next leading digit (10^e (Int(v / 10^e) + 1), e =
// Int(Log10 v)); series 6, 7 and 8 share the scale of series 5.
SeriesValues NitrogenScales(const SeriesData& series);

}  // namespace sylvandra
