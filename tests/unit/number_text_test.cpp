#include "platform/number_text.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <limits>
#include <random>
#include <string>

namespace sylvandra {
namespace {

double FromBits(std::uint64_t bits) {
  double value;
  std::memcpy(&value, &bits, sizeof value);
  return value;
}

std::uint64_t BitsOf(double value) {
  std::uint64_t bits;
  std::memcpy(&bits, &value, sizeof bits);
  return bits;
}

// The standard library's shortest text and reading, where it has them, are the reference.
std::string ReferenceShortest(double value) {
  char text[64];
  const auto result = std::to_chars(text, text + sizeof text, value);
  return std::string(text, result.ptr);
}

struct Reading {
  std::uint64_t bits = 0;
  std::size_t length = 0;
  std::errc error{};
};

Reading ReferenceRead(const std::string& text) {
  double value = 0.5;
  const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
  return {BitsOf(value), static_cast<std::size_t>(result.ptr - text.data()), result.ec};
}

Reading OurRead(const std::string& text) {
  double value = 0.5;
  const NumberReading reading = ReadNumber(text, value);
  return {BitsOf(value), reading.length, reading.error};
}

// Checks the text written for a value against the reference and the reading of that text back.
void ExpectShortestAsReference(double value) {
  const std::string ours = WriteShortest(value);
  ASSERT_EQ(ours, ReferenceShortest(value)) << "bits " << BitsOf(value);
  double back = 0;
  ASSERT_EQ(ReadNumber(ours, back).error, std::errc()) << ours;
  ASSERT_EQ(BitsOf(back), BitsOf(value)) << ours;
}

void ExpectReadAsReference(const std::string& text) {
  const Reading ours = OurRead(text), reference = ReferenceRead(text);
  ASSERT_EQ(ours.error, reference.error) << text;
  ASSERT_EQ(ours.length, reference.length) << text;
  ASSERT_EQ(ours.bits, reference.bits) << text;
}

std::string ReferenceRounded(double value, const char* format, int precision) {
  char text[512];
  std::snprintf(text, sizeof text, format, precision, value);
  return text;
}

// Whole numbers take a shorter road: every power of ten times 1..99 either sign, and the
// numbers around each power of two up to 2^53, are written as the standard library writes them
// ("1e+05" for 100000, "120000" for 120000: fixed is no longer than "1.2e+05").
TEST(NumberTextTest, WholeNumbersWriteAsTheStandardLibraryDoes) {
  for (double power = 1; power < 1e17; power *= 10) {
    for (int leading = 1; leading < 100; ++leading) {
      ExpectShortestAsReference(leading * power);
      ExpectShortestAsReference(-leading * power);
      ExpectShortestAsReference(leading * power + 1);
    }
  }
  for (double power = 1; power <= 9007199254740992.0 * 4; power *= 2) {
    for (double offset : {-1.0, 0.0, 1.0}) ExpectShortestAsReference(power + offset);
  }
}

TEST(NumberTextTest, EdgeValuesWriteAndReadAsTheStandardLibraryDoes) {
  struct Case {
    double value;
    const char* shortest;  // the standard library's text, written out to show the form
  };
  const double smallestSubnormal = std::numeric_limits<double>::denorm_min();
  const Case cases[] = {
      {0.0, "0"},
      {-0.0, "-0"},
      {0.1, "0.1"},
      {0.1 + 0.2, "0.30000000000000004"},  // one gap above 0.3
      {2530.231451445842, "2530.231451445842"},
      {100, "100"},    // "100" is shorter than "1e+02"
      {1e6, "1e+06"},  // "1e+06" (5) is shorter than "1000000" (7)
      {123456, "123456"},
      {1e22, "1e+22"},
      {1e23, "1e+23"},  // the double nearest 1e23 lies below it; 1e23 still reads back
      {1.5e-7, "1.5e-07"},
      {0.0001, "1e-04"},   // "1e-04" (5) is shorter than "0.0001" (6)
      {5e-324, "5e-324"},  // the smallest subnormal
      {std::numeric_limits<double>::min(), "2.2250738585072014e-308"},
      {std::numeric_limits<double>::max(), "1.7976931348623157e+308"},
      {9007199254740993.0, "9007199254740992"},        // 2^53 + 1 rounds to 2^53
      {1152921504606846976.0, "1152921504606846976"},  // 2^60: fixed is shorter, exact digits
      {-2.5e20, "-2.5e+20"},
      {1.0 / 3.0, "0.3333333333333333"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.shortest);
    EXPECT_EQ(ReferenceShortest(c.value), c.shortest);
    ExpectShortestAsReference(c.value);
  }
  EXPECT_EQ(WriteShortest(smallestSubnormal * 3), ReferenceShortest(smallestSubnormal * 3));
  EXPECT_EQ(WriteShortest(std::numeric_limits<double>::infinity()), "inf");
  EXPECT_EQ(WriteShortest(-std::numeric_limits<double>::infinity()), "-inf");

  const char* texts[] = {
      "0",
      "-0",
      "0.5",
      ".5",
      "5.",
      "-.5",
      "1e5",
      "1E+05",
      "1e",
      "1e+",
      "2.5e-3x",
      "+1",
      "abc",
      "",
      "-",
      ".",
      "inf",
      "-Infinity",
      "nan",
      "nan(123)",
      "1e400",
      "-1e400",
      "1e-400",
      "2.4703282292062327e-324",  // just under half the smallest subnormal: rounds to 0
      "2.4703282292062328e-324",  // just over: the smallest subnormal
      "4.9406564584124654e-324",
      "2.2250738585072011e-308",  // the largest subnormal
      "1.7976931348623157e308",
      "1.7976931348623158e308",
      "1.7976931348623159e308",  // past the halfway point above the largest double
      "9007199254740993",        // halfway between 2^53 and 2^53 + 2: to the even mantissa
      "9007199254740995",        // halfway between 2^53 + 2 and 2^53 + 4: up to the even one
      "9007199254740993.0000000000000000000000000000000000000000000000001",
      "0.30000000000000004",
      "123456789012345678901234567890",
      "1e23",
      "8.5e-5",
      "0.000001e6",
      "00000000000000000000000000123.4500000000000000000000e-2",
      "1e-320",
      "12abc",
      "0,5",
      "3.14159 ",
      "1d5",
  };
  for (const char* text : texts) ExpectReadAsReference(text);
  // A very long text: 1 followed by 1000 zeros and a 1, scaled down to about 1.
  ExpectReadAsReference("1." + std::string(1000, '0') + "1");
  ExpectReadAsReference("0." + std::string(400, '0') + "1e400");
  ExpectReadAsReference("9007199254740993" + std::string(900, '0') + "1e-900");

  struct Rounded {
    double value;
    const char* format;
    int precision;
  };
  const Rounded rounded[] = {
      {0.125, "%.*e", 1},  // 1.25 exactly: a tie, to the even 1.2e-01
      {0.375, "%.*e", 1},  // 3.75 exactly: a tie, to the even 3.8e-01
      {2.5, "%.*g", 1},    // "2": a tie, to even
      {0.0, "%.*e", 14},   // 0.00000000000000e+00
      {-0.0, "%.*g", 7},   // "-0"
      {1e15, "%.*G", 15},  // "1E+15": the exponent 15 is not below the precision
      {123456789012345.0, "%.*G", 15},
      {0.0001, "%.*G", 15},   // "0.0001": exponent -4 is fixed
      {0.00001, "%.*G", 15},  // "1E-05"
      {2.79f, "%.*g", 7},     // a float's digits: 2.790000
      {999999.5, "%.*G", 6},  // rounds up to 1E+06
      {5e-324, "%.*e", 20},
      {1.7976931348623157e308, "%.*G", 17},
  };
  for (const Rounded& r : rounded) {
    const bool exponent = r.format[3] == 'e';
    const bool upper = r.format[3] == 'G';
    EXPECT_EQ(WriteRounded(r.value, exponent ? RoundedStyle::Exponent : RoundedStyle::General,
                           r.precision, upper),
              ReferenceRounded(r.value, r.format, r.precision))
        << r.format << " " << r.precision;
  }
}

TEST(NumberTextTest, RandomValuesAndTextsMatchTheStandardLibraryBitForBit) {
  std::mt19937_64 random(20261209);
  // Any bit pattern: every exponent, subnormals included.
  for (int i = 0; i < 100000; ++i) {
    const double value = FromBits(random());
    if (value != value || value - value != 0) continue;  // infinities and NaNs
    ExpectShortestAsReference(value);
  }
  // Values of the size the models print, and results of arithmetic on short decimals.
  std::uniform_real_distribution<double> unit(0, 1);
  for (int i = 0; i < 50000; ++i) {
    const double value =
        (unit(random) - 0.5) * std::pow(10.0, static_cast<int>(random() % 24) - 12);
    ExpectShortestAsReference(value);
    ExpectShortestAsReference(static_cast<double>(static_cast<float>(value)));
    const int precision = static_cast<int>(random() % 20);
    ASSERT_EQ(WriteRounded(value, RoundedStyle::Exponent, precision),
              ReferenceRounded(value, "%.*e", precision));
    ASSERT_EQ(WriteRounded(value, RoundedStyle::General, precision, true),
              ReferenceRounded(value, "%.*G", precision));
  }
  // Decimal texts: 1 to 40 digits, a point somewhere, an exponent over the whole range.
  for (int i = 0; i < 50000; ++i) {
    std::string text = random() % 4 == 0 ? "-" : "";
    const int digits = 1 + static_cast<int>(random() % 40);
    const int point = static_cast<int>(random() % (digits + 1));
    for (int d = 0; d < digits; ++d) {
      if (d == point) text += '.';
      text += static_cast<char>('0' + random() % 10);
    }
    if (random() % 2 == 0) text += "e" + std::to_string(static_cast<int>(random() % 700) - 350);
    ExpectReadAsReference(text);
  }
  // Halfway points between neighbouring doubles, written out exactly: the ties.
  for (int i = 0; i < 2000; ++i) {
    const double low = FromBits(random() % (std::uint64_t{0x7FE} << 52));
    // x86's long double holds the halfway point exactly; %Le writes all its digits.
    const long double halfway = (static_cast<long double>(low) + std::nextafter(low, 2.0)) / 2;
    char text[1200];
    std::snprintf(text, sizeof text, "%.1100Le", halfway);
    ExpectReadAsReference(text);
    ExpectReadAsReference(WriteRounded(low, RoundedStyle::Exponent, 1100));
  }
}

}  // namespace
}  // namespace sylvandra
