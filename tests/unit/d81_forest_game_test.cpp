// The forest game's windows on a fresh program: what a whole session cannot show on its own
// (the model years behind the figures, refusals that leave the year untouched, and a game over
// that ends only the game), plus the two yearly rules as a table.
#include <gtest/gtest.h>

#include <string>

#include "exercises/carbon_water/ex12_ask.h"
#include "game/d81.h"
#include "game/d81_ask.h"
#include "game/d81_comp.h"
#include "game/d81_eval.h"
#include "game/d81_harv.h"
#include "game/d81_res.h"
#include "game/forest_game.h"
#include "unit/exercise_fixture.h"

namespace sylvandra {
namespace {

TEST(ForestGameRules, StandingTextAndFine) {
  const std::string before = "previous";
  struct StandingCase {
    int score;
    std::string text;
  };
  const StandingCase standing[] = {
      {-6, " You are seen as a blight on the community"},             // below -5
      {-5, " You are not welcomed at the Post Office or Town Hall"},  // -5 <= s < 0
      {3, " Annonimity is not all that bad"},                         // 0 <= s < 5 only
      {4, " People nod as they pass you on the street"},              // 4 also matches 4..7
      {11, " You are welcome everywhere"},                            // 8 <= s < 12
      {15, " Both the Rotarians and Audubon want you to join"},       // 12 <= s < 16
      {16, "previous"},                                               // no rule covers 16
      {17, " Run for Mayor, you are a shoe-in"},                      // above 16
  };
  for (const StandingCase& t : standing) {
    EXPECT_EQ(StandingText(t.score, before), t.text) << "score " << t.score;
  }
  // ((year - 1900) / 50 + 1) x 1000
  EXPECT_EQ(EpaFine(1900), 1000);  // (0 + 1) x 1000
  EXPECT_EQ(EpaFine(1901), 1020);  // (1/50 + 1) x 1000 = 1.02 x 1000
  EXPECT_EQ(EpaFine(1950), 2000);  // (50/50 + 1) x 1000
}

class D81askTest : public testing::ExerciseTest<D81ask> {
 protected:
  ForestGame& game() { return program.state<ForestGame>(); }
  D81Harv& plan() { return program.form<D81Harv>(); }
  void research(int item, const std::string& selection) {
    type(program.form<D81Res>().Sel(item), selection);
    click(program.form<D81Res>().Execute);
  }
};

TEST_F(D81askTest, TheFirstWindowNamesWhatThePlayerWillSee) {
  const std::string welcome = program.form<D81>().Label1.caption();
  // The goal a game starts with, in dollars a year.
  EXPECT_NE(welcome.find("$" + w().Goal.text() + " a year"), std::string::npos) << welcome;
  // Every button, field caption and research item it names is on the game's windows as named.
  const auto shown = [&](const std::string& caption) {
    for (Window* window :
         {static_cast<Window*>(&w()), static_cast<Window*>(&program.form<D81Res>())}) {
      for (const auto& control : window->controls()) {
        if (control->caption().rfind(caption, 0) == 0) return true;
      }
    }
    return false;
  };
  for (const char* named : {"Management Plan", "Execute Plan", "Research and Inventory",
                            "Forest Biomass", "Current Management Goal"}) {
    EXPECT_NE(welcome.find(named), std::string::npos) << named;
    EXPECT_TRUE(shown(named)) << named;
  }
}

TEST_F(D81askTest, TheFirstOpeningRunsTwoModelYears) {
  // Two years: compartment 3's vegetation is 553.92 kg/ha, so 95 % whole trees over 50 ha is
  // 0.95 x 553.92 x 500 x 50 / 1000 = 13155.6 tons, worth 13155.6 x 0.675 = 8880.03 dollars.
  research(1, "3");
  click(w().Command3);
  type(plan().Harv(3), "95");
  type(plan().wt(3), "Y");
  EXPECT_EQ(plan().Yield(3).text(), "13155.6");
  EXPECT_EQ(plan().Value(3).text(), "8880.03");
  EXPECT_EQ(plan().TotVal.text(), "8880.03");
  // Its second year lost 0.136330 (nitrate left) + 2.653670 (nitrified) = 2.79 kg/ha,
  // kept as the float 2.7900009: shown with the 7 digits a float holds.
  research(6, "3");
  EXPECT_EQ(program.form<D81comp>().nitrate(3).text(), "2.790001");
}

TEST_F(D81askTest, EveryPlannedRowWithAFlagIsHarvestedPricedOrNot) {
  // Nothing researched, so nothing is priced. Row 1: 50 % stems only; row 2: no flag.
  click(w().Command3);
  type(plan().Harv(1), "50");
  type(plan().Harv(2), "80");
  type(plan().wt(2), "");
  CompartmentModel expected = game().model;
  HarvestVegetation(expected.comp[1], 50, 0.7);  // 0.5 x 0.7: 35 % of its vegetation N
  StepCompartments(expected);
  click(w().Command4);
  EXPECT_EQ(game().model.comp[1].CompVegN, expected.comp[1].CompVegN);
  EXPECT_EQ(game().model.comp[2].CompVegN, expected.comp[2].CompVegN);
  EXPECT_EQ(game().model.comp[1].CompStreamNitrate, expected.comp[1].CompStreamNitrate);
  EXPECT_LT(game().model.comp[1].CompVegN, 200);
}

TEST_F(D81askTest, ARowOrCostThatCannotBeAddedUpLeavesThePlanAsItWas) {
  // The 13155.6-ton row of the first opening, priced; then a price too large to compute with.
  research(1, "3");
  click(w().Command3);
  type(plan().Harv(3), "95");
  type(plan().wt(3), "Y");
  type(plan().CurPrice, "1e309");
  type(plan().Harv(3), "90");
  EXPECT_EQ(lastFailure(), "Current Wood Price: '1e309' is too large a number");
  EXPECT_EQ(plan().Yield(3).text(), "13155.6");
  EXPECT_EQ(plan().Value(3).text(), "8880.03");
  EXPECT_EQ(plan().TotVal.text(), "8880.03");
  EXPECT_EQ(plan().TotYield.text(), "13155.6");
  // A study whose cost cannot be read leaves the costs as they were.
  D81Res& research = program.form<D81Res>();
  const std::string total = research.TotCost.text();
  type(research.Cost(2), "1e309");
  type(research.Sel(2), "1");
  EXPECT_EQ(research.TotCost.text(), total);
  EXPECT_EQ(research.OpCost(2).text(), "");
}

TEST_F(D81askTest, AYearThatCannotBeCountedChangesNothing) {
  click(w().Command3);
  type(plan().Harv(3), "95");
  const double vegetation = game().model.comp[3].CompVegN;
  type(w().Yr, "19o1");
  click(w().Command4);
  EXPECT_EQ(lastFailure(), "Year: '19o1' is not a number");
  // The year harvests and runs the compartments before it counts itself: all of it goes back.
  EXPECT_EQ(game().model.comp[3].CompVegN, vegetation);
  EXPECT_EQ(w().Yr.text(), "19o1");
  EXPECT_FALSE(program.form<D81Eval>().visible());
  EXPECT_EQ(plan().Harv(3).text(), "95");
  EXPECT_EQ(program.form<D81comp>().Biomass(3).backColor(), kWhite);
}

TEST_F(D81askTest, ANumberTooLargeLeftInThePlanNeverLocksTheGame) {
  click(w().Command3);
  type(plan().Harv(0), "1e400");
  EXPECT_EQ(lastFailure(), "Harvest Intensity 0: '1e400' is too large a number");
  EXPECT_EQ(plan().Harv(0).text(), "1e400");  // as typed
  type(plan().CurPrice, "1e400");
  const size_t failures = host.failures.size();
  // The year harvests the planned rows, so it is refused while an intensity cannot be read...
  click(w().Command4);
  EXPECT_EQ(host.failures.size(), failures + 1);
  EXPECT_EQ(w().Yr.text(), "1900");
  // ...and Management Plan clears the intensities before anything reads them. No row is priced
  // before forest biomass is researched, so the price is not read either.
  click(w().Command3);
  EXPECT_EQ(plan().Harv(0).text(), "");
  click(w().Command4);
  EXPECT_EQ(host.failures.size(), failures + 1);
  EXPECT_EQ(w().Yr.text(), "1901");
  // Once a row is priced the plan reads the price and names it, also as Management Plan clears
  // the row; a price typed anew ends the refusals.
  research(1, "3");
  type(plan().Harv(3), "50");
  EXPECT_EQ(lastFailure(), "Current Wood Price: '1e400' is too large a number");
  click(w().Command3);
  EXPECT_EQ(host.failures.size(), failures + 3);
  EXPECT_EQ(plan().Harv(3).text(), "50");
  type(plan().CurPrice, "0.675");
  click(w().Command3);
  click(w().Command4);
  EXPECT_EQ(host.failures.size(), failures + 3);
  EXPECT_EQ(w().Yr.text(), "1902");
}

TEST_F(D81askTest, GameOverEndsTheGameNotTheProgram) {
  EX12Ask& other = program.form<EX12Ask>();
  type(other.FoliarN, "7");
  click(w().Command3);
  type(plan().wt(0), "y");
  // No harvest against the goal of 1000: the third year short of it fires the player.
  for (int year = 0; year < 3; ++year) click(w().Command4);
  ASSERT_EQ(host.messages.back().prompt, "Hit Return to Stop Game");
  EXPECT_FALSE(host.ended);
  EXPECT_FALSE(w().visible());
  EXPECT_FALSE(program.form<D81Eval>().visible());
  EXPECT_EQ(other.FoliarN.text(), "7");

  program.click(program.form<A_Select>().mnuForestGame);
  click(program.form<D81>().Command1);
  EXPECT_TRUE(w().visible());
  EXPECT_EQ(game().ShortfallYears, 0);
  EXPECT_EQ(w().Yr.text(), "1900");
  EXPECT_EQ(plan().wt(0).text(), "N");
  EXPECT_TRUE(program.form<D81Eval>().surface().marks().empty());
  // The compartments start again with two model years run.
  EXPECT_DOUBLE_EQ(game().model.comp[3].CompVegN, 553.92);
  // A year short of the goal is the first again: no reminder of last year.
  click(w().Command4);
  int lines = 0;
  for (const Mark& m : program.form<D81Eval>().surface().marks()) {
    if (m.kind == MarkKind::Text) ++lines;
  }
  EXPECT_EQ(lines, 2);
}

}  // namespace
}  // namespace sylvandra
