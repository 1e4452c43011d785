// What the plotters record beside the drawing: reading real values off a graph, the plotted
// data as CSV, a kept run under the next graph, and the text of a printed table.
#include "plot/drawn_graph.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "app/startup.h"
#include "platform/program.h"
#include "plot/graph.h"
#include "plot/graph_export.h"
#include "plot/plot_record.h"
#include "unit/mark_queries.h"
#include "unit/test_host.h"

namespace sylvandra {
namespace {

// outpt is 6465 x 6900 twips: L = 750, T = 1000, B = 5900, R = 5818.5 (R - L = 5068.5).
constexpr double L = 750, B = 5900;

class DrawnGraphTest : public ::testing::Test {
 protected:
  DrawnGraphTest() { RegisterShellWindows(program); }

  Window& output() { return program.form("outpt"); }
  // Draws as a handler of `exercise` would (the graph belongs to that exercise).
  void Draw(const char* exercise, const XYGraph& graph) {
    program.handleAs(program.form(exercise), [&] { GraphSeriesXY(program, graph); });
  }
  // Net exchange with a night value below zero, and a gross exchange, at hours 0, 10, 20.
  static XYGraph Exchange(double lastNet) {
    return {.title = "Hour",
            .xs = {0, 10, 20},
            .series = {{"NEE", {-2, 4, lastNet}}, {"GCE", {1, 2, 3}}}};
  }
  std::vector<Mark> Kept() {
    return testing::MarksWhere(output().surface().marks(), [](const Mark& m) { return m.kept; });
  }

  testing::TestHost host;
  Program program{host};
};

TEST_F(DrawnGraphTest, ReadsTheRealValueOfTheNearestPointWithin150Twips) {
  Draw("A_Select", Exchange(8));
  // NEE: maximum 8, minimum -2 is 25 % of it, so the common range below zero is N = 30 % and
  // the x axis stands for -8 x 30 / 100 = -2.4: y(v) = 5900 - 4900 x (v + 2.4) / 10.4.
  // x(h) = 750 + 5068.5 x h / 20.
  struct Case {
    double x, y;
    const char* series;
    double hour, value;
  } cases[] = {
      {L, B - 4900 * 0.4 / 10.4, "NEE", 0, -2},                    // on the night point
      {3284.25 + 100, B - 4900 * 6.4 / 10.4 + 100, "NEE", 10, 4},  // 141 twips away
      // GCE: maximum 3, x axis at -0.9: y(1) = 5900 - 4900 x 1.9 / 3.9 at hour 0.
      {L + 50, B - 4900 * 1.9 / 3.9 - 50, "GCE", 0, 1},
  };
  for (const Case& c : cases) {
    const auto readout = ReadOut(output(), c.x, c.y);
    ASSERT_TRUE(readout) << c.series << " at " << c.hour;
    EXPECT_EQ(readout->series, c.series);
    EXPECT_DOUBLE_EQ(readout->x, c.hour);
    EXPECT_DOUBLE_EQ(readout->value, c.value);
  }
  // 110 twips right and down of the night point is 155.6 twips away: nothing to read.
  EXPECT_FALSE(ReadOut(output(), L + 110, B - 4900 * 0.4 / 10.4 + 110));
  // Once the window is cleared the graph is gone.
  output().surface().Cls();
  EXPECT_FALSE(ReadOut(output(), L, B - 4900 * 0.4 / 10.4));
}

TEST_F(DrawnGraphTest, StepGraphReadsTheClippedValueAtItsStep) {
  PlotRecord plot;
  plot.PlotName[1] = "    Soil";  // blanks that place it in its legend column
  plot.PlotMax[1] = 200;
  plot.PlotY[1][1] = 50;
  plot.PlotY[1][2] = 100;
  plot.PlotY[1][3] = 150;
  plot.PlotY[1][4] = 250;
  GraphSteps(program, "Years", plot.PlotName, 40, 1, 4, plot.PlotY, plot.PlotMax);
  // Step 2 of 4 on an axis to 40: x = 20 at 750 + 5068.5 x 2 / 4 = 3284.25, drawn at
  // 5900 - 4900 x 100 / 200 - 25 (the lift of every point after the first) = 3425.
  auto readout = ReadOut(output(), 3284.25, 3425);
  ASSERT_TRUE(readout);
  EXPECT_EQ(readout->series, "Soil");
  EXPECT_DOUBLE_EQ(readout->x, 20);
  EXPECT_DOUBLE_EQ(readout->value, 100);
  // Step 4 is drawn at the maximum, 200, as the clipped array now holds.
  readout = ReadOut(output(), 5818.5, 1000 - 25);
  ASSERT_TRUE(readout);
  EXPECT_DOUBLE_EQ(readout->value, 200);
  EXPECT_DOUBLE_EQ(readout->x, 40);
}

// What the CSV and text exports write for what a window holds: a graph's real values at full
// precision under its series' names (told apart by legend position where two share one), a
// printed table's columns under its heading, and nothing where the window holds neither.
TEST_F(DrawnGraphTest, ExportsWriteTheColumnsTheWindowShows) {
  // A table's layout: a heading in a proportional font whose blanks place its words over the
  // columns, and rows of fixed-pitch fields (each number right-aligned in 5 places and a blank)
  // printed in Courier New.
  auto table = [this](Window& window, bool fixedPitchHeading = false) {
    Surface& s = window.surface();
    s.font =
        fixedPitchHeading ? Font::face("Courier New", 8.25) : Font::face("MS Sans Serif", 8.25);
    s.Print(fixedPitchHeading ? "Month     E     C" : "  Month          E          C");
    s.font = Font::face("Courier New", 8.25);
    s.Print("    0   450   250 ");
    s.Print("    6  297.  193. ");
    s.Print();
    s.Print("   12  85.8     0 ");
  };
  struct Case {
    const char* what;
    std::function<void()> draw;
    const char* window;
    const char* csv;   // WindowCsv; "" is refused as nothing to write
    const char* text;  // PrintedText, or null where it is not the point
  } cases[] = {
      {"a graph", [&] { Draw("A_Select", Exchange(8.125)); }, "outpt",
       "Hour,NEE,GCE\n0,-2,1\n10,4,2\n20,8.125,3\n", nullptr},
      // Two points at the same x (two dark hours) are two rows.
      {"dots at one x",
       [&] {
         Draw("A_Select", {.mode = "P",
                           .title = "PAR",
                           .xs = {0, 0, 900},
                           .series = {{"NCE", {-2.6, -2.3, 16.6}}}});
       },
       "outpt", "PAR,NCE\n0,-2.6\n0,-2.3\n900,16.6\n", nullptr},
      // The moose graph's two "Cond." series, in legend columns 2 and 3; values unrounded.
      {"two series of one name",
       [&] {
         Draw("A_Select",
              {.title = "Year",
               .xs = {1880, 1881},
               .series = {
                   {"Moose", {2, 3}}, {"Cond.", {327.650430412068, 300}}, {"Cond.", {0, 61.25}}}});
       },
       "outpt", "Year,Moose,Cond. (2),Cond. (3)\n1880,2,327.650430412068,0\n1881,3,300,61.25\n",
       nullptr},
      // Each heading word over its column, ending where the column's numbers end; the blank
      // row stays in the text and is no CSV row.
      {"a printed table", [&] { table(program.form("Outpt2")); }, "Outpt2",
       "Month,E,C\n0,450,250\n6,297.,193.\n12,85.8,0\n",
       "Month     E     C\n    0   450   250 \n    6  297.  193. \n\n   12  85.8     0 \n"},
      // A heading printed in the table's own font names the columns as well.
      {"a table under a fixed-pitch heading", [&] { table(program.form("Outpt2"), true); },
       "Outpt2", "Month,E,C\n0,450,250\n6,297.,193.\n12,85.8,0\n",
       "Month     E     C\n    0   450   250 \n    6  297.  193. \n\n   12  85.8     0 \n"},
      {"an empty window", [] {}, "Outpt2", "", ""},
      // Printed prose is no table.
      {"a line of text", [&] { output().surface().Print("  THATS ALL FOLKS!!"); }, "outpt", "",
       "  THATS ALL FOLKS!!\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    program.form("outpt").surface().Cls();
    program.form("Outpt2").surface().Cls();
    program.form("Outpt2").surface().font = program.form("Outpt2").font();
    c.draw();
    Window& window = program.form(c.window);
    EXPECT_EQ(WindowCsv(window), c.csv);
    if (c.text) {
      EXPECT_EQ(PrintedText(window.surface()), c.text);
    }
  }
}

// The read-out shows about five significant digits, as the fields do, never more than six.
TEST(ShownValueTest, RoundsToWhatAStudentReads) {
  struct Case {
    double value;
    const char* shown;
  } cases[] = {
      {327.650430412068, "327.65"},
      {0.30000000000000004, "0.3"},
      {-2.5, "-2.5"},
      {1905, "1905"},
      {-0.0, "0"},
      {123456, "123456"},            // a whole number below a million keeps its sixth digit
      {99999.7, "99999.7"},          // rounds up across 100000: six digits, no exponent
      {1234567, "1.2346E+06"},       // beyond that, five digits and an exponent
      {0.000123456, "0.00012346"},   //
      {0.0000123456, "1.2346E-05"},  //
  };
  for (const Case& c : cases) EXPECT_EQ(ShownValue(c.value), c.shown) << c.value;
  EXPECT_EQ(ReadoutText({.series = "Moose", .x = 1905, .value = 327.650430412068}),
            "Moose\nx: 1905\nvalue: 327.65");
}

TEST_F(DrawnGraphTest, KeptRunIsDrawnFadedUnderTheNextGraphOfTheSameExerciseOnly) {
  Draw("A_Select", Exchange(8));
  ASSERT_TRUE(KeepRun(output()));
  EXPECT_TRUE(Kept().empty());  // the graph that was kept is not drawn again

  Draw("A_Select", Exchange(16));
  const std::vector<Mark> kept = Kept();
  // "(kept)", a sample line per series, and two segments per series of three points.
  ASSERT_EQ(kept.size(), 1u + 2u + 4u);
  EXPECT_EQ(kept[0].text, "(kept)");
  // On the new scale: NEE maximum 16, -2 is 12.5 % of it, N = 20, x axis at -3.2:
  // y(v) = 5900 - 4900 x (v + 3.2) / 19.2. The kept 8 at hour 20: 5900 - 2858.33 = 3041.67.
  const Mark& lastNet = kept[3];
  EXPECT_DOUBLE_EQ(lastNet.x2, 5818.5);
  EXPECT_NEAR(lastNet.y2, 5900 - 4900 * 11.2 / 19.2, 1e-9);
  EXPECT_EQ(lastNet.width, 1);
  // NEE's red (255, 0, 0) halfway to the grey background (192, 192, 192), rounded up.
  EXPECT_EQ(lastNet.color, Rgb(224, 96, 96));
  // Under the graph: every kept mark comes before the first mark of a series' curve.
  const auto& marks = output().surface().marks();
  size_t lastKept = 0, firstCurve = marks.size();
  for (size_t i = 0; i < marks.size(); ++i) {
    if (marks[i].kept) lastKept = i;
    if (marks[i].series > 0 && firstCurve == marks.size()) firstCurve = i;
  }
  EXPECT_LT(lastKept, firstCurve);

  // Another exercise's graph does not show it, nor the same exercise's graph of another x.
  Draw("A_Intro", Exchange(16));
  EXPECT_TRUE(Kept().empty());
  XYGraph byLight = Exchange(16);
  byLight.title = "PAR";
  Draw("A_Select", byLight);
  EXPECT_TRUE(Kept().empty());

  Draw("A_Select", Exchange(16));
  ASSERT_FALSE(Kept().empty());
  ClearKeptRun(output());
  EXPECT_TRUE(Kept().empty());
  // The graph itself stays readable.
  EXPECT_TRUE(ReadOut(output(), 5818.5, 1000));
  Draw("A_Select", Exchange(16));
  EXPECT_TRUE(Kept().empty());
}

TEST_F(DrawnGraphTest, PrintedTextKeepsRowsAndPrintColumns) {
  Surface& s = program.form("Outpt2").surface();
  s.Print({"Year", PrintSeparator::NextColumn, "Biomass"});
  s.Print();
  s.Print({"1", PrintSeparator::NextColumn, "2.5", PrintSeparator::Stay, " t/ha"});
  EXPECT_EQ(PrintedText(s), "Year          Biomass\n\n1             2.5 t/ha\n");
}

}  // namespace
}  // namespace sylvandra
