#include "platform/portable_math.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <functional>
#include <limits>
#include <random>
#include <string>
#include <vector>

namespace sylvandra {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kLeastSubnormal = 0x1p-1074;

// Doubles in the order of their values as integers, so that the distance between two of them
// counts the doubles between (+0 and -0 are one apart).
std::int64_t Ordinal(double x) {
  std::int64_t bits = 0;
  std::memcpy(&bits, &x, sizeof bits);
  return bits < 0 ? std::numeric_limits<std::int64_t>::min() - bits : bits;
}

bool SameBits(double a, double b) {
  return (std::isnan(a) && std::isnan(b)) || Ordinal(a) == Ordinal(b);
}

struct Case {
  std::string call;
  double actual;
  double expected;
};

TEST(PortableMath, SpecialValuesAndExactResults) {
  const double pi = 3.141592653589793;  // pi rounded
  const Case cases[] = {
      {"Exp(0)", Exp(0), 1},
      {"Exp(-0)", Exp(-0.0), 1},
      {"Exp(1)", Exp(1), 2.718281828459045},  // e rounded
      {"Exp(-1)", Exp(-1), 0.36787944117144233},
      {"Exp(inf)", Exp(kInf), kInf},
      {"Exp(-inf)", Exp(-kInf), 0},
      {"Exp(NaN)", Exp(kNaN), kNaN},
      {"Exp(709.78)", Exp(709.78), 1.7928227943945155e308},  // just below the largest double
      {"Exp(709.8)", Exp(709.8), kInf},                      // overflows
      {"Exp(-745.1)", Exp(-745.1), kLeastSubnormal},         // e^-745.1 = 1.03 x 2^-1074
      {"Exp(-746)", Exp(-746), 0},                           // below half the least subnormal
      {"Log(1)", Log(1), 0},
      {"Log(e)", Log(2.718281828459045), 1},
      {"Log(2)", Log(2), 0.6931471805599453},
      {"Log(0)", Log(0), -kInf},
      {"Log(-0)", Log(-0.0), -kInf},
      {"Log(-1)", Log(-1), kNaN},
      {"Log(inf)", Log(kInf), kInf},
      {"Log(least subnormal)", Log(kLeastSubnormal), -744.4400719213812},  // -1074 ln 2
      {"Log(largest)", Log(1.7976931348623157e308), 709.782712893384},
      {"Pow(2, 10)", Pow(2, 10), 1024},
      {"Pow(10, -2)", Pow(10, -2), 0.01},
      {"Pow(10, 8.75)", Pow(10, 8.75), 562341325.1903491},
      {"Pow(10, -7.81)", Pow(10, -7.81), 1.5488166189124828e-08},
      {"Pow(-2, 3)", Pow(-2, 3), -8},
      {"Pow(-2, -3)", Pow(-2, -3), -0.125},
      {"Pow(-2, 2)", Pow(-2, 2), 4},
      {"Pow(-8, 1/3)", Pow(-8, 1.0 / 3), kNaN},  // a negative base needs an integer exponent
      {"Pow(2, -1074)", Pow(2, -1074), kLeastSubnormal},
      {"Pow(2, 1023)", Pow(2, 1023), 0x1p1023},
      {"Pow(10, 309)", Pow(10, 309), kInf},
      {"Pow(-10, 309)", Pow(-10, 309), -kInf},
      {"Pow(10, -324)", Pow(10, -324), 0},
      {"Pow(NaN, 0)", Pow(kNaN, 0), 1},
      {"Pow(1, NaN)", Pow(1, kNaN), 1},
      {"Pow(2, NaN)", Pow(2, kNaN), kNaN},
      {"Pow(-0, -1)", Pow(-0.0, -1), -kInf},
      {"Pow(0, -2)", Pow(0, -2), kInf},
      {"Pow(-0, 3)", Pow(-0.0, 3), -0.0},
      {"Pow(-0, 2)", Pow(-0.0, 2), 0},
      {"Pow(-0, 0.5)", Pow(-0.0, 0.5), 0},
      {"Pow(-1, inf)", Pow(-1, kInf), 1},
      {"Pow(0.5, -inf)", Pow(0.5, -kInf), kInf},
      {"Pow(2, -inf)", Pow(2, -kInf), 0},
      {"Pow(0.5, inf)", Pow(0.5, kInf), 0},
      {"Pow(-inf, 3)", Pow(-kInf, 3), -kInf},
      {"Pow(-inf, -3)", Pow(-kInf, -3), -0.0},
      {"Pow(-inf, 2)", Pow(-kInf, 2), kInf},
      {"Pow(inf, -1)", Pow(kInf, -1), 0},
      {"Sin(0)", Sin(0), 0},
      {"Sin(-0)", Sin(-0.0), -0.0},
      {"Sin(pi/2)", Sin(pi / 2), 1},
      {"Sin(pi)", Sin(pi), 1.2246467991473532e-16},   // pi - (pi rounded)
      {"Sin(1e22)", Sin(1e22), -0.8522008497671888},  // needs the exact reduction
      {"Sin(inf)", Sin(kInf), kNaN},
      {"Sin(NaN)", Sin(kNaN), kNaN},
      {"Cos(0)", Cos(0), 1},
      {"Cos(pi)", Cos(pi), -1},
      {"Cos(pi/2)", Cos(pi / 2), 6.123233995736766e-17},
      {"Cos(-inf)", Cos(-kInf), kNaN},
      {"Hypot(3, 4)", Hypot(3, 4), 5},
      {"Hypot(-0, 0)", Hypot(-0.0, 0), 0},
      {"Hypot(1e308, 1e308)", Hypot(1e308, 1e308), 1.4142135623730951e308},
      {"Hypot(3 x least, 4 x least)", Hypot(3 * kLeastSubnormal, 4 * kLeastSubnormal),
       5 * kLeastSubnormal},
      {"Hypot(largest, largest)", Hypot(1.7976931348623157e308, 1.7976931348623157e308), kInf},
      {"Hypot(inf, NaN)", Hypot(kInf, kNaN), kInf},
      {"Hypot(NaN, -inf)", Hypot(kNaN, -kInf), kInf},
      {"Hypot(NaN, 1)", Hypot(kNaN, 1), kNaN},
      {"Atan2(1, 1)", Atan2(1, 1), 0.7853981633974483},  // pi/4 rounded
      {"Atan2(-1, -1)", Atan2(-1, -1), -2.356194490192345},
      {"Atan2(0, -0)", Atan2(0, -0.0), pi},
      {"Atan2(-0, -0)", Atan2(-0.0, -0.0), -pi},
      {"Atan2(0, 0)", Atan2(0, 0), 0},
      {"Atan2(-0, 0)", Atan2(-0.0, 0), -0.0},
      {"Atan2(-0, -1)", Atan2(-0.0, -1), -pi},
      {"Atan2(1, -0)", Atan2(1, -0.0), 1.5707963267948966},
      {"Atan2(-1, 0)", Atan2(-1, 0), -1.5707963267948966},
      {"Atan2(inf, -inf)", Atan2(kInf, -kInf), 2.356194490192345},
      {"Atan2(-inf, inf)", Atan2(-kInf, kInf), -0.7853981633974483},
      {"Atan2(1, -inf)", Atan2(1, -kInf), pi},
      {"Atan2(-1, inf)", Atan2(-1, kInf), -0.0},
      {"Atan2(inf, 1)", Atan2(kInf, 1), 1.5707963267948966},
      {"Atan2(1, 1e308)", Atan2(1, 1e308), 1e-308},
      {"Atan2(1e-300, 1e300)", Atan2(1e-300, 1e300), 0},  // 1e-600 underflows
      {"Atan2(1e-300, -1e300)", Atan2(1e-300, -1e300), pi},
      {"Atan2(NaN, 1)", Atan2(kNaN, 1), kNaN},
  };
  for (const Case& c : cases) {
    EXPECT_TRUE(SameBits(c.actual, c.expected))
        << c.call << " = " << c.actual << ", expected " << c.expected;
  }
}

// A range of arguments, drawn uniformly, or uniformly in the logarithm of their magnitude with
// a random sign when `logarithmic` is set.
struct Range {
  double low;
  double high;
  bool logarithmic = false;
};

struct Agreement {
  std::int64_t maxUlps = 0;
  double worst = 0;
  int identical = 0;
  int count = 0;
};

// Compares one function with the C library's at `perRange` arguments of each range.
Agreement Compare(const std::function<double(double)>& portable,
                  const std::function<double(double)>& library, const std::vector<Range>& ranges,
                  int perRange, std::mt19937_64& random) {
  Agreement agreement;
  for (const Range& range : ranges) {
    std::uniform_real_distribution<double> draw(range.low, range.high);
    for (int i = 0; i < perRange; ++i) {
      double x = draw(random);
      if (range.logarithmic) x = (random() & 1 ? 1 : -1) * std::exp(x);
      const double a = portable(x);
      const double b = library(x);
      ++agreement.count;
      if (SameBits(a, b)) {
        ++agreement.identical;
        continue;
      }
      const std::int64_t ulps = std::isnan(a) != std::isnan(b)
                                    ? std::numeric_limits<std::int64_t>::max()
                                    : std::abs(Ordinal(a) - Ordinal(b));
      if (ulps > agreement.maxUlps) {
        agreement.maxUlps = ulps;
        agreement.worst = x;
      }
    }
  }
  return agreement;
}

// The C library is within 1 ulp of the exact value for these functions; this implementation
// rounds the exact value almost always correctly. So they are at most 1 ulp apart, and identical
// where both round correctly. The figures are printed for the record.
TEST(PortableMath, AgreesWithTheCLibraryWithinOneUlp) {
  constexpr int kPerRange = 100000;
  std::mt19937_64 random(20261209);
  const double pi = 3.141592653589793;
  // Ranges the models and drawings use, then the whole range of each function.
  const struct {
    const char* name;
    std::function<double(double)> portable;
    std::function<double(double)> library;
    std::vector<Range> ranges;
  } sweeps[] = {
      {"Exp", Exp, [](double x) { return std::exp(x); }, {{-50, 50}, {-745.2, 709.8}}},
      {"Log",
       [](double x) { return Log(std::fabs(x)); },
       [](double x) { return std::log(std::fabs(x)); },
       {{-7, 10, true}, {-745, 709.7, true}}},
      {"Pow(10, x)",
       [](double x) { return Pow(10, x); },
       [](double x) { return std::pow(10, x); },
       {{-10, 10}, {-330, 310}}},
      {"Pow(x, 3)",
       [](double x) { return Pow(x, 3); },
       [](double x) { return std::pow(x, 3); },
       {{-100, 100}, {-240, 240, true}}},
      {"Pow(x, y)",
       [](double x) { return Pow(std::fabs(x), x * 1e-3); },
       [](double x) { return std::pow(std::fabs(x), x * 1e-3); },
       {{-5, 12, true}}},
      {"Sin",
       Sin,
       [](double x) { return std::sin(x); },
       {{-2 * pi, 2 * pi}, {-1e6, 1e6}, {-40, 709, true}}},
      {"Cos",
       Cos,
       [](double x) { return std::cos(x); },
       {{-2 * pi, 2 * pi}, {-1e6, 1e6}, {-40, 709, true}}},
      {"Hypot",
       [](double x) { return Hypot(x, 0.37 * x + 1000); },
       [](double x) { return std::hypot(x, 0.37 * x + 1000); },
       {{-1e4, 1e4}}},
      {"Hypot wide",
       [](double x) { return Hypot(x, 1 / x); },
       [](double x) { return std::hypot(x, 1 / x); },
       {{-700, 700, true}}},
      {"Atan2",
       [](double x) { return Atan2(std::fmod(x * 1e3, 1e4), x); },
       [](double x) { return std::atan2(std::fmod(x * 1e3, 1e4), x); },
       {{-1e4, 1e4}}},
      {"Atan2 wide",
       [](double x) { return Atan2(1, x); },
       [](double x) { return std::atan2(1, x); },
       {{-700, 700, true}}},
  };
  for (const auto& sweep : sweeps) {
    const Agreement a = Compare(sweep.portable, sweep.library, sweep.ranges, kPerRange, random);
    std::printf("%-12s %7d arguments: %7d identical, max %lld ulp apart\n", sweep.name, a.count,
                a.identical, static_cast<long long>(a.maxUlps));
    EXPECT_LE(a.maxUlps, 1) << sweep.name << " at " << a.worst;
    // Both round correctly in all but a few cases in a thousand.
    EXPECT_GE(a.identical, a.count * 0.99) << sweep.name;
  }
}

// A square root is correctly rounded everywhere; so is Pow(x, 0.5) but for the rarest cases.
TEST(PortableMath, SquareRootAsAPower) {
  std::mt19937_64 random(7);
  std::uniform_real_distribution<double> exponent(-700, 700);
  int differing = 0;
  for (int i = 0; i < 100000; ++i) {
    const double x = std::exp(exponent(random));
    if (!SameBits(Pow(x, 0.5), std::sqrt(x))) ++differing;
  }
  EXPECT_EQ(differing, 0);
}

// Arguments from a linear congruential sequence (no library function involved): uniform in a
// range, or any bit pattern at all (every magnitude, subnormals, infinities, NaNs).
class Arguments {
 public:
  double uniform(double low, double high) {
    return low + (high - low) * static_cast<double>(next() >> 11) * 0x1p-53;
  }
  double anyDouble() {
    const std::uint64_t bits = next();
    double x = 0;
    std::memcpy(&x, &bits, sizeof x);
    return x;
  }

 private:
  std::uint64_t next() {
    state_ = state_ * 6364136223846793005U + 1442695040888963407U;
    return state_;
  }
  std::uint64_t state_ = 12345;
};

// The same bits on every build: an FNV-1a digest of 320,000 results. The value is what g++ -O0,
// -O2 and -O3 -march=haswell (fused multiply-add available), clang++ and em++ (WebAssembly under
// Node, with its own C library) all give; a build whose arithmetic differs changes it.
TEST(PortableMath, SameBitsOnEveryBuild) {
  Arguments arguments;
  std::uint64_t digest = 1469598103934665603U;
  auto mix = [&digest](double value) {
    std::uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    for (int i = 0; i < 8; ++i) {
      digest ^= (bits >> (8 * i)) & 255;
      digest *= 1099511628211U;
    }
  };
  for (int i = 0; i < 20000; ++i) {
    const double a = arguments.uniform(-50, 50);
    const double b = arguments.uniform(-7, 7);
    const double c = arguments.anyDouble();
    const double d = arguments.anyDouble();
    for (double value :
         {Exp(a), Exp(c), Log(a * a), Log(c), Pow(10, b), Pow(c, d), Pow(a, 3), Pow(-a, b), Sin(a),
          Cos(a), Sin(c), Cos(d), Hypot(a, b), Hypot(c, d), Atan2(a, b), Atan2(c, d)}) {
      mix(value);
    }
  }
  EXPECT_EQ(digest, 0x3bea9f8bfaa8318cU);
}

}  // namespace
}  // namespace sylvandra
