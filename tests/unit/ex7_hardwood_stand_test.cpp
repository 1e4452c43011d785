#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "exercises/population/ex7_ask.h"
#include "exercises/population/stand_model.h"
#include "unit/exercise_fixture.h"

namespace sylvandra {
namespace {

// ---- The model on numbers ----

// The default traits of the five species.
SpeciesTraits DefaultTraits() {
  SpeciesTraits t;
  t.longevity = {0, 40, 50, 90, 150, 200};
  t.tolerance = {"", "1", "1", "3", "4", "5"};
  t.toleranceNumber = {0, 1, 1, 3, 4, 5};
  t.dispersal = {0, 1, 11, 5, 3, 1};
  t.seedLongevity = {0, 100, 0, 0, 0, 0};
  t.sprout = {0, 0, 1, 0, 0, 1};
  return t;
}

int Count(const StandGrid<int>& grid, int code) {
  int n = 0;
  for (int i = 1; i <= kStandRows; ++i)
    for (int j = 1; j <= kStandColumns; ++j) n += grid[i][j] == code ? 1 : 0;
  return n;
}

TEST(HardwoodStandModel, EachStepOfTheYear) {
  struct Case {
    const char* what;
    std::function<void(HardwoodStand&, SpeciesTraits&)> setup;
    double draw;  // every random number of the step
    std::function<void(HardwoodStand&, SpeciesTraits&, const StandDraw&)> step;
    std::function<void(const HardwoodStand&)> check;
    size_t draws;  // how many numbers the step takes
  };
  auto none = [](HardwoodStand&, SpeciesTraits&) {};
  auto canopyOf = [](int code) {
    return [code](HardwoodStand& s, SpeciesTraits&) {
      for (auto& row : s.OverstoryGrid) row.fill(code);
      for (auto& row : s.UnderstoryGrid) row.fill(code);
    };
  };
  const std::vector<Case> cases = {
      {"a fresh stand: Int(5 x 0.5 + 1) = 3 in both layers, 140 seeds of species 1", none, 0.5,
       [](auto& s, auto&, auto& rnd) { InitialiseStand(s, rnd); },
       [](const HardwoodStand& s) {
         EXPECT_EQ(Count(s.OverstoryGrid, 3), 800);
         EXPECT_EQ(Count(s.UnderstoryGrid, 3), 800);
         EXPECT_EQ(s.SeedBank[20][40][1], 140);
         EXPECT_EQ(s.SeedBank[20][40][2], 0);
       },
       1600},
      // Species 1 survives a year with exp(ln 0.1 / 40) = 0.944061 (0.1 ^ (1/40)).
      {"a draw of 0.944 keeps cherries alive", canopyOf(1), 0.944,
       [](auto& s, auto& t, auto& rnd) { KillTrees(s, t, rnd); },
       [](const HardwoodStand& s) { EXPECT_EQ(Count(s.OverstoryGrid, 1), 800); }, 1600},
      {"a draw of 0.945 kills them in both layers", canopyOf(1), 0.945,
       [](auto& s, auto& t, auto& rnd) { KillTrees(s, t, rnd); },
       [](const HardwoodStand& s) {
         EXPECT_EQ(Count(s.OverstoryGrid, 0), 800);
         EXPECT_EQ(Count(s.UnderstoryGrid, 0), 800);
       },
       1600},
      {"gap probability 1 clears every cell, seeds stay", canopyOf(2), 0.999,
       [](auto& s, auto&, auto& rnd) {
         s.SeedBank[4][4][2] = 7;
         OpenWindthrowGaps(s, 1, rnd);
       },
       [](const HardwoodStand& s) {
         EXPECT_EQ(Count(s.OverstoryGrid, 0) + Count(s.UnderstoryGrid, 0), 1600);
         EXPECT_EQ(s.SeedBank[4][4][2], 7);
       },
       800},
      // 0.15 in single precision is 0.15000000596; a draw of exactly 0.15 stays below it.
      {"a hurricane spares a draw of 0.15", canopyOf(4), 0.15,
       [](auto& s, auto&, auto& rnd) { HurricaneBlowdown(s, rnd); },
       [](const HardwoodStand& s) { EXPECT_EQ(Count(s.OverstoryGrid, 4), 800); }, 800},
      {"and blows down a draw of 0.16", canopyOf(4), 0.16,
       [](auto& s, auto&, auto& rnd) { HurricaneBlowdown(s, rnd); },
       [](const HardwoodStand& s) { EXPECT_EQ(Count(s.UnderstoryGrid, 0), 800); }, 800},
      // Columns 8..32 are 25 columns of 20 rows: 500 cells; 300 stay in the edge strips.
      {"fire empties the middle 25 columns of trees and seeds", canopyOf(3), 0,
       [](auto& s, auto&, auto&) {
         s.SeedBank[1][8][1] = 140;
         s.SeedBank[1][7][1] = 140;
         BurnStand(s);
       },
       [](const HardwoodStand& s) {
         EXPECT_EQ(Count(s.OverstoryGrid, 0), 500);
         EXPECT_EQ(s.OverstoryGrid[20][33], 3);
         EXPECT_EQ(s.SeedBank[1][8][1], 0);
         EXPECT_EQ(s.SeedBank[1][7][1], 140);
       },
       0},
      // Aspen (d = 11) in the corner seeds rows and columns 1..12: 144 cells; a cherry (d = 1)
      // at (10, 20) seeds its 3 x 3 block.
      {"seed squares are cut at the edges", none, 0,
       [](auto& s, auto& t, auto&) {
         s.OverstoryGrid[1][1] = 2;
         s.OverstoryGrid[10][20] = 1;
         RainSeeds(s, t);
       },
       [](const HardwoodStand& s) {
         int aspen = 0, cherry = 0;
         for (int i = 1; i <= kStandRows; ++i)
           for (int j = 1; j <= kStandColumns; ++j) {
             aspen += static_cast<int>(s.SeedBank[i][j][2]);
             cherry += static_cast<int>(s.SeedBank[i][j][1]);
           }
         EXPECT_EQ(aspen, 144);
         EXPECT_EQ(s.SeedBank[12][12][2], 1);
         EXPECT_EQ(cherry, 9);
         EXPECT_EQ(s.SeedBank[11][21][1], 1);
       },
       0},
      {"a negative dispersal gives an empty square", none, 0,
       [](auto& s, auto& t, auto&) {
         t.dispersal[4] = -1;
         s.OverstoryGrid[5][5] = 4;
         RainSeeds(s, t);
       },
       [](const HardwoodStand& s) { EXPECT_EQ(s.SeedBank[5][5][4], 0); }, 0},
      // Under an empty canopy the most seeds win (200 of birch over 140 of cherry) and are used
      // up; the cherry seeds decay by 1/100: 140 x 0.99 = 138.6. Equal counts go to the lower
      // index (aspen 7 over birch 7).
      {"the most seeds win under an empty canopy", none, 0,
       [](auto& s, auto& t, auto&) {
         s.SeedBank[1][1][1] = 140;
         s.SeedBank[1][1][3] = 200;
         s.SeedBank[1][2][2] = 7;
         s.SeedBank[1][2][3] = 7;
         Regenerate(s, t);
       },
       [](const HardwoodStand& s) {
         EXPECT_EQ(s.UnderstoryGrid[1][1], 3);
         EXPECT_NEAR(s.SeedBank[1][1][1], 138.6, 1e-12);
         EXPECT_EQ(s.SeedBank[1][1][3], 0);
         EXPECT_EQ(s.UnderstoryGrid[1][2], 2);
         EXPECT_EQ(s.SeedBank[1][2][3], 0);  // birch seeds last one year
       },
       0},
      // Ranks compare as texts. With maple ranked "10" and beech "9": beech ("9" > "10") and
      // birch ("3" > "10") both grow under a maple; maple grows under itself (10 > 3 and
      // "10" >= "10"); maple does not grow under a beech ("10" < "9"), nor birch ("3" < "9",
      // and 3 is not above 3).
      {"shade tolerance decides who grows under a canopy", none, 0,
       [](auto& s, auto& t, auto&) {
         t.tolerance[4] = "10";
         t.toleranceNumber[4] = 10;
         t.tolerance[5] = "9";
         t.toleranceNumber[5] = 9;
         const int canopy[] = {4, 4, 4, 5, 5};
         const int seeds[] = {5, 4, 3, 4, 3};
         for (int j = 1; j <= 5; ++j) {
           s.OverstoryGrid[2][j] = canopy[j - 1];
           s.SeedBank[2][j][seeds[j - 1]] = 1;
         }
         Regenerate(s, t);
       },
       [](const HardwoodStand& s) {
         const int grown[] = {s.UnderstoryGrid[2][1], s.UnderstoryGrid[2][2],
                              s.UnderstoryGrid[2][3], s.UnderstoryGrid[2][4],
                              s.UnderstoryGrid[2][5]};
         EXPECT_EQ(std::vector<int>(grown, grown + 5), (std::vector<int>{5, 4, 3, 0, 0}));
       },
       0},
      // An aspen at (5, 5) fills the 9 empty understories of its block; one on the outer row
      // does not sprout.
      {"sprouts fill their block, not from the edge", none, 0,
       [](auto& s, auto& t, auto& rnd) {
         s.OverstoryGrid[5][5] = 2;
         s.OverstoryGrid[1][20] = 2;
         SproutTrees(s, t, rnd);
       },
       [](const HardwoodStand& s) {
         EXPECT_EQ(Count(s.UnderstoryGrid, 2), 9);
         EXPECT_EQ(s.UnderstoryGrid[6][6], 2);
         EXPECT_EQ(s.UnderstoryGrid[1][20], 0);
       },
       0},
      // Beech sprouts take an occupied understory of a less tolerant species when r > 0.99.
      {"a beech sprout takes over a cherry at 0.995", canopyOf(1), 0.995,
       [](auto& s, auto& t, auto& rnd) {
         s.OverstoryGrid[5][5] = 5;
         SproutTrees(s, t, rnd);
       },
       [](const HardwoodStand& s) {
         EXPECT_EQ(Count(s.UnderstoryGrid, 5), 9);
         EXPECT_EQ(s.UnderstoryGrid[5][5], 5);
       },
       9},
      {"but not at 0.99", canopyOf(1), 0.99,
       [](auto& s, auto& t, auto& rnd) {
         s.OverstoryGrid[5][5] = 5;
         SproutTrees(s, t, rnd);
       },
       [](const HardwoodStand& s) { EXPECT_EQ(Count(s.UnderstoryGrid, 5), 0); }, 9},
      // Cherry moves up when r > 1 - 20 / 40 = 0.5, beech only when r > 1 - 20 / 200 = 0.9.
      {"recruitment at 0.6 takes cherries, not beeches", none, 0.6,
       [](auto& s, auto& t, auto& rnd) {
         s.UnderstoryGrid[1][1] = 1;
         s.UnderstoryGrid[1][2] = 5;
         s.UnderstoryGrid[1][3] = 1;
         s.OverstoryGrid[1][3] = 2;
         RecruitToCanopy(s, t, rnd);
       },
       [](const HardwoodStand& s) {
         EXPECT_EQ(s.OverstoryGrid[1][1], 1);
         EXPECT_EQ(s.UnderstoryGrid[1][1], 0);
         EXPECT_EQ(s.OverstoryGrid[1][2], 0);
         EXPECT_EQ(s.UnderstoryGrid[1][3], 1);  // under a canopy tree it waits
       },
       3},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    HardwoodStand stand;
    SpeciesTraits traits = DefaultTraits();
    c.setup(stand, traits);
    size_t taken = 0;
    const StandDraw rnd = [&] {
      ++taken;
      return c.draw;
    };
    c.step(stand, traits, rnd);
    c.check(stand);
    EXPECT_EQ(taken, c.draws);
  }
}

// ---- The window ----

class EX7AskTest : public testing::ExerciseTest<EX7Ask> {
 protected:
  std::vector<std::string> titles() const {
    std::vector<std::string> found;
    for (const auto& prompt : host.inputPrompts) found.push_back(prompt.title);
    return found;
  }
};

TEST_F(EX7AskTest, PausesEveryPrintInterval) {
  type(w().nyr, "5");
  type(w().nprint, "2");
  click(w().Command1);
  // Pauses in years 2 and 4 of 5 (Int(5 / 2) x 2 = 4 is not 5), then the end prompt.
  EXPECT_EQ(titles(), (std::vector<std::string>{"Continue Simulation", "Continue Simulation",
                                                "End Simulation"}));
  EXPECT_EQ(host.inputPrompts[0].prompt, "Hit 'Return' to Continue, 'S' and 'Return' to stop");
  EXPECT_EQ(host.inputPrompts[2].prompt, "Hit Return to End");
  // The final maps stay shown after the end prompt, until Return.
  EXPECT_TRUE(output().visible());
  EXPECT_EQ(testing::TextAt(marks(), 6700, 3500)->text, "Year =     4 ");

  // An interval longer than the run: only the end prompt.
  host.inputPrompts.clear();
  type(w().nyr, "50");
  type(w().nprint, "60");
  click(w().Command1);
  EXPECT_EQ(titles(), (std::vector<std::string>{"End Simulation"}));
  EXPECT_EQ(testing::TextAt(marks(), 6700, 3500), nullptr);
  click(w().Return);
  EXPECT_FALSE(output().visible());
  EXPECT_EQ(output().width(), kOutptRect.width);
}

TEST_F(EX7AskTest, ZeroLongevityOrIntervalOrEndlessRunIsRefused) {
  const struct {
    Control& field;
    const char* text;
    const char* message;
  } cases[] = {
      {w().longev(3), "0", "Y. Birch Longevity: '0' must be a number of years other than 0"},
      {w().nprint, "0", "Print Interval (yrs): '0' must be a number of years other than 0"},
      {w().nyr, "10001", "Number of years: '10001' must be at most 10000"},
  };
  for (const auto& c : cases) {
    const std::string old = c.field.text();
    type(c.field, c.text);
    host.failures.clear();
    click(w().Command1);
    ASSERT_EQ(host.failures.size(), 1u);
    EXPECT_EQ(host.failures[0].message, c.message);
    EXPECT_TRUE(host.inputPrompts.empty());
    type(c.field, old);
  }
}

}  // namespace
}  // namespace sylvandra
