// Soil acidification of a watershed in yearly steps, 300 years. Ions i = 1 hydrogen (acidity),
// 2 base cations, 3 nitrate, 4 sulfate, 5 bicarbonate; amounts in keq/ha, rates in keq/ha.yr.
//
// Before the first year the sorbed sulfate is Q = C c / (c + 2), with the sulfate concentration
// c = (Q0 / 2) / 1,600,000 x 10^6 of the sulfate deposition Q0 (a tenth of it with the ramp), and
// the exchanger holds X(1) = E D(1) / (D(1) + D(2)) of acid and X(2) = E D(2) / (D(1) + D(2)) of
// base cations (with the no-ramp flag X(1) = E (D(1) / (D(1) + D(2)) + K(1) / 2), X(2) = E - X(1)).
// Each year, in this order:
//
//   base saturation  B = (E - X(1)) / E
//   weathering       W(i) = R Wb(i);  W(1) and W(5) gain (B / 0.25)^4
//   inputs           S(i) += m D(i) + W(i), m the deposition multiplier of the year
//   uptake factor    f = the smallest of 1 and S(i) / -U(i) for i = 2..4, at least 0
//   ozone damage     z = (O3 - 40) / 100 within 0..1
//   uptake           S(i) += (1 - z) f U(i), i = 1..4;  P = X(1) + S(1) + X(2) + S(2)
//   sulfate sorption d = C c / (c + 2) - Q (c of S(4)), at most S(4);  Q += d;  S(4), S(1) -= d
//   exchange         for i = 1, 2: X(i) = E ((X(i) + S(i)) / P + K(i)) / 2, S(i) the rest
//   acid shortfall   S(1) < 0 is taken from the exchanger: X(1) += S(1), X(2) -= S(1),
//                    S(2) += S(1), S(1) = 0, and B is worked out again
//   stream export    Out(i) = 0.99 S(i) leaves the solution
//
// E: cation exchange capacity (keq/ha); R: weathering multiplier; C: sulfate sorption capacity
// (keq/ha); O3: mean ozone concentration (ppm); D(i): deposition; S(i): the soil solution, which
// carries over from one run to the next; U(i): uptake per unit of vegetation uptake; Wb(i): base
// weathering; K(1..2): exchange preferences.
//
// A pool with no uptake coefficient (U(i) = 0) sets no limit to the uptake factor.
#pragma once

#include <array>

#include "plot/plot_record.h"

namespace sylvandra {

inline constexpr int kWatershedYears = 300;
inline constexpr int kWatershedSeries = 8;

// What the window keeps between runs, by ion 1..5 (K and X by pool 1..2).
struct WatershedPools {
  std::array<double, 6> S{};   // soil solution
  std::array<double, 6> U{};   // uptake coefficients
  std::array<double, 6> Wb{};  // base weathering
  std::array<double, 3> K{};   // exchange preferences
  std::array<double, 3> X{};   // exchanger: acid (1), base cations (2)
};

// The preset watershed 1 or 2.
WatershedPools WatershedPreset(int watershed);

struct WatershedInputs {
  double cec = 0;                       // E
  double weathering = 0;                // R
  double sulfateCapacity = 0;           // C
  double ozone = 0;                     // O3
  std::array<double, 6> deposition{};   // D(1..5)
  double acidShare = 0, baseShare = 0;  // D(1) and D(2) as the exchanger's start reads them
  bool ramp = false;                    // deposition ramped up from a tenth
  bool noRamp = false;                  // the exchanger starts with the acid preference added
  bool cap = false, reduce = false;     // emission scenario (with the ramp only)
};

// The multiplier of the deposition in year t: 1; with the ramp 0.1 until year 50, rising
// linearly to 1 at year 200 and on to 1.6 at year 300, except that from year 201 Cap holds it
// at 1 and Reduce lowers it from 1 linearly to 0.5 at year 300.
double DepositionMultiplier(int year, bool ramp, bool cap, bool reduce);

// T(series, year) for years 1..300: 1 base saturation B, 2..6 stream export Out(1..5),
// 7 sorbed sulfate Q, 8 nitrate deposition m D(3).
struct WatershedRun {
  SeriesData series{};
  // The first year in which a pool leaves the range of numbers, or 0 (the run stops there).
  int overflowYear = 0;
};

// Runs the 300 years on `pools` (S and X are left as the last year left them). E and
// D(1) + D(2) must not be 0.
WatershedRun RunWatershedModel(WatershedPools& pools, const WatershedInputs& in);

// Scales: series 1 at 1; the five stream series on one top, 1.1 x their largest value of years
// 100..300 (at least 1) raised to its next leading digit, series i at top + i top / 100; series 7
// at Int(1.05 M + 1) and series 8 at Int(1.1 M + 1), M the whole part of their largest value of
// years 100..300 (at least 0).
SeriesValues WatershedScales(const SeriesData& series);

}  // namespace sylvandra
