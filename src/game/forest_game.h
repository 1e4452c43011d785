// The forest management game: its program-wide state and the procedures shared by its windows.
//
// Each simulated year the player may buy research, sets a harvest plan and executes it; the
// company then judges the year financially (harvest value against the goal, salary, reserves,
// net worth) and environmentally (stream nitrate against complaints, an EPA standard, warnings
// and fines), and the player's standing in the community moves with both. Three years in a row
// short of the goal, or a third EPA exceedance, end the game: its windows close and the next
// visit starts a fresh game, as the very first one did.
//
// Money, year and goal live as texts in the Decision Interface fields and are read when used.
#pragma once

#include <string>

#include "game/compartment_model.h"
#include "platform/color.h"

namespace sylvandra {

class Program;

// Field colours that carry what the player knows: researched, and out of date since.
inline constexpr Color kResearched = Rgb(128, 255, 128);
inline constexpr Color kOutOfDate = Rgb(255, 128, 128);

struct ForestGame {
  CompartmentModel model;
  int ShortfallYears = 0;   // consecutive years short of the goal
  int EpaStage = 0;         // 0 no action, 1 warned, 2 fined
  int StandingScore = 0;    // +1 for a met goal, -5 for a complaint or a fine
  int FishKillStage = 0;    // complaints so far while no standard exists
  int NitrateStandard = 0;  // 0 none, 1 on the average stream nitrate, 2 on the maximum
  // The last game ended; the next visit starts afresh.
  bool over = false;
};

// Resets the Decision Interface texts (and the copies on the other windows), shows the notice
// window, and starts the compartments afresh with one year already run. While an EPA standard
// is in force the constraint stays at its limit of 4.
void RestartForestGame(Program& program);

// One year: the plan's harvest, a model year, the financial and environmental evaluations,
// regulation changes, the standing text, and a cleared plan.
void ExecuteManagementPlan(Program& program);

// Prices harvest row k (0..3) on the Harvest Regime window and totals the plan.
void UpdateHarvestRow(Program& program, int k);

// Writes research item (0..9) for compartment k into the Compartment Parameters window.
void RevealCompartmentData(Program& program, int item, int k);

// The yearly fine of an EPA exceedance after a warning: 1000 in 1900, 20 more each year.
double EpaFine(double year);

// The standing text for a score; a score no rule covers (exactly 16) keeps the previous text.
std::string StandingText(int score, const std::string& previous);

// Entering the game: after a game over, everything the game shows and counts is as it was at
// the first opening, and the Decision Interface starts as it did then.
void EnterForestGame(Program& program);

}  // namespace sylvandra
