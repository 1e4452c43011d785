// Nitrogen dynamics: the student loads one of two preset ecosystems (or types pools and rates),
// may set a harvest interval and intensity, and runs the 40-year nitrogen model
// (nitrogen_model.h). The eight yearly series go to the program-wide step series and plot record
// and are drawn as a step graph on the output window; the boxes keep the starting values.
//
// Layout: four rows of groups, each a heading label with the box captions on its second line
// over a row of boxes: the pools; the turnover rates; vegetation uptake, inputs and
// nitrification; the harvest parameters beside the four buttons.
#pragma once

#include "platform/program.h"
#include "platform/window.h"

namespace sylvandra {

class Ex3Ask : public Window {
 public:
  static constexpr const char* kName = "Ex3Ask";
  explicit Ex3Ask(Program& program);

  void D21Sys1_Click();
  void D21Sys2_Click();
  void D21Run_Click();
  void D21Ret_Click();

  // Group headings with the captions of their boxes.
  Control& Label1 = addLabel("Label1",
                             "Pools (gN/m2)\n"
                             "       Soil                      Vegetation                     "
                             "NH4                           NO3",
                             {240, 120, 6720, 435});
  Control& Label2 = addLabel("Label2",
                             "Turnover Rates   (Fraction/Year)\n"
                             "  Vegetation-Soil                 Soil-NH4                  "
                             "NO3-Leach",
                             {240, 1140, 5040, 435});
  Control& Label3 = addLabel("Label3",
                             "Vegetation Uptake\n"
                             "     VegGrow                     VegHalf\n"
                             "   (gN/m2.yr)                  (g N/m2)",
                             {240, 2160, 3240, 645});
  Control& Label4 = addLabel("Label4", "Inputs\n      NDep\n  (gN/m2.yr)", {3600, 2160, 1440, 645});
  Control& Label5 =
      addLabel("Label5", "Nitrification\n     NitrGrow\n (Fraction/yr)", {5280, 2160, 1680, 645});
  Control& Label6 = addLabel("Label6",
                             "Harvest Parameters\n"
                             "     HarvFreq                    HarvIntes\n"
                             "      (years)                          (%)",
                             {240, 3600, 3240, 645});

  // Inputs, in the order of the groups.
  Control& Soil = addTextBox("Soil", " ", {240, 600, 1335, 375}).setLabel("Soil");
  Control& Veg = addTextBox("Veg", " ", {1920, 600, 1335, 375}).setLabel("Vegetation");
  Control& NH4 = addTextBox("NH4", " ", {3600, 600, 1335, 375}).setLabel("NH4");
  Control& NO3 = addTextBox("NO3", " ", {5280, 600, 1335, 375}).setLabel("NO3");
  Control& Litter = addTextBox("Litter", " ", {240, 1620, 1335, 375}).setLabel("Vegetation-Soil");
  Control& NMin = addTextBox("NMin", " ", {1920, 1620, 1335, 375}).setLabel("Soil-NH4");
  Control& Leach = addTextBox("Leach", " ", {3600, 1620, 1335, 375}).setLabel("NO3-Leach");
  Control& VegGrow = addTextBox("VegGrow", " ", {240, 2880, 1335, 375}).setLabel("VegGrow");
  Control& VegHalf = addTextBox("VegHalf", " ", {1920, 2880, 1335, 375}).setLabel("VegHalf");
  Control& NDep = addTextBox("NDep", " ", {3600, 2880, 1335, 375}).setLabel("NDep");
  Control& NitrGrow = addTextBox("NitrGrow", " ", {5280, 2880, 1335, 375}).setLabel("NitrGrow");
  Control& HarvFreq = addTextBox("HarvFreq", " ", {240, 4320, 1335, 375}).setLabel("HarvFreq");
  Control& HarvInten = addTextBox("HarvInten", " ", {1920, 4320, 1335, 375}).setLabel("HarvIntes");

  Control& D21Sys1 = addButton("D21Sys1", "Sys 1", {3600, 3720, 1335, 435});
  Control& D21Sys2 = addButton("D21Sys2", "Sys 2", {5280, 3720, 1335, 435});
  Control& D21Run = addButton("D21Run", "Execute", {3600, 4320, 1335, 435});
  Control& D21Ret = addButton("D21Ret", "Return", {5280, 4320, 1335, 435});

 private:
  // Writes the texts of a preset ecosystem into the boxes (see ex3_ask.cpp for the order).
  void writePreset(const char* const (&texts)[13]);
};

}  // namespace sylvandra
