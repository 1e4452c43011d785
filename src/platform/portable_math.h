// The transcendental functions the models and drawings use, written once in plain IEEE double
// arithmetic (+, -, *, /, sqrt and exact bit operations), so that every build of the program
// (glibc on x86-64 with or without fused multiply-add, WebAssembly with its own C library) gives
// the same bits for the same arguments. The C library's versions differ between platforms in
// the last bit, and a value printed in full precision then differs too.
//
// Each function works in double-double arithmetic (about 104 bits) and rounds once at the end,
// so the result is the correctly rounded value except when the exact value lies within about
// 2^-90 of a halfway point between two doubles: the error bound is 0.5 ulp plus 2^-30 ulp
// (results below 2.2e-308, subnormal, may be off by one unit in their last place). Measured
// against glibc over 1,900,000 arguments (tests/unit/portable_math_test.cpp): never more than
// 1 ulp apart, and bit-identical in 99.5% (Hypot) to 99.99% (Log) of cases; the 90 differences
// checked with 300-bit arithmetic were all glibc's rounding, not this one's.
//
// Special values follow the C standard: NaN in, NaN out (except Pow(x, 0) = Pow(1, y) = 1 and
// Hypot(inf, NaN) = inf); overflow gives infinity, underflow zero; Pow of a negative base is
// defined for integer exponents only, with the sign of an odd exponent; Atan2 of signed zeros and
// infinities gives the quadrant's angle.
#pragma once

namespace sylvandra {

double Exp(double x);
// The natural logarithm: -inf at 0, NaN below 0.
double Log(double x);
double Pow(double base, double exponent);
// Sine and cosine of an angle in radians, reduced exactly by pi/2 for any finite argument.
double Sin(double x);
double Cos(double x);
// sqrt(x^2 + y^2) without overflow or underflow on the way.
double Hypot(double x, double y);
// The angle of the point (x, y) from the x axis, in [-pi, pi].
double Atan2(double y, double x);

}  // namespace sylvandra
