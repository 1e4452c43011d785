#include "platform/conversions.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "platform/runtime_failure.h"

namespace sylvandra {
namespace {

TEST(StrTest, LeadingBlankAndNoZeroBeforeThePoint) {
  EXPECT_EQ(Str(0.39), " .39");
  EXPECT_EQ(Str(-0.5), "-.5");
  EXPECT_EQ(Str(7), " 7");
  EXPECT_EQ(Str(-12.25), "-12.25");
  EXPECT_EQ(Str(3.14159), " 3.14159");
  EXPECT_EQ(Str(0), " 0");
  EXPECT_EQ(Str(-0.0), " 0");
}

TEST(StrTest, FifteenSignificantDigitsHideBinaryNoise) {
  EXPECT_EQ(Str(0.1 + 0.2), " .3");
  EXPECT_EQ(Str(0.392 * 1.6 / 2.6), " .241230769230769");
  EXPECT_EQ(Str(123456789012345.0), " 123456789012345");
  EXPECT_EQ(Str(2.0 / 3.0), " .666666666666667");
}

TEST(StrTest, ExponentFormOutsideTheFixedRange) {
  EXPECT_EQ(Str(0.0001), " .0001");
  EXPECT_EQ(Str(0.00001), " 1E-05");
  EXPECT_EQ(Str(0.00000015), " 1.5E-07");
  EXPECT_EQ(Str(1e15), " 1E+15");
  EXPECT_EQ(Str(-2.5e20), "-2.5E+20");
  EXPECT_EQ(Str(1.5e-100), " 1.5E-100");
}

TEST(PlainTextTest, FieldTextHasZeroBeforeThePointAndNoBlank) {
  EXPECT_EQ(PlainText(0.392), "0.392");
  EXPECT_EQ(PlainText(-0.5), "-0.5");
  EXPECT_EQ(PlainText(15050), "15050");
  EXPECT_EQ(PlainText(28.9), "28.9");
  EXPECT_EQ(PlainText(25.9 - -3.0), "28.9");
  EXPECT_EQ(PlainText(0.392 * 1.6 / 2.6), "0.241230769230769");
  EXPECT_EQ(PlainText(1e-7), "1E-07");
  EXPECT_EQ(PlainText(-0.0), "0");
}

TEST(NonFiniteTest, NeverBecomesText) {
  const double inf = std::numeric_limits<double>::infinity();
  const double nan = std::numeric_limits<double>::quiet_NaN();
  EXPECT_THROW(Str(inf), RuntimeFailure);
  EXPECT_THROW(PlainText(-inf), RuntimeFailure);
  EXPECT_THROW(PlainText(nan), RuntimeFailure);
  EXPECT_THROW(Format(inf, "0.0"), RuntimeFailure);
  EXPECT_THROW(PrintText(nan), RuntimeFailure);
}

TEST(ValTest, ReadsTheLeadingNumber) {
  EXPECT_EQ(Val("12abc"), 12);
  EXPECT_EQ(Val("  -3.5e2x"), -350);
  EXPECT_EQ(Val(".5"), 0.5);
  EXPECT_EQ(Val("-.25"), -0.25);
  EXPECT_EQ(Val("+7"), 7);
  EXPECT_EQ(Val("1.2.3"), 1.2);
  EXPECT_EQ(Val("1e"), 1);
  EXPECT_EQ(Val("2E+3"), 2000);
  EXPECT_EQ(Val("1d2"), 100);
  EXPECT_EQ(Val("25.9"), 25.9);
}

TEST(ValTest, NoNumberReadsAsZero) {
  EXPECT_EQ(Val(""), 0);
  EXPECT_EQ(Val(" "), 0);
  EXPECT_EQ(Val("abc"), 0);
  EXPECT_EQ(Val("-"), 0);
  EXPECT_EQ(Val("- 5"), 0);
  EXPECT_EQ(Val("."), 0);
}

TEST(ValTest, OverflowIsAFailureAndUnderflowIsZero) {
  // Which way a number out of range lies follows from its digits and exponent together.
  EXPECT_THROW(Val("1e999"), RuntimeFailure);
  EXPECT_THROW(Val(std::string(400, '9')), RuntimeFailure);
  EXPECT_THROW(Val("1" + std::string(400, '0') + "e-10"), RuntimeFailure);
  EXPECT_THROW(Val("-0.001e312"), RuntimeFailure);
  EXPECT_EQ(Val("1e-999"), 0);
  EXPECT_EQ(Val("0." + std::string(400, '0') + "1"), 0);
  EXPECT_EQ(Val("-0.0001e-320"), 0);
  EXPECT_EQ(Val("1000e-330"), 0);
}

TEST(StrictNumberTest, WholeTextMustBeANumber) {
  EXPECT_EQ(StrictNumber("12", "PAR"), 12);
  EXPECT_EQ(StrictNumber(" 12 ", "PAR"), 12);
  EXPECT_EQ(StrictNumber("-.5", "PAR"), -0.5);
  EXPECT_EQ(StrictNumber("1e3", "PAR"), 1000);
  EXPECT_FALSE(ParseNumber("12abc"));
  EXPECT_FALSE(ParseNumber(""));
  EXPECT_FALSE(ParseNumber("1e"));
  EXPECT_FALSE(ParseNumber("1 2"));
}

TEST(StrictNumberTest, RefusalNamesTheFieldAndTheText) {
  try {
    StrictNumber("12abc", "Foliar N");
    FAIL() << "12abc was accepted";
  } catch (const RuntimeFailure& failure) {
    EXPECT_STREQ(failure.what(), "Foliar N: '12abc' is not a number");
  }
  EXPECT_THROW(StrictNumber("", "PAR"), RuntimeFailure);
  EXPECT_THROW(StrictNumber("1e999", "PAR"), RuntimeFailure);
}

// What a student types into a number field reads as that number or is refused: never as some
// other number. A blank field read leniently is 0; the digits of a valid number are kept.
TEST(TypedNumberTest, WhollyANumberOrRefused) {
  const struct {
    const char* text;
    double value;         // when read
    const char* refusal;  // else the message after "Turnover Rate: "
  } cases[] = {
      {"", 0, nullptr},
      {"  ", 0, nullptr},
      {"0.05", 0.05, nullptr},
      {" +7 ", 7, nullptr},
      {"-.25", -0.25, nullptr},
      {"1D2", 100, nullptr},
      {"1e-999", 0, nullptr},       // below the smallest double: 0
      {"1e-320", 1e-320, nullptr},  // the nearest (subnormal) double, as before
      {"ten", 0, "'ten' is not a number"},
      {"12abc", 0, "'12abc' is not a number"},
      {"0,05", 0, "'0,05' is not a number (use a point for decimals)"},
      {" -1,5 ", 0, "' -1,5 ' is not a number (use a point for decimals)"},
      {"1,2,3", 0, "'1,2,3' is not a number"},
      {"inf", 0, "'inf' is not a number"},
      {"+inf", 0, "'+inf' is not a number"},
      {"-nan", 0, "'-nan' is not a number"},
      {"Infinity", 0, "'Infinity' is not a number"},
      {"0x10", 0, "'0x10' is not a number"},
      {"&H10", 0, "'&H10' is not a number"},
      {"1e", 0, "'1e' is not a number"},
      {".", 0, "'.' is not a number"},
      {"1e400", 0, "'1e400' is too large a number"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    if (!c.refusal) {
      EXPECT_EQ(TypedNumber(c.text, "Turnover Rate"), c.value);
      continue;
    }
    try {
      TypedNumber(c.text, "Turnover Rate");
      ADD_FAILURE() << "read as a number";
    } catch (const RuntimeFailure& failure) {
      EXPECT_EQ(failure.what(), std::string("Turnover Rate: ") + c.refusal);
    }
    // The strict reading refuses the same texts with the same words.
    EXPECT_THROW(StrictNumber(c.text, "Turnover Rate"), RuntimeFailure);
  }
}

TEST(FormatTest, AtPlaceholdersRightAlignText) {
  EXPECT_EQ(Format(" 3.14", "@@@@@ "), " 3.14 ");
  EXPECT_EQ(Format(" 7", "@@@@@ "), "    7 ");
  EXPECT_EQ(Format("-.5", "@@@@@@ "), "   -.5 ");
  EXPECT_EQ(Format("", "@@@"), "   ");
  EXPECT_EQ(Format("abcdef", "@@@ "), "abcdef ");
  EXPECT_EQ(Format("ab", "!@@@@"), "ab  ");
}

TEST(FormatTest, FixedDecimalPattern) {
  EXPECT_EQ(Format(562.341325, "######0.0"), "562.3");
  EXPECT_EQ(Format(std::pow(10.0, 2.75), "######0.0"), "562.3");
  EXPECT_EQ(Format(std::pow(10.0, -0.25), "######0.0"), "0.6");
  EXPECT_EQ(Format(std::pow(10.0, -7.81) * 0.00035 / std::pow(10.0, -7) * 1e6, "######0.0"),
            "54.2");
  EXPECT_EQ(Format(1234567.89, "######0.0"), "1234567.9");
  EXPECT_EQ(Format(1e12, "######0.0"), "1000000000000.0");
  EXPECT_EQ(Format(0.0, "######0.0"), "0.0");
}

TEST(FormatTest, RoundsHalfAwayFromZeroOnTheDecimalForm) {
  EXPECT_EQ(Format(0.25, "0.0"), "0.3");
  EXPECT_EQ(Format(0.05, "0.0"), "0.1");
  EXPECT_EQ(Format(-1.25, "0.0"), "-1.3");
  EXPECT_EQ(Format(9.96, "0.0"), "10.0");
  EXPECT_EQ(Format(0.04, "0.0"), "0.0");
  EXPECT_EQ(Format(-0.04, "0.0"), "0.0");
}

TEST(FormatTest, OptionalDigitsGroupingAndExponents) {
  EXPECT_EQ(Format(0.5, "#.00"), ".50");
  EXPECT_EQ(Format(1.5, "0.##"), "1.5");
  EXPECT_EQ(Format(1234567, "#,##0"), "1,234,567");
  EXPECT_EQ(Format(12345, "0.00E+00"), "1.23E+04");
  EXPECT_EQ(Format(0.000123, "0.00E+00"), "1.23E-04");
  EXPECT_EQ(Format(0.25, "0%"), "25%");
}

TEST(LeftAndIntTest, CutAndFloor) {
  EXPECT_EQ(Left(" 3.14159", 5), " 3.14");
  EXPECT_EQ(Left("abc", 10), "abc");
  EXPECT_EQ(Left("abc", 0), "");
  EXPECT_EQ(Left("abc", -1), "");
  EXPECT_EQ(Int(2.7), 2);
  EXPECT_EQ(Int(-0.5), -1);
  EXPECT_EQ(Int(-0.0005 * 1000) / 1000, -0.001);
  EXPECT_EQ(PrintText(4), " 4 ");
  EXPECT_EQ(PrintText(-20), "-20 ");
}

}  // namespace
}  // namespace sylvandra
