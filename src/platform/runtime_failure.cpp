#include "platform/runtime_failure.h"

#include <cmath>

namespace sylvandra {

double RequireFinite(double value, const std::string& what) {
  if (!std::isfinite(value)) {
    throw RuntimeFailure(what + ": the result is " +
                         (std::isnan(value) ? "undefined (0 / 0 or similar)"
                                            : "too large to show (a division by zero?)"));
  }
  return value;
}

}  // namespace sylvandra
