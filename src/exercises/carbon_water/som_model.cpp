#include "exercises/carbon_water/som_model.h"

#include <cmath>

namespace sylvandra {

SomRun RunSomBalance(double initialPool, double inputs, double turnover) {
  SomRun run;
  // Out of range also when NaN, which compares false.
  auto inRange = [](double pool) { return std::fabs(pool) <= kSomLargestPool; };
  if (!inRange(initialPool)) {
    run.tooLarge = true;
    return run;
  }
  run.pool[1] = initialPool;
  run.points = 1;
  double previous = initialPool;
  for (int t = 2; t <= kSomPoints; ++t) {
    const double current = (1 - turnover) * previous + inputs;
    if (!inRange(current)) {
      run.tooLarge = true;
      return run;
    }
    run.pool[t] = current;
    run.points = t;
    if (std::fabs(current - previous) < kSomEquilibriumChange && run.equilibriumYear == 0) {
      run.equilibriumYear = t - 1;
    }
    previous = current;
  }
  return run;
}

}  // namespace sylvandra
