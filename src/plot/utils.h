// Number formatting helpers for printed tables and results.
//
// TruncDec(value, places) = Int(value x 10^places) / 10^places, Int rounding towards minus
// infinity. Fmt5, Fmt6, Fmt7 (and Fmt7b, the same as Fmt7) cut the number's Str text (leading
// blank kept) to its first N characters, right-align it in N positions and append one blank:
// always N + 1 characters; they cut, never round. Log10(x) = ln x / ln 10 for x > 0; zero or a
// negative number is a run-time failure reported to the user. MaxOf and MinOf return the larger
// and the smaller of two numbers.
#pragma once

#include <string>

namespace sylvandra {

double TruncDec(double value, double places);
std::string Fmt5(double value);
std::string Fmt6(double value);
std::string Fmt7(double value);
std::string Fmt7b(double value);
double Log10(double value);
double MaxOf(double a, double b);
double MinOf(double a, double b);

}  // namespace sylvandra
