#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "exercises/biogeochem/ex2c_ask.h"
#include "exercises/biogeochem/watershed_model.h"
#include "shell/a_intro.h"
#include "shell/a_select.h"
#include "unit/exercise_fixture.h"

namespace sylvandra {
namespace {

// ---- The model on numbers ----

// The parameters the watershed buttons write, with the acid deposition.
WatershedInputs AcidInputs() {
  WatershedInputs in;
  in.cec = 200, in.weathering = 1, in.sulfateCapacity = 100, in.ozone = 30;
  in.deposition = {0, 2, 0.5, 1, 1.499, 0.001};
  in.acidShare = 2, in.baseShare = 0.5;
  in.noRamp = true;
  return in;
}

TEST(WatershedModel, DepositionMultiplier) {
  struct Row {
    int year;
    bool ramp, cap, reduce;
    double expected;
  };
  const Row rows[] = {
      {300, false, false, true, 1},  // without the ramp the scenario has no effect
      {1, true, false, false, 0.1},  // MaxOf(0.1 + 0.9 x -49 / 150, 0.1)
      {50, true, false, false, 0.1},    {125, true, false, false, 0.55},  // 0.1 + 0.9 x 75 / 150
      {200, true, true, true, 1},        // 0.1 + 0.9 x 150 / 150; scenarios act after 200
      {201, true, false, false, 1.006},  // 0.1 + 0.9 x 151 / 150
      {300, true, false, false, 1.6},    // 0.1 + 0.9 x 250 / 150
      {201, true, true, false, 1},      {300, true, true, false, 1},
      {201, true, false, true, 0.995},  // 1 - 0.5 x 1 / 100
      {250, true, false, true, 0.75},   // 1 - 0.5 x 50 / 100
      {300, true, false, true, 0.5},
  };
  for (const Row& r : rows) {
    EXPECT_NEAR(DepositionMultiplier(r.year, r.ramp, r.cap, r.reduce), r.expected, 1e-12)
        << r.year << (r.ramp ? " ramp" : "") << (r.cap ? " cap" : "")
        << (r.reduce ? " reduce" : "");
  }
}

TEST(WatershedModel, YearlySeries) {
  WatershedInputs ozone40 = AcidInputs(), ozone90 = AcidInputs(), ozone140 = AcidInputs();
  ozone40.ozone = 40, ozone90.ozone = 90, ozone140.ozone = 140;
  WatershedInputs sorbent = AcidInputs();
  sorbent.sulfateCapacity = 10000;
  WatershedInputs reduced = AcidInputs();
  reduced.noRamp = false, reduced.ramp = true, reduced.reduce = true;

  struct Row {
    const char* what;
    int watershed;
    WatershedInputs in;
    int series, year;
    double expected, tolerance;
  };
  const Row rows[] = {
      // X(1) = 200 x (2 / 2.5 + 0.95 / 2) = 255: B = (200 - 255) / 200.
      {"base saturation of year 1", 1, AcidInputs(), 1, 1, -0.275, 1e-12},
      // The exchange brings it back into 0..1; watershed 1 settles near 0.43 exporting no acid,
      // watershed 2 near 0.05 exporting about 2.1 keq/ha.yr of acid.
      {"watershed 1 settles", 1, AcidInputs(), 1, 300, 0.4269, 1e-4},
      {"watershed 1 exports no acid", 1, AcidInputs(), 2, 300, 0, 0},
      {"watershed 2 settles", 2, AcidInputs(), 1, 300, 0.0495, 1e-4},
      {"watershed 2 exports acid", 2, AcidInputs(), 2, 300, 2.1015, 1e-4},
      // Nitrate of year 1: 0.1 + 1 in solution, uptake limited by none of the pools
      // (12.6 / 2, 1.1 / 0.4, 1.699 / 0.1 all above 1), so f = 1 and the uptake is
      // -0.4 (1 - z); 0.99 of the rest leaves. z = (O3 - 40) / 100 within 0..1.
      {"ozone 30: no damage", 1, AcidInputs(), 4, 1, 0.99 * 0.7, 1e-12},
      {"ozone 40: no damage", 1, ozone40, 4, 1, 0.99 * 0.7, 1e-12},
      {"ozone 90: half the uptake", 1, ozone90, 4, 1, 0.99 * 0.9, 1e-12},
      {"ozone 140: no uptake", 1, ozone140, 4, 1, 0.99 * 1.1, 1e-12},
      // A capacity of 10000 would sorb far more than the 1.599 in solution: it takes all of it.
      {"sorption limited to the solution", 1, sorbent, 5, 1, 0, 0},
      // The nitrate deposition drawn is m D(3) with the m of the year (D(3) = 1).
      {"reduced deposition at year 300", 1, reduced, 8, 300, 0.5, 1e-12},
  };
  for (const Row& r : rows) {
    WatershedPools pools = WatershedPreset(r.watershed);
    const WatershedRun run = RunWatershedModel(pools, r.in);
    ASSERT_EQ(run.overflowYear, 0) << r.what;
    EXPECT_NEAR(run.series[r.series][r.year], r.expected, r.tolerance) << r.what;
  }
}

TEST(WatershedModel, ASecondRunStartsFromTheSolutionLeftByTheFirst) {
  WatershedPools pools = WatershedPreset(1);
  const WatershedRun first = RunWatershedModel(pools, AcidInputs());
  // Year 300 leaves 0.0141 of sulfate; with 1.499 deposited and 0.1 taken up, S(4) = 1.4131 is
  // below the 1.499 the sorbed amount starts from: c = 1.4131 x 0.3125 = 0.44161, so Qe =
  // 100 x 0.44161 / 2.44161 = 18.0866 < 18.9771 and sulfate returns to solution (d < 0).
  EXPECT_NEAR(pools.S[4], 0.0141313, 1e-7);
  const WatershedRun second = RunWatershedModel(pools, AcidInputs());
  EXPECT_NEAR(second.series[7][1], 18.0866, 1e-4);
  EXPECT_GT(first.series[7][1], 18.9771);
}

TEST(WatershedModel, Scales) {
  struct Row {
    const char* what;
    double stream, sorbed, nitrate;  // each series' value over years 100..300
    SeriesValues expected;
  };
  const Row rows[] = {
      // Nothing: the stream top is 1 raised to 2, series i at 2 + 2 i / 100; 7 and 8 at
      // Int(0 + 1).
      {"empty", 0, 0, 0, {0, 1, 2.04, 2.06, 2.08, 2.1, 2.12, 1, 1}},
      // 10.5 x 1.1 = 11.55, e = 1: top 20, series i at 20 + 0.2 i; Int(1.05 x 18 + 1) = 19;
      // Int(1.1 x 1 + 1) = 2.
      {"watershed 1", 10.5, 18.09, 1, {0, 1, 20.4, 20.6, 20.8, 21, 21.2, 19, 2}},
      // 95 x 1.1 = 104.5, e = 2: top 200; Int(1.05 x 3 + 1) = 4; Int(1.1 x 9 + 1) = 10.
      {"hundreds", 95, 3.99, 9.5, {0, 1, 204, 206, 208, 210, 212, 4, 10}},
      // Below 0 the largest stays 0.
      {"negative", -4, -4, -4, {0, 1, 2.04, 2.06, 2.08, 2.1, 2.12, 1, 1}},
  };
  for (const Row& r : rows) {
    SeriesData series{};
    for (int y = 100; y <= 300; ++y) {
      series[3][y] = r.stream;
      series[7][y] = r.sorbed;
      series[8][y] = r.nitrate;
    }
    // Years before 100 do not count.
    for (int i = 2; i <= 8; ++i) series[i][99] = 1e6;
    const SeriesValues max = WatershedScales(series);
    for (int i = 1; i <= 8; ++i) EXPECT_NEAR(max[i], r.expected[i], 1e-12) << r.what << " " << i;
  }
}

// ---- The window ----

// Opened as the catalogue opens it first: chapter 9's watershed experiments.
class Ex2cAskTest : public testing::ExerciseTest<Ex2cAsk> {
 protected:
  void Execute() { click(w().Command1); }
  void OpenFromChapter(int row) {
    program.click(program.form<A_Select>().Select(row));
    program.click(program.form<A_Intro>().Command3);
  }
  // Runs with bad input: one failure with `message`; pools, results and graph as they were.
  void ExpectRefused(const std::string& message) {
    const WatershedPools pools = w().pools;
    const SeriesData results = w().T;
    const size_t marks = this->marks().size();
    const size_t failures = host.failures.size();
    Execute();
    ASSERT_EQ(host.failures.size(), failures + 1);
    EXPECT_EQ(host.failures.back().window, "Ex2cAsk");
    EXPECT_EQ(host.failures.back().message, message);
    EXPECT_EQ(w().pools.S, pools.S);
    EXPECT_EQ(w().pools.X, pools.X);
    EXPECT_EQ(w().T, results);
    EXPECT_EQ(this->marks().size(), marks);
  }
};

TEST_F(Ex2cAskTest, ChapterNineHidesThePollutionControlsAndChapter25ShowsThem) {
  ASSERT_EQ(w().PollutionControls().size(), 15u);
  for (Control* c : w().PollutionControls()) EXPECT_FALSE(c->visible()) << c->name();
  for (Control* c : {&w().WS, &w().Dep(1), &w().Dep(5), &w().Command1, &w().Command5})
    EXPECT_TRUE(c->visible()) << c->name();
  // Hidden boxes keep their texts and are read all the same.
  click(w().Command5);
  click(w().Command2);
  type(w().Ozone, "140");
  Execute();
  EXPECT_TRUE(host.failures.empty());
  EXPECT_EQ(w().CEC.text(), "200");

  OpenFromChapter(14);
  for (Control* c : w().PollutionControls()) EXPECT_TRUE(c->visible()) << c->name();
  EXPECT_EQ(w().Ozone.text(), "140");
  OpenFromChapter(2);
  EXPECT_FALSE(w().CEC.visible());
}

TEST_F(Ex2cAskTest, SolutionPoolsCarryOverUntilAWatershedButtonResetsThem) {
  click(w().Command5);
  click(w().Command2);
  Execute();
  const SeriesData first = w().T;
  Execute();
  EXPECT_NE(w().T[7][1], first[7][1]);
  click(w().Command5);
  Execute();
  EXPECT_EQ(w().T, first);
  // The deposition and scenario buttons leave the pools alone.
  const auto pools = w().pools.S;
  click(w().Command3);
  click(w().Reduce);
  EXPECT_EQ(w().pools.S, pools);
  EXPECT_EQ(w().Dep(4).text(), "0.299");
}

TEST_F(Ex2cAskTest, BoxesThatCannotBeComputedWithAreRefused) {
  // Before any watershed button the boxes are empty: the first read is the sulfate deposition.
  ExpectRefused("Deposition SO4=: '' is not a number");
  click(w().Command5);
  click(w().Command2);
  Execute();
  type(w().CEC, "0");
  ExpectRefused("CEC: '0' gives a division by zero");
  type(w().CEC, "200 keq");
  ExpectRefused("CEC: '200 keq' is not a number");
  type(w().CEC, "200");
  type(w().Dep(1), "0");
  type(w().Dep(2), "");
  ExpectRefused(
      "Deposition H+: '0' and Deposition Cations '' add up to 0: the exchanger's shares divide "
      "by zero");
  type(w().Dep(1), "2");
  type(w().Dep(2), "0.5");
  type(w().WeatherRate, "1x");
  ExpectRefused("Weathering Rate Multiplier: '1x' is not a number");
  // Weathering of 1E308 x 12 keq/ha.yr is beyond the range of numbers.
  type(w().WeatherRate, "1e308");
  ExpectRefused("Execute: the watershed pools leave the range of numbers in year 1");
}

TEST_F(Ex2cAskTest, BoxesFilledByHandBeforeAnyWatershedRunWithoutUptake) {
  for (int i = 1; i <= 5; ++i) type(w().Dep(i), "1");
  type(w().CEC, "100");
  type(w().WeatherRate, "1");
  Execute();
  EXPECT_TRUE(host.failures.empty());
  for (int s = 1; s <= 8; ++s) EXPECT_TRUE(std::isfinite(w().T[s][300])) << s;
}

TEST_F(Ex2cAskTest, ReturnHidesTheWindowAndTheGraph) {
  click(w().Command4);
  click(w().Command2);
  Execute();
  EXPECT_TRUE(output().visible());
  EXPECT_EQ(w().WS.text(), "2");
  click(w().Command6);
  EXPECT_FALSE(w().visible());
  EXPECT_FALSE(output().visible());
}

}  // namespace
}  // namespace sylvandra
