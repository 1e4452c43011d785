#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <tuple>
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
    double par, tmin, tmax, precip;
    std::vector<int>
        species;  // 1 Maple, 2 Birch, 3 Aspen, 4 Hemlock, 5 Spruce, 6 Juniper, 8 Ninebark
    double waterCost, topDemand;           // c; E of layer 1
    std::vector<double> netPsn, waterUse;  // each layer's 100-day sums, rounded as shown
    double lastWater, topNetPsn;           // W after day 100; layer 1's sum before rounding
  };
  // clang-format off
  const Case cases[] = {
      // Southern Wisconsin. Ta = (3 x 26.6 + 15) / 4 = 23.7; c = 110 (es(23.7) - es(15))
      // = 110 (2.930349 - 1.705229) = 134.7633. Layer 1: P = 1.15 x 0.49 x 860 / 1010 =
      // 0.479812, E = 64.6610. The Maples share S = 100 (psi + 1.5); with psi near -0.94 (S about
      // 56) the two upper layers take S, the third (E = 48.09) all of it: 100 x 48.09 = 4809.
      // Net: respiration 100 x 0.049 x 1.7142857 = 8.4 off what the water allowed.
      {860, 15, 26.6, 160, {1, 1, 1}, 134.76326020707353, 64.6610133949999,
       {33, 33, 27, 0, 0}, {5576, 5569, 4809, 0, 0}, 5545.509304903937, 32.978062767007444},
      // Central Oregon. c = 110 (es(23.6) - es(12.8)) = 110 (2.912767 - 1.478194) = 157.8031.
      // Day 1 meets every demand (S = 100 (-0.1 + 1.5) = 140): W = 5500 + 19 - 203.21 =
      // 5315.79, psi = -0.1 - 5 (1 - 5315.79 / 6666) = -1.1128, so from day 2 S = 38.7 is below
      // every E and falls with the soil; 8.4 of respiration outweighs about 5.4 fixed: -3 each.
      {930, 12.8, 27.2, 19, {1, 1, 1}, 157.8030651636888, 76.57174566144161,
       {-3, -3, -3, 0, 0}, {848, 840, 829, 0, 0}, 4883.95600000473, -3.0292716216792934},
      // Central Utah. c = 110 (es(26.2) - es(9.4)) = 110 (3.401069 - 1.179389) = 244.3848.
      // Juniper draws down to -5 MPa: layer 1 (P = 1.15 x 0.3 x 1000 / 1850 = 0.186486,
      // E = 45.574) meets its demand until day 79; respiration 100 x 0.03 x 1.7142857 = 5.14.
      {1000, 9.4, 31.8, 39, {6, 6, 6}, 244.38480654956362, 45.5744639241078,
       {11, 7, 3, 0, 0}, {3991, 3003, 2098, 0, 0}, 308.523535687146, 11.186198715830631},
      // New Eng. Mountains, five species. c = 110 (es(22.975) - es(17.8)) = 84.3619. Rain (390
      // a day) beyond the demand of 151.77 keeps the soil near capacity (drainage from day 5),
      // so every demand is met: AET = 100 E, net = 100 (P - 0.1 A x 1.7142857). Aspen: P =
      // 1.15 x 1.1 x 900 / 1350 = 0.843333, E = 71.1452, net 84.3333 - 18.8571 = 65.476190289
      // (65.476190476 were 24/14 taken in double). Birch (PAR 900 e^-0.6 = 493.93): P = 0.536590,
      // net 53.659 - 12.857 = 40.80. Hemlock 24.273 - 4.286 = 19.99. Spruce (PAR 148.76)
      // 4.304 - 0.857 = 3.45. Ninebark (PAR 81.65) 13.335 - 6.857 = 6.48.
      {900, 17.8, 24.7, 390, {3, 2, 4, 5, 8}, 84.36191727078042, 71.14521689835816,
       {65, 41, 20, 3, 6}, {7115, 4527, 2048, 363, 1125}, 6586.590060439355, 65.47619028886157},
  };
  // clang-format on
  for (const Case& c : cases) {
    SCOPED_TRACE(c.precip);
    const double cost = CanopyWaterCost(c.tmax, c.tmin);
    EXPECT_NEAR(cost, c.waterCost, 1e-9);
    const std::vector<CanopyLayer> layers = BuildCanopy(c.par, cost, c.species);
    ASSERT_EQ(layers.size(), c.species.size());
    EXPECT_NEAR(layers[0].demand, c.topDemand, 1e-9);
    // No proportion: no number is drawn.
    const CanopyRun run = RunCanopy(layers, c.precip, 0, [] { return std::nan(""); });
    for (size_t i = 1; i <= kCanopyLayers; ++i) {
      EXPECT_EQ(std::floor(run.netPsn[i] + 0.5), c.netPsn[i - 1]) << "layer " << i;
      EXPECT_EQ(std::floor(run.waterUse[i] + 0.5), c.waterUse[i - 1]) << "layer " << i;
    }
    EXPECT_EQ(run.rain[kCanopyDays], c.precip);
    EXPECT_NEAR(run.netPsn[1], c.topNetPsn, 1e-9);
    EXPECT_NEAR(run.water[kCanopyDays], c.lastWater, 1e-6);
  }
}

TEST(CanopyModel, RandomRainKeepsItsBoundsMeanAndSpread) {
  // q = 10 p; a wet day (share min(1, 1 / q)) has f = q (1 + p u), u uniform in -1..1, so
  // E f = min(1, 1 / q) q and E f^2 = min(1, 1 / q) q^2 (1 + p^2 / 3).
  struct Case {
    double p, low, high, mean, variance;  // f is 0 or in [low, high)
  };
  const Case cases[] = {
      // q = 0.5: rains every day; f in [0.475, 0.525); var = 0.25 (1 + 0.0025 / 3) - 0.25.
      {0.05, 0.475, 0.525, 0.5, 0.25 * 0.0025 / 3},
      // q = 1: every day; f in [0.9, 1.1); var = 1.00333 - 1.
      {0.1, 0.9, 1.1, 1, 0.01 / 3},
      // q = 5: one day in 5; f in [2.5, 7.5); E f^2 = 0.2 x 25 x 1.08333 = 5.41667.
      {0.5, 2.5, 7.5, 1, 5.41666666666667 - 1},
      // q = 10: one day in 10; f in [0, 20); E f^2 = 0.1 x 100 x 4 / 3 = 13.3333.
      {1, 0, 20, 1, 13.3333333333333 - 1},
  };
  constexpr double kRuns = 1000, kDays = kRuns * kCanopyDays;
  const std::vector<CanopyLayer> oneMaple = BuildCanopy(860, 134.76, {1});
  for (const Case& c : cases) {
    SCOPED_TRACE(c.p);
    RandomSequence random;
    random.Randomize(11);
    double sum = 0, squares = 0;
    bool inBounds = true;
    for (int r = 0; r < kRuns; ++r) {
      const CanopyRun run = RunCanopy(oneMaple, 1, c.p, [&random] { return random.Rnd(); });
      for (size_t d = 1; d <= kCanopyDays; ++d) {
        const double f = run.rain[d];
        inBounds = inBounds && (f == 0 || (f >= c.low && f < c.high));
        sum += f;
        squares += f * f;
      }
    }
    EXPECT_TRUE(inBounds);
    const double mean = sum / kDays;
    // Five standard errors of the mean; the variance within a tenth.
    EXPECT_NEAR(mean, c.mean, 5 * std::sqrt(c.variance / kDays));
    EXPECT_NEAR(squares / kDays - mean * mean, c.variance, 0.1 * c.variance);
  }
}

// ---- The window ----

class Ex1AskTest : public testing::ExerciseTest<Ex1Ask> {};

TEST_F(Ex1AskTest, ClimateThatCannotBeComputedIsRefusedAndChangesNothing) {
  click(w().Site(1));
  click(w().Command2);
  const auto results = [this] {
    std::vector<std::string> shown = {w().NPTotal.text(), w().TotETout.text()};
    for (int i = 1; i <= kCanopyLayers; ++i) {
      shown.insert(shown.end(), {w().NP(i).text(), w().AETout(i).text()});
    }
    return shown;
  };
  const std::vector<std::string> before = results();
  const size_t graph = marks().size();
  const std::string noDemand =
      ": the canopy demands no water, so the share of its demand met cannot be computed";
  struct Row {
    Control* field;
    const char* text;
    std::string message;
  };
  const Row rows[] = {
      {&w().Tmax, "warm", "Tmax: 'warm' is not a number"},
      {&w().Tmin, "", "Tmin: '' is not a number"},
      {&w().PARin, "bright", "PAR: 'bright' is not a number"},
      {&w().Precip, "160 mm", "Precip: '160 mm' is not a number"},
      {&w().Tmax, "15", "Tmax '15' and Tmin '15' give no vapour pressure deficit" + noDemand},
      {&w().Tmin, "-237.31",
       "Tmax '26.6' and Tmin '-237.31' give a vapour pressure deficit beyond computing"},
      {&w().PARin, "0", "PAR: '0' gives no photosynthesis" + noDemand},
      // 150 + PAR = 0 in the top layer.
      {&w().PARin, "-150", "PAR: '-150' gives a light response that divides by zero"},
      {&w().Precip, "1e306",
       "This climate (PAR '860', Tmax '26.6' and Tmin '15', Precip '1e306') drives the soil water "
       "beyond computing"},
  };
  for (const Row& row : rows) {
    const std::string kept = row.field->text();
    type(*row.field, row.text);
    click(w().Command2);
    EXPECT_EQ(lastFailure(), row.message);
    EXPECT_EQ(results(), before) << row.text;
    EXPECT_EQ(marks().size(), graph) << row.text;
    type(*row.field, kept);
  }
  EXPECT_EQ(host.failures.size(), std::size(rows));
}

TEST_F(Ex1AskTest, FieldsCompleteAndKeepInRange) {
  // A species from its first letter in either case (the name is built from that letter);
  // any other text empties the field. The random proportion is kept within 0..1.
  const std::tuple<Control*, const char*, const char*> typed[] = {
      {&w().SP(4), "b", "Birch"},   {&w().SP(4), "Nine", "Ninebark"}, {&w().SP(4), "x", ""},
      {&w().RandRange, "1.5", "1"}, {&w().RandRange, "-0.2", "0"},    {&w().RandRange, "2", "1"}};
  for (const auto& [field, text, shown] : typed) {
    type(*field, text);
    EXPECT_EQ(field->text(), shown) << text;
  }
  click(w().SP(3));
  EXPECT_EQ(w().SP(3).text(), "");
  type(w().SP(3), "m");
  program.focus(w().SP(3));
  EXPECT_EQ(w().SP(3).text(), "");
}

TEST_F(Ex1AskTest, ARunNeedsALocationAndATopLayerAndEndsAtAGap) {
  click(w().Command2);
  click(w().Site(3));
  type(w().SP(1), "");
  click(w().Command2);
  ASSERT_EQ(host.messages.size(), 2u);
  EXPECT_EQ(host.messages[0].prompt + "/" + host.messages[0].title,
            "Select a Location/No Climate Data");
  EXPECT_EQ(host.messages[1].prompt + "/" + host.messages[1].title,
            "Need Species for Layer 1/Missing First Layer");
  EXPECT_FALSE(output().visible());
  // Level 2 empty: one Maple layer, the Maple of level 3 ignored; level 3 shows 0. Random
  // rain from the program's generator differs from run to run.
  type(w().SP(1), "m");
  type(w().SP(2), "");
  type(w().RandRange, "0.5");
  click(w().Command2);
  const PointValues rain = program.state<PlotRecord>().PlotY[4];
  EXPECT_EQ(w().NP(3).text(), "0");
  click(w().Command2);
  EXPECT_NE(program.state<PlotRecord>().PlotY[4], rain);
  EXPECT_TRUE(host.failures.empty());
}

}  // namespace
}  // namespace sylvandra
