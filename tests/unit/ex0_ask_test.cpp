#include "exercises/carbon_water/ex0_ask.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "app/startup.h"
#include "platform/color.h"
#include "platform/conversions.h"
#include "platform/program.h"
#include "plot/graph.h"
#include "unit/mark_queries.h"
#include "unit/test_host.h"

namespace sylvandra {
namespace {

// outpt: L = 750, T = 1000, B = 5900, R = 5818.5, legend column 633.5625.
constexpr double L = 750, T = 1000, B = 5900, R = 5818.5, C = 633.5625;

class Ex0AskTest : public ::testing::Test {
 protected:
  Ex0AskTest() { RegisterWindows(program); }

  Ex0Ask& window() { return program.form<Ex0Ask>(); }
  Window& output() { return program.form("outpt"); }
  void Run(const std::string& pool, const std::string& inputs, const std::string& turnover) {
    program.type(window().SOM, pool);
    program.type(window().Inputs, inputs);
    program.type(window().TurnOvr, turnover);
    program.click(window().Command1);
  }
  std::string TextAt(double x, double y) {
    const Mark* m = testing::TextAt(output().surface().marks(), x, y);
    return m ? m->text : "<none>";
  }
  // The segments of the SOM series (dark blue), without the legend sample.
  std::vector<Mark> SeriesSegments() {
    return testing::MarksWhere(output().surface().marks(), [](const Mark& m) {
      return m.kind == MarkKind::Line && m.color == QBColor(1) && m.y1 > 1000;
    });
  }
  void ExpectEveryMarkFinite() {
    for (const Mark& m : output().surface().marks()) {
      EXPECT_TRUE(std::isfinite(m.x1) && std::isfinite(m.y1) && std::isfinite(m.x2) &&
                  std::isfinite(m.y2));
      EXPECT_EQ(m.text.find("inf"), std::string::npos) << m.text;
      EXPECT_EQ(m.text.find("nan"), std::string::npos) << m.text;
    }
  }

  // A final pool in exponent form is cut in its digits, not in its exponent.
  void ExpectFinalPoolShown(double pool) {
    const std::string text = TextAt(0.4 * 6465, 6600);
    ASSERT_EQ(text.rfind("At SOM = ", 0), 0u) << text;
    const std::string shown = text.substr(9);
    EXPECT_LE(shown.size(), 8u) << shown;
    EXPECT_NE(shown.find("E+"), std::string::npos) << shown;
    EXPECT_NEAR(Val(shown) / pool, 1, 0.1) << shown;
  }

  testing::TestHost host;
  Program program{host};
};

TEST_F(Ex0AskTest, WorkedCasePrintsEquilibriumYearAndFinalPool) {
  output().surface().Print("an older graph");
  Run("100", "50", "0.05");
  EXPECT_TRUE(host.failures.empty());
  EXPECT_TRUE(output().visible());
  EXPECT_EQ(TextAt(0, 0), "<none>") << "Execute clears the output window";
  EXPECT_EQ(TextAt(0.4 * 6465, 6400), "Equilibrium Reached in Year 165");
  EXPECT_EQ(TextAt(0.4 * 6465, 6600), "At SOM = 999.9998");
  // The scale is Int(1.1 x the largest value) and the legend names the series.
  EXPECT_EQ(TextAt(L, 100), "SOM");
  EXPECT_EQ(TextAt(L, 495), " 1099 ");
  EXPECT_EQ(TextAt(0.45 * 6465, B + 300), "Years");
  EXPECT_EQ(TextAt(L + (R - L) * 1 / 10 - 200, B + 100), " 30 ");
  EXPECT_EQ(TextAt(L + (R - L) * 10 / 10 - 200, B + 100), " 300 ");

  const std::vector<Mark> segments = SeriesSegments();
  ASSERT_EQ(segments.size(), 299u);
  // No lift: the first point and the later ones are at their exact scaled heights.
  EXPECT_EQ(segments[0].x1, L + (R - L) * 1 / 300);
  EXPECT_EQ(segments[0].y1, B - (B - T) * 100 / 1099);
  EXPECT_EQ(segments[0].y2, B - (B - T) * window().series().SomY[1][2] / 1099);
  EXPECT_EQ(segments[298].x2, R);
  EXPECT_EQ(window().series().SomMax[1], 1099);
}

TEST_F(Ex0AskTest, DefaultsGrowWithoutEquilibrium) {
  program.click(window().Command1);
  EXPECT_EQ(TextAt(0.4 * 6465, 6400), "Equilibrium Reached in Year 0");
  EXPECT_EQ(TextAt(0.4 * 6465, 6600), "At SOM = 15050");
  EXPECT_EQ(TextAt(L, 495), " 16555 ");
}

TEST_F(Ex0AskTest, LegendAndLinesFollowTheWindowsOwnStyle) {
  program.click(window().Command1);
  const Surface& surface = output().surface();
  std::vector<Mark> sample;
  for (const Mark& m : surface.marks())
    if (m.kind == MarkKind::Line && m.y1 == 395) sample.push_back(m);
  ASSERT_EQ(sample.size(), 1u);
  EXPECT_EQ(sample[0].x1, L);
  EXPECT_DOUBLE_EQ(sample[0].x2, L + 0.9 * C);
  EXPECT_EQ(sample[0].color, QBColor(1));
  EXPECT_EQ(sample[0].style, 1);
  // DrawWidth is whatever the window had: 1 on a fresh window.
  EXPECT_EQ(sample[0].width, 1);

  // After a shared plotter has run, the window keeps its DrawWidth of 3.
  PlotRecord plot;
  plot.PlotMax[1] = 1;
  GraphSteps(program, "x", plot.PlotName, 1, 1, 2, plot.PlotY, plot.PlotMax);
  program.click(window().Command1);
  EXPECT_EQ(SeriesSegments().front().width, 3);
}

TEST_F(Ex0AskTest, FullTurnoverCases) {
  Run("100", "50", "1");
  EXPECT_EQ(TextAt(0.4 * 6465, 6400), "Equilibrium Reached in Year 2");
  EXPECT_EQ(TextAt(0.4 * 6465, 6600), "At SOM = 50");
  Run("50", "50", "1");
  EXPECT_EQ(TextAt(0.4 * 6465, 6400), "Equilibrium Reached in Year 1");
}

TEST_F(Ex0AskTest, EmptyFieldsCountAsZeroAndDrawAFlatLineAtZero) {
  Run("", "", "");
  EXPECT_TRUE(host.failures.empty());
  EXPECT_EQ(TextAt(0.4 * 6465, 6400), "Equilibrium Reached in Year 1");
  EXPECT_EQ(TextAt(0.4 * 6465, 6600), "At SOM = 0");
  EXPECT_EQ(TextAt(L, 495), " 1 ");
  const std::vector<Mark> segments = SeriesSegments();
  ASSERT_EQ(segments.size(), 299u);
  for (const Mark& m : segments) EXPECT_EQ(m.y2, B);
  ExpectEveryMarkFinite();
}

TEST_F(Ex0AskTest, APoolGrowingTooLargeStopsTheRunAndSaysSo) {
  Run("100", "50", "-1000");
  EXPECT_TRUE(host.failures.empty());
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_NE(host.messages[0].prompt.find("grew too large"), std::string::npos);
  EXPECT_TRUE(output().visible());
  ExpectEveryMarkFinite();
  const std::vector<Mark> segments = SeriesSegments();
  ASSERT_GT(segments.size(), 0u);
  ASSERT_LT(segments.size(), 299u);
  // The axis covers the years computed.
  EXPECT_EQ(segments.back().x2, R);
  const int points = static_cast<int>(segments.size()) + 1;
  EXPECT_EQ(TextAt(L + (R - L) * 10 / 10 - 200, B + 100), PrintText(points));
  ExpectFinalPoolShown(window().series().SomY[1][points]);
}

TEST_F(Ex0AskTest, AFastButFiniteGrowthRunsToTheEnd) {
  Run("100", "50", "-5");
  EXPECT_TRUE(host.failures.empty());
  EXPECT_TRUE(host.messages.empty());
  EXPECT_EQ(SeriesSegments().size(), 299u);
  ExpectEveryMarkFinite();
  ExpectFinalPoolShown(window().series().SomY[1][300]);
}

TEST_F(Ex0AskTest, AnInitialPoolBeyondTheModelsRangeIsRefusedLeavingThePreviousGraph) {
  Run("100", "50", "0.05");
  const size_t marks = output().surface().marks().size();
  Run("1e305", "50", "0.05");
  ASSERT_EQ(host.failures.size(), 1u);
  EXPECT_EQ(host.failures[0].window, "Ex0Ask");
  EXPECT_NE(host.failures[0].message.find("Soil Organic Matter"), std::string::npos);
  EXPECT_TRUE(output().visible());
  EXPECT_EQ(output().surface().marks().size(), marks);
  EXPECT_EQ(TextAt(0.4 * 6465, 6600), "At SOM = 999.9998");
  EXPECT_EQ(window().SOM.text(), "1e305");
}

TEST_F(Ex0AskTest, ReturnHidesTheWindowAndTheOutput) {
  window().Show();
  program.click(window().Command1);
  ASSERT_TRUE(output().visible());
  program.click(window().Command2);
  EXPECT_FALSE(output().visible());
  EXPECT_FALSE(window().visible());
  EXPECT_EQ(window().TurnOvr.text(), "0");
}

TEST(Ex0AskMenuTest, ChapterFiveOpensTheWindowFromTheMenu) {
  testing::TestHost host;
  Program program(host);
  StartProgram(program);
  program.click(program.form("A_Select").control("Select", 0));
  program.click(program.form("A_Intro").control("Continue"));
  EXPECT_TRUE(program.form<Ex0Ask>().visible());
}

}  // namespace
}  // namespace sylvandra
