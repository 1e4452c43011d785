#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "platform/runtime_failure.h"
#include "plot/utils.h"

namespace sylvandra {
namespace {

TEST(TruncDecTest, RoundsTowardsMinusInfinityAtTheGivenPlace) {
  EXPECT_DOUBLE_EQ(TruncDec(2.6789, 2), 2.67);
  EXPECT_DOUBLE_EQ(TruncDec(-2.6789, 2), -2.68);
  EXPECT_EQ(TruncDec(-0.5, 0), -1);
  EXPECT_EQ(TruncDec(7.999, 0), 7);
  // Negative places cut to tens, hundreds, ...
  EXPECT_DOUBLE_EQ(TruncDec(1234.5, -2), 1200);
}

TEST(FixedWidthTest, CutsTheStrTextWithoutRounding) {
  EXPECT_EQ(Fmt5(3.14159), " 3.14 ");
  EXPECT_EQ(Fmt5(3.14999), " 3.14 ");
  EXPECT_EQ(Fmt5(7), "    7 ");
  EXPECT_EQ(Fmt6(-0.5), "   -.5 ");
  EXPECT_EQ(Fmt5(123456), " 1234 ");
  EXPECT_EQ(Fmt5(-123456), "-1234 ");
  EXPECT_EQ(Fmt7(1234567.89), " 123456 ");
  EXPECT_EQ(Fmt7b(1234567.89), " 123456 ");
  EXPECT_EQ(Fmt6(0), "     0 ");
  EXPECT_EQ(Fmt6(0.25), "   .25 ");
}

TEST(FixedWidthTest, ExponentFormsAreCutLikeAnyText) {
  EXPECT_EQ(Fmt5(0.00000015), " 1.5E ");
  EXPECT_EQ(Fmt7(0.00000015), " 1.5E-0 ");
  EXPECT_EQ(Fmt7(1e20), "  1E+20 ");
  EXPECT_EQ(Fmt6(-2.5e-12), "-2.5E- ");
}

TEST(FixedWidthTest, EveryResultIsTheFieldWidthPlusOneBlank) {
  const double values[] = {0,      1,       -1,         0.5,     -0.5,     3.14159, -3.14159,
                           99999,  100000,  -99999.99,  1e-7,    -1e-7,    1e15,    -1e300,
                           2.5e-5, 123.456, 1234567.89, 1.0 / 3, -2.0 / 3, 42};
  for (double v : values) {
    EXPECT_EQ(Fmt5(v).size(), 6u) << v;
    EXPECT_EQ(Fmt6(v).size(), 7u) << v;
    EXPECT_EQ(Fmt7(v).size(), 8u) << v;
    EXPECT_EQ(Fmt7b(v).size(), 8u) << v;
    EXPECT_EQ(Fmt7(v).back(), ' ') << v;
  }
}

TEST(FixedWidthTest, NonFiniteNumbersAreAFailureNotText) {
  EXPECT_THROW(Fmt5(std::numeric_limits<double>::infinity()), RuntimeFailure);
  EXPECT_THROW(Fmt7(std::nan("")), RuntimeFailure);
}

TEST(Log10Test, IsTheCommonLogarithm) {
  EXPECT_DOUBLE_EQ(Log10(1000), 3);
  EXPECT_DOUBLE_EQ(Log10(0.01), -2);
  EXPECT_EQ(Log10(1), 0);
  EXPECT_NEAR(Log10(2), 0.30102999566398, 1e-14);
}

TEST(Log10Test, ZeroOrNegativeIsAFailureNamingTheNumber) {
  try {
    Log10(0);
    FAIL() << "Log10(0) returned";
  } catch (const RuntimeFailure& failure) {
    EXPECT_NE(std::string(failure.what()).find("logarithm of 0"), std::string::npos)
        << failure.what();
  }
  try {
    Log10(-2.5);
    FAIL() << "Log10(-2.5) returned";
  } catch (const RuntimeFailure& failure) {
    EXPECT_NE(std::string(failure.what()).find("-2.5"), std::string::npos) << failure.what();
  }
  EXPECT_THROW(Log10(std::nan("")), RuntimeFailure);
  EXPECT_THROW(Log10(-std::numeric_limits<double>::infinity()), RuntimeFailure);
}

TEST(MaxMinTest, PickTheLargerAndTheSmaller) {
  EXPECT_EQ(MaxOf(3, -4), 3);
  EXPECT_EQ(MaxOf(-4, 3), 3);
  EXPECT_EQ(MinOf(3, -4), -4);
  EXPECT_EQ(MinOf(-4, 3), -4);
  EXPECT_EQ(MaxOf(2.5, 2.5), 2.5);
  EXPECT_EQ(MinOf(2.5, 2.5), 2.5);
}

}  // namespace
}  // namespace sylvandra
