#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "exercises/population/ex5_ask.h"
#include "exercises/population/moose_model.h"
#include "unit/exercise_fixture.h"

namespace sylvandra {
namespace {

// ---- The model on numbers ----

// A generator that hands out the given draws and counts them.
struct ScriptedDraws {
  std::vector<double> draws;
  size_t taken = 0;
  double operator()() { return draws.at(taken++); }
};

// One year, 1881, with moose (and wolves) arriving in it. Common arithmetic with the defaults
// and R = 0: plants 2 -> 2 + 0.5 x 2 x 28 / 30 = 2.933333, Ptot = 1877333.3. Two moose of 400
// kg: c = 200 / 300, births 0.666667, maturing 0.2, so Ma = 2.2, Mc = 0.466667, N = 2.666667,
// Mw = 300. Need D = (200 + 1500) N = 4533.33, q = D / Ptot = 0.0024 (below 0.2, so e = q and
// the moose eat exactly D); Mm = 800 + 4533.33 - 1500 N = 1333.33, Mw = 500; deaths
// exp(-2) = 0.135335 leave N = 2.305773 and Mm = 1152.887; plants (1877333.3 - 4533.3) / 640000.
TEST(MooseModel, FirstYearFollowsTheYearlySteps) {
  struct Case {
    const char* what;
    std::function<void(MooseParameters&)> set;
    std::vector<double> draws;
    double plants, moose, mooseWeight, wolves, wolfWeight, killed, hunted;
    bool quotaTookAll;
  } cases[] = {
      {"moose arrive",
       [](MooseParameters&) {},
       {0.5, 0.5, 0.5},
       // 1872800 / 640000; 2.666667 x 0.864665
       2.92625,
       2.3057725780357,
       500,
       0,
       0,
       0,
       0,
       false},
      {"a quota above the herd takes it all",
       [](MooseParameters& p) {
         p.hunt = 5;
         p.huntAfter = 1880;
       },
       {0.5, 0.5, 0.5},
       2.92625,
       0,
       500,
       0,
       0,
       0,
       2.3057725780357,
       true},
      {"a fraction takes its share",
       [](MooseParameters& p) {
         p.hunt = 0.5;
         p.huntAfter = 1880;
       },
       // 2.305773 / 2 hunted, as many left
       {0.5, 0.5, 0.5},
       2.92625,
       1.15288628901785,
       500,
       0,
       0,
       0,
       1.15288628901785,
       false},
      {"no hunting before the year after the first hunting year",
       [](MooseParameters& p) {
         p.hunt = 5;
         p.huntAfter = 1881;
       },
       {0.5, 0.5, 0.5},
       2.92625,
       2.3057725780357,
       500,
       0,
       0,
       0,
       0,
       false},
      {"wolves take part of a larger herd",
       [](MooseParameters& p) {
         p.mooseInitial = 20;
         p.wolfInitial = 2;
         p.wolfYear = 1881;
       },
       // Ten times the herd: N = 23.05773, Mm = 11528.87, Mw = 500. Wolves: cw = 1, 2 births,
       // Wn = 4, Ww = 160 / 4 = 40, need (40 + 500) x 4 = 2160 of moose mass, so Kill =
       // 2160 / 500 = 4.32 and the herd is 23.05773 - 4.32. Wm = 160 + 2160 - 2000 = 320;
       // deaths exp(-2.3) = 0.100259 leave Wn = 4 x 0.899741 and Ww = 320 / 4 = 80.
       // Plants: q = 45333.3 / Ptot, still below 0.2: (1877333.3 - 45333.3) / 640000.
       {0.5, 0.5, 0.5, 0.5, 0.5},
       2.8625,
       18.737725780357,
       500,
       3.59896462510879,
       80,
       4.32,
       0,
       false},
      {"starving below zero mass leaves no herd, and wolves find none",
       [](MooseParameters& p) {
         p.mooseRespiration = 1e6;
         p.wolfInitial = 2;
         p.wolfYear = 1881;
       },
       // D = (200 + 1e6) N = 2667200, q = 1.420739 > 0.2, e = q / (q + 0.8) = 0.639759,
       // E = 1201041.8; Mm = 800 + E - 1e6 N < 0: no survivors (Mw set to the minimum 200).
       // The wolves arrive but have no herd: they neither breed nor die, and kill none.
       // Plants (1877333.3 - 1201041.8) / 640000.
       {0.5, 0.5, 0.5},
       1.05670547098205,
       0,
       200,
       2,
       80,
       0,
       0,
       false},
      {"random factor drawn for plants, births, deaths in that order",
       [](MooseParameters& p) { p.randomFactor = 1; },
       // F = 2u: 0.5, 1.5, 1. Plants 2 + 0.933333 x 0.5 = 2.466667, Ptot = 1578666.7.
       // Births 0.666667 x 1.5 = 1, Ma = 2.3, Mc = 0.7, N = 3, Mw = 266.667; D = 1733.33 x 3 =
       // 5200 eaten; Mm = 800 + 5200 - 4500 = 1500, Mw = 500; deaths 0.135335 x 1: N = 3 x
       // 0.864665. Plants (1578666.7 - 5200) / 640000.
       {0.25, 0.75, 0.5},
       2.45854166666667,
       2.59399415029016,
       500,
       0,
       0,
       0,
       0,
       false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    MooseParameters p;
    p.years = 1;
    p.mooseYear = 1881;
    c.set(p);
    ScriptedDraws draws{c.draws};
    const std::vector<MooseYear> run = RunMooseWolves(p, std::ref(draws));
    ASSERT_EQ(run.size(), 1u);
    const MooseYear& y = run[0];
    EXPECT_EQ(y.year, 1881);
    EXPECT_NEAR(y.plants, c.plants, 1e-12);
    EXPECT_NEAR(y.moose, c.moose, 1e-11);
    EXPECT_NEAR(y.mooseWeight, c.mooseWeight, 1e-9);
    EXPECT_NEAR(y.wolves, c.wolves, 1e-11);
    EXPECT_NEAR(y.wolfWeight, c.wolfWeight, 1e-11);
    EXPECT_NEAR(y.killed, c.killed, 1e-11);
    EXPECT_NEAR(y.hunted, c.hunted, 1e-11);
    EXPECT_EQ(y.quotaTookAll, c.quotaTookAll);
    EXPECT_EQ(draws.taken, c.draws.size());  // a draw for each step that ran, no more
  }
}

// A century with two wolves from 1945 (defaults otherwise, no randomness), as worked through
// year by year by hand: the herd passes 2000 in the 1930s and crashes, then under predation
// peaks at 2316 (1948), 2084 (1959), 1774 (1968) and 1462 (1975) with troughs of 436 to 981.
TEST(MooseModel, CenturyWithWolves) {
  MooseParameters p;
  p.years = 100;
  p.wolfInitial = 2;
  const std::vector<MooseYear> run = RunMooseWolves(p, [] { return 0.0; });
  ASSERT_EQ(run.size(), 100u);
  auto herd = [&](int year) { return run.at(static_cast<size_t>(year - 1881)).moose; };
  EXPECT_EQ(herd(1904), 0);
  EXPECT_GT(herd(1935), 2000);
  const struct {
    int year;
    double herd;
    int sign;  // +1 a peak, -1 a trough
  } turns[] = {{1948, 2316, 1}, {1951, 436, -1}, {1959, 2084, 1}, {1968, 1774, 1}, {1975, 1462, 1}};
  for (const auto& t : turns) {
    EXPECT_NEAR(herd(t.year), t.herd, 0.5) << t.year;
    EXPECT_GT(t.sign * (herd(t.year) - herd(t.year - 1)), 0) << t.year;
    EXPECT_GT(t.sign * (herd(t.year) - herd(t.year + 1)), 0) << t.year;
  }
  for (const MooseYear& y : run) {
    if (y.year < 1952) continue;
    EXPECT_GT(y.moose, 430) << y.year;
    EXPECT_LT(y.moose, 2100) << y.year;
  }
}

// With a weight range entered the wrong way round (maximum below minimum) both limits still
// apply in turn: a weight capped at the maximum is below the minimum, so starvation thins the
// herd (or the pack) until the survivors weigh the minimum. No year shows a weight below it.
TEST(MooseModel, AnInvertedWeightRangeEndsEveryYearAtTheMinimum) {
  struct Case {
    const char* what;
    std::function<void(MooseParameters&)> invert;
    double MooseYear::*count;
    double MooseYear::*weight;
    double minimum;
  } cases[] = {
      {"moose 200 / 500",
       [](MooseParameters& p) {
         p.mooseMaxWeight = 200;
         p.mooseMinWeight = 500;
       },
       &MooseYear::moose, &MooseYear::mooseWeight, 500},
      {"wolves 40 / 80",
       [](MooseParameters& p) {
         p.wolfMaxWeight = 40;
         p.wolfMinWeight = 80;
       },
       &MooseYear::wolves, &MooseYear::wolfWeight, 80},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    MooseParameters p;
    p.years = 100;
    p.wolfInitial = 2;
    c.invert(p);
    const std::vector<MooseYear> run = RunMooseWolves(p, [] { return 0.5; });
    int yearsPresent = 0;
    for (const MooseYear& y : run) {
      if (y.*c.count <= 0) continue;
      ++yearsPresent;
      EXPECT_EQ(y.*c.weight, c.minimum) << y.year;
    }
    EXPECT_GT(yearsPresent, 10);
  }
}

// ---- The window ----

class Ex5AskTest : public testing::ExerciseTest<Ex5Ask> {
 protected:
  void Execute() { click(w().Command1); }
  // Runs with bad input: one failure with this message, and the graph as it was.
  void ExpectRefused(const std::string& message) {
    const size_t marksBefore = marks().size();
    const std::vector<std::string> textsBefore = texts();
    host.failures.clear();
    Execute();
    ASSERT_EQ(host.failures.size(), 1u);
    EXPECT_EQ(host.failures[0].window, "Ex5Ask");
    EXPECT_EQ(host.failures[0].message, message);
    EXPECT_EQ(marks().size(), marksBefore);
    EXPECT_EQ(texts(), textsBefore);
  }
};

TEST_F(Ex5AskTest, PlantAndMooseScalesFollowTheCapacity) {
  type(w().plantk, "60");
  Execute();
  EXPECT_TRUE(lastFailure().empty()) << lastFailure();
  // Legend maxima: K = 60, and K / 30 x 3000 = 6000 for the moose.
  const std::vector<std::string> shown = texts();
  EXPECT_NE(std::find(shown.begin(), shown.end(), " 60"), shown.end());
  EXPECT_NE(std::find(shown.begin(), shown.end(), " 6000"), shown.end());
}

TEST_F(Ex5AskTest, BadInputIsRefusedAndTheGraphStays) {
  Execute();
  type(w().plantk, "3O");
  ExpectRefused("Plants K: '3O' is not a number");
  type(w().plantk, "30");
  type(w().moosecondmin, "500");
  ExpectRefused("Moose Min. Weight: '500' must differ from Moose Max. Weight ('500')");
  type(w().moosecondmin, "200");
  type(w().nyears, "301");
  ExpectRefused("Years to Run: '301' must be 300 or fewer: the graph holds that many years");
  type(w().nyears, "20");
  type(w().randit, "1.5");
  ExpectRefused("Random Factor: '1.5' must lie between 0 and 1");
}

TEST_F(Ex5AskTest, RandomRunsRepeatAndResetRestoresTheDefaults) {
  type(w().randit, "0.5");
  type(w().nyears, "100");
  Execute();
  const std::vector<Mark> first = marks();
  Execute();
  ASSERT_EQ(marks().size(), first.size());
  for (size_t i = 0; i < first.size(); ++i) EXPECT_EQ(marks()[i].y2, first[i].y2) << i;

  type(w().hunt, "0.1");
  click(w().reset);
  EXPECT_EQ(w().inithunt.text(), "1910");
  EXPECT_EQ(w().nyears.text(), "20");
  EXPECT_EQ(w().randit.text(), "0");
  EXPECT_EQ(w().hunt.text(), "0");
  EXPECT_EQ(w().moosemat.text(), "0.3");
}

}  // namespace
}  // namespace sylvandra
