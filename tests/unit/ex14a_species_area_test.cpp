#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "exercises/population/ex14a_ask.h"
#include "exercises/population/species_maps.h"
#include "platform/color.h"
#include "platform/conversions.h"
#include "unit/exercise_fixture.h"

namespace sylvandra {
namespace {

// ---- The maps on numbers ----

// Every cell draws u (map 1) then u' (map 2); here all cells get the same pair.
TEST(SpeciesMapsModel, CellsFromTheirDraws) {
  struct Case {
    double u, v;
    double map1;                                 // every cell of map 1
    double map2At1x1, map2At20x10, map2At40x20;  // Int(12 sqrt(i j / 800)) = 0, 6, 12
  } cases[] = {
      // Int(0 + 0.5) = 0, limited to 1. Map 2: 1 - 2.5, 7 - 2.5, 13 - 2.5.
      {0, 0, 1, 1, 4.5, 10.5},
      // Int(12 x 0.12 + 0.5) = Int(1.94) = 1: species 1 up to u = 3/24.
      {0.12, 0.5, 1, 1, 7, 12},
      // Int(12 x 0.125 + 0.5) = 2: species 2 from u = 3/24. Map 2: 1 + 1.25, 7 + 1.25, 13 + 1.25
      // limited to 12.
      {0.125, 0.75, 2, 2.25, 8.25, 12},
      // Int(12 x 23/24 - 0.0012 + 0.5) = Int(11.9988) = 11: species 11 up to u = 23/24.
      {23.0 / 24 - 0.0001, 0.9, 11, 3, 9, 12},
      // Int(12 x 0.96 + 0.5) = Int(12.02) = 12: species 12 only above u = 23/24 (chance 1/24).
      {0.96, 0.999, 12, 3.495, 9.495, 12},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.u);
    bool second = false;
    SpeciesMapCells maps;
    GenerateSpeciesMaps(maps, [&] {
      second = !second;
      return second ? c.u : c.v;
    });
    EXPECT_EQ(maps.Map1[1][1], c.map1);
    EXPECT_EQ(maps.Map1[40][20], c.map1);
    EXPECT_NEAR(maps.Map2[1][1], c.map2At1x1, 1e-12);
    EXPECT_NEAR(maps.Map2[20][10], c.map2At20x10, 1e-12);
    EXPECT_NEAR(maps.Map2[40][20], c.map2At40x20, 1e-12);
  }
}

TEST(SpeciesMapsModel, SampleBlocksShowTheirCells) {
  struct Case {
    int sample, i, j;
    MapCell cell;
  } cases[] = {
      // col = (300 - 400) / 150 + 1 = 0.333, row = (900 - 100) / 150 + 1 = 6.333
      {1, 1, 1, {1, 7}},
      {1, 4, 4, {4, 10}},
      // col = 1650 / 150 + 1 = 12 exactly, row = 1100 / 150 + 1 = 8.333
      {2, 1, 1, {13, 9}},
      {2, 4, 2, {16, 10}},
      // col = 2300 / 150 + 1 = 16.333, row = 2000 / 150 + 1 = 14.333
      {3, 2, 3, {18, 17}},
      // col = 3650 / 150 + 1 = 25.333, row = 950 / 150 + 1 = 7.333
      {4, 1, 4, {26, 11}},
      // col = 4850 / 150 + 1 = 33.333, row = 1700 / 150 + 1 = 12.333: the far corner stays
      // inside the 40 x 20 map.
      {5, 4, 4, {37, 16}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(SampleCell(c.sample, c.i, c.j), c.cell) << c.sample << " " << c.i << " " << c.j;
  }
}

// ---- The windows ----

class Ex14aAskTest : public testing::ExerciseTest<Ex14aAsk> {
 protected:
  std::vector<Mark> filledBoxes() {
    return testing::MarksWhere(marks(),
                               [](const Mark& m) { return m.kind == MarkKind::Box && m.filled; });
  }
  int selected() {
    for (int i = 0; i < 5; ++i)
      if (w().Option1(i).value() != 0) return i;
    return -1;
  }
};

TEST_F(Ex14aAskTest, OpensWithTheFirstSampleOfNewMaps) {
  EXPECT_EQ(selected(), 0);
  // 12 legend boxes, then the two 4 x 4 blocks of sample 1.
  const std::vector<Mark> boxes = filledBoxes();
  ASSERT_EQ(boxes.size(), 12u + 32u);
  const SpeciesMapCells& maps = program.state<SpeciesMapCells>();
  // Block row 2, column 3 of map 1 lies at (300 + 2 x 150, 900 + 150) and shows cell (2, 9);
  // of map 2 at 3180 lower, the Int of the cell's value; species 7 shows colour 13.
  auto colourOf = [](double species) {
    return QBColor(species == 7 ? 13 : static_cast<int>(species));
  };
  const Mark& map1 = boxes[12 + 4 * 1 + 2];
  EXPECT_EQ(map1.x1, 600);
  EXPECT_EQ(map1.y1, 1050);
  EXPECT_EQ(map1.color, colourOf(maps.Map1[2][9]));
  const Mark& map2 = boxes[12 + 16 + 4 * 1 + 2];
  EXPECT_EQ(map2.y1, 1050 + 3180);
  EXPECT_EQ(map2.color, colourOf(Int(maps.Map2[2][9])));
}

TEST_F(Ex14aAskTest, AddPlotCountsToFiveThenFullMapsRedraws) {
  for (int sample = 2; sample <= 5; ++sample) {
    click(w().Command2);
    EXPECT_EQ(selected(), sample - 1);
    const Mark corner = filledBoxes()[12 + 32 * (sample - 1)];
    EXPECT_EQ(corner.x1, kSamplePlaces[static_cast<size_t>(sample - 1)].x);
    EXPECT_EQ(corner.y1, kSamplePlaces[static_cast<size_t>(sample - 1)].y);
  }
  const size_t drawn = marks().size();
  click(w().Command2);
  EXPECT_EQ(marks().size(), drawn);
  EXPECT_EQ(selected(), 4);

  // Full maps: the samples go, the 800 cells of each map come, the maps stay the same. Cell
  // (1, 1) of map 2 lies at (100, 425 + 3375) in the colour of its value to the nearest whole
  // number (the sample blocks take the Int of it instead).
  const SpeciesMapCells before = program.state<SpeciesMapCells>();
  click(w().Command3);
  const std::vector<Mark> boxes = filledBoxes();
  EXPECT_EQ(boxes.size(), 12u + 2 * 800u);
  EXPECT_EQ(program.state<SpeciesMapCells>().Map1, before.Map1);
  EXPECT_EQ(boxes[13].x1, 100);
  EXPECT_EQ(boxes[13].y1, 3800);
  const double nearest = std::nearbyint(before.Map2[1][1]);
  EXPECT_EQ(boxes[13].color, QBColor(nearest == 7 ? 13 : static_cast<int>(nearest)));
}

}  // namespace
}  // namespace sylvandra
