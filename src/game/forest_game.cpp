#include "game/forest_game.h"

#include <string>

#include "game/d81.h"
#include "game/d81_ask.h"
#include "game/d81_comp.h"
#include "game/d81_const.h"
#include "game/d81_eval.h"
#include "game/d81_harv.h"
#include "game/d81_res.h"
#include "game/d81_test.h"
#include "platform/conversions.h"
#include "platform/number_text.h"
#include "platform/program.h"
#include "plot/utils.h"

namespace sylvandra {
namespace {

constexpr const char* kStartYear = "1900";
constexpr const char* kStartReserves = "2000";
constexpr const char* kStartGoal = "1000";
constexpr const char* kStandardLimit = "4";  // kg/ha.yr
constexpr double kComplaintLevel = 4;        // kg/ha.yr, before any standard exists
constexpr double kRegulationChangeYear = 1950;
constexpr double kRaise = 1.1;
constexpr double kSavedShareOfSalary = 0.1;
constexpr double kStemsOnly = 0.7;

// A single-precision figure as text: the 7 significant digits a float holds, so that 2.79 kept
// as a float shows as "2.790001", not as the 15 digits of its double value.
std::string SingleText(float value) {
  return PlainText(Val(WriteRounded(value, RoundedStyle::General, 7)));
}

// Whole trees for "Y" or "y"; anything else is stems only.
double WholeTreeFactor(const std::string& flag) {
  return flag == "Y" || flag == "y" ? 1 : kStemsOnly;
}

// The game's windows, each created only if it has been before.
template <class W>
void IfLoaded(Program& program, void (*fn)(Window&)) {
  if (Window* window = program.loaded(W::kName)) fn(*window);
}
void ForEachGameWindow(Program& program, void (*fn)(Window&)) {
  IfLoaded<D81>(program, fn);
  IfLoaded<D81ask>(program, fn);
  IfLoaded<D81Eval>(program, fn);
  IfLoaded<D81Const>(program, fn);
  IfLoaded<D81Test>(program, fn);
  IfLoaded<D81comp>(program, fn);
  IfLoaded<D81Res>(program, fn);
  IfLoaded<D81Harv>(program, fn);
}

// "Hit Return to Stop Game": the game's windows close, and the next visit starts afresh.
void GameOver(Program& program) {
  program.MsgBox("Hit Return to Stop Game");
  ForEachGameWindow(program, [](Window& window) { window.setVisible(false); });
  program.state<ForestGame>().over = true;
}

// The vegetation the plan harvests leaves the compartments before the year is run: every row
// with both an intensity and a whole-tree flag, whether or not it could be priced.
void HarvestPlannedVegetation(Program& program, CompartmentModel& model) {
  D81Harv& plan = program.form<D81Harv>();
  for (int k = 0; k < kCompartments; ++k) {
    if (plan.Harv(k).text().empty() || plan.wt(k).text().empty()) continue;
    HarvestVegetation(model.comp[static_cast<size_t>(k)], plan.Harv(k).val(),
                      WholeTreeFactor(plan.wt(k).text()));
  }
}

void MarkBoughtDataOutOfDate(Program& program) {
  D81comp& data = program.form<D81comp>();
  D81Harv& plan = program.form<D81Harv>();
  for (int k = 0; k < kCompartments; ++k) {
    for (ControlArray* column :
         {&data.Increment, &data.Biomass, &data.SoilN, &data.NMin, &data.nitrate}) {
      (*column)(k).setBackColor(kOutOfDate);
    }
    plan.Yield(k).setBackColor(kOutOfDate);
    plan.Value(k).setBackColor(kOutOfDate);
  }
  plan.TotYield.setBackColor(kOutOfDate);
  plan.TotVal.setBackColor(kOutOfDate);
}

// Returns false when the player is fired.
bool FinancialEvaluation(Program& program, double harvestValue) {
  ForestGame& game = program.state<ForestGame>();
  D81ask& ask = program.form<D81ask>();
  Surface& eval = program.form<D81Eval>().surface();
  const double goal = ask.Goal.val();
  if (harvestValue >= goal) {
    eval.Print(" You met your timber yield goal.  Your salary will increase by 10%");
    eval.Print(" Excess Income will go into operating reserves ");
    ask.Salary.setNumber(ask.Salary.number() * kRaise);
    game.ShortfallYears = 0;
    game.StandingScore += 1;
    ask.Reserves.setNumber(ask.Reserves.number() + (harvestValue - goal));
    program.form<D81Res>().Reserves.setText(ask.Reserves.text());
    return true;
  }
  eval.Print(" Yield fell short of goal.  No raise this year");
  if (game.ShortfallYears == 1)
    eval.Print("This also happened last year.  Don't let it happen again");
  if (game.ShortfallYears == 2) {
    eval.Print();
    eval.Print("  In fact, this is your third year short of goal.");
    eval.Print("   We are sorry but we will have to look for a better manager");
    eval.Print("   You are fired, and the game is over");
    GameOver(program);
    return false;
  }
  game.ShortfallYears += 1;
  return true;
}

// Returns false when the player is fired.
bool EnvironmentalEvaluation(Program& program) {
  ForestGame& game = program.state<ForestGame>();
  D81ask& ask = program.form<D81ask>();
  Surface& eval = program.form<D81Eval>().surface();
  double largest = 0;
  double sum = 0;
  for (int k = 0; k < kCompartments; ++k) {
    const double loss = game.model.comp[static_cast<size_t>(k)].CompStreamNitrate;
    if (loss > largest) largest = loss;
    sum += loss;
  }
  const double average = sum / kCompartments;
  program.form<D81Eval>().startSection(kEnvironmentalTop, kEnvironmentalBottom);

  if (game.NitrateStandard == 0 && largest > kComplaintLevel) {
    if (game.FishKillStage == 0) {
      eval.Print(" Residents suspect a major fish kill in one of you watershed, ");
      eval.Print("   and are linking this to your harvesting practices.  ");
      eval.Print("   Your standing in the community has suffered.");
      game.StandingScore -= 5;
      game.FishKillStage = 1;
    } else if (game.FishKillStage == 1) {
      eval.Print(" More dead fish in the river in town!  Residents have gone to ");
      eval.Print("   EPA for relief.  Management is not happy.");
      eval.Print("   Your standing in the community has suffered.");
      game.StandingScore -= 5;
      game.FishKillStage = 2;
    } else if (game.FishKillStage == 2) {
      eval.Print(" Because of excessive nitrate pollution, EPA has established ");
      eval.Print("   allowable nitrate levels in streams.  This will be a continuing");
      eval.Print("   management constraint.  Your standing in the community has suffered");
      game.StandingScore -= 5;
      game.NitrateStandard = 1;
      ask.EnvCon.setText(kStandardLimit);
      ask.Label3(0).setVisible(true);
      program.form<D81Harv>().Label3(1).setVisible(true);
    }
    return true;
  }

  // Without a standard the field shows the program's "None", which is no number to read.
  const double limit = game.NitrateStandard != 0 ? ask.EnvCon.val() : 0;
  const bool exceeds = (game.NitrateStandard == 1 && average > limit) ||
                       (game.NitrateStandard == 2 && largest > limit);
  if (!exceeds) {
    game.EpaStage = 0;
    eval.Print(" No environmental problems noted this year.");
    return true;
  }
  if (game.EpaStage == 0) {
    eval.Print(" Nitrate levels were too high.  ");
    eval.Print(" We have received a warning from the EPA.");
    eval.Print(" Failure to meet this standard next year will result in fines.");
    eval.Print(" Any fines received will be taken from your operating reserves.");
    eval.Print(" The story has made the papers and you standing in the community");
    eval.Print(" has fallen.");
    game.EpaStage += 1;
  } else if (game.EpaStage == 1) {
    const double fine = EpaFine(ask.Yr.number());
    eval.Print(" Nitrate levels were too high again.");
    eval.Print(" The EPA has levied a fine of $" + Fmt7b(fine));
    eval.Print(" This will be taken from your operating reserves");
    eval.Print(" This has become front page news.  Be careful walking around in town!");
    ask.Reserves.setNumber(ask.Reserves.number() - fine);
    // The research window spends from the same reserves.
    program.form<D81Res>().Reserves.setText(ask.Reserves.text());
    game.StandingScore -= 5;
    game.EpaStage += 1;
  } else {
    eval.Print();
    eval.Print(" You have exceeded allowable nitrate levels again.");
    eval.Print(" The company cannot risk the bad PR.");
    eval.Print(" You are fired, and the game is over");
    GameOver(program);
    return false;
  }
  return true;
}

}  // namespace

double EpaFine(double year) {
  return ((year - 1900) / 50 + 1) * 1000;
}

std::string StandingText(int score, const std::string& previous) {
  std::string text = previous;
  if (score < -5) text = " You are seen as a blight on the community";
  if (score >= -5 && score < 0) text = " You are not welcomed at the Post Office or Town Hall";
  if (score >= 0 && score < 5) text = " Annonimity is not all that bad";
  if (score >= 4 && score < 8) text = " People nod as they pass you on the street";
  if (score >= 8 && score < 12) text = " You are welcome everywhere";
  if (score >= 12 && score < 16) text = " Both the Rotarians and Audubon want you to join";
  if (score > 16) text = " Run for Mayor, you are a shoe-in";
  return text;
}

void RestartForestGame(Program& program) {
  ForestGame& game = program.state<ForestGame>();
  D81ask& ask = program.form<D81ask>();
  D81Harv& plan = program.form<D81Harv>();
  D81Res& research = program.form<D81Res>();
  // While a standard is in force its limit stays the constraint; "None" would read as a
  // limit of 0 that every year exceeds.
  const char* constraint = game.NitrateStandard != 0 ? kStandardLimit : "None";
  ask.Yr.setText(kStartYear);
  plan.Yr.setText(kStartYear);
  ask.Reserves.setText(kStartReserves);
  research.Reserves.setText(kStartReserves);
  ask.Goal.setText(kStartGoal);
  plan.Goal.setText(kStartGoal);
  ask.EnvCon.setText(constraint);
  plan.EnvCon.setText(constraint);
  ask.Salary.setText("1000");
  ask.Standing.setText(" Unknown");

  D81Const& notice = program.form<D81Const>();
  notice.Show();
  notice.setCaption("Notice!");
  notice.surface().Cls();
  notice.surface().Print(" Nothing is constant in the real world!");
  notice.surface().Print(" Notices on changing social and environmental");
  notice.surface().Print(" conditions will appear here from time to time.");

  game.StandingScore = 0;
  ResetCompartments(game.model);
  StepCompartments(game.model);
}

void ExecuteManagementPlan(Program& program) {
  ForestGame& game = program.state<ForestGame>();
  D81ask& ask = program.form<D81ask>();
  D81Harv& plan = program.form<D81Harv>();
  const double year = RequireWholeNumber(ask.Yr.number(), ask.Yr) + 1;
  const double harvestValue = plan.TotVal.val();
  // Net worth, salary and reserves are the player's numbers even in a year that leaves them be.
  RequireNumbers({&ask.NetWorth, &ask.Salary, &ask.Reserves});

  HarvestPlannedVegetation(program, game.model);
  StepCompartments(game.model);
  MarkBoughtDataOutOfDate(program);
  ask.Yr.setNumber(year);

  D81Eval& eval = program.form<D81Eval>();
  eval.Show();
  eval.startSection(kFinancialTop, kFinancialBottom);
  if (!FinancialEvaluation(program, harvestValue)) return;
  ask.NetWorth.setNumber(ask.NetWorth.val() + kSavedShareOfSalary * ask.Salary.val());
  if (!EnvironmentalEvaluation(program)) return;

  if (ask.Yr.val() > kRegulationChangeYear && game.NitrateStandard == 1) {
    D81Const& notice = program.form<D81Const>();
    notice.Show();
    notice.setCaption(" EPA Changes Regulations!");
    notice.surface().Print("EPA has Altered their regulations.  ");
    notice.surface().Print("From now on, exceedance is based on maximum");
    notice.surface().Print("nitrate loss from any one compartment ");
    notice.surface().Print("rather than on the average of the four compartments.");
    game.NitrateStandard = 2;
  }

  ask.Standing.setText(StandingText(game.StandingScore, ask.Standing.text()));

  for (int k = 0; k < kCompartments; ++k) {
    plan.Harv(k).setText("");
    plan.Yield(k).setText("");
    plan.Value(k).setText("");
  }
}

void UpdateHarvestRow(Program& program, int k) {
  D81Harv& plan = program.form<D81Harv>();
  plan.TotVal.setText("");
  plan.TotYield.setText("");
  if (plan.TotYield.backColor() == kOutOfDate) return;

  if (plan.wt(k).text().empty()) {
    plan.Yield(k).setText("0");
    plan.Value(k).setText("0");
  } else {
    const double factor = WholeTreeFactor(plan.wt(k).text());
    plan.wt(k).setText(factor == 1 ? "Y" : "N");
    if (!program.form<D81comp>().Biomass(k).text().empty()) {
      const Compartment& c = program.state<ForestGame>().model.comp[static_cast<size_t>(k)];
      // kg/ha, then tons over the compartment's area, then dollars.
      plan.Yield(k).setNumber(plan.Harv(k).val() / 100 * factor * c.CompVegN * c.CompBiomassRatio);
      plan.Yield(k).setNumber(plan.Yield(k).val() * c.CompArea / 1000);
      plan.Value(k).setNumber(plan.Yield(k).val() * plan.CurPrice.val());
    }
    plan.TotYield.setText("0");
    plan.TotVal.setText("0");
  }
  for (int i = 0; i < kCompartments; ++i) {
    plan.TotYield.setNumber(plan.Yield(i).val() + plan.TotYield.val());
    plan.TotVal.setNumber(plan.Value(i).val() + plan.TotVal.val());
  }
}

void RevealCompartmentData(Program& program, int item, int k) {
  D81comp& data = program.form<D81comp>();
  const Compartment& c = program.state<ForestGame>().model.comp[static_cast<size_t>(k)];
  switch (item) {
    case 0:
      data.type(k).setText(c.CompForestType);
      break;
    case 1: {
      data.Biomass(k).setNumber(c.CompVegN * c.CompBiomassRatio).setBackColor(kResearched);
      D81Harv& plan = program.form<D81Harv>();
      plan.Value(k).setBackColor(kResearched);
      plan.Yield(k).setBackColor(kResearched);
      plan.TotVal.setBackColor(kResearched);
      plan.TotYield.setBackColor(kResearched);
      break;
    }
    case 2:
      data.Increment(k).setNumber(c.CompUptake * c.CompBiomassRatio).setBackColor(kResearched);
      break;
    case 3:
      data.WHC(k).setNumber(c.CompWHC);
      break;
    case 4:
      data.SoilN(k).setNumber(c.CompSoilN).setBackColor(kResearched);
      break;
    case 5:
      data.NMin(k)
          .setText(Str(c.CompMineralised) + "/" + Str(c.CompNitrified))
          .setBackColor(kResearched);
      break;
    case 6:
      data.nitrate(k).setText(SingleText(c.CompStreamNitrate)).setBackColor(kResearched);
      break;
    case 7:
      data.Precip(k).setNumber(c.CompPrecip);
      break;
    case 8:
      data.NDep(k).setNumber(c.CompNDep);
      break;
    case 9:
      data.History(k).setText(c.CompHistory);
      break;
    default:
      break;
  }
}

void EnterForestGame(Program& program) {
  ForestGame& game = program.state<ForestGame>();
  if (game.over) {
    // The entry window the player came through stays open, as at the first opening.
    const bool entryShown = program.form<D81>().visible();
    ForEachGameWindow(program, [](Window& window) { window.restoreDesign(); });
    program.form<D81>().setVisible(entryShown);
    game = ForestGame{};
    program.form<D81ask>().Form_Load();
  }
  program.form<D81ask>().Show();
}

}  // namespace sylvandra
