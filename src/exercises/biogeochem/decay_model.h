// Monthly decomposition of four organic pools, and the two runs built on it: a litter bag left
// for 60 months, and a soil receiving the same litter every year.
//
//   p = 1 extractives, 2 cellulose not protected by lignin, 3 lignocellulose (lignin and an equal
//   mass of protected cellulose), 4 passive pool (humus and microbial products).
//
// Masses A(p) and nitrogen Nn(p) in g (or g/m2); index 0 carries nothing. For p = 1..4 in order,
// so that the passive pool decays after it received the month's transfers:
//
//   d  = k(p) A(p)                 decomposed mass
//   Nd = Nn(p) / A(p) x d          nitrogen released with it
//   A(p) -= d, Nn(p) -= Nd
//   t  = h(p) d                    passed to the passive pool, with the pool's new N / mass:
//   Nt = Nn(p) t / A(p);  A(4) += t, Nn(4) += Nt
//   im = 0.1 r(p) (d - t)          nitrogen immobilised on the respired mass: Nn(p) += im
//   net += Nd - Nt - im            the month's net mineralisation (net starts at 0)
//
// k per month: 0.0667, 0.04167, 0.01667, 0.00042 (0.8, 0.5, 0.2, 0.005 per year / 12);
// h: 0.2, 0.02, 0.02, 0; r: 0.3, 0.15, 0.05, 0. An empty pool (mass 0) has no concentration
// and does not decompose: it is passed over and keeps its nitrogen.
//
// Litter of E extractives, C cellulose and L lignin with N nitrogen enters as A(1) += E,
// A(2) += C - L, A(3) += 2 L (lignin protects an equal mass of cellulose), with the nitrogen
// shared by mass: Nn(3) += N L / (E + C + L), Nn(1) += the rest. The litter bag starts with a
// trace passive pool (0.001 g, 0.0001 g N) and 0.001 g N in the cellulose pool.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "plot/plot_record.h"

namespace sylvandra {

using DecayPools = std::array<double, 5>;  // [0..4], pools 1..4 used

inline constexpr DecayPools kDecayFraction = {0, 0.0667, 0.04167, 0.01667, 0.00042};
inline constexpr DecayPools kPassiveFraction = {0, 0.2, 0.02, 0.02, 0};
inline constexpr DecayPools kImmobilisation = {0, 0.3, 0.15, 0.05, 0};
inline constexpr double kImmobilisedNPerC = 0.1;

// One month: A and Nn updated in place; net receives the month's net N mineralisation.
void DecayStep(DecayPools& A, DecayPools& Nn, double& net);

// The lines of the litter table for the typed inputs (leading-number readings): the heading,
// month 0 and every sixth month to 60. Inputs that add up to no litter at all are refused.
std::vector<std::string> LitterTable(double e, double c, double l, double n);

// The yearly run: runTime years, each with the year's litter (only before year litCut unless it
// is 0) and 12 decay steps, recording pools 1..4 and the year's net mineralisation (the sum of
// the monthly nets) every `mult` years. Without a cut-off a run longer than 300 years records
// every Int(runTime / 300) + 1 years, so that at most 300 points are kept. The passive pool
// starts at `passive` with `passiveN` nitrogen, or at the trace of the litter bag when 0.
struct SomDynamicsRun {
  double mult = 1;      // years per recorded point (a whole number)
  int points = 0;       // recorded points
  SeriesData series{};  // [1..5][1..points]
};
SomDynamicsRun RunSomDynamics(double e, double c, double l, double n, double passive,
                              double passiveN, double runTime, double litCut);

}  // namespace sylvandra
