// Construct the optimal canopy: the student picks a location (which fills in its climate),
// stacks up to five layers with a species in each, may make the rainfall random, and runs 100
// days of the water-limited canopy. Each layer's net photosynthesis and water use (AET) and the
// canopy totals come back into the window; the soil water, its potential, drainage, rain, AET
// and net photosynthesis of each day are graphed on the output window.
//
// Layout: on the left the "Location" frame and the climate fields with their captions; on the
// right the layer table (species, net photosynthesis, AET; a row of totals) with the Execute
// and Return buttons below it.
#pragma once

#include "exercises/carbon_water/canopy_model.h"
#include "platform/program.h"
#include "platform/window.h"

namespace sylvandra {

class Ex1Ask : public Window {
 public:
  static constexpr const char* kName = "Ex1Ask";
  explicit Ex1Ask(Program& program);

  void Site_Click(int index);
  void SP_Change(int index);
  void SP_Click(int index);
  void SP_GotFocus(int index);
  void RandRange_Change();
  void Command2_Click();
  void Command1_Click();

  // Location: Site(0..3) inside.
  Control& Frame1 = addFrame("Frame1", "Location", {240, 120, 2400, 1680});
  ControlArray& Site = array("Site");

  // Climate of the location chosen, and the randomness of its rain.
  Control& PARin =
      addTextBox("PARin", "", {1560, 1980, 1080, 375}).setLabel("PAR").setBackColor(kResultYellow);
  Control& Tmax =
      addTextBox("Tmax", "", {1560, 2460, 1080, 375}).setLabel("Tmax").setBackColor(kResultYellow);
  Control& Tmin =
      addTextBox("Tmin", "", {1560, 2940, 1080, 375}).setLabel("Tmin").setBackColor(kResultYellow);
  Control& Precip = addTextBox("Precip", "", {1560, 3420, 1080, 375})
                        .setLabel("Precip")
                        .setBackColor(kResultYellow);
  Control& RandRange =
      addTextBox("RandRange", "", {1560, 3900, 1080, 375}).setLabel("Random Proportion");

  // The layers, top first (1..5), and the canopy totals.
  ControlArray& SP = array("SP");
  ControlArray& NP = array("NP");
  ControlArray& AETout = array("AETout");
  Control& NPTotal = addTextBox("NPTotal", " ", {5160, 3300, 1080, 375})
                         .setLabel("Net Psn total")
                         .setBackColor(kResultYellow);
  Control& TotETout = addTextBox("TotETout", "", {6360, 3300, 1080, 375})
                          .setLabel("AET total")
                          .setBackColor(kResultYellow);

  Control& Command2 = addButton("Command2", "Execute", {4080, 4260, 1350, 375});
  Control& Command1 = addButton("Command1", "Return", {5760, 4260, 1350, 375});

  // Captions of the climate fields, the table's columns and rows.
  ControlArray& Label1 = array("Label1");
};

}  // namespace sylvandra
