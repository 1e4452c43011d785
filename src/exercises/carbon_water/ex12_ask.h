// Net photosynthesis: the student enters foliar nitrogen, light, temperature and vapour pressure
// deficit and reads specific leaf area, net photosynthesis, water use efficiency and
// transpiration in the same window; a small worksheet turns a temperature into the saturation
// vapour pressure. Every step reads its inputs from the fields and later steps read earlier
// results back as displayed, so the cut values are the ones carried forward.
//
// Layout: three columns (lefts 240, 2520, 4800; 2160 wide) headed "Plant", "Environment" and
// "Response"; in each of three rows a two-line caption over a field; below, the vapour pressure
// deficit worksheet under the first two columns and the Execute and Return buttons under the
// third.
#pragma once

#include "platform/program.h"
#include "platform/window.h"

namespace sylvandra {

class EX12Ask : public Window {
 public:
  static constexpr const char* kName = "EX12Ask";
  explicit EX12Ask(Program& program);

  void Command1_Click();
  void Command2_Click();
  void VPDCalc_Click();

  // Column headings.
  Control& Label2 = addLabel("Label2", "Plant", {240, 240, 2160, 285});
  Control& Label3 = addLabel("Label3", "Environment", {2520, 240, 2160, 285});
  Control& Label4 = addLabel("Label4", "Response", {4800, 240, 2160, 285});

  // Inputs.
  Control& FoliarN = addTextBox("FoliarN", "10", {420, 1170, 1800, 375}).setLabel("Foliar N");
  Control& PAR = addTextBox("PAR", "1800", {2700, 1170, 1800, 375}).setLabel("PAR");
  Control& Temperature =
      addTextBox("Temperature", "20", {2700, 2250, 1800, 375}).setLabel("Temperature");
  Control& VPD = addTextBox("VPD", "0", {2700, 3330, 1800, 375}).setLabel("VPD");
  Control& VPDNo = addOption("VPDNo", "NO", {600, 3375, 660, 285});
  Control& VPDYes = addOption("VPDYes", "YES", {1440, 3375, 660, 285});

  // Results.
  Control& SLA = addTextBox("SLA", "", {420, 2250, 1800, 375})
                     .setLabel("Specific Leaf Area")
                     .setBackColor(kResultYellow);
  Control& NetPsn = addTextBox("NetPsn", "", {4980, 1170, 1800, 375})
                        .setLabel("Net Photosynthesis")
                        .setBackColor(kResultYellow);
  Control& Transpiration = addTextBox("Transpiration", "", {4980, 2250, 1800, 375})
                               .setLabel("Transpiration")
                               .setBackColor(kResultYellow);
  Control& WUE = addTextBox("WUE", "", {4980, 3330, 1800, 375})
                     .setLabel("Water Use Efficiency")
                     .setBackColor(kResultYellow);

  // Vapour pressure deficit worksheet.
  Control& VPDTemp =
      addTextBox("VPDTemp", "0", {420, 4890, 1800, 375}).setLabel("Worksheet Temperature");
  Control& VP = addTextBox("VP", "", {2700, 4890, 1800, 375})
                    .setLabel("Max. Vapor Pressure")
                    .setBackColor(kResultYellow);
  Control& VPDCalc = addButton("VPDCalc", "Calculate", {1785, 5445, 1350, 375});

  Control& Command1 = addButton("Command1", "Execute", {5205, 4890, 1350, 375});
  Control& Command2 = addButton("Command2", "Return", {5205, 5445, 1350, 375});

  // Field captions (one line each) and the headings of the option pair and the worksheet.
  ControlArray& Label1 = array("Label1");
};

}  // namespace sylvandra
