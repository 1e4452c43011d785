// One-pool soil organic matter balance in yearly steps: each year a fixed fraction of the pool
// turns over and a fixed litter input is added.
//
//   SOM(t) = (1 - k) x SOM(t - 1) + I
//
// SOM in g/m2, I (litter input) in g/m2.yr, k (turnover rate) in fraction/yr. Point 1 is the
// initial pool, point t the pool after t - 1 years. The pool is in equilibrium in year E = t - 1
// for the first point t whose change from the point before is less than 0.01 g/m2 (E = 0 when
// the change never falls that low).
//
// A turnover far outside 0..2 makes the pool grow without bound. The run stops before the first
// point beyond 1E300 g/m2 in magnitude, so that every value kept, and its scaling on a graph,
// stays a finite number. (An initial pool beyond that keeps no point at all.)
#pragma once

#include <array>

namespace sylvandra {

inline constexpr int kSomPoints = 300;
inline constexpr double kSomEquilibriumChange = 0.01;  // g/m2
inline constexpr double kSomLargestPool = 1e300;       // g/m2

struct SomRun {
  std::array<double, kSomPoints + 1> pool{};  // pool[1..points]; the rest 0
  int points = 0;                             // kSomPoints unless the pool grew too large
  int equilibriumYear = 0;                    // E
  bool tooLarge = false;                      // stopped because the pool grew too large
};

SomRun RunSomBalance(double initialPool, double inputs, double turnover);

}  // namespace sylvandra
