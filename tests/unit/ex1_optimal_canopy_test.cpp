#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "exercises/carbon_water/canopy_model.h"
#include "exercises/carbon_water/ex1_ask.h"
#include "platform/random.h"
#include "plot/plot_record.h"
#include "unit/exercise_fixture.h"

namespace sylvandra {
namespace {

// ---- The model on numbers ----

TEST(CanopyModel, HundredDaysOfEachClimate) {
  struct Case {
    const char* what;
    double par, tmin, tmax, precip;
    std::vector<int>
        species;       // 1 Maple, 2 Birch, 3 Aspen, 4 Hemlock, 5 Spruce, 6 Juniper, 8 Ninebark
    double waterCost;  // c
    double topDemand;  // E of layer 1
    std::vector<double> netPsn, waterUse;  // each layer's 100-day sums, rounded as shown
    double lastWater;                      // W at the end of day 100
    double topNetPsn;                      // layer 1's sum before rounding
  };
  const Case cases[] = {
      // Ta = (3 x 26.6 + 15) / 4 = 23.7; c = 110 (es(23.7) - es(15)) = 110 (2.930349 - 1.705229)
      // = 134.7633. Layer 1: PAR 860, P = 1.15 x 0.49 x 860 / 1010 = 0.479812, E = 64.6610.
      // All Maple share S = 100 (psi + 1.5); with psi near -0.94 (S about 56) the two upper
      // layers take S, the third (E = 48.09) its whole demand: 100 x 48.09 = 4809.
      // Net: 100 days of respiration 100 x 0.049 x 1.7142857 = 8.4 off what the water allowed.
      {"Southern Wisconsin",
       860,
       15,
       26.6,
       160,
       {1, 1, 1},
       134.76326020707353,
       64.6610133949999,
       {33, 33, 27, 0, 0},
       {5576, 5569, 4809, 0, 0},
       5545.509304903937,
       32.978062767007444},
      // c = 110 (es(23.6) - es(12.8)) = 110 (2.912767 - 1.478194) = 157.8031. Day 1 meets
      // every demand (S = 100 (-0.1 + 1.5) = 140): W = 5500 + 19 - 203.21 = 5315.79,
      // psi = -0.1 - 5 (1 - 5315.79 / 6666) = -1.1128, so from day 2 S = 38.7 is below every
      // E and falls with the soil; 8.4 of respiration outweighs about 5.4 fixed: -3 each.
      {"Central Oregon",
       930,
       12.8,
       27.2,
       19,
       {1, 1, 1},
       157.8030651636888,
       76.57174566144161,
       {-3, -3, -3, 0, 0},
       {848, 840, 829, 0, 0},
       4883.95600000473,
       -3.0292716216792934},
      // c = 110 (es(26.2) - es(9.4)) = 110 (3.401069 - 1.179389) = 244.3848. Juniper draws
      // down to -5 MPa: layer 1 (P = 1.15 x 0.3 x 1000 / 1850 = 0.186486, E = 45.574) meets
      // its demand until day 79; respiration 100 x 0.03 x 1.7142857 = 5.14 a layer.
      {"Central Utah",
       1000,
       9.4,
       31.8,
       39,
       {6, 6, 6},
       244.38480654956362,
       45.5744639241078,
       {11, 7, 3, 0, 0},
       {3991, 3003, 2098, 0, 0},
       308.523535687146,
       11.186198715830631},
      // c = 110 (es(22.975) - es(17.8)) = 110 (2.804949 - 2.038023) = 84.3619. Rain (390 a
      // day) beyond the demand of 151.77 fills the soil to capacity (drainage from day 5), so
      // every demand is met: AET = 100 E, net = 100 (P - 0.1 A x 1.7142857). Aspen:
      // P = 1.15 x 1.1 x 900 / 1350 = 0.843333, E = 71.1452, AET 7114.5, net 84.333 - 18.857
      // = 65.48 (65.476190289 with 24/14 in single precision, 65.476190476 in double). Birch: PAR
      // 900 e^-0.6 = 493.93, P = 1.15 x 0.75 x 493.93 / 793.93 = 0.536590,
      // net 53.659 - 12.857 = 40.80. Hemlock: 24.273 - 4.286 = 19.99. Spruce (PAR 148.76):
      // 4.304 - 0.857 = 3.45. Ninebark (PAR 81.65): 13.335 - 6.857 = 6.48.
      {"New Eng. Mountains, five species",
       900,
       17.8,
       24.7,
       390,
       {3, 2, 4, 5, 8},
       84.36191727078042,
       71.14521689835816,
       {65, 41, 20, 3, 6},
       {7115, 4527, 2048, 363, 1125},
       6586.590060439355,
       65.47619028886157},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const double cost = CanopyWaterCost(c.tmax, c.tmin);
    EXPECT_NEAR(cost, c.waterCost, 1e-9);
    const std::vector<CanopyLayer> layers = BuildCanopy(c.par, cost, c.species);
    ASSERT_EQ(layers.size(), c.species.size());
    EXPECT_NEAR(layers[0].demand, c.topDemand, 1e-9);
    const CanopyRun run = RunCanopy(layers, c.precip, 0, [] { return 0.5; });
    double layerWater = 0, dailyWater = 0;
    for (int i = 1; i <= kCanopyLayers; ++i) {
      const auto at = static_cast<size_t>(i);
      EXPECT_EQ(std::floor(run.netPsn[at] + 0.5), c.netPsn[at - 1]) << "layer " << i;
      EXPECT_EQ(std::floor(run.waterUse[at] + 0.5), c.waterUse[at - 1]) << "layer " << i;
      layerWater += run.waterUse[at];
    }
    for (int d = 1; d <= kCanopyDays; ++d) {
      EXPECT_EQ(run.rain[static_cast<size_t>(d)], c.precip);
      dailyWater += run.dayWaterUse[static_cast<size_t>(d)];
    }
    EXPECT_NEAR(run.netPsn[1], c.topNetPsn, 1e-9);
    // The daily totals add up to the layers' totals.
    EXPECT_NEAR(dailyWater, layerWater, 1e-6);
    EXPECT_NEAR(run.water[kCanopyDays], c.lastWater, 1e-6);
    // psi = -0.1 - 5 (1 - W / 6666) of the last day.
    EXPECT_NEAR(run.potential[kCanopyDays], -0.1 - 5 * (1 - c.lastWater / 6666), 1e-12);
  }
}

TEST(CanopyModel, RandomRainKeepsItsBoundsMeanAndSpread) {
  // q = 10 p; a wet day (share min(1, 1 / q)) has f = q (1 + p u), u uniform in -1..1, so
  // E f = min(1, 1 / q) q and E f^2 = min(1, 1 / q) q^2 (1 + p^2 / 3).
  struct Case {
    double p;
    double wetShare, low, high, mean, variance;
  };
  const Case cases[] = {
      // q = 0.5: rains every day; f in [0.475, 0.525); var = 0.25 (1 + 0.0025 / 3) - 0.25.
      {0.05, 1, 0.475, 0.525, 0.5, 0.25 * 0.0025 / 3},
      // q = 1: every day; f in [0.9, 1.1); var = 1.00333 - 1.
      {0.1, 1, 0.9, 1.1, 1, 0.01 / 3},
      // q = 5: one day in 5; f in [2.5, 7.5); E f^2 = 0.2 x 25 x 1.08333 = 5.41667.
      {0.5, 0.2, 2.5, 7.5, 1, 5.41666666666667 - 1},
      // q = 10: one day in 10; f in [0, 20); E f^2 = 0.1 x 100 x 4 / 3 = 13.3333.
      {1, 0.1, 0, 20, 1, 13.3333333333333 - 1},
  };
  constexpr int kRuns = 1000;
  constexpr double kDays = kRuns * kCanopyDays;
  const std::vector<CanopyLayer> oneMaple = BuildCanopy(860, 134.76, {1});
  for (const Case& c : cases) {
    SCOPED_TRACE(c.p);
    RandomSequence random;
    random.Randomize(11);
    double sum = 0, squares = 0, wet = 0;
    bool inBounds = true;
    for (int r = 0; r < kRuns; ++r) {
      const CanopyRun run = RunCanopy(oneMaple, 1, c.p, [&random] { return random.Rnd(); });
      for (int d = 1; d <= kCanopyDays; ++d) {
        const double f = run.rain[static_cast<size_t>(d)];
        inBounds = inBounds && (f == 0 || (f >= c.low && f < c.high));
        sum += f;
        squares += f * f;
        wet += f > 0 ? 1 : 0;
      }
    }
    EXPECT_TRUE(inBounds);
    const double mean = sum / kDays;
    const double variance = squares / kDays - mean * mean;
    // Five standard errors of the mean; the variance within a tenth.
    EXPECT_NEAR(mean, c.mean, 5 * std::sqrt(c.variance / kDays));
    EXPECT_NEAR(variance, c.variance, 0.1 * c.variance);
    EXPECT_NEAR(wet / kDays, c.wetShare,
                5 * std::sqrt(c.wetShare * (1 - c.wetShare) / kDays) + 1e-12);
  }
  // No proportion: the same rain every day, and no number drawn.
  int draws = 0;
  EXPECT_EQ(RainFactor(0, [&draws] { return ++draws, 0.5; }), 1);
  EXPECT_EQ(draws, 0);
}

// ---- The window ----

class Ex1AskTest : public testing::ExerciseTest<Ex1Ask> {
 protected:
  std::vector<std::string> results() {
    std::vector<std::string> shown;
    for (int i = 1; i <= kCanopyLayers; ++i) {
      shown.push_back(w().NP(i).text());
      shown.push_back(w().AETout(i).text());
    }
    shown.push_back(w().NPTotal.text());
    shown.push_back(w().TotETout.text());
    return shown;
  }
  // A run with bad input: only the failure came of it, the results and graph stay.
  void ExpectRefused(const std::string& message) {
    const std::vector<std::string> before = results();
    const std::vector<Mark> graph = marks();
    const size_t failures = host.failures.size();
    click(w().Command2);
    ASSERT_EQ(host.failures.size(), failures + 1);
    EXPECT_EQ(host.failures.back().message, message);
    EXPECT_EQ(results(), before);
    EXPECT_EQ(marks().size(), graph.size());
  }
};

TEST_F(Ex1AskTest, MissingLocationOrFirstSpeciesIsAskedFor) {
  click(w().Command2);
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].prompt, "Select a Location");
  EXPECT_EQ(host.messages[0].title, "No Climate Data");

  click(w().Site(2));
  EXPECT_EQ(w().PARin.text(), "900");
  EXPECT_EQ(w().Tmin.text(), "17.8");
  EXPECT_EQ(w().Tmax.text(), "24.7");
  EXPECT_EQ(w().Precip.text(), "390");
  program.focus(w().SP(1));
  EXPECT_EQ(w().SP(1).text(), "");
  click(w().Command2);
  ASSERT_EQ(host.messages.size(), 2u);
  EXPECT_EQ(host.messages[1].prompt, "Need Species for Layer 1");
  EXPECT_EQ(host.messages[1].title, "Missing First Layer");
  EXPECT_EQ(w().NP(1).text(), " ");
  EXPECT_FALSE(output().visible());
}

TEST_F(Ex1AskTest, SpeciesCompleteFromTheirFirstLetterAndTheCanopyEndsAtAGap) {
  const std::pair<const char*, const char*> typed[] = {
      {"b", "Birch"}, {"A", "Aspen"},    {"hx", "Hemlock"}, {"s", "Spruce"}, {"J", "Juniper"},
      {"o", "Oak"},   {"N", "Ninebark"}, {"m", "Maple"},    {"x", ""},       {"", ""}};
  for (const auto& [text, name] : typed) {
    type(w().SP(4), text);
    EXPECT_EQ(w().SP(4).text(), name) << text;
  }
  click(w().SP(4));
  EXPECT_EQ(w().SP(4).text(), "");

  // Level 2 empty: one Maple layer, the Maple of level 3 ignored. In Wisconsin the one layer
  // meets its whole demand most days; levels 2 to 5 show 0.
  click(w().Site(1));
  type(w().SP(2), "");
  click(w().Command2);
  EXPECT_TRUE(host.failures.empty());
  EXPECT_EQ(w().NP(2).text(), "0");
  EXPECT_EQ(w().NP(3).text(), "0");
  EXPECT_EQ(w().NPTotal.text(), w().NP(1).text());
  EXPECT_EQ(w().TotETout.text(), w().AETout(1).text());
}

TEST_F(Ex1AskTest, RandomProportionIsKeptWithinZeroAndOne) {
  const std::pair<const char*, const char*> typed[] = {
      {"1.5", "1"}, {"-0.2", "0"}, {"0.4", "0.4"}, {"2 days", "1"}};
  for (const auto& [text, shown] : typed) {
    type(w().RandRange, text);
    EXPECT_EQ(w().RandRange.text(), shown) << text;
  }
}

TEST_F(Ex1AskTest, RandomRainDiffersFromRunToRun) {
  click(w().Site(3));
  type(w().RandRange, "0.5");
  click(w().Command2);
  const PointValues first = program.state<PlotRecord>().PlotY[4];
  click(w().Command2);
  const PointValues second = program.state<PlotRecord>().PlotY[4];
  EXPECT_NE(first, second);
  // Precip 39, q = 5: a wet day gets 39 x 5 x (1 +- 0.5), 97.5 to 292.5.
  for (int d = 1; d <= kCanopyDays; ++d) {
    const double rain = second[static_cast<size_t>(d)];
    EXPECT_TRUE(rain == 0 || (rain >= 97.5 && rain < 292.5)) << rain;
  }
}

TEST_F(Ex1AskTest, ClimateThatCannotBeComputedIsRefusedAndChangesNothing) {
  click(w().Site(1));
  click(w().Command2);
  ASSERT_TRUE(output().visible());
  type(w().Tmax, "warm");
  ExpectRefused("Tmax: 'warm' is not a number");
  type(w().Tmax, "15");
  ExpectRefused(
      "Tmax '15' and Tmin '15' give no vapour pressure deficit: the canopy demands no water, so "
      "the share of its demand met cannot be computed");
  type(w().Tmax, "26.6");
  type(w().Tmin, "");
  ExpectRefused("Tmin: '' is not a number");
  type(w().Tmin, "-237.31");
  ExpectRefused("Tmax '26.6' and Tmin '-237.31' give a vapour pressure deficit beyond computing");
  type(w().Tmin, "15");
  type(w().PARin, "0");
  ExpectRefused(
      "PAR: '0' gives no photosynthesis: the canopy demands no water, so the share of its "
      "demand met cannot be computed");
  // 150 + PAR = 0 in the top layer.
  type(w().PARin, "-150");
  ExpectRefused("PAR: '-150' gives a light response that divides by zero");
  type(w().PARin, "860");
  type(w().Precip, "160 mm");
  ExpectRefused("Precip: '160 mm' is not a number");
  type(w().Precip, "1e306");
  ExpectRefused(
      "This climate (PAR '860', Tmax '26.6' and Tmin '15', Precip '1e306') drives the soil "
      "water beyond computing");
  EXPECT_EQ(w().NPTotal.text(), "93");
}

TEST_F(Ex1AskTest, ReturnHidesTheWindowAndTheGraph) {
  click(w().Site(0));
  click(w().Command2);
  EXPECT_TRUE(output().visible());
  click(w().Command1);
  EXPECT_FALSE(w().visible());
  EXPECT_FALSE(output().visible());
  EXPECT_EQ(w().PARin.text(), "930");
}

}  // namespace
}  // namespace sylvandra
