// Litter decomposition experiment: one batch of litter of the typed extractives, cellulose,
// lignin and nitrogen decomposes for 60 months (decay_model.h); every sixth month the remaining
// pools, their total and the nitrogen are printed as a table on the "Output" window, the rows
// in a fixed-pitch font so that the right-aligned columns stand under one another.
//
// Layout: the four inputs, each with its caption on the left, in a column; the unit note under
// them; Execute and Return at the bottom.
#pragma once

#include "platform/program.h"
#include "platform/window.h"

namespace sylvandra {

class Ex41Ask : public Window {
 public:
  static constexpr const char* kName = "Ex41Ask";
  explicit Ex41Ask(Program& program);

  void Command2_Click();
  void Command1_Click();

  Control& E = addTextBox("E", "450", {1800, 360, 1215, 375}).setLabel("Extractives");
  Control& C = addTextBox("C", "400", {1800, 840, 1215, 375}).setLabel("Cellulose");
  Control& L = addTextBox("L", "150", {1800, 1320, 1215, 375}).setLabel("Lignin");
  Control& N = addTextBox("N", "7", {1800, 1800, 1215, 375}).setLabel("Nitrogen");
  Control& Label5 = addLabel("Label5", "All Values in Grams", {1080, 2400, 1935, 255});
  Control& Command2 = addButton("Command2", "Execute", {360, 2880, 1455, 495});
  Control& Command1 = addButton("Command1", "Return", {2160, 2880, 1455, 495});

  // Captions of the four inputs, Label1..Label4.
  Control& Label1 = addLabel("Label1", "Extractives", {360, 420, 1335, 255});
  Control& Label2 = addLabel("Label2", "Cellulose", {360, 900, 1335, 255});
  Control& Label3 = addLabel("Label3", "Lignin", {360, 1380, 1335, 255});
  Control& Label4 = addLabel("Label4", "Nitrogen", {360, 1860, 1335, 255});
};

}  // namespace sylvandra
