// Text <-> double conversions that give the same text and the same numbers on every build and
// in every locale: exact algorithms on a small big integer, with no use of the C library's
// locale-dependent printf and strtod nor of the standard library's floating-point charconv,
// which one of the standard libraries the program is built with lacks.
//
// - WriteShortest: the shortest text that reads back as the same double, in fixed or exponent
//   form, whichever is shorter (fixed on a tie): "0.1", "2530.231451445842", "1e+22",
//   "1.5e-07", "-0", "inf", "nan".
// - WriteRounded: the value rounded to a number of significant digits, as the C library's %e
//   and %g conversions write it in the "C" locale ("%.14e", "%.7g", "%.15G").
// - ReadNumber: the correctly rounded double of a decimal text: an optional '-', digits with an
//   optional point, an optional exponent, or "inf", "infinity", "nan"; stops at the first
//   character that does not belong to the number. A value too large for a double, or a nonzero
//   value too small for one, is reported as out of range and leaves the value untouched.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <system_error>

namespace sylvandra {

std::string WriteShortest(double value);

enum class RoundedStyle {
  Exponent,  // %.*e: precision digits after the point
  General,   // %.*g: precision significant digits, trailing zeros removed
};
// `upper` writes the exponent's E (and INF, NAN) in capitals, as %E and %G do.
std::string WriteRounded(double value, RoundedStyle style, int precision, bool upper = false);

struct NumberReading {
  std::size_t length = 0;  // characters that make up the number; 0 when the text has none
  std::errc error{};       // invalid_argument (no number), result_out_of_range, or none
};
NumberReading ReadNumber(std::string_view text, double& value);

}  // namespace sylvandra
