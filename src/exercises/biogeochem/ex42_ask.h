// Soil organic matter dynamics: the same litter is added every year, optionally only before a
// cut-off year, on top of an initial passive pool, and decomposes month by month
// (decay_model.h). The four pools and the yearly net nitrogen mineralisation are drawn as step
// series over the years; a run longer than the graph's 300 points is drawn every few years, and
// a line under the graph says how many years one step of the time axis stands for.
//
// Layout: the annual litter inputs in a column on the left under their group caption; the
// initial passive pool on the right under its caption, the run time and cut-off year below it;
// Execute and Return at the bottom.
#pragma once

#include "platform/program.h"
#include "platform/window.h"

namespace sylvandra {

class EX42Ask : public Window {
 public:
  static constexpr const char* kName = "EX42Ask";
  explicit EX42Ask(Program& program);

  void Command2_Click();
  void Command1_Click();

  // Annual litter inputs.
  Control& E = addTextBox("E", "450", {1560, 720, 1095, 375}).setLabel("Extractives");
  Control& C = addTextBox("C", "400", {1560, 1200, 1095, 375}).setLabel("Cellulose");
  Control& L = addTextBox("L", "150", {1560, 1680, 1095, 375}).setLabel("Lignin");
  Control& N = addTextBox("N", "7", {1560, 2160, 1095, 375}).setLabel("Nitrogen");
  // Initial passive pool.
  Control& P = addTextBox("P", "0", {4680, 720, 1095, 375}).setLabel("Organic Matter");
  Control& PN = addTextBox("PN", "0", {4680, 1200, 1095, 375}).setLabel("Passive Pool Nitrogen");
  // The run.
  Control& RunTime =
      addTextBox("RunTime", "10", {4680, 1800, 1095, 375}).setLabel("Run Time (years)");
  Control& LitCut =
      addTextBox("LitCut", "0", {4680, 2280, 1095, 375}).setLabel("Litter Cutoff Year");
  Control& Command2 = addButton("Command2", "Execute", {1080, 2880, 1815, 495});
  Control& Command1 = addButton("Command1", "Return", {3600, 2880, 1815, 495});

  // Group captions and field captions.
  ControlArray& Label1 = array("Label1");
};

}  // namespace sylvandra
