#include "plot/utils.h"

#include <cmath>
#include <string>

#include "platform/conversions.h"
#include "platform/portable_math.h"
#include "platform/runtime_failure.h"

namespace sylvandra {
namespace {

// The number's Str text cut to its first `width` characters, right-aligned in `width`
// positions, then one blank.
std::string FixedWidth(double value, int width) {
  const std::string pattern = std::string(static_cast<size_t>(width), '@') + " ";
  return Format(Left(Str(value), width), pattern);
}

}  // namespace

double TruncDec(double value, double places) {
  const double factor = Pow(10.0, places);
  return Int(value * factor) / factor;
}

std::string Fmt5(double value) {
  return FixedWidth(value, 5);
}

std::string Fmt6(double value) {
  return FixedWidth(value, 6);
}

std::string Fmt7(double value) {
  return FixedWidth(value, 7);
}

std::string Fmt7b(double value) {
  return FixedWidth(value, 7);
}

double Log10(double value) {
  if (std::isnan(value)) {
    throw RuntimeFailure("Log10: the logarithm of an undefined number (0 / 0 or similar)");
  }
  if (value <= 0) {
    const std::string shown = std::isfinite(value) ? PlainText(value) : "minus infinity";
    throw RuntimeFailure("Log10: the logarithm of " + shown +
                         " is undefined (the number must be greater than 0)");
  }
  const double ln10 = Log(10.0);
  return Log(value) / ln10;
}

double MaxOf(double a, double b) {
  double result = b;
  if (a > b) result = a;
  return result;
}

double MinOf(double a, double b) {
  double result = a;
  if (b < a) result = b;
  return result;
}

}  // namespace sylvandra
