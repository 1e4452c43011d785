// Buffering reactions: the student types a soil pH, or clicks one of six arrows for pH 3 to 8,
// and a partial pressure of carbon dioxide, and reads the dissolved aluminium and bicarbonate
// of the soil solution (concentration_model.h). The outputs follow an arrow, a change of pCO2
// and Calculate; typing a pH alone changes nothing until one of those.
//
// Layout: the two outputs under their head at the top; the two inputs under theirs below, with
// a soil drawing beside them; the arrows over the pH scale and its colour band; the buttons at
// the bottom right.
#pragma once

#include "platform/program.h"
#include "platform/window.h"

namespace sylvandra {

class Ex2bAsk : public Window {
 public:
  static constexpr const char* kName = "Ex2bAsk";
  explicit Ex2bAsk(Program& program);

  void Arrow_Click(int index);
  void pCO2_Change();
  void Calculate_Click();
  void Return_Click();

  // Inputs.
  Control& pH = addTextBox("pH", "", {480, 1500, 1215, 375}).setLabel("pH");
  Control& pCO2 = addTextBox("pCO2", "", {2040, 1500, 1215, 375}).setLabel("pCO2");
  // Results.
  Control& Al =
      addTextBox("Al", "", {480, 540, 1215, 375}).setLabel("Al+++").setBackColor(kResultYellow);
  Control& HCO3 =
      addTextBox("HCO3", "", {2040, 540, 1215, 375}).setLabel("HCO3-").setBackColor(kResultYellow);
  Control& Calculate = addButton("Calculate", "Calculate", {3600, 4080, 1215, 375});
  Control& Return = addButton("Return", "Return", {5040, 4080, 1215, 375});

  // Arrow(0..5) for pH 3..8, placed over the digits of the scale.
  ControlArray& Arrow = array("Arrow");
  Control& Picture1 = addPicture("Picture1", {4080, 300, 2280, 1575});
  Control& Picture2 = addPicture("Picture2", {480, 3300, 3000, 150});
  ControlArray& Label2 = array("Label2");
  Control& Label1 =
      addLabel("Label1", "  3      4      5      6      7      8                         Soil pH",
               {480, 3000, 5000, 225});
};

}  // namespace sylvandra
