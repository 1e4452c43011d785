#include "platform/portable_math.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <utility>

namespace sylvandra {
namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// A number carried as the unevaluated sum hi + lo, |lo| at most half an ulp of hi: about 106
// significant bits.
struct DoubleDouble {
  double hi;
  double lo;
};

// a + b exactly.
DoubleDouble TwoSum(double a, double b) {
  const double sum = a + b;
  const double bPart = sum - a;
  return {sum, (a - (sum - bPart)) + (b - bPart)};
}

// a + b exactly, when |a| >= |b|.
DoubleDouble FastTwoSum(double a, double b) {
  const double sum = a + b;
  return {sum, b - (sum - a)};
}

// a as two halves of 26 bits each, whose products are exact (|a| below 2^995).
DoubleDouble Split(double a) {
  const double scaled = 134217729.0 * a;  // 2^27 + 1
  const double hi = scaled - (scaled - a);
  return {hi, a - hi};
}

// a * b exactly, without fused multiply-add.
DoubleDouble TwoProduct(double a, double b) {
  const double product = a * b;
  const DoubleDouble as = Split(a);
  const DoubleDouble bs = Split(b);
  return {product, ((as.hi * bs.hi - product) + as.hi * bs.lo + as.lo * bs.hi) + as.lo * bs.lo};
}

DoubleDouble Negate(DoubleDouble a) {
  return {-a.hi, -a.lo};
}

DoubleDouble Add(DoubleDouble a, DoubleDouble b) {
  DoubleDouble sum = TwoSum(a.hi, b.hi);
  const DoubleDouble low = TwoSum(a.lo, b.lo);
  sum = FastTwoSum(sum.hi, sum.lo + low.hi);
  return FastTwoSum(sum.hi, sum.lo + low.lo);
}

DoubleDouble Multiply(DoubleDouble a, DoubleDouble b) {
  const DoubleDouble product = TwoProduct(a.hi, b.hi);
  return FastTwoSum(product.hi, product.lo + (a.hi * b.lo + a.lo * b.hi));
}

DoubleDouble Divide(DoubleDouble a, DoubleDouble b) {
  const double q1 = a.hi / b.hi;
  DoubleDouble rest = Add(a, Negate(Multiply(b, {q1, 0})));
  const double q2 = rest.hi / b.hi;
  rest = Add(rest, Negate(Multiply(b, {q2, 0})));
  const double q3 = rest.hi / b.hi;
  return Add(FastTwoSum(q1, q2), {q3, 0});
}

double Rounded(DoubleDouble a) {
  return a.hi + a.lo;
}

// 2^n for -1022 <= n <= 1023, exact.
double PowerOfTwo(int n) {
  return std::ldexp(1.0, n);
}

// x 2^n by multiplications with exact powers of two, so that a result below the normal range is
// rounded once, the same way everywhere (x between 2^-50 and 2^50).
double Scale(double x, int n) {
  while (n > 1023) {
    x *= PowerOfTwo(1023);
    n -= 1023;
  }
  while (n < -1022) {
    x *= PowerOfTwo(-969);
    n += 969;
  }
  return x * PowerOfTwo(n);
}

// sum head[i] x^i + x^H sum tail[j] x^j: the small high-order terms in plain doubles.
template <std::size_t H, std::size_t T>
DoubleDouble Series(DoubleDouble x, const DoubleDouble (&head)[H], const double (&tail)[T]) {
  double tailSum = tail[T - 1];
  for (std::size_t i = T - 1; i-- > 0;) tailSum = tail[i] + x.hi * tailSum;
  DoubleDouble sum = {tailSum, 0};
  for (std::size_t i = H; i-- > 0;) sum = Add(head[i], Multiply(x, sum));
  return sum;
}

// (e^s - 1) / s = sum s^j / (j + 1)!
constexpr DoubleDouble kExpHead[] = {{0x1.0000000000000p+0, 0x0.0p+0},
                                     {0x1.0000000000000p-1, 0x0.0p+0},
                                     {0x1.5555555555555p-3, 0x1.5555555555555p-57},
                                     {0x1.5555555555555p-5, 0x1.5555555555555p-59}};
constexpr double kExpTail[] = {0x1.1111111111111p-7,  0x1.6c16c16c16c17p-10, 0x1.a01a01a01a01ap-13,
                               0x1.a01a01a01a01ap-16, 0x1.71de3a556c734p-19, 0x1.27e4fb7789f5cp-22};
// sin(r) / r = sum (-z)^k / (2k + 1)!, z = r^2
constexpr DoubleDouble kSinHead[] = {{0x1.0000000000000p+0, 0x0.0p+0},
                                     {-0x1.5555555555555p-3, -0x1.5555555555555p-57},
                                     {0x1.1111111111111p-7, 0x1.1111111111111p-63},
                                     {-0x1.a01a01a01a01ap-13, -0x1.a01a01a01a01ap-73},
                                     {0x1.71de3a556c734p-19, -0x1.c154f8ddc6c00p-73},
                                     {-0x1.ae64567f544e4p-26, 0x1.c062e06d1f209p-80},
                                     {0x1.6124613a86d09p-33, 0x1.f28e0cc748ebep-87},
                                     {-0x1.ae7f3e733b81fp-41, -0x1.1d8656b0ee8cbp-97}};
constexpr double kSinTail[] = {
    0x1.952c77030ad4ap-49, -0x1.2f49b46814157p-57, 0x1.71b8ef6dcf572p-66, -0x1.761b41316381ap-75,
    0x1.3f3ccdd165fa9p-84, -0x1.d1ab1c2dccea3p-94, 0x1.259f98b4358adp-103};
// cos(r) = sum (-z)^k / (2k)!
constexpr DoubleDouble kCosHead[] = {{0x1.0000000000000p+0, 0x0.0p+0},
                                     {-0x1.0000000000000p-1, 0x0.0p+0},
                                     {0x1.5555555555555p-5, 0x1.5555555555555p-59},
                                     {-0x1.6c16c16c16c17p-10, 0x1.f49f49f49f49fp-65},
                                     {0x1.a01a01a01a01ap-16, 0x1.a01a01a01a01ap-76},
                                     {-0x1.27e4fb7789f5cp-22, -0x1.cbbc05b4fa99ap-76},
                                     {0x1.1eed8eff8d898p-29, -0x1.2aec959e14c06p-83},
                                     {-0x1.93974a8c07c9dp-37, -0x1.05d6f8a2efd1fp-92},
                                     {0x1.ae7f3e733b81fp-45, 0x1.1d8656b0ee8cbp-101}};
constexpr double kCosTail[] = {
    -0x1.6827863b97d97p-53, 0x1.e542ba4020225p-62, -0x1.0ce396db7f853p-70, 0x1.f2cf01972f578p-80,
    -0x1.88e85fc6a4e5ap-89, 0x1.0a18a2635085dp-98, -0x1.3932c5047d60ep-108};
// atanh(s) / s = sum z^k / (2k + 1), z = s^2
constexpr DoubleDouble kLogHead[] = {{0x1.0000000000000p+0, 0x0.0p+0},
                                     {0x1.5555555555555p-2, 0x1.5555555555555p-56},
                                     {0x1.999999999999ap-3, -0x1.999999999999ap-57},
                                     {0x1.2492492492492p-3, 0x1.2492492492492p-57},
                                     {0x1.c71c71c71c71cp-4, 0x1.c71c71c71c71cp-58},
                                     {0x1.745d1745d1746p-4, -0x1.745d1745d1746p-59},
                                     {0x1.3b13b13b13b14p-4, -0x1.3b13b13b13b14p-58},
                                     {0x1.1111111111111p-4, 0x1.1111111111111p-60},
                                     {0x1.e1e1e1e1e1e1ep-5, 0x1.e1e1e1e1e1e1ep-61}};
constexpr double kLogTail[] = {0x1.af286bca1af28p-5, 0x1.8618618618618p-5, 0x1.642c8590b2164p-5,
                               0x1.47ae147ae147bp-5, 0x1.2f684bda12f68p-5, 0x1.1a7b9611a7b96p-5,
                               0x1.0842108421084p-5, 0x1.f07c1f07c1f08p-6, 0x1.d41d41d41d41dp-6,
                               0x1.bacf914c1bad0p-6, 0x1.a41a41a41a41ap-6, 0x1.8f9c18f9c18fap-6,
                               0x1.7d05f417d05f4p-6};
// atan(t) / t = sum (-z)^k / (2k + 1), z = t^2, for t below 2^-9
constexpr DoubleDouble kAtanHead[] = {{0x1.0000000000000p+0, 0x0.0p+0},
                                      {-0x1.5555555555555p-2, -0x1.5555555555555p-56},
                                      {0x1.999999999999ap-3, -0x1.999999999999ap-57},
                                      {-0x1.2492492492492p-3, -0x1.2492492492492p-57}};
constexpr double kAtanTail[] = {0x1.c71c71c71c71cp-4, -0x1.745d1745d1746p-4, 0x1.3b13b13b13b14p-4,
                                -0x1.1111111111111p-4};

// ln 2 in three parts; the first two have 42 bits, so their products with an exponent of at
// most 11 bits are exact.
constexpr double kLn2Part1 = 0x1.62e42fefa3800p-1;
constexpr double kLn2Part2 = 0x1.ef35793c76800p-45;
constexpr double kLn2Part3 = -0x1.9ff0342542fc3p-90;
constexpr double kInverseLn2 = 0x1.71547652b82fep+0;
constexpr double kSqrtHalf = 0x1.6a09e667f3bcdp-1;
constexpr DoubleDouble kPi = {0x1.921fb54442d18p+1, 0x1.1a62633145c07p-53};
constexpr DoubleDouble kHalfPi = {0x1.921fb54442d18p+0, 0x1.1a62633145c07p-54};
constexpr double kQuarterPi = 0x1.921fb54442d18p-1;
constexpr double kThreeQuarterPi = 0x1.2d97c7f3321d2p+1;

struct Scaled {
  DoubleDouble mantissa;
  int exponent;
};

// exp(x) for |x.hi| at most 746, as mantissa 2^exponent: x = k ln 2 + r, |r| <= ln2 / 2, and
// e^r = (e^(r/256))^256, the series taken at r/256.
Scaled ExpKernel(DoubleDouble x) {
  const double k = std::round(x.hi * kInverseLn2);
  // x.hi - k ln2_1 is exact: both are within a factor 2 of each other, or k is 0.
  DoubleDouble r = TwoSum(x.hi - k * kLn2Part1, -k * kLn2Part2);
  r = Add(r, TwoProduct(-k, kLn2Part3));
  r = Add(r, {x.lo, 0});
  const DoubleDouble s = {r.hi * 0x1p-8, r.lo * 0x1p-8};
  DoubleDouble expM1 = Multiply(s, Series(s, kExpHead, kExpTail));
  for (int i = 0; i < 8; ++i) expM1 = Multiply(expM1, Add({2, 0}, expM1));
  return {Add({1, 0}, expM1), static_cast<int>(k)};
}

// log x for a positive finite x: x = m 2^e with m in [sqrt(1/2), sqrt(2)), log m = 2 atanh(s),
// s = (m - 1) / (m + 1).
DoubleDouble LogKernel(double x) {
  int exponent = 0;
  double m = std::frexp(x, &exponent);
  if (m < kSqrtHalf) {
    m *= 2;
    exponent -= 1;
  }
  const DoubleDouble s = Divide({m - 1, 0}, TwoSum(m, 1));
  const DoubleDouble logM =
      Multiply({2 * s.hi, 2 * s.lo}, Series(Multiply(s, s), kLogHead, kLogTail));
  const double e = exponent;
  const DoubleDouble eLn2 = Add(TwoSum(e * kLn2Part1, e * kLn2Part2), TwoProduct(e, kLn2Part3));
  return Add(eLn2, logM);
}

// The bits of 2/pi, 32 to a word, most significant first: enough for every double's reduction.
constexpr std::uint32_t kTwoOverPi[] = {
    0xA2F9836E, 0x4E441529, 0xFC2757D1, 0xF534DDC0, 0xDB629599, 0x3C439041, 0xFE5163AB, 0xDEBBC561,
    0xB7246E3A, 0x424DD2E0, 0x06492EEA, 0x09D1921C, 0xFE1DEB1C, 0xB129A73E, 0xE88235F5, 0x2EBB4484,
    0xE99C7026, 0xB45F7E41, 0x3991D639, 0x835339F4, 0x9C845F8B, 0xBDF9283B, 0x1FF897FF, 0xDE05980F,
    0xEF2F118B, 0x5A0A6D1F, 0x6D367ECF, 0x27CB09B7, 0x4F463F66, 0x9E5FEA2D, 0x7527BAC7, 0xEBE5F17B,
    0x3D0739F7, 0x8A5292EA, 0x6BFB5FB1, 0x1F8D5D08, 0x56033046, 0xFC7B6BAB, 0xF0CFBC20, 0x9AF4361D};
constexpr int kReductionWords = 8;

// Bits position .. position + 31 of the little-endian number in words (zeros below bit 0).
std::uint64_t Bits32(const std::uint32_t* words, int count, int position) {
  if (position < 0) {
    return position <= -32 ? 0 : (Bits32(words, count, 0) << -position) & 0xffffffffU;
  }
  const int word = position / 32;
  const std::uint64_t low = word < count ? words[word] : 0;
  const std::uint64_t high = word + 1 < count ? words[word + 1] : 0;
  return ((high << 32 | low) >> (position % 32)) & 0xffffffffU;
}

// x = quadrant pi/2 + r, |r| at most about pi/4.
struct Reduced {
  DoubleDouble r;
  int quadrant;
};

// Exact reduction of any finite x: x 2/pi is formed in integers from x's 53-bit mantissa and the
// words of 2/pi that matter (those giving multiples of 4 are skipped), and the fraction is
// taken with 192 bits, more than the closest any double comes to a multiple of pi/2 needs.
Reduced ReduceByHalfPi(double x) {
  if (std::fabs(x) <= kQuarterPi) return {{x, 0}, 0};
  int binaryExponent = 0;
  const double fraction = std::frexp(std::fabs(x), &binaryExponent);
  const auto mantissa = static_cast<std::uint64_t>(std::ldexp(fraction, 53));
  const int e = binaryExponent - 53;  // |x| = mantissa 2^e
  const int first = e >= 2 ? (e - 2) / 32 : 0;
  std::uint32_t product[kReductionWords + 2] = {};
  for (int half = 0; half < 2; ++half) {
    const std::uint64_t factor = half == 0 ? mantissa & 0xffffffffU : mantissa >> 32;
    std::uint64_t carry = 0;
    for (int j = 0; j < kReductionWords; ++j) {
      const std::uint64_t word = kTwoOverPi[first + kReductionWords - 1 - j];
      const std::uint64_t t = factor * word + product[j + half] + carry;
      product[j + half] = static_cast<std::uint32_t>(t);
      carry = t >> 32;
    }
    product[kReductionWords + half] = static_cast<std::uint32_t>(carry);
  }
  // |x| 2/pi = product 2^-point (mod 4)
  const int point = 32 * (first + kReductionWords) - e;
  const int count = kReductionWords + 2;
  int quadrant = static_cast<int>(Bits32(product, count, point) & 3);
  DoubleDouble f = {0, 0};
  for (int j = 5; j >= 0; --j) {
    const double chunk = static_cast<double>(Bits32(product, count, point - 32 * (j + 1)));
    f = Add(f, {chunk * PowerOfTwo(-32 * (j + 1)), 0});
  }
  if (f.hi >= 0.5) {
    quadrant += 1;
    f = Add(f, {-1, 0});
  }
  DoubleDouble r = Multiply(f, kHalfPi);
  if (x < 0) {
    r = Negate(r);
    quadrant = -quadrant;
  }
  return {r, quadrant & 3};
}

DoubleDouble SinKernel(DoubleDouble r) {
  return Multiply(r, Series(Multiply(r, r), kSinHead, kSinTail));
}

DoubleDouble CosKernel(DoubleDouble r) {
  return Series(Multiply(r, r), kCosHead, kCosTail);
}

// atan t for t in [0, 1] to about 2^-49, from three halvings of the angle,
// atan t = 2 atan(t / (1 + sqrt(1 + t^2))), and the series.
double AtanEstimate(double t) {
  for (int i = 0; i < 3; ++i) t = t / (1 + std::sqrt(1 + t * t));
  const double z = t * t;
  double sum = kLogHead[8].hi;
  for (int k = 7; k >= 0; --k) sum = kLogHead[k].hi - z * sum;
  return 8 * t * sum;
}

// atan(small / large) for 0 < small <= large, both in [2^-12, 2]: the estimate a0 corrected by
// the angle between (large, small) and the direction a0, whose tangent is
// (small cos a0 - large sin a0) / (large cos a0 + small sin a0).
DoubleDouble AtanOfRatio(double small, double large) {
  const double estimate = AtanEstimate(small / large);
  const DoubleDouble c = CosKernel({estimate, 0});
  const DoubleDouble s = SinKernel({estimate, 0});
  const DoubleDouble across = Add(Multiply({small, 0}, c), Negate(Multiply({large, 0}, s)));
  const double along = large * c.hi + small * s.hi;
  return Add(TwoSum(estimate, across.hi / along), {across.lo / along, 0});
}

// atan(small / large) when small is below 2^-9 large: the series.
DoubleDouble AtanOfSmallRatio(double small, double large) {
  const DoubleDouble t = Divide({small, 0}, {large, 0});
  return Multiply(t, Series(Multiply(t, t), kAtanHead, kAtanTail));
}

}  // namespace

double Exp(double x) {
  if (std::isnan(x)) return x;
  if (x > 709.79) return kInfinity;  // above log of the largest double
  if (x < -745.2) return 0;          // below log of half the least subnormal
  if (std::fabs(x) < 0x1p-54) return 1 + x;
  const Scaled result = ExpKernel({x, 0});
  return Scale(Rounded(result.mantissa), result.exponent);
}

double Log(double x) {
  if (std::isnan(x)) return x;
  if (x < 0) return kNaN;
  if (x == 0) return -kInfinity;
  if (x == kInfinity) return x;
  if (x == 1) return 0;
  return Rounded(LogKernel(x));
}

double Pow(double base, double exponent) {
  if (exponent == 0 || base == 1) return 1;
  if (std::isnan(base) || std::isnan(exponent)) return kNaN;
  const double magnitude = std::fabs(base);
  if (std::isinf(exponent)) {
    if (magnitude == 1) return 1;
    return (magnitude < 1) == (exponent < 0) ? kInfinity : 0;
  }
  const bool integral = std::floor(exponent) == exponent;
  const bool odd = integral && std::fabs(exponent) < 0x1p53 && std::fmod(exponent, 2) != 0;
  const double oddSign = odd ? std::copysign(1.0, base) : 1.0;
  if (base == 0 || std::isinf(base)) {
    // 0 and infinity raised to a power are 0 or infinity, carrying the base's sign when the
    // exponent is an odd integer.
    const bool large = (base == 0) == (exponent < 0);
    return oddSign * (large ? kInfinity : 0.0);
  }
  if (base < 0 && !integral) return kNaN;
  const DoubleDouble logBase = LogKernel(magnitude);
  const double estimate = exponent * logBase.hi;
  if (estimate > 709.79) return oddSign * kInfinity;
  if (estimate < -745.2) return oddSign * 0.0;
  // |exponent| is below 2^995 here, as |log base| is at least 2^-53.
  const DoubleDouble power = Add(TwoProduct(exponent, logBase.hi), {exponent * logBase.lo, 0});
  const Scaled result = ExpKernel(power);
  return oddSign * Scale(Rounded(result.mantissa), result.exponent);
}

double Sin(double x) {
  if (!std::isfinite(x)) return x - x;
  if (std::fabs(x) < 0x1p-26) return x;  // sin x = x (1 - x^2/6) rounds to x
  const Reduced reduced = ReduceByHalfPi(x);
  switch (reduced.quadrant) {
    case 0:
      return Rounded(SinKernel(reduced.r));
    case 1:
      return Rounded(CosKernel(reduced.r));
    case 2:
      return -Rounded(SinKernel(reduced.r));
    default:
      return -Rounded(CosKernel(reduced.r));
  }
}

double Cos(double x) {
  if (!std::isfinite(x)) return x - x;
  if (std::fabs(x) < 0x1p-27) return 1;  // cos x = 1 - x^2/2 rounds to 1
  const Reduced reduced = ReduceByHalfPi(x);
  switch (reduced.quadrant) {
    case 0:
      return Rounded(CosKernel(reduced.r));
    case 1:
      return -Rounded(SinKernel(reduced.r));
    case 2:
      return -Rounded(CosKernel(reduced.r));
    default:
      return Rounded(SinKernel(reduced.r));
  }
}

double Hypot(double x, double y) {
  if (std::isinf(x) || std::isinf(y)) return kInfinity;
  if (std::isnan(x) || std::isnan(y)) return kNaN;
  double a = std::fabs(x);
  double b = std::fabs(y);
  if (a < b) std::swap(a, b);
  if (b == 0) return a;
  const int exponent = std::ilogb(a);
  if (exponent - std::ilogb(b) > 60) return a + b;  // b^2 is below half an ulp of a^2
  // a scaled into [1, 2) and b with it, exactly.
  const double as = Scale(a, -exponent);
  const double bs = Scale(b, -exponent);
  const DoubleDouble sum = Add(TwoProduct(as, as), TwoProduct(bs, bs));
  const double root = std::sqrt(sum.hi);
  const DoubleDouble residual = Add(sum, Negate(TwoProduct(root, root)));
  return Scale(root + residual.hi / (2 * root), exponent);
}

double Atan2(double y, double x) {
  if (std::isnan(x) || std::isnan(y)) return kNaN;
  const bool leftward = std::signbit(x);
  if (y == 0) return std::copysign(leftward ? kPi.hi : 0.0, y);
  if (std::isinf(x)) {
    if (std::isinf(y)) return std::copysign(leftward ? kThreeQuarterPi : kQuarterPi, y);
    return std::copysign(leftward ? kPi.hi : 0.0, y);
  }
  if (x == 0 || std::isinf(y)) return std::copysign(kHalfPi.hi, y);
  double small = std::fabs(y);
  double large = std::fabs(x);
  const bool steep = small > large;
  if (steep) std::swap(small, large);
  const int gap = std::ilogb(large) - std::ilogb(small);
  DoubleDouble angle = {0, 0};  // atan(small / large), negligible beside pi/2 when gap > 1000
  if (gap > 1000) {
    if (!steep && !leftward) return std::copysign(small / large, y);  // atan t rounds as t
  } else {
    // Both scaled so that large is in [1, 2): exact, and small stays normal.
    const int exponent = std::ilogb(large);
    large = Scale(large, -exponent);
    small = Scale(small, -exponent);
    angle = gap > 10 ? AtanOfSmallRatio(small, large) : AtanOfRatio(small, large);
  }
  if (steep) angle = Add(kHalfPi, Negate(angle));
  if (leftward) angle = Add(kPi, Negate(angle));
  return std::copysign(Rounded(angle), y);
}

}  // namespace sylvandra
