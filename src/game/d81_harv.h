// "Harvest Regime": the year's harvest plan, an intensity (0 to 95 %) and a whole-tree choice
// per compartment, priced at the current wood price once the compartment's forest biomass is
// known. Executing the plan on the Decision Interface takes the planned vegetation out of the
// compartments and counts the total value against the goal.
//
// Layout: year, goal, constraint and wood price at the top; one row per compartment below
// ("Comp.", intensity, whole tree, yield, value) and the totals under them.
#pragma once

#include "platform/program.h"
#include "platform/window.h"

namespace sylvandra {

class D81Harv : public Window {
 public:
  static constexpr const char* kName = "D81Harv";
  explicit D81Harv(Program& program);

  void Harv_Change(int index);
  void wt_Change(int index);
  void Command1_Click();

  Control& Yr = addTextBox("Yr", "", {3960, 240, 1440, 315}).setLabel("Year");
  Control& Goal = addTextBox("Goal", "", {3960, 720, 1440, 315}).setLabel("Goal");
  Control& EnvCon =
      addTextBox("EnvCon", "", {3960, 1440, 1440, 315}).setLabel("Environmental Constraints");
  Control& CurPrice =
      addTextBox("CurPrice", "0.675", {3960, 2160, 1440, 315}).setLabel("Current Wood Price");
  ControlArray& Harv = array("Harv");
  ControlArray& wt = array("wt");
  ControlArray& Yield = array("Yield");
  ControlArray& Value = array("Value");
  Control& TotYield = addTextBox("TotYield", "", {4080, 4860, 1560, 315}).setLabel("Total Yield");
  Control& TotVal = addTextBox("TotVal", "", {5760, 4860, 1560, 315}).setLabel("Total Value");
  Control& Command1 = addButton("Command1", "Return", {6120, 240, 1215, 495});

  // Captions; the two nitrate standards and the whole-tree heading; the compartment numbers.
  ControlArray& Label1 = array("Label1");
  ControlArray& Label3 = array("Label3");
  ControlArray& Label2 = array("Label2");
};

}  // namespace sylvandra
