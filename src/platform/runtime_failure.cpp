#include "platform/runtime_failure.h"

#include <cmath>

namespace sylvandra {

double RequireFinite(double value, const std::string& what) {
  if (!std::isfinite(value)) {
    throw RuntimeFailure(what + ": the result is " +
                         (std::isnan(value) ? "undefined (0 / 0 or similar)" : "too large to show"));
  }
  return value;
}

double RequireNonZero(double divisor, const std::string& what) {
  if (divisor == 0) throw RuntimeFailure(what + ": division by zero");
  return divisor;
}

std::string QuotedText(std::string_view text) {
  constexpr size_t kLongest = 40;
  if (text.size() <= kLongest) return "'" + std::string(text) + "'";
  // Never cut a multi-byte character in two.
  size_t cut = kLongest;
  while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) --cut;
  return "'" + std::string(text.substr(0, cut)) + "...'";
}

}  // namespace sylvandra
