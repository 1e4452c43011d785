#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "app/startup.h"
#include "platform/color.h"
#include "platform/conversions.h"
#include "platform/program.h"
#include "platform/runtime_failure.h"
#include "plot/graph.h"
#include "plot/plot_record.h"
#include "unit/mark_queries.h"
#include "unit/test_host.h"

namespace sylvandra {
namespace {

// outpt is 6465 x 6900 twips: L = 750, T = 1000, B = 5900, R = 5818.5, legend column 633.5625.
constexpr double L = 750, T = 1000, B = 5900, R = 5818.5, C = 633.5625;

class PlotTest : public ::testing::Test {
 protected:
  PlotTest() { RegisterShellWindows(program); }

  Window& output() { return program.form("outpt"); }
  const std::vector<Mark>& marks() { return output().surface().marks(); }

  std::vector<Mark> Texts() {
    return testing::MarksWhere(marks(), [](const Mark& m) { return m.kind == MarkKind::Text; });
  }
  const Mark* TextAt(double x, double y) { return testing::TextAt(marks(), x, y); }
  std::string TextOf(double x, double y) {
    const Mark* m = TextAt(x, y);
    return m ? m->text : "<none at " + std::to_string(x) + "," + std::to_string(y) + ">";
  }
  std::vector<Mark> Lines(Color colour) {
    return testing::MarksWhere(
        marks(), [&](const Mark& m) { return m.kind == MarkKind::Line && m.color == colour; });
  }
  std::vector<Mark> Circles() {
    return testing::MarksWhere(marks(), [](const Mark& m) { return m.kind == MarkKind::Circle; });
  }

  testing::TestHost host;
  Program program{host};
  PlotRecord plot;
};

TEST_F(PlotTest, StepsDrawsFrameTicksAndLegendAtTheirTwips) {
  plot.PlotName[1] = "Wood";
  plot.PlotName[2] = "Soil";
  plot.PlotMax[1] = 10;
  plot.PlotMax[2] = 250;
  output().surface().Print("old graph");
  GraphSteps(program, "Years", plot.PlotName, 200, 2, 3, plot.PlotY, plot.PlotMax);

  EXPECT_TRUE(output().visible());
  EXPECT_EQ(TextAt(0, 0), nullptr) << "the window is cleared first";
  const std::vector<Mark>& all = marks();
  ASSERT_GE(all.size(), 2u);
  EXPECT_EQ(all[0].kind, MarkKind::Line);
  EXPECT_EQ(std::vector<double>({all[0].x1, all[0].y1, all[0].x2, all[0].y2}),
            std::vector<double>({L, T, L, B}));
  EXPECT_EQ(std::vector<double>({all[1].x1, all[1].y1, all[1].x2, all[1].y2}),
            std::vector<double>({L, B, R, B}));
  EXPECT_EQ(all[0].width, 3);

  EXPECT_EQ(TextOf(0.45 * 6465, B + 300), "Years");
  // Tick labels print as numbers do: a blank for the sign and one after.
  EXPECT_EQ(TextOf(L + (R - L) * 1 / 10 - 200, B + 100), " 20 ");
  EXPECT_EQ(TextOf(L + (R - L) * 10 / 10 - 200, B + 100), " 200 ");
  EXPECT_EQ(TextOf(50, B - (B - T) * 1 / 10 - 50), " 10 ");
  EXPECT_EQ(TextOf(50, 950), " 100 ");
  EXPECT_EQ(TextOf(50, 100), "Name");
  EXPECT_EQ(TextOf(50, 300), "Line");
  EXPECT_EQ(TextOf(50, 500), "Max.");

  // Legend rows step down with each printed line (195 twips) plus 100 twips.
  EXPECT_EQ(TextOf(L, 100), "Wood");
  EXPECT_EQ(TextOf(L, 495), " 10 ");
  EXPECT_EQ(TextOf(L + C, 100), "Soil");
  EXPECT_EQ(TextOf(L + C, 495), " 250 ");
  const std::vector<Mark> white = Lines(QBColor(15));
  ASSERT_FALSE(white.empty());
  EXPECT_EQ(white[0].x1, L);
  EXPECT_EQ(white[0].y1, 395);
  EXPECT_DOUBLE_EQ(white[0].x2, L + 0.8 * C);
  EXPECT_EQ(white[0].y2, 395);
  EXPECT_EQ(white[0].style, 1);
  const std::vector<Mark> yellow = Lines(QBColor(14));
  ASSERT_FALSE(yellow.empty());
  EXPECT_EQ(yellow[0].x1, L + C);
  EXPECT_EQ(yellow[0].style, 2);
  // Drawing state stays for whoever draws next.
  EXPECT_EQ(output().surface().DrawWidth, 3);
  EXPECT_EQ(output().surface().DrawStyle, 2);
}

TEST_F(PlotTest, StepsClipsIntoTheCallersArrayAndLiftsLaterPoints) {
  plot.PlotName[1] = "N";
  plot.PlotMax[1] = 10;
  const double values[] = {0, 2, 15, -3, 5};
  for (int t = 1; t <= 4; ++t) plot.PlotY[1][t] = values[t];
  GraphSteps(program, "Years", plot.PlotName, 4, 1, 4, plot.PlotY, plot.PlotMax);

  EXPECT_EQ(plot.PlotY[1][1], 2);
  EXPECT_EQ(plot.PlotY[1][2], 10);
  EXPECT_EQ(plot.PlotY[1][3], 0);
  EXPECT_EQ(plot.PlotY[1][4], 5);

  std::vector<Mark> series = Lines(QBColor(15));
  ASSERT_EQ(series.size(), 4u);  // the legend sample and three segments
  // The first point is at its exact height, every later one 25 twips higher.
  EXPECT_EQ(series[1].x1, L + (R - L) * 1 / 4);
  EXPECT_EQ(series[1].y1, B - (B - T) * 2 / 10);
  EXPECT_EQ(series[1].x2, L + (R - L) * 2 / 4);
  EXPECT_EQ(series[1].y2, T - 25);
  EXPECT_EQ(series[2].y2, B - 25);
  EXPECT_EQ(series[3].x2, R);
  EXPECT_EQ(series[3].y2, B - (B - T) * 5 / 10 - 25);
}

TEST_F(PlotTest, StepsSkipsTheLineOfASeriesWithoutMaximumButKeepsItsLegend) {
  plot.PlotName[1] = "Zero";
  plot.PlotName[2] = "Some";
  plot.PlotMax[1] = 0;
  plot.PlotMax[2] = 4;
  for (int t = 1; t <= 5; ++t) {
    plot.PlotY[1][t] = t;
    plot.PlotY[2][t] = t;
  }
  GraphSteps(program, "Days", plot.PlotName, 5, 2, 5, plot.PlotY, plot.PlotMax);
  EXPECT_EQ(TextOf(L, 100), "Zero");
  EXPECT_EQ(TextOf(L, 495), " 0 ");
  EXPECT_EQ(Lines(QBColor(15)).size(), 1u) << "only the legend sample";
  EXPECT_EQ(Lines(QBColor(14)).size(), 5u);
  for (const Mark& m : marks()) {
    EXPECT_TRUE(std::isfinite(m.x1) && std::isfinite(m.y1) && std::isfinite(m.x2) &&
                std::isfinite(m.y2));
  }
}

TEST_F(PlotTest, StepsWithoutPointsDrawsFrameAndLegendOnly) {
  plot.PlotName[1] = "A";
  plot.PlotMax[1] = 3;
  GraphSteps(program, "Years", plot.PlotName, 10, 1, 0, plot.PlotY, plot.PlotMax);
  EXPECT_EQ(Lines(QBColor(15)).size(), 1u);
  EXPECT_EQ(TextOf(L, 495), " 3 ");
}

TEST_F(PlotTest, MoreThanEightSeriesOrThreeHundredPointsAreRefused) {
  EXPECT_THROW(GraphSteps(program, "Years", plot.PlotName, 10, 9, 10, plot.PlotY, plot.PlotMax),
               RuntimeFailure);
  EXPECT_THROW(GraphSteps(program, "Years", plot.PlotName, 10, 1, 301, plot.PlotY, plot.PlotMax),
               RuntimeFailure);
  EXPECT_THROW(GraphXY(program, "L", "x", 1, 0, 9, plot.PlotName, plot.PlotMax, plot.PlotMin, 1,
                       plot.PlotX, plot.PlotY),
               RuntimeFailure);
}

TEST_F(PlotTest, XYWithoutNegativesPutsTheZeroLineOnTheAxis) {
  plot.PlotName[1] = "NCE";
  plot.PlotMax[1] = 25.9;
  plot.PlotMin[1] = 0;
  plot.PlotMin[0] = 77;
  plot.PlotX[1] = 0;
  plot.PlotX[2] = 1600;
  plot.PlotY[1][1] = 0;
  plot.PlotY[1][2] = 25.9;
  GraphXY(program, "L", "PAR", 1600, 0, 1, plot.PlotName, plot.PlotMax, plot.PlotMin, 2, plot.PlotX,
          plot.PlotY);
  EXPECT_EQ(plot.PlotMin[0], 0);
  EXPECT_EQ(marks()[2].kind, MarkKind::Text);  // axes, then the caption
  const std::vector<Mark> black = Lines(kBlack);
  ASSERT_EQ(black.size(), 3u);
  EXPECT_EQ(black[2].y1, B);
  EXPECT_EQ(black[2].y2, B);
  for (int i = 0; i <= 10; ++i) {
    EXPECT_EQ(TextOf(L - 600, B - 100 - (B - T) * i / 10), Left(Str(10 * i), 4)) << i;
  }
  EXPECT_EQ(TextOf(L - 100 + (R - L) * 3 / 10, B + 100), " 480");
  EXPECT_EQ(TextOf(L - 100 + (R - L) * 10 / 10, B + 100), " 1600");
  EXPECT_EQ(TextOf(L, 495), " 25.9");
  const std::vector<Mark> red = Lines(QBColor(12));
  ASSERT_EQ(red.size(), 3u);  // sample, a zero-length first segment, then the segment
  EXPECT_EQ(red[1].x1, red[1].x2);
  EXPECT_EQ(red[1].y1, B);
  EXPECT_EQ(red[2].x2, R);
  EXPECT_DOUBLE_EQ(red[2].y2, T);
}

TEST_F(PlotTest, XYCommonNegativeRangeSetsLabelsAndZeroLine) {
  plot.PlotName[1] = "A";
  plot.PlotMax[1] = 20;
  plot.PlotMin[1] = -5;
  plot.PlotX[1] = 0;
  plot.PlotX[2] = 12;
  plot.PlotX[3] = 24;
  plot.PlotY[1][1] = -6;  // the value on the bottom axis: -20 x 30 / 100
  plot.PlotY[1][2] = 0;
  plot.PlotY[1][3] = 20;
  GraphXY(program, "L", "Hour", 24, 0, 1, plot.PlotName, plot.PlotMax, plot.PlotMin, 3, plot.PlotX,
          plot.PlotY);
  // p = 25, so the range below zero is the next multiple of 10: 30 %.
  EXPECT_EQ(plot.PlotMin[0], 30);
  // y labels -30 + 13 i, cut to 4 characters.
  const char* const yLabels[] = {"-30", "-17", "-4",  " 9",  " 22", " 35",
                                 " 48", " 61", " 74", " 87", " 100"};
  for (int i = 0; i <= 10; ++i) {
    EXPECT_EQ(TextOf(L - 600, B - 100 - (B - T) * i / 10), yLabels[i]) << i;
  }
  const char* const xLabels[] = {" 0",    " 2.4",  " 4.8",  " 7.2",  " 9.6", " 12",
                                 " 14.4", " 16.8", " 19.2", " 21.6", " 24"};
  for (int i = 0; i <= 10; ++i) {
    EXPECT_EQ(TextOf(L - 100 + (R - L) * i / 10, B + 100), xLabels[i]) << i;
  }
  // Zero lies 30/130 of the frame height above the x axis.
  const double zeroY = B - (B - T) * 30.0 / 130.0;
  const std::vector<Mark> black = Lines(kBlack);
  ASSERT_EQ(black.size(), 3u);
  EXPECT_NEAR(black[2].y1, zeroY, 1e-9);
  const std::vector<Mark> red = Lines(QBColor(12));
  ASSERT_EQ(red.size(), 4u);
  EXPECT_NEAR(red[1].y2, B, 1e-9);
  EXPECT_NEAR(red[2].y2, zeroY, 1e-9);
  EXPECT_NEAR(red[3].y2, T, 1e-9);
  EXPECT_DOUBLE_EQ(red[2].x2, L + (R - L) / 2);
}

TEST_F(PlotTest, XYRaisesAMaximumAtOrBelowZeroToThreeTimesTheDepth) {
  plot.PlotName[1] = "Deep";
  plot.PlotName[2] = "Shallow";
  plot.PlotMax[1] = 0;
  plot.PlotMin[1] = -4;
  plot.PlotMax[2] = 100;
  plot.PlotMin[2] = -1;
  plot.PlotX[1] = 1;
  plot.PlotY[1][1] = -4;
  GraphXY(program, "L", "x", 2, 1, 2, plot.PlotName, plot.PlotMax, plot.PlotMin, 1, plot.PlotX,
          plot.PlotY);
  EXPECT_EQ(plot.PlotMax[1], 12);
  EXPECT_EQ(plot.PlotMin[0], 40);  // p = 33.3 for the deeper series
  EXPECT_EQ(TextOf(L - 600, B - 100), "-40");
  EXPECT_EQ(TextOf(L - 600, B - 100 - (B - T) / 10), "-26");
  EXPECT_EQ(TextOf(L, 495), " 12");
}

TEST_F(PlotTest, XYLeavesOutASeriesWithoutMaximumOrMinimumLegendIncluded) {
  plot.PlotName[1] = "Empty";
  plot.PlotName[2] = "Full";
  plot.PlotMax[2] = 123.456789;
  plot.PlotX[1] = 0;
  plot.PlotX[2] = 1;
  plot.PlotY[2][1] = 50;
  plot.PlotY[2][2] = 100;
  GraphXY(program, "L", "x", 1, 0, 2, plot.PlotName, plot.PlotMax, plot.PlotMin, 2, plot.PlotX,
          plot.PlotY);
  EXPECT_EQ(TextAt(L, 100), nullptr);
  EXPECT_TRUE(Lines(QBColor(12)).empty());
  EXPECT_EQ(TextOf(L + C, 100), "Full");
  EXPECT_EQ(TextOf(L + C, 495), " 123.4");
  EXPECT_EQ(Lines(QBColor(14)).size(), 3u);
}

TEST_F(PlotTest, XYDotsASinglePointTwiceAndLeavesTheFillState) {
  plot.PlotName[1] = "a";
  plot.PlotName[2] = "b";
  plot.PlotMax[1] = 10;
  plot.PlotMax[2] = 10;
  plot.PlotX[1] = 5;
  plot.PlotY[1][1] = 5;
  plot.PlotY[2][1] = 10;
  GraphXY(program, "P", "x", 10, 0, 2, plot.PlotName, plot.PlotMax, plot.PlotMin, 1, plot.PlotX,
          plot.PlotY);
  const std::vector<Mark> dots = Circles();
  ASSERT_EQ(dots.size(), 4u);
  EXPECT_EQ(dots[0].x1, dots[1].x1);
  EXPECT_EQ(dots[0].y1, dots[1].y1);
  EXPECT_DOUBLE_EQ(dots[0].x1, L + (R - L) / 2);
  EXPECT_DOUBLE_EQ(dots[0].y1, B - (B - T) / 2);
  EXPECT_EQ(dots[0].r, 50);
  EXPECT_EQ(dots[0].color, QBColor(12));
  ASSERT_TRUE(dots[0].fill.has_value());
  EXPECT_EQ(*dots[0].fill, QBColor(12));
  EXPECT_EQ(*dots[3].fill, QBColor(14));
  EXPECT_DOUBLE_EQ(dots[3].y1, T);
  EXPECT_EQ(output().surface().FillStyle, kFillSolid);
  EXPECT_EQ(output().surface().FillColor, QBColor(14));
  EXPECT_EQ(Lines(QBColor(12)).size(), 1u) << "no lines between dots";
}

TEST_F(PlotTest, XYWithoutXRangeOrWithAnotherModeDrawsNoData) {
  plot.PlotName[1] = "a";
  plot.PlotMax[1] = 10;
  plot.PlotX[1] = 3;
  plot.PlotX[2] = 3;
  plot.PlotY[1][1] = 1;
  plot.PlotY[1][2] = 2;
  GraphXY(program, "L", "x", 3, 3, 1, plot.PlotName, plot.PlotMax, plot.PlotMin, 2, plot.PlotX,
          plot.PlotY);
  EXPECT_EQ(Lines(QBColor(12)).size(), 1u);
  EXPECT_EQ(TextOf(L - 100, B + 100), " 3");
  EXPECT_EQ(TextOf(L, 100), "a");

  plot.PlotX[2] = 4;
  GraphXY(program, "X", "x", 4, 3, 1, plot.PlotName, plot.PlotMax, plot.PlotMin, 2, plot.PlotX,
          plot.PlotY);
  EXPECT_EQ(Lines(QBColor(12)).size(), 1u);
  EXPECT_TRUE(Circles().empty());
}

TEST_F(PlotTest, AValueThatCannotBeDrawnIsAFailureNotAMark) {
  plot.PlotName[1] = "a";
  plot.PlotMax[1] = 10;
  plot.PlotX[1] = 0;
  plot.PlotX[2] = 1;
  plot.PlotY[1][2] = std::nan("");
  EXPECT_THROW(GraphXY(program, "L", "x", 1, 0, 1, plot.PlotName, plot.PlotMax, plot.PlotMin, 2,
                       plot.PlotX, plot.PlotY),
               RuntimeFailure);
  for (const Mark& m : marks()) EXPECT_TRUE(std::isfinite(m.y1) && std::isfinite(m.y2));
}

TEST_F(PlotTest, AGraphThatCannotBeDrawnIsRefusedBeforeAnythingChanges) {
  // Values that are finite but whose scaled position is not: the scaling product overflows
  // before it is divided, or the depth below zero has no finite percentage. Each refusal names
  // the series (or the x caption) at fault and leaves the previous graph and window state.
  struct Case {
    const char* what;
    double y1, y2, x2;
    const char* message;
  };
  const Case cases[] = {
      // max 1e305, min 0: Q x 100 x 1e305 overflows before the division by 1e305.
      {"huge value", 1e305, 0, 1, "NCE: the values are too large to draw"},
      // min -1e308 with max 1e308: 100 x 1e308 overflows, so the depth below zero is infinite.
      {"huge range", 1e308, -1e308, 1,
       "NCE: the values below zero are too large to draw against the maximum"},
      // max 0, min -1e308: max becomes 3e308, which is not finite.
      {"no maximum", 0, -1e308, 1, "NCE: the values are too large to draw"},
      // x from -1e308 to 1e308: the span overflows.
      {"huge x", 1, 2, 1e308, "PAR: the x values are too far apart to draw"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    output().surface().Cls();
    output().surface().Print("old graph");
    output().setVisible(true);
    PlotRecord& record = program.state<PlotRecord>();
    record.PlotName[1] = "NCE";
    record.PlotX[1] = 0;
    record.PlotX[2] = c.x2;
    record.PlotY[1][1] = c.y1;
    record.PlotY[1][2] = c.y2;
    record.PlotMax[1] = std::max(c.y1, c.y2);
    record.PlotMin[1] = std::min(c.y1, c.y2);
    record.PlotXMin = c.x2 == 1e308 ? -1e308 : 0;
    record.PlotXMax = c.x2;
    record.PlotNSer = 1;
    record.PlotNPts = 2;
    const SeriesValues maximaBefore = record.PlotMax;
    try {
      GraphPlotRecordXY(program, "P", "PAR");
      ADD_FAILURE() << "drawn";
    } catch (const RuntimeFailure& failure) {
      EXPECT_STREQ(failure.what(), c.message);
    }
    EXPECT_TRUE(output().visible());
    ASSERT_EQ(marks().size(), 1u);
    EXPECT_EQ(marks()[0].text, "old graph");
    EXPECT_EQ(record.PlotMax, maximaBefore);
  }
}

TEST_F(PlotTest, FrameLinesAreSolidWhateverTheLastSeriesLeft) {
  output().surface().DrawStyle = 4;
  plot.PlotName[1] = "a";
  plot.PlotMax[1] = 1;
  GraphSteps(program, "x", plot.PlotName, 10, 1, 2, plot.PlotY, plot.PlotMax);
  const std::vector<Mark> black = Lines(kBlack);
  ASSERT_EQ(black.size(), 2u);  // the two axes
  for (const Mark& axis : black) EXPECT_EQ(axis.style, 0);
  // The series' dash style stays on the surface for whoever draws next.
  EXPECT_EQ(output().surface().DrawStyle, 1);
}

}  // namespace
}  // namespace sylvandra
