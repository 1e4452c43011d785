#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app/startup.h"
#include "exercises/carbon_water/carbon_balance_model.h"
#include "exercises/carbon_water/ex10_ask.h"
#include "platform/program.h"
#include "plot/plot_record.h"
#include "plot/series_extremes.h"
#include "unit/test_host.h"

namespace sylvandra {
namespace {

TEST(CarbonBalanceModel, GrossExchangeAddsTheMagnitudeOfDarkRespiration) {
  EXPECT_DOUBLE_EQ(GrossCarbonExchange(25.9, -3), 28.9);
  EXPECT_DOUBLE_EQ(GrossCarbonExchange(-2.6, -3), 0.4);
  EXPECT_EQ(GrossCarbonExchange(12.3, 0), 12.3);
  // A positive respiration, against the label's advice, lowers the gross exchange.
  EXPECT_DOUBLE_EQ(GrossCarbonExchange(25.9, 2), 23.9);
}

TEST(SeriesExtremes, ExtremesStartFromTheEmptyRange) {
  SeriesData ys{};
  ys[1] = {0, 3, -2, 7, 1};
  ys[2] = {0, 5, 5, 5, 5};
  SeriesValues maxima{}, minima{};
  maxima[3] = 42;  // series beyond nSeries are left alone
  FindSeriesExtremes(ys, 2, 4, maxima, minima);
  EXPECT_EQ(maxima[1], 7);
  EXPECT_EQ(minima[1], -2);
  EXPECT_EQ(maxima[2], 5);
  EXPECT_EQ(minima[2], 5);
  EXPECT_EQ(maxima[3], 42);
  // With no points the empty range stays.
  FindSeriesExtremes(ys, 1, 0, maxima, minima);
  EXPECT_EQ(maxima[1], kEmptyRangeMaximum);
  EXPECT_EQ(minima[1], kEmptyRangeMinimum);

  PointValues xs{};
  xs[1] = 4;
  xs[2] = -1;
  xs[3] = 9;
  double xMax = 0, xMin = 0;
  FindRange(xs, 3, xMax, xMin);
  EXPECT_EQ(xMax, 9);
  EXPECT_EQ(xMin, -1);
}

TEST(SeriesExtremes, SharedMaximumIsTheLargerOfTwo) {
  SeriesValues maxima{};
  maxima[3] = 25.9;
  maxima[4] = 28.9;
  ShareMaximum(maxima, 3, 4);
  EXPECT_EQ(maxima[3], 28.9);
  EXPECT_EQ(maxima[4], 28.9);
  maxima[1] = 373;
  maxima[2] = 277;
  ShareMaximum(maxima, 1, 2);
  EXPECT_EQ(maxima[1], 373);
  EXPECT_EQ(maxima[2], 373);
}

class Ex10AskTest : public ::testing::Test {
 protected:
  Ex10AskTest() : program(host) {
    RegisterWindows(program);
    w = &program.form<Ex10Ask>();
  }

  Surface& outpt() { return program.form("outpt").surface(); }
  PlotRecord& plot() { return program.state<PlotRecord>(); }
  long count(MarkKind kind) {
    const auto& marks = outpt().marks();
    return std::count_if(marks.begin(), marks.end(),
                         [kind](const Mark& m) { return m.kind == kind; });
  }
  bool printed(const std::string& text) {
    const auto& marks = outpt().marks();
    return std::any_of(marks.begin(), marks.end(),
                       [&](const Mark& m) { return m.kind == MarkKind::Text && m.text == text; });
  }

  testing::TestHost host;
  Program program;
  Ex10Ask* w = nullptr;
};

TEST_F(Ex10AskTest, LoadsTheMeasuredDayWithBlankGrossExchange) {
  EXPECT_EQ(w->caption(), "Net and Gross Carbon Balances");
  ASSERT_EQ(w->GCE.size(), 24u);
  for (int r = 0; r < 24; ++r) {
    EXPECT_EQ(w->GCE(r).text(), " ");
    EXPECT_EQ(w->GCE(r).backColor(), kResultYellow);
    EXPECT_EQ(w->PAR(r).top(), 960 + 240 * r);
  }
  EXPECT_EQ(w->PAR(10).text(), "1610");
  EXPECT_EQ(w->TC(13).text(), "29.7");
  EXPECT_EQ(w->NEE(1).text(), "-4.3");
  EXPECT_EQ(w->NEE(23).text(), "2.7");
  EXPECT_EQ(w->DarkResp.text(), "");
}

TEST_F(Ex10AskTest, GrossExchangeFromDarkRespiration) {
  program.type(w->DarkResp, "-3");
  program.click(w->CalcGCE);
  EXPECT_EQ(w->GCE(10).text(), "28.9");
  EXPECT_EQ(w->GCE(0).text(), "0.4");
  EXPECT_EQ(w->GCE(1).text(), "-1.3");
  EXPECT_EQ(w->GCE(5).text(), "3");
  EXPECT_EQ(w->GCE(22).text(), "-1.2");

  // Without a respiration estimate the gross exchange is the net exchange, text for text.
  program.type(w->DarkResp, "");
  program.click(w->CalcGCE);
  for (int r = 0; r < 24; ++r) EXPECT_EQ(w->GCE(r).text(), w->NEE(r).text()) << r;

  // A respiration of 2 lowers the gross exchange; a cleared NCE counts as 0.
  program.type(w->DarkResp, "2");
  program.type(w->NEE(10), "");
  program.click(w->CalcGCE);
  EXPECT_EQ(w->GCE(10).text(), "-2");
  EXPECT_EQ(w->GCE(11).text(), "21.2");
  EXPECT_TRUE(host.failures.empty());
}

TEST_F(Ex10AskTest, AFailureLeavesTheGrossColumnAsItWas) {
  program.type(w->DarkResp, "-3");
  program.click(w->CalcGCE);
  program.type(w->DarkResp, "-4");
  program.type(w->NEE(5), "1e999");
  program.click(w->CalcGCE);
  ASSERT_EQ(host.failures.size(), 1u);
  EXPECT_EQ(host.failures[0].message, "NCE (hour 6): '1e999' is too large a number");
  EXPECT_EQ(w->GCE(0).text(), "0.4");
  EXPECT_EQ(w->GCE(10).text(), "28.9");
}

TEST_F(Ex10AskTest, GraphOfGrossExchangeBeforeCalculatingHasNoSeries) {
  program.click(w->GraphGCE);
  EXPECT_TRUE(host.failures.empty());
  EXPECT_TRUE(program.form("outpt").visible());
  EXPECT_EQ(plot().PlotMax[1], 0);
  EXPECT_EQ(plot().PlotMin[1], 0);
  EXPECT_EQ(plot().PlotXMax, 1611);
  EXPECT_EQ(plot().PlotXMin, 0);
  EXPECT_EQ(plot().PlotName[1], "GCE");
  EXPECT_EQ(count(MarkKind::Circle), 0);
  EXPECT_FALSE(printed("GCE"));
  EXPECT_TRUE(printed("Name"));
  EXPECT_TRUE(printed("PAR"));
}

TEST_F(Ex10AskTest, GraphOfNetExchangeAgainstLight) {
  program.click(w->GraphNCE);
  EXPECT_EQ(plot().PlotMax[1], 25.9);
  EXPECT_EQ(plot().PlotMin[1], -4.3);
  // 100 x 4.3 / 25.9 = 16.6 %, taken up to 20 %.
  EXPECT_EQ(plot().PlotMin[0], 20);
  EXPECT_EQ(plot().PlotNSer, 1);
  EXPECT_EQ(plot().PlotNPts, 24);
  // The dot at the first point, then one per point.
  EXPECT_EQ(count(MarkKind::Circle), 25);
  for (const char* label : {"-20", "-8", " 4", " 16", " 88", " 100"}) {
    EXPECT_TRUE(printed(label)) << label;
  }
  EXPECT_TRUE(printed("NCE"));
  EXPECT_TRUE(printed(" 25.9"));
}

TEST_F(Ex10AskTest, GraphAllSharesTheCarbonScale) {
  program.type(w->DarkResp, "-3");
  program.click(w->CalcGCE);
  program.click(w->GraphhAll);
  EXPECT_EQ(plot().PlotMax[1], 1611);
  EXPECT_EQ(plot().PlotMax[2], 29.7);
  EXPECT_EQ(plot().PlotMin[2], 19.7);
  EXPECT_EQ(plot().PlotMax[3], 28.9);
  EXPECT_EQ(plot().PlotMax[4], 28.9);
  EXPECT_EQ(plot().PlotMin[3], -4.3);
  EXPECT_EQ(plot().PlotMin[4], -1.3);
  // NCE: 100 x 4.3 / 28.9 = 14.9 % -> 20 %; GCE: 4.5 % -> 10 %; the larger range is common.
  EXPECT_EQ(plot().PlotMin[0], 20);
  EXPECT_EQ(plot().PlotXMax, 24);
  EXPECT_EQ(plot().PlotXMin, 0);
  EXPECT_EQ(plot().PlotX[24], 24);
  for (const char* name : {"PAR", "Tc", "NCE", "GCE", "Hour"}) EXPECT_TRUE(printed(name)) << name;
  EXPECT_EQ(count(MarkKind::Circle), 0);
}

TEST_F(Ex10AskTest, ReturnHidesTheWindowAndTheGraph) {
  w->setVisible(true);
  program.click(w->GraphNCE);
  program.click(w->Return);
  EXPECT_FALSE(w->visible());
  EXPECT_FALSE(program.form("outpt").visible());
}

}  // namespace
}  // namespace sylvandra
