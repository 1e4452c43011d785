#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "exercises/biogeochem/ex3_ask.h"
#include "exercises/biogeochem/nitrogen_model.h"
#include "plot/plot_record.h"
#include "unit/exercise_fixture.h"

namespace sylvandra {
namespace {

// ---- The model on numbers ----

// The first preset ecosystem with no harvest.
NitrogenInputs System1() {
  NitrogenInputs in;
  in.soil = 1000, in.veg = 150, in.nh4 = 0, in.no3 = 0;
  in.litter = 0.08, in.mineralisation = 0.012, in.leach = 0.9;
  in.maxUptake = 14, in.halfSaturation = 20, in.deposition = 0.6, in.nitrifierGrowth = 2;
  in.harvestInterval = 0, in.harvestIntensity = 80, in.depositionShown = 0.6;
  return in;
}

TEST(NitrogenModel, YearlySeries) {
  NitrogenInputs harvested = System1();
  harvested.harvestInterval = 10;
  NitrogenInputs starved = System1();
  starved.maxUptake = 1000;
  NitrogenInputs empty = System1();
  empty.soil = 0, empty.veg = 0, empty.deposition = 0, empty.depositionShown = 0;

  struct Row {
    const char* what;
    NitrogenInputs in;
    int series, year;
    double expected, tolerance;
  };
  const Row rows[] = {
      // Year 1 of the first ecosystem: Veg 150 - 0.08 x 150 = 138, Soil 1000 - 12 + 12.
      {"litterfall", System1(), 3, 1, 12, 0},
      {"mineralisation", System1(), 5, 1, 12, 0},
      {"soil", System1(), 4, 1, 1000, 0},
      // Up = 14 x 138 / 158 = 12.22784810126582 in double; A = 12 + 0.6 >= Up, so
      // U = A x (Up / A), both held in single precision: 12.227848052978516 exactly.
      {"uptake in single precision", System1(), 1, 1, 12.227848052978516, 0},
      // Veg 138 + 12.227848 = 150.227848..., rounded to single precision.
      {"vegetation", System1(), 2, 1, 150.22784423828125, 0},
      // NO3 left (1 - Up / A) x 0.6 = 0.0017721; 0.9 of it leaves: 0.0159494 + 0.01.
      {"leaching", System1(), 8, 1, 0.0159494 + 0.01, 1e-7},
      // k = 0 in year 1: nothing nitrified, plotted at 0 + 0.02.
      {"no nitrification in year 1", System1(), 6, 1, 0.02, 0},
      // n = 0.001 after year 1, doubling (g = 2) while NH4 x 0.7 is larger:
      // 0.002, 0.004, ..., 0.001 x 2^9 = 0.512 (single precision, then + 0.02).
      {"nitrifiers year 2", System1(), 6, 2, 0.002 + 0.02, 1e-9},
      {"nitrifiers year 3", System1(), 6, 3, 0.004 + 0.02, 1e-9},
      {"nitrifiers year 10", System1(), 6, 10, 0.512 + 0.02, 1e-7},
      {"deposition drawn", System1(), 7, 25, 0.6, 0},
      // The pools stay close to where they started.
      {"vegetation after 40 years", System1(), 2, 40, 153.08, 0.01},
      {"soil after 40 years", System1(), 4, 40, 1005.80, 0.01},
      // Harvest every 10 years at 80 %: year 9 ends with Veg 151.5625305; year 10's litterfall
      // falls from the harvested 0.2 x 151.5625305 = 30.3125061: 0.08 x 30.3125061 = 2.4250005.
      {"no harvest before year 10", harvested, 3, 9, 12.114784240722656, 0},
      {"harvest before litterfall", harvested, 3, 10, 2.4250004291534424, 0},
      // Demand 1000 x 138 / 158 = 873.4 exceeds A = 12.6: all of A taken up, nothing leached.
      {"all taken up", starved, 1, 1, 12.600000381469727, 0},
      {"nothing leached", starved, 8, 1, 0.01, 0},
      // No soil, no vegetation, no deposition: A = 0 and Up = 0, nothing taken up (no 0 / 0).
      {"nothing to take up", empty, 1, 1, 0, 0},
      {"empty vegetation", empty, 2, 40, 0, 0},
  };
  for (const Row& row : rows) {
    const NitrogenRun run = RunNitrogenModel(row.in);
    ASSERT_TRUE(run.ok()) << row.what;
    EXPECT_NEAR(run.series[row.series][row.year], row.expected, row.tolerance) << row.what;
  }
}

TEST(NitrogenModel, RunsThatCannotBeComputedStopInTheirYear) {
  struct Row {
    const char* what;
    double halfSaturation, litter;
    int zeroDivisorYear, overflowYear;
  };
  const Row rows[] = {
      // Veg at the uptake of year 1 is 150 - 12 = 138: H = -138 divides by zero.
      {"VegHalf = -Veg", -138, 0.08, 1, 0},
      // -150 is not -Veg at that point: 14 x 138 / -12 is a (negative) number.
      {"VegHalf = -150", -150, 0.08, 0, 0},
      // L = 1E37 x 150 is beyond single precision.
      {"litterfall too large", 20, 1e37, 0, 1},
  };
  for (const Row& row : rows) {
    NitrogenInputs in = System1();
    in.halfSaturation = row.halfSaturation;
    in.litter = row.litter;
    const NitrogenRun run = RunNitrogenModel(in);
    EXPECT_EQ(run.zeroHalfSaturationYear, row.zeroDivisorYear) << row.what;
    EXPECT_EQ(run.overflowYear, row.overflowYear) << row.what;
  }
}

TEST(NitrogenModel, HarvestYearsAndScales) {
  struct Harvest {
    int year;
    double interval;
    bool harvested;
  };
  // Int(y / h) x h = y; h = 0 never harvests.
  const Harvest harvests[] = {{10, 10, true},  {9, 10, false}, {20, 10, true},
                              {5, 0, false},   {3, 1.5, true},  // Int(2) x 1.5 = 3
                              {4, 1.5, false},                  // Int(2.67) x 1.5 = 3
                              {1, 0.5, true}};
  for (const Harvest& h : harvests) {
    EXPECT_EQ(IsHarvestYear(h.year, h.interval), h.harvested) << h.year << " / " << h.interval;
  }

  struct Scale {
    double largest, scale;
  };
  const Scale scales[] = {
      {0, 2},          // 0 x 1.1 is at most 1: 1, raised to its next leading digit, 2
      {0.9, 2},        // 0.99 -> 1 -> 2
      {0.95, 2},       // 1.045, e = 0: Int(1.045) + 1 = 2
      {12.26, 20},     // 13.486, e = 1: 10 x (1 + 1)
      {153.08, 200},   // 168.39, e = 2: 100 x (1 + 1)
      {1005.8, 2000},  // 1106.4, e = 3: 1000 x (1 + 1)
      {900, 1000},     // 990, e = 2: 100 x (9 + 1)
      {-5, 2},         // the largest starts at 0
  };
  for (const Scale& s : scales) {
    SeriesData series{};
    for (int i = 1; i <= 5; ++i) series[i][7] = s.largest;
    // Series 6 to 8 take the scale of series 5 whatever they hold.
    series[6][3] = 1e6;
    const SeriesValues max = NitrogenScales(series);
    for (int i = 1; i <= 8; ++i) EXPECT_EQ(max[i], s.scale) << s.largest << " series " << i;
  }
}

// ---- The window ----

class Ex3AskTest : public testing::ExerciseTest<Ex3Ask> {
 protected:
  void Execute() { click(w().D21Run); }
  SeriesData& stepY() { return program.state<StepSeries>().StepY; }
  PlotRecord& plot() { return program.state<PlotRecord>(); }

  // Runs with bad input: one failure with `message`, and the shared series, the scales and the
  // graph as they were.
  void ExpectRefused(const std::string& message) {
    const SeriesData series = stepY();
    const SeriesValues scales = plot().PlotMax;
    const size_t marks = this->marks().size();
    const size_t failures = host.failures.size();
    Execute();
    ASSERT_EQ(host.failures.size(), failures + 1);
    EXPECT_EQ(host.failures.back().window, "Ex3Ask");
    EXPECT_EQ(host.failures.back().message, message);
    EXPECT_EQ(stepY(), series);
    EXPECT_EQ(plot().PlotMax, scales);
    EXPECT_EQ(this->marks().size(), marks);
  }
};

TEST_F(Ex3AskTest, TheUntouchedWindowDoesNotRun) {
  EXPECT_EQ(w().Soil.text(), " ");
  stepY()[1][1] = 7;
  Execute();
  EXPECT_TRUE(host.failures.empty());
  EXPECT_FALSE(output().visible());
  EXPECT_EQ(stepY()[1][1], 7);
}

TEST_F(Ex3AskTest, ARunFillsTheSharedSeriesAndKeepsTheBoxes) {
  click(w().D21Sys2);
  EXPECT_EQ(w().Soil.text(), "700");
  EXPECT_EQ(w().Veg.text(), "120");
  click(w().D21Sys1);
  stepY()[1][41] = 7;  // beyond the 40 years: another exercise's
  Execute();
  EXPECT_TRUE(host.failures.empty());
  EXPECT_TRUE(output().visible());
  EXPECT_EQ(stepY()[1][1], 12.227848052978516);
  EXPECT_EQ(stepY()[1][41], 7);
  const std::vector<std::string> names(plot().PlotName.begin() + 1, plot().PlotName.end());
  EXPECT_EQ(names, (std::vector<std::string>{"Uptake", " Veg", "Litter", "Soil", "NMin", "Nitrif",
                                             "NDep", "NLeach"}));
  EXPECT_EQ(plot().PlotMax[4], 2000);
  EXPECT_EQ(w().Veg.text(), "150");
}

TEST_F(Ex3AskTest, BoxesThatCannotBeComputedWithAreRefused) {
  click(w().D21Sys1);
  Execute();
  type(w().HarvFreq, "5x");
  ExpectRefused("HarvFreq: '5x' is not a number");
  // A harvest interval reading 0 never harvests, and the intensity is then never read.
  type(w().HarvFreq, "0 years");
  type(w().HarvInten, "lots");
  Execute();
  EXPECT_EQ(host.failures.size(), 1u);
  // Nor is it read when no harvest year falls within the 40 years.
  type(w().HarvFreq, "50");
  Execute();
  EXPECT_EQ(host.failures.size(), 1u);
  type(w().HarvFreq, "10");
  ExpectRefused("HarvIntes: 'lots' is not a number");
  // The boxes are read in the order of the year's steps: litterfall before deposition.
  type(w().HarvFreq, "0");
  type(w().Litter, "");
  type(w().NDep, "0.6 g");
  ExpectRefused("Vegetation-Soil: '' is not a number");
  type(w().Litter, "0.08");
  ExpectRefused("NDep: '0.6 g' is not a number");
  type(w().NDep, "0.6");
  type(w().VegHalf, "-138");
  ExpectRefused(
      "VegHalf: '-138' makes the uptake divide by zero (Vegetation + VegHalf = 0 in year 1)");
  type(w().VegHalf, "20");
  type(w().Soil, "1e39");
  ExpectRefused("Soil: '1e39' is beyond the range of single precision numbers");
  type(w().Soil, "1000");
  type(w().Litter, "1e37");
  ExpectRefused(
      "Execute: the nitrogen pools leave the range of single precision numbers in year 1");
}

TEST_F(Ex3AskTest, ReturnHidesTheWindowAndTheGraph) {
  click(w().D21Sys1);
  Execute();
  click(w().D21Ret);
  EXPECT_FALSE(w().visible());
  EXPECT_FALSE(output().visible());
  EXPECT_EQ(w().Soil.text(), "1000");
}

}  // namespace
}  // namespace sylvandra
