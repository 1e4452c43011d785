#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <string>
#include <tuple>
#include <vector>

#include "exercises/population/ex6_ask.h"
#include "exercises/population/fire_model.h"
#include "unit/exercise_fixture.h"

namespace sylvandra {
namespace {

// A random sequence of given numbers that repeats its last one, and counts what it gave.
struct Draws {
  std::vector<double> numbers;
  size_t taken = 0;
  RandomDraw draw() {
    return [this] { return numbers[std::min(taken++, numbers.size() - 1)]; };
  }
};

// ---- The model on numbers ----

TEST(SequoiaFireModel, OneBurnInEachSetting) {
  struct Case {
    const char* what;
    int row, column;
    double fuel, understory;
    std::vector<double> draws;
    // After the burn: the pixel's fuel and understory, lost pixels, and the flames as
    // "row,column,kind" in the order they burned (kind 1 crown, 2 surface).
    double fuelAfter, understoryAfter, lost;
    const char* flames;
  };
  // Every other pixel carries fuel 10 and understory 10, so it burns as a surface fire; a draw
  // of 0.5 gives the threshold 0.8 x 300 + 0.2 x 300 x 0.5 = 270 and never spreads, since
  // 0.5 / 15 = 0.0333 is below it.
  const std::vector<Case> cases = {
      // 250 and 10 are below 270: a tenth of each is left.
      {"surface fire", 5, 5, 250, 10, {0.5}, 25, 1, 0, "5,5,2 "},
      // Understory 280 > 270: crown fire; the eight neighbours catch. The four after (5,5) in row
      // order burn in the same pass, the four before it in the next.
      {"crown fire by understory",
       5,
       5,
       10,
       280,
       {0.5},
       0,
       0,
       1,
       "5,5,1 5,6,2 6,4,2 6,5,2 6,6,2 4,4,2 4,5,2 4,6,2 5,4,2 "},
      // A draw of 0.999: 240 + 60 x 0.999 = 299.94, so fuel 299.9 stays a surface fire.
      {"below the top of the threshold", 5, 5, 299.9, 10, {0.999}, 29.99, 1, 0, "5,5,2 "},
      // In the corner the margin catches too but never burns: three neighbours do.
      {"crown fire in the corner", 1, 1, 300, 10, {0.5}, 0, 0, 1, "1,1,1 1,2,2 2,1,2 2,2,2 "},
      // A lost pixel set burning (a prescribed burn) stays at 0 as a surface fire.
      {"lost pixel", 5, 5, 0, 0, {0.5}, 0, 0, 0, "5,5,2 "},
      // Draws 0.5 (threshold), then 0.01 for the first neighbour (4,4): 0.01 < 0.0333 spreads
      // there, to burn in the next pass; 0.5 from then on.
      {"spread to a neighbour", 5, 5, 100, 10, {0.5, 0.01, 0.5}, 10, 1, 0, "5,5,2 4,4,2 "},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    SequoiaGrove grove;
    for (auto* grid : {&grove.FuelLoad, &grove.UnderstoryBiomass}) {
      for (int i = 1; i <= kGroveRows; ++i)
        for (int j = 1; j <= kGroveColumns; ++j) (*grid)[i][j] = 10;
    }
    grove.FuelLoad[c.row][c.column] = c.fuel;
    grove.UnderstoryBiomass[c.row][c.column] = c.understory;
    grove.FireState[c.row][c.column] = kIgnited;
    Draws draws{c.draws};
    std::string flames;
    size_t expectedDraws = 0;  // a threshold per burning pixel, nine spread draws per surface fire
    BurnGrove(grove, draws.draw(), [&](int i, int j, int kind) {
      flames += std::to_string(i) + "," + std::to_string(j) + "," + std::to_string(kind) + " ";
      expectedDraws += kind == kSurfaceFire ? 10 : 1;
      EXPECT_EQ(grove.FireState[i][j], kBurned);
    });
    EXPECT_NEAR(grove.FuelLoad[c.row][c.column], c.fuelAfter, 1e-12);
    EXPECT_NEAR(grove.UnderstoryBiomass[c.row][c.column], c.understoryAfter, 1e-12);
    EXPECT_EQ(grove.LostPixels, c.lost);
    EXPECT_EQ(flames, c.flames);
    EXPECT_EQ(draws.taken, expectedDraws);
  }
}

TEST(SequoiaFireModel, YearStepsAndMaps) {
  // Fresh grove with every draw 0.1: 0.1 x 70 = 7.000000000000001 and 0.1 x 80 = 8.000000000000002
  // become 7 and 8 in single precision.
  SequoiaGrove grove;
  Draws tenth{{0.1}};
  InitialiseGrove(grove, tenth.draw());
  EXPECT_EQ(grove.FuelLoad[20][40], 7.0);
  EXPECT_EQ(grove.UnderstoryBiomass[1][1], 8.0);
  EXPECT_EQ(tenth.taken, 1600u);         // two draws per pixel
  EXPECT_EQ(grove.FuelLoad[0][0], 0.0);  // the margin stays empty

  // Growth: +2 on each non-zero value; a lost pixel and its understory stay 0.
  grove.FuelLoad[3][3] = 0;
  grove.UnderstoryBiomass[3][3] = 0;
  GrowGrove(grove);
  EXPECT_EQ(grove.FuelLoad[1][1], 9.0);
  EXPECT_EQ(grove.UnderstoryBiomass[1][1], 10.0);
  EXPECT_EQ(grove.FuelLoad[3][3], 0.0);
  EXPECT_EQ(grove.UnderstoryBiomass[3][3], 0.0);
  EXPECT_EQ(grove.FuelLoad[0][5], 0.0);

  // Ignition at interval 15: 1/15 = 0.0667 > 0.06 ignites, not > 0.07; a lost pixel never.
  for (const auto& [r, ignited] : {std::pair{0.06, kIgnited}, std::pair{0.07, kNotBurning}}) {
    ClearFireState(grove);
    Draws draws{{r}};
    IgniteGrove(grove, draws.draw());
    EXPECT_EQ(grove.FireState[1][1], ignited) << r;
    EXPECT_EQ(grove.FireState[3][3], kNotBurning) << r;
    EXPECT_EQ(draws.taken, 800u);
  }

  // Understory harvest on one pixel: fuel 9 + 0.2 x 10 = 11, understory 10 x 0.001 = 0.01.
  GroveGrid<bool> one{};
  one[2][2] = true;
  grove.ManagementMode = kUnderstoryHarvest;
  ApplyManagement(grove, one);
  EXPECT_NEAR(grove.FuelLoad[2][2], 11, 1e-12);
  EXPECT_NEAR(grove.UnderstoryBiomass[2][2], 0.01, 1e-15);
  // Prescribed burn ignites it instead.
  ClearFireState(grove);
  grove.ManagementMode = kPrescribedBurn;
  ApplyManagement(grove, one);
  EXPECT_EQ(grove.FireState[2][2], kIgnited);

  // Map classes: Int(v / width + 1) up to 5, 0 only for exactly 0.
  const std::vector<std::tuple<double, double, int>> classes = {
      {30.5, 31, 1},   // 30.5 / 31 + 1 = 1.98: the legend says 0-30 but 30.5 is class 1
      {31, 31, 2},     // 2 exactly
      {123.9, 31, 4},  // 4.997
      {124, 31, 5},    // 5
      {900, 31, 5},    // 30.03 capped
      {40.9, 41, 1},   // 1.9976
      {164, 41, 5},    // 5
      {1e-9, 31, 1},   // anything above 0
      {0, 41, 0},
  };
  for (const auto& [value, width, expected] : classes) {
    EXPECT_EQ(FireMapClass(value, width), expected) << value << " / " << width;
  }
}

TEST(SequoiaFireModel, WhichPixelsAreManaged) {
  // Values by column: column j holds j in each of its 20 rows.
  GroveGrid<double> values{};
  for (int i = 1; i <= kGroveRows; ++i) {
    for (int j = 1; j <= kGroveColumns; ++j) values[i][j] = j;
  }
  auto count = [](const GroveGrid<bool>& managed) {
    int n = 0;
    for (const auto& row : managed)
      for (bool m : row) n += m ? 1 : 0;
    return n;
  };
  // The 100 largest: 20 x 40, 20 x 39, ..., 20 x 36.
  const std::vector<std::pair<int, int>> highest = {
      {0, 800},    // compares with 0: every pixel
      {1, 20},     // >= 40: column 40
      {20, 20},    // the 20th largest is still 40
      {21, 40},    // 39: columns 39 and 40
      {100, 100},  // 36: columns 36 to 40
  };
  for (const auto& [n, managed] : highest) EXPECT_EQ(count(HighestPixels(values, n)), managed) << n;

  // Random: 50 / 800 = 0.0625 in single precision must exceed the draw.
  for (const auto& [r, managed] : {std::pair{0.0624, 800}, std::pair{0.0625, 0}}) {
    Draws draws{{r}};
    EXPECT_EQ(count(RandomPixels(50, draws.draw())), managed) << r;
    EXPECT_EQ(draws.taken, 800u);
  }
}

// ---- The window ----

class Ex6AskTest : public testing::ExerciseTest<Ex6Ask> {
 protected:
  // Runs with bad input and checks that only a failure naming the field came of it.
  void ExpectRefused(const std::string& message) {
    const std::string year = w().CurrentYear.text();
    const size_t marksBefore = marks().size();
    const auto texts = this->texts();
    host.failures.clear();
    click(w().Command1);
    ASSERT_EQ(host.failures.size(), 1u);
    EXPECT_EQ(host.failures[0].window, "Ex6Ask");
    EXPECT_EQ(host.failures[0].message, message);
    EXPECT_EQ(w().CurrentYear.text(), year);
    EXPECT_EQ(marks().size(), marksBefore);
    EXPECT_EQ(this->texts(), texts);
  }
  std::string lostPixelsText() {
    const Mark* text = testing::TextAt(marks(), 7000, 3400);
    return text ? text->text : "";
  }
};

TEST_F(Ex6AskTest, EveryEntryRestartsTheGrove) {
  click(w().PrescribedBurn);
  EXPECT_TRUE(w().NumPixManage.visible());
  type(w().RunToYear, "1890");
  click(w().Command1);
  EXPECT_EQ(w().CurrentYear.text(), "1890");
  Open();
  EXPECT_EQ(w().NoManage.value(), 1);
  EXPECT_FALSE(w().NumPixManage.visible());
  EXPECT_EQ(w().CurrentYear.text(), "1880");
  EXPECT_EQ(w().RunToYear.text(), "1900");
  EXPECT_EQ(program.state<SequoiaGrove>().LostPixels, 0);
  EXPECT_EQ(texts().back(), "Year = 1880");
  // The restarted grove is the one every visit starts from: the same run gives the same count.
  click(w().Command1);
  const std::string first = lostPixelsText();
  Open();
  click(w().Command1);
  EXPECT_EQ(lostPixelsText(), first);
  EXPECT_EQ(first.rfind("Number of Lost Pixels = ", 0), 0u) << first;
}

TEST_F(Ex6AskTest, BadInputIsRefusedAndChangesNothing) {
  type(w().RunToYear, "19OO");
  ExpectRefused("Run To Year: '19OO' is not a number");
  type(w().RunToYear, "1900");
  type(w().CurrentYear, "");
  ExpectRefused("Current Year: '' is not a number");
  type(w().CurrentYear, "1e300");
  type(w().RunToYear, "2e300");
  ExpectRefused("Current Year: '1e300' is too large to count years from");
  type(w().CurrentYear, "1880");
  type(w().RunToYear, "11881");
  ExpectRefused("Run To Year: '11881' must be at most 10000 years after the Current Year");
  type(w().RunToYear, "1900");
  click(w().UnderHarvest);
  click(w().ManageHigh);
  EXPECT_EQ(w().ManageRandom.value(), 0);
  type(w().NumPixManage, "101");
  ExpectRefused("Number of Pixels: '101' must be a number of pixels from 0 to 100");
  type(w().NumPixManage, "-1");
  ExpectRefused("Number of Pixels: '-1' must be a number of pixels from 0 to 100");
  click(w().ManageRandom);
  EXPECT_EQ(w().ManageHigh.value(), 0);
  type(w().NumPixManage, "fifty");
  ExpectRefused("Number of Pixels: 'fifty' is not a number");
  // Without management the field is not read.
  click(w().NoManage);
  host.failures.clear();
  click(w().Command1);
  EXPECT_TRUE(host.failures.empty());
  EXPECT_EQ(w().CurrentYear.text(), "1900");
}

TEST_F(Ex6AskTest, FlamesAreTransientAndTakeTheirOwnDraws) {
  // Surface flames on pixel (3, 4): 200 pairs of 10-twip boxes, olive and red in turn, within
  // the pixel's 150-twip square on each map; a repaint request drops them.
  const size_t before = marks().size();
  w().DrawFlames(3, 4, 2);
  const std::vector<Mark> flames(marks().begin() + static_cast<long>(before), marks().end());
  ASSERT_EQ(flames.size(), 400u);
  const double line = output().surface().TextHeight();
  for (size_t n = 0; n < flames.size(); ++n) {
    const Mark& m = flames[n];
    EXPECT_TRUE(m.transient);
    EXPECT_EQ(m.color, QBColor(n / 2 % 2 == 0 ? 6 : 4));
    // x0 = 100 + 3 x 150 = 550; the fuel rows start at 200 + one line, row 3 two rows lower.
    EXPECT_GE(m.x1, 550);
    EXPECT_LT(m.x1, 690);
    const double top = (n % 2 == 0 ? 200 : 3600) + line + 300;
    EXPECT_GE(m.y1, top);
    EXPECT_LT(m.y1, top + 140);
  }
  EXPECT_TRUE(output().surface().AutoRedraw);
  program.Refresh();
  EXPECT_EQ(marks().size(), before);

  // With "No Fire Graphic" nothing is drawn and no number is drawn from the sequence ...
  click(w().NoGraphic);
  program.Randomize(7);
  w().DrawFlames(3, 4, 2);
  EXPECT_EQ(marks().size(), before);
  const double next = program.Rnd();
  program.Randomize(7);
  EXPECT_EQ(program.Rnd(), next);
  // ... so a run without flames takes another course than the same run with them.
  click(w().Command1);
  const auto withoutFlames = program.state<SequoiaGrove>().FuelLoad;
  Open();
  click(w().NoGraphic);
  EXPECT_EQ(w().NoGraphic.value(), 0);
  click(w().Command1);
  EXPECT_NE(program.state<SequoiaGrove>().FuelLoad, withoutFlames);
}

// (An earlier year is refused: see the table of counts and years in number_fields_test.)
TEST_F(Ex6AskTest, RunningToTheCurrentYearSimulatesNothing) {
  type(w().RunToYear, "1880");
  click(w().Command1);
  EXPECT_TRUE(host.failures.empty()) << lastFailure();
  EXPECT_EQ(w().CurrentYear.text(), "1880");
  const std::vector<std::string> shown = texts();
  EXPECT_EQ(shown.back(), "Number of Lost Pixels =  0 ");
  EXPECT_NE(std::find(shown.begin(), shown.end(), "Year = 1880"), shown.end());
}

// Restart refuses a Begin Year that is not a whole year, but coming back through the menu
// still opens the window (restarted, showing the year the grove starts in) so it can be mended.
TEST_F(Ex6AskTest, TheWindowOpensOverABeginYearRestartRefuses) {
  type(w().BeginYear, "+inf");
  click(w().Command2);
  EXPECT_EQ(lastFailure(), "Begin Year: '+inf' is not a number");
  click(w().Command3);
  host.failures.clear();
  Open();
  EXPECT_TRUE(host.failures.empty()) << lastFailure();
  EXPECT_TRUE(w().visible());
  EXPECT_EQ(w().BeginYear.text(), "+inf");
  EXPECT_EQ(texts().back(), "Year = 1880");
}

}  // namespace
}  // namespace sylvandra
