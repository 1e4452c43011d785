#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "exercises/biogeochem/decay_model.h"
#include "exercises/biogeochem/ex42_ask.h"
#include "unit/exercise_fixture.h"

namespace sylvandra {
namespace {

// What is left of the extractives and of the passive pool after a year of monthly decay.
const double q = std::pow(1 - 0.0667, 12);
const double qP = std::pow(1 - 0.00042, 12);

TEST(SomDynamics, YearsPointsAndPools) {
  struct Case {
    double runTime, litCut, passive, passiveN;
    double mult;
    int points;
    int series, point;  // the value checked: series[series][point]
    double expected;
  };
  const Case cases[] = {
      // 10 years, one point a year; the year's 450 g of extractives keep q of their mass.
      {10, 0, 0, 0, 1, 10, 1, 1, 450 * q},
      // 300 years still fit one point a year; year 2 holds two years' extractives.
      {300, 0, 0, 0, 1, 300, 1, 2, 450 * (q + q * q)},
      // 1000 years: Int(1000 / 300) + 1 = 4 years a point, 1000 / 4 = 250 points; point 1 is
      // year 4, 450 (q + q^2 + q^3 + q^4).
      {1000, 0, 0, 0, 4, 250, 1, 1, 450 * (q + q * q + q * q * q + q * q * q * q)},
      // 301 years: 2 years a point, Int(301 / 2) = 150 points.
      {301, 0, 0, 0, 2, 150, 1, 1, 450 * (q + q * q)},
      // A cut-off in year 5: litter in years 1 to 4 only, so year 5 only decays:
      // 450 (q + q^2 + q^3 + q^4) q.
      {10, 5, 0, 0, 1, 10, 1, 5, 450 * (q + q * q + q * q * q + q * q * q * q) * q},
      // A cut-off in year 1: no litter ever, the empty pools stay 0 ...
      {1, 1, 1000, 50, 1, 1, 1, 1, 0},
      // ... and only the passive pool decays, 1000 qP, releasing 50 (1 - qP) of nitrogen.
      {1, 1, 1000, 50, 1, 1, 4, 1, 1000 * qP},
      {1, 1, 1000, 50, 1, 1, 5, 1, 50 * (1 - qP)},
      // A passive pool of 0 starts at 0.001 g with 0.0001 g nitrogen.
      {1, 1, 0, 7, 1, 1, 5, 1, 0.0001 * (1 - qP)},
      // No years, no points.
      {0, 0, 0, 0, 1, 0, 1, 1, 0},
  };
  for (const Case& c : cases) {
    const SomDynamicsRun run =
        RunSomDynamics(450, 400, 150, 7, c.passive, c.passiveN, c.runTime, c.litCut);
    const std::string what = "RunTime " + std::to_string(c.runTime) + " LitCut " +
                             std::to_string(c.litCut) + " series " + std::to_string(c.series);
    EXPECT_EQ(run.mult, c.mult) << what;
    EXPECT_EQ(run.points, c.points) << what;
    EXPECT_NEAR(run.series[static_cast<size_t>(c.series)][static_cast<size_t>(c.point)], c.expected,
                1e-9 * std::fabs(c.expected) + 1e-15)
        << what;
  }
}

class EX42AskTest : public testing::ExerciseTest<EX42Ask> {};

TEST_F(EX42AskTest, RunsThatCannotBeDrawnAreRefusedAndLeaveTheGraph) {
  type(w().RunTime, "1000");
  click(w().Command2);
  const std::vector<std::string> printed = texts();
  const size_t drawn = marks().size();
  struct Case {
    const char* field;
    const char* text;
    const char* failure;
  };
  const Case cases[] = {
      // One point a year with a cut-off: 1000 points would not fit the graph's 300.
      {"LitCut", "5",
       "Run Time (years): '1000' is more than the 300 years the graph can show year by year; "
       "set the Litter Cutoff Year to 0 to run longer"},
      {"RunTime", "ten", "Run Time (years): 'ten' is not a number"},
      {"RunTime", "1000001", "Run Time (years): '1000001' must be at most 1000000 years"},
      {"PN", "0,5", "Passive Pool Nitrogen: '0,5' is not a number (use a point for decimals)"},
  };
  for (const Case& c : cases) {
    Control& field = w().control(c.field);
    const std::string old = field.text();
    type(field, c.text);
    host.failures.clear();
    click(w().Command2);
    ASSERT_EQ(host.failures.size(), 1u) << c.field;
    EXPECT_EQ(lastFailure(), c.failure);
    EXPECT_EQ(marks().size(), drawn) << c.field;
    EXPECT_EQ(texts(), printed) << c.field;
    type(field, old);
  }
  // Litter of no mass would share its nitrogen as 0 / 0; with a cut-off in year 1 none arrives.
  for (Control* field : {&w().E, &w().C, &w().L}) type(*field, "0");
  click(w().Command2);
  EXPECT_EQ(lastFailure(),
            "Extractives, Cellulose and Lignin add up to 0: there is no litter to share the "
            "nitrogen among");
  EXPECT_EQ(texts(), printed);
  type(w().LitCut, "1");
  type(w().RunTime, "10");
  host.failures.clear();
  click(w().Command2);
  EXPECT_TRUE(host.failures.empty());
  EXPECT_NE(texts(), printed);
}

}  // namespace
}  // namespace sylvandra
