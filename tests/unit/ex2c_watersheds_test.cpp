#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <utility>

#include "exercises/biogeochem/ex2c_ask.h"
#include "exercises/biogeochem/watershed_model.h"
#include "unit/exercise_fixture.h"

namespace sylvandra {
namespace {

// The parameters the watershed buttons write, with the acid deposition.
WatershedInputs AcidInputs() {
  return {.cec = 200,
          .weathering = 1,
          .sulfateCapacity = 100,
          .ozone = 30,
          .deposition = {0, 2, 0.5, 1, 1.499, 0.001},
          .acidShare = 2,
          .baseShare = 0.5,
          .noRamp = true};
}

TEST(WatershedModel, DepositionMultiplier) {
  struct Row {
    int year;
    bool ramp, cap, reduce;
    double expected;
  };
  const Row rows[] = {
      {300, false, false, true, 1},     // without the ramp the scenario has no effect
      {1, true, false, false, 0.1},     // MaxOf(0.1 + 0.9 x -49 / 150, 0.1)
      {125, true, false, false, 0.55},  // 0.1 + 0.9 x 75 / 150
      {200, true, true, true, 1},       // 0.1 + 0.9 x 150 / 150; scenarios act after 200
      {300, true, false, false, 1.6},   // 0.1 + 0.9 x 250 / 150
      {201, true, true, false, 1},      // capped from 201
      {201, true, false, true, 0.995},  // 1 - 0.5 x 1 / 100
      {300, true, false, true, 0.5},    // 1 - 0.5 x 100 / 100
  };
  for (const Row& r : rows) {
    EXPECT_NEAR(DepositionMultiplier(r.year, r.ramp, r.cap, r.reduce), r.expected, 1e-12)
        << r.year << " " << r.ramp << r.cap << r.reduce;
  }
}

TEST(WatershedModel, YearlySeries) {
  WatershedInputs ozone40 = AcidInputs(), ozone90 = AcidInputs(), ozone140 = AcidInputs();
  ozone40.ozone = 40, ozone90.ozone = 90, ozone140.ozone = 140;
  WatershedInputs sorbent = AcidInputs();
  sorbent.sulfateCapacity = 10000;
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
      // Watershed 1 settles near 0.43 exporting no acid, watershed 2 near 0.05 exporting 2.1.
      {"watershed 1 settles", 1, AcidInputs(), 1, 300, 0.4269, 1e-4},
      {"watershed 1 exports no acid", 1, AcidInputs(), 2, 300, 0, 0},
      {"watershed 2 settles", 2, AcidInputs(), 1, 300, 0.0495, 1e-4},
      {"watershed 2 exports acid", 2, AcidInputs(), 2, 300, 2.1015, 1e-4},
      // Nitrate of year 1: 0.1 + 1 in solution; no pool limits uptake (12.6 / 2, 1.1 / 0.4 and
      // 1.699 / 0.1 all above 1), so f = 1 and -0.4 (1 - z) is taken up, z = (O3 - 40) / 100
      // within 0..1; 0.99 of the rest leaves.
      {"ozone 30: no damage", 1, AcidInputs(), 4, 1, 0.99 * 0.7, 1e-12},
      {"ozone 40: no damage", 1, ozone40, 4, 1, 0.99 * 0.7, 1e-12},
      {"ozone 90: half the uptake", 1, ozone90, 4, 1, 0.99 * 0.9, 1e-12},
      {"ozone 140: no uptake", 1, ozone140, 4, 1, 0.99 * 1.1, 1e-12},
      // A capacity of 10000 would sorb far more than the 1.599 in solution: it takes all of it.
      {"sorption limited to the solution", 1, sorbent, 5, 1, 0, 0},
  };
  for (const Row& r : rows) {
    WatershedPools pools = WatershedPreset(r.watershed);
    const WatershedRun run = RunWatershedModel(pools, r.in);
    ASSERT_EQ(run.overflowYear, 0) << r.what;
    EXPECT_NEAR(run.series[r.series][r.year], r.expected, r.tolerance) << r.what;
  }
}

TEST(WatershedModel, Scales) {
  struct Row {
    double stream, sorbed, nitrate;  // each series' value over years 100..300
    SeriesValues expected;
  };
  const Row rows[] = {
      // Stream top 1 raised to 2, series i at 2 + 2 i / 100; 7 and 8 at Int(0 + 1).
      {0, 0, 0, {0, 1, 2.04, 2.06, 2.08, 2.1, 2.12, 1, 1}},
      // 10.5 x 1.1 = 11.55, e = 1: top 20; Int(1.05 x 18 + 1) = 19; Int(1.1 x 1 + 1) = 2.
      {10.5, 18.09, 1, {0, 1, 20.4, 20.6, 20.8, 21, 21.2, 19, 2}},
      // 95 x 1.1 = 104.5, e = 2: top 200; Int(1.05 x 3 + 1) = 4; Int(1.1 x 9 + 1) = 10.
      {95, 3.99, 9.5, {0, 1, 204, 206, 208, 210, 212, 4, 10}},
  };
  for (const Row& r : rows) {
    SeriesData series{};
    for (int i = 2; i <= 8; ++i) series[i][99] = 1e6;  // years before 100 do not count
    for (int y = 100; y <= 300; ++y) {
      series[3][y] = r.stream;
      series[7][y] = r.sorbed;
      series[8][y] = r.nitrate;
    }
    const SeriesValues max = WatershedScales(series);
    for (int i = 1; i <= 8; ++i) EXPECT_NEAR(max[i], r.expected[i], 1e-12) << r.stream << " " << i;
  }
}

// Opened as the catalogue first opens it: chapter 9's watershed experiments.
class Ex2cAskTest : public testing::ExerciseTest<Ex2cAsk> {
 protected:
  void Execute() { click(w().Command1); }
  // One failure with `message`; pools, results and graph as they were.
  void ExpectRefused(const std::string& message) {
    const WatershedPools pools = w().pools();
    const SeriesData results = w().T();
    const size_t marks = this->marks().size(), failures = host.failures.size();
    Execute();
    ASSERT_EQ(host.failures.size(), failures + 1);
    EXPECT_EQ(host.failures.back().message, message);
    EXPECT_EQ(w().pools().S, pools.S);
    EXPECT_EQ(w().pools().X, pools.X);
    EXPECT_EQ(w().T(), results);
    EXPECT_EQ(this->marks().size(), marks);
  }
};

TEST_F(Ex2cAskTest, ChapterNineHidesThePollutionControlsAndChapter25ShowsThem) {
  ASSERT_EQ(w().pollutionControls().size(), 15u);
  for (Control* c : w().pollutionControls()) EXPECT_FALSE(c->visible()) << c->name();
  EXPECT_TRUE(w().Dep(5).visible());
  // Hidden boxes keep their texts and are read all the same.
  click(w().Command5);
  click(w().Command2);
  type(w().CEC, "0");
  ExpectRefused("CEC: '0' gives a division by zero");

  program.click(program.form<A_Select>().Select(14));
  program.click(program.form<A_Intro>().Command3);
  for (Control* c : w().pollutionControls()) EXPECT_TRUE(c->visible()) << c->name();
  EXPECT_EQ(w().CEC.text(), "0");
}

TEST_F(Ex2cAskTest, SolutionPoolsCarryOverUntilAWatershedButtonResetsThem) {
  click(w().Command5);
  click(w().Command2);
  Execute();
  const SeriesData first = w().T();
  // Year 300 left 0.0141 of sulfate: with 1.499 deposited and 0.1 taken up, S(4) = 1.4131 is
  // below the 1.499 the sorbed amount starts from: c = 1.4131 x 0.3125 = 0.44161, so Qe =
  // 100 x 0.44161 / 2.44161 = 18.0866 < 18.9771 and sulfate returns to solution (d < 0).
  Execute();
  EXPECT_NEAR(w().T()[7][1], 18.0866, 1e-4);
  EXPECT_GT(first[7][1], 18.9771);
  // The deposition and scenario buttons leave the pools alone; a watershed button resets them.
  const auto pools = w().pools().S;
  click(w().Command3);
  click(w().Command2);
  click(w().Reduce);
  click(w().NoControls);
  EXPECT_EQ(w().pools().S, pools);
  click(w().Command5);
  Execute();
  EXPECT_EQ(w().T(), first);
}

TEST_F(Ex2cAskTest, BeforeThePresetsExecuteSaysWhichButtonsFillTheBoxes) {
  const std::pair<Control*, std::string> untouched[] = {
      {&w().Command5, "Choose Watershed 1 or Watershed 2 first."},
      {&w().Command2, "Choose a deposition first: W/Acid Dep. or No Acid Dep."},
  };
  for (const auto& [button, hint] : untouched) {
    Execute();
    EXPECT_FALSE(output().visible());
    ASSERT_FALSE(host.messages.empty());
    EXPECT_EQ(host.messages.back().prompt, hint);
    click(*button);
  }
  Execute();
  EXPECT_TRUE(output().visible());
  EXPECT_EQ(host.messages.size(), 2u);
  EXPECT_TRUE(host.failures.empty());
}

TEST_F(Ex2cAskTest, BoxesThatCannotBeComputedWithAreRefused) {
  // Filled by hand before any watershed button, the boxes run on empty arrays: no uptake,
  // nothing that is not a number.
  type(w().CEC, "100");
  type(w().WeatherRate, "1");
  type(w().Dep(1), "1");
  ExpectRefused("Deposition SO4=: '' is not a number");
  for (int i = 1; i <= 5; ++i) type(w().Dep(i), "1");
  Execute();
  ASSERT_EQ(host.failures.size(), 1u);
  for (int s = 1; s <= 8; ++s) EXPECT_TRUE(std::isfinite(w().T()[s][300])) << s;

  click(w().Command5);
  click(w().Command2);
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
  type(w().WeatherRate, "1e308");  // weathering 1E308 x 12 keq/ha.yr
  ExpectRefused("Execute: the watershed pools leave the range of numbers in year 1");
}

}  // namespace
}  // namespace sylvandra
