// The global carbon cycle: the student sets the five initial pools, the nine yearly transfer
// rates, which transfers saturate, and the fossil-fuel and land-use emissions with their course
// after the year 2000, then runs 300 years month by month. The output window shows the five
// pools year by year on fixed scales and prints the atmosphere in 2000 and 2100.
//
// Layout: the pools and, below them, the emissions with their "Control" / "Ramp Down" pairs on
// the left; the transfer rates with the "Change?" switches beside four of them on the right; the
// Execute and Return buttons under the rates. The "Fill in Values" button (a teacher's aid that
// writes balanced rates) is built but stays hidden.
#pragma once

#include "platform/program.h"
#include "platform/window.h"

namespace sylvandra {

class EX9Ask : public Window {
 public:
  static constexpr const char* kName = "EX9Ask";
  explicit EX9Ask(Program& program);

  void Command1_Click();
  void Command2_Click();
  void Command3_Click();
  void FFCon_Click(int index);
  void DevegCon_Click(int index);
  void ATF_Change();
  void TAF_Change();
  void ASOF_Change();
  void SODOF_Change();

  // Headings.
  Control& Label2 = addLabel("Label2", "Initial Pool Sizes", {240, 120, 2880, 255});
  Control& Label3 = addLabel("Label3", "Tranfer Rates (fraction per year)", {3480, 120, 3000, 255});
  Control& Label4 = addLabel("Label4", "Change?", {6480, 120, 855, 255});

  // Initial pools.
  Control& Atmos = addTextBox("Atmos", "555", {1920, 480, 1095, 315}).setLabel("Atmosphere");
  Control& TerrEco = addTextBox("TerrEco", "2190", {1920, 900, 1095, 315}).setLabel("Terrestrial");
  Control& ShalOcean =
      addTextBox("ShalOcean", "1020", {1920, 1320, 1095, 315}).setLabel("Shallow Oceans");
  Control& DeepOcean =
      addTextBox("DeepOcean", "38100", {1920, 1740, 1095, 315}).setLabel("Deep Oceans");
  Control& BiotaOcean =
      addTextBox("BiotaOcean", "3", {1920, 2160, 1095, 315}).setLabel("Ocean Biota");

  // Transfer rates, each switch after the rate it saturates.
  Control& AT = addTextBox("AT", "", {5640, 480, 735, 315}).setLabel("Atmosphere-Terrestrial");
  Control& ATF =
      addTextBox("ATF", "N", {6720, 480, 375, 315}).setLabel("Change? (Atmosphere-Terrestrial)");
  Control& TA = addTextBox("TA", "", {5640, 900, 735, 315}).setLabel("Terrestrial-Atmosphere");
  Control& TAF =
      addTextBox("TAF", "N", {6720, 900, 375, 315}).setLabel("Change? (Terrestrial-Atmosphere)");
  Control& ASO =
      addTextBox("ASO", "", {5640, 1320, 735, 315}).setLabel("Atmosphere-Shallow Oceans");
  Control& ASOF = addTextBox("ASOF", "N", {6720, 1320, 375, 315})
                      .setLabel("Change? (Atmosphere-Shallow Oceans)");
  Control& SOA =
      addTextBox("SOA", "", {5640, 1740, 735, 315}).setLabel("Shallow Oceans-Atmosphere");
  Control& SOB =
      addTextBox("SOB", "", {5640, 2160, 735, 315}).setLabel("Shallow Oceans-Ocean Biota");
  Control& BSO =
      addTextBox("BSO", "", {5640, 2580, 735, 315}).setLabel("Ocean Biota-Shallow Oceans");
  Control& SODO =
      addTextBox("SODO", "", {5640, 3000, 735, 315}).setLabel("Shallow Oceans-Deep Oceans");
  Control& SODOF = addTextBox("SODOF", "N", {6720, 3000, 375, 315})
                       .setLabel("Change? (Shallow Oceans-Deep Oceans)");
  Control& DOSO =
      addTextBox("DOSO", "", {5640, 3420, 735, 315}).setLabel("Deep Oceans-Shallow Oceans");
  Control& BDO = addTextBox("BDO", "", {5640, 3840, 735, 315}).setLabel("Ocean Biota-Deep Oceans");

  // Emissions and their course after the year 2000: FFCon(0) / DevegCon(0) "Control",
  // FFCon(1) / DevegCon(1) "Ramp Down".
  Control& Label5 = addLabel("Label5", "Disturbance Variables", {240, 2760, 2880, 255});
  Control& FFAmt = addTextBox("FFAmt", "0", {1920, 3120, 1095, 315}).setLabel("Fossil Fuel Inputs");
  ControlArray& FFCon = addCoursePair("FFCon", 3540);
  Control& DevegAmt =
      addTextBox("DevegAmt", "0", {1920, 3960, 1095, 315}).setLabel("Land Use Change");
  ControlArray& DevegCon = addCoursePair("DevegCon", 4380);

  Control& Command1 = addButton("Command1", "Execute", {3720, 4440, 1335, 420});
  Control& Command2 = addButton("Command2", "Return", {5400, 4440, 1335, 420});
  Control& Command3 = addButton("Command3", "Fill in Values", {240, 4740, 1575, 375});

  // Captions of the pools, the rates and the emissions, in that order.
  ControlArray& Label1 = array("Label1");

 private:
  // The "Control" and "Ramp Down" check boxes of one emission, at `top`.
  ControlArray& addCoursePair(const char* name, double top);
  // What a switch field shows after a change: "Y", "N", or nothing.
  void normaliseSwitch(Control& field);
};

}  // namespace sylvandra
