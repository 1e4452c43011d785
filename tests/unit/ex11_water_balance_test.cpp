#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "exercises/carbon_water/ex11_ask.h"
#include "platform/program.h"
#include "plot/plot_record.h"
#include "unit/exercise_fixture.h"

namespace sylvandra {
namespace {

class EX11AskTest : public testing::ExerciseTest<EX11Ask> {
 protected:
  EX11AskTest() : w(&ExerciseTest::w()) {}

  std::string totals() const {
    std::string all;
    for (int y = 0; y < 3; ++y) all += w->TotPrec(y).text() + " ";
    for (int y = 0; y < 3; ++y) all += w->TotRunoff(y).text() + " ";
    return all;
  }
  PlotRecord& plot() { return program.state<PlotRecord>(); }

  EX11Ask* w;
};

TEST_F(EX11AskTest, HoldsTheMeasuredYears) {
  EXPECT_EQ(w->caption(), "Water and Nutrient Balances");
  ASSERT_EQ(w->Prec1.size(), 36u);
  EXPECT_EQ(w->Prec1(0).text(), "89");
  EXPECT_EQ(w->Prec1(29).text(), "373");
  EXPECT_EQ(w->Runoff1(3).text(), "267");
  EXPECT_EQ(w->Runoff1(35).text(), "272");
  // Month m of year y at left 840 + 360 m; the three years' rows at their own tops.
  EXPECT_EQ(w->Prec1(12 * 2 + 5).left(), 840 + 360 * 5);
  EXPECT_EQ(w->Prec1(12 * 2 + 5).top(), 3120);
  EXPECT_EQ(w->Runoff1(12).top(), 2400);
  EXPECT_EQ(w->NInCon(1).text(), "532");
  EXPECT_EQ(w->NConc(2).text(), "448");
  for (int y = 0; y < 3; ++y) {
    EXPECT_EQ(w->TotPrec(y).text(), "");
    EXPECT_EQ(w->TotRunoff(y).backColor(), kResultYellow);
  }
}

TEST_F(EX11AskTest, YearlyTotalsTwiceGiveTheSameNumbers) {
  program.click(w->CalcTots);
  EXPECT_EQ(totals(), "1269 1493 1824 717 948 1470 ");
  program.click(w->CalcTots);
  EXPECT_EQ(totals(), "1269 1493 1824 717 948 1470 ");
}

TEST_F(EX11AskTest, ClearedMonthsCountAsZeroAndConcentrationsChangeNothing) {
  program.type(w->Prec1(0), "");
  program.type(w->Runoff1(35), "");
  program.type(w->NInCon(0), "9999");
  program.type(w->NConc(2), "");
  program.click(w->CalcTots);
  EXPECT_EQ(totals(), "1180 1493 1824 717 948 1198 ");
  // Fractions add up through the boxes' texts.
  program.type(w->Prec1(12), "0.1");
  program.type(w->Prec1(13), "0.2");
  program.click(w->CalcTots);
  EXPECT_EQ(w->TotPrec(1).text(), "1333.3");  // 1493 - 77 - 83 + 0.3
  EXPECT_TRUE(host.failures.empty());
}

TEST_F(EX11AskTest, ATotalTooLargeToShowChangesNoTotal) {
  program.click(w->CalcTots);
  program.type(w->Prec1(0), "1e308");
  program.type(w->Prec1(1), "1e308");
  program.click(w->CalcTots);
  ASSERT_EQ(host.failures.size(), 1u);
  EXPECT_EQ(host.failures[0].message.rfind("Precip total (1971): ", 0), 0u)
      << host.failures[0].message;
  EXPECT_EQ(totals(), "1269 1493 1824 717 948 1470 ");
}

TEST_F(EX11AskTest, GraphSharesOneScaleAndHasNoNegativeRange) {
  program.click(w->GraphAll);
  EXPECT_TRUE(host.failures.empty());
  EXPECT_TRUE(program.form("outpt").visible());
  EXPECT_EQ(plot().PlotMax[1], 373);
  EXPECT_EQ(plot().PlotMax[2], 373);
  EXPECT_EQ(plot().PlotMin[1], 48);
  EXPECT_EQ(plot().PlotMin[2], 8);
  EXPECT_EQ(plot().PlotMin[0], 0);
  EXPECT_EQ(plot().PlotX[36], 36);
  EXPECT_EQ(plot().PlotY[2][4], 267);
  // Two line series of 36 points (the first segment of each has length 0), drawn in colour.
  const auto& marks = program.form("outpt").surface().marks();
  const long coloured = std::count_if(marks.begin(), marks.end(), [](const Mark& m) {
    return m.kind == MarkKind::Line && m.color != kBlack;
  });
  EXPECT_EQ(coloured, 2 * 36 + 2);  // 72 segments and the two legend samples
}

TEST_F(EX11AskTest, ReturnHidesTheWindowAndTheGraph) {
  w->setVisible(true);
  program.click(w->GraphAll);
  program.click(w->Return);
  EXPECT_FALSE(w->visible());
  EXPECT_FALSE(program.form("outpt").visible());
}

}  // namespace
}  // namespace sylvandra
