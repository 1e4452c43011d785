#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "exercises/biogeochem/ex3_ask.h"
#include "exercises/biogeochem/nitrogen_model.h"
#include "plot/plot_record.h"
#include "unit/exercise_fixture.h"

namespace sylvandra {
namespace {

// The first preset ecosystem, no harvest.
NitrogenInputs System1() {
  return {.soil = 1000,
          .veg = 150,
          .nh4 = 0,
          .no3 = 0,
          .litter = 0.08,
          .mineralisation = 0.012,
          .leach = 0.9,
          .maxUptake = 14,
          .halfSaturation = 20,
          .deposition = 0.6,
          .nitrifierGrowth = 2,
          .harvestInterval = 0,
          .harvestIntensity = 80,
          .depositionShown = 0.6};
}

TEST(NitrogenModel, YearlySeries) {
  NitrogenInputs harvested = System1(), starved = System1(), empty = System1();
  harvested.harvestInterval = 10;
  starved.maxUptake = 1000;
  empty.soil = 0, empty.veg = 0, empty.deposition = 0;
  struct Row {
    const char* what;
    NitrogenInputs in;
    int series, year;
    double expected, tolerance;
  };
  const Row rows[] = {
      // Year 1: L = 0.08 x 150, Mn = 0.012 x 1000, Veg 150 - 12 = 138.
      {"litterfall", System1(), 3, 1, 12, 0},
      {"mineralisation", System1(), 5, 1, 12, 0},
      // Up = 14 x 138 / 158 = 12.22784810126582 in double; A = 12 + 0.6 >= Up, so
      // U = A x (Up / A), both held in single precision: 12.227848052978516.
      {"uptake in single precision", System1(), 1, 1, 12.227848052978516, 0},
      // NO3 left: (1 - Up / A) x 0.6 = 0.0017721; 0.9 of it leaches: 0.0159494, drawn + 0.01.
      {"leaching", System1(), 8, 1, 0.0159494 + 0.01, 1e-7},
      // k = 0 in year 1: nothing nitrified, drawn at 0 + 0.02. Then n = 0.001 doubles (g = 2)
      // while 0.7 NH4 is larger: 0.002, 0.004, ..., 0.001 x 2^9 = 0.512 in year 10.
      {"no nitrification in year 1", System1(), 6, 1, 0.02, 0},
      {"nitrifiers year 2", System1(), 6, 2, 0.002 + 0.02, 1e-9},
      {"nitrifiers year 3", System1(), 6, 3, 0.004 + 0.02, 1e-9},
      {"nitrifiers year 10", System1(), 6, 10, 0.512 + 0.02, 1e-7},
      // The pools stay close to where they started.
      {"vegetation after 40 years", System1(), 2, 40, 153.08, 0.01},
      {"soil after 40 years", System1(), 4, 40, 1005.80, 0.01},
      // Harvest every 10 years at 80 %: year 9 ends with Veg 151.5625305, litterfall of year 10
      // from the harvested 0.2 x 151.5625305 = 30.3125061: 0.08 x 30.3125061 = 2.4250005.
      {"harvest before litterfall", harvested, 3, 10, 2.4250004291534424, 0},
      // Demand 1000 x 138 / 158 = 873.4 exceeds A = 12.6: all of it is taken up, none leached.
      {"all taken up", starved, 1, 1, 12.600000381469727, 0},
      {"nothing leached", starved, 8, 1, 0.01, 0},
      // No soil, vegetation or deposition: A = 0 and Up = 0, nothing taken up (no 0 / 0).
      {"nothing to take up", empty, 1, 1, 0, 0},
  };
  for (const Row& row : rows) {
    const NitrogenRun run = RunNitrogenModel(row.in);
    ASSERT_TRUE(run.ok()) << row.what;
    EXPECT_NEAR(run.series[row.series][row.year], row.expected, row.tolerance) << row.what;
  }
}

TEST(NitrogenModel, HarvestYearsAndScales) {
  // Int(y / h) x h = y; h = 0 never harvests. Int(3 / 1.5) x 1.5 = 3, Int(4 / 1.5) x 1.5 = 3.
  EXPECT_TRUE(IsHarvestYear(20, 10));
  EXPECT_FALSE(IsHarvestYear(9, 10));
  EXPECT_FALSE(IsHarvestYear(5, 0));
  EXPECT_TRUE(IsHarvestYear(3, 1.5));
  EXPECT_FALSE(IsHarvestYear(4, 1.5));

  const double scales[][2] = {
      {0, 2},          // 0 x 1.1 is at most 1: 1, raised to its next leading digit
      {0.95, 2},       // 1.045, e = 0: Int(1.045) + 1
      {12.26, 20},     // 13.486, e = 1: 10 x (1 + 1)
      {1005.8, 2000},  // 1106.4, e = 3: 1000 x (1 + 1)
      {900, 1000},     // 990, e = 2: 100 x (9 + 1)
      {-5, 2},         // the largest starts at 0
  };
  for (const auto& [largest, scale] : scales) {
    SeriesData series{};
    for (int i = 1; i <= 5; ++i) series[i][7] = largest;
    series[6][3] = 1e6;  // series 6 to 8 take the scale of series 5 whatever they hold
    const SeriesValues max = NitrogenScales(series);
    for (int i = 1; i <= 8; ++i) EXPECT_EQ(max[i], scale) << largest << " series " << i;
  }
}

class Ex3AskTest : public testing::ExerciseTest<Ex3Ask> {
 protected:
  void Execute() { click(w().D21Run); }
  SeriesData& stepY() { return program.state<StepSeries>().StepY; }
  PlotRecord& plot() { return program.state<PlotRecord>(); }

  // One failure with `message`; the shared series, the scales and the graph as they were.
  void ExpectRefused(const std::string& message) {
    const SeriesData series = stepY();
    const SeriesValues scales = plot().PlotMax;
    const size_t marks = this->marks().size(), failures = host.failures.size();
    Execute();
    ASSERT_EQ(host.failures.size(), failures + 1);
    EXPECT_EQ(host.failures.back().message, message);
    EXPECT_EQ(stepY(), series);
    EXPECT_EQ(plot().PlotMax, scales);
    EXPECT_EQ(this->marks().size(), marks);
  }
};

TEST_F(Ex3AskTest, RunsOnlyAfterAPresetAndFillsTheSharedSeries) {
  stepY()[1][1] = 7;
  Execute();
  EXPECT_FALSE(output().visible());
  EXPECT_EQ(stepY()[1][1], 7);
  // Before a preset the window says what to do.
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].prompt, "Choose System 1 or System 2 first: press Sys 1 or Sys 2.");

  click(w().D21Sys1);
  stepY()[1][41] = 7;  // beyond the 40 years: another exercise's
  Execute();
  EXPECT_TRUE(host.failures.empty());
  EXPECT_EQ(stepY()[1][1], 12.227848052978516);
  EXPECT_EQ(stepY()[1][41], 7);
  const std::vector<std::string> names(plot().PlotName.begin() + 1, plot().PlotName.end());
  EXPECT_EQ(names, (std::vector<std::string>{"Uptake", " Veg", "Litter", "Soil", "NMin", "Nitrif",
                                             "NDep", "NLeach"}));
  EXPECT_EQ(plot().PlotMax[4], 2000);
}

TEST_F(Ex3AskTest, BoxesThatCannotBeComputedWithAreRefused) {
  click(w().D21Sys1);
  Execute();
  type(w().HarvFreq, "5x");
  ExpectRefused("HarvFreq: '5x' is not a number");
  // The intensity must be a number whether or not a harvest falls within the 40 years.
  type(w().HarvInten, "lots");
  for (const char* interval : {"0", "50", "10"}) {
    type(w().HarvFreq, interval);
    ExpectRefused("HarvIntes: 'lots' is not a number");
  }
  type(w().HarvInten, "80");
  // The boxes are read in the order of the year's steps: litterfall before deposition.
  type(w().HarvFreq, "0");
  type(w().Litter, "");
  type(w().NDep, "0.6 g");
  ExpectRefused("Vegetation-Soil: '' is not a number");
  type(w().Litter, "0.08");
  ExpectRefused("NDep: '0.6 g' is not a number");
  type(w().NDep, "0.6");
  // Veg at the uptake of year 1 is 150 - 12 = 138.
  type(w().VegHalf, "-138");
  ExpectRefused(
      "VegHalf: '-138' makes the uptake divide by zero (Vegetation + VegHalf = 0 in year 1)");
  type(w().VegHalf, "20");
  type(w().Soil, "1e39");
  ExpectRefused("Soil: '1e39' is beyond the range of single precision numbers");
  type(w().Soil, "1000");
  type(w().Litter, "1e37");  // L = 1E37 x 150
  ExpectRefused(
      "Execute: the nitrogen pools leave the range of single precision numbers in year 1");
}

}  // namespace
}  // namespace sylvandra
