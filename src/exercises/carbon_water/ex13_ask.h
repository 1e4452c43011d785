// Soil-plant-air water flow: the student sets the day's climate (light at noon, highest and
// lowest temperature) and the plant's and soil's water properties, graphs the hourly climate
// with the potential photosynthesis and transpiration, and runs the water-limited day of
// water_flow_model.h: the day's totals of photosynthesis and transpiration come back in the
// window, its eight hourly curves on the output window.
//
// Layout: the climate fields in a row under the heading "Climate", the plant and soil fields in
// a row below, the two totals in a column on the right, each field under its caption; the
// buttons along the bottom. "Sin function", a graph of the daily sine curve, is designed hidden.
#pragma once

#include "exercises/carbon_water/water_flow_model.h"
#include "platform/program.h"
#include "platform/window.h"
#include "plot/graph.h"

namespace sylvandra {

class EX13Ask : public Window {
 public:
  static constexpr const char* kName = "EX13Ask";
  explicit EX13Ask(Program& program);

  void Command2_Click();
  void Execute_Click();
  void Command1_Click();
  void Command3_Click();

  // Inputs.
  Control& PARMax = addTextBox("PARMax", "1400", {240, 1080, 1215, 375}).setLabel("PAR");
  Control& Tmax = addTextBox("Tmax", "27", {1680, 1080, 1215, 375}).setLabel("Maximum Temperature");
  Control& Tmin = addTextBox("Tmin", "13", {3120, 1080, 1215, 375}).setLabel("Minimum Temperature");
  Control& OsmPot =
      addTextBox("OsmPot", "-2", {240, 2400, 1215, 375}).setLabel("Osmotic Potential");
  Control& MatPot =
      addTextBox("MatPot", "-0.5", {1680, 2400, 1215, 375}).setLabel("Matric Potential");
  Control& StemStorage =
      addTextBox("StemStorage", "30000", {3120, 2400, 1215, 375}).setLabel("Stem Capacity");

  // Results.
  Control& TotPsn = addTextBox("TotPsn", "", {4800, 1080, 1455, 375})
                        .setLabel("Total Photsyn.")
                        .setBackColor(kResultYellow);
  Control& TotET = addTextBox("TotET", "", {4800, 2400, 1455, 375})
                       .setLabel("Total ET")
                       .setBackColor(kResultYellow);

  Control& Command2 = addButton("Command2", "Graph Climate", {240, 3120, 1455, 495});
  Control& Execute = addButton("Execute", "Execute", {1920, 3120, 1455, 495});
  Control& Command1 = addButton("Command1", "Return", {3600, 3120, 1455, 495});
  Control& Command3 = addButton("Command3", "Sin function", {5280, 3120, 1215, 495});

  // Captions: Label1 the climate heading and the climate fields', Label2 the plant's, Label3 the
  // soil's, Result the totals'.
  ControlArray& Label1 = array("Label1");
  ControlArray& Label2 = array("Label2");
  ControlArray& Label3 = array("Label3");
  ControlArray& Result = array("Result");

 private:
  // The climate fields read strictly (Tmin, Tmax, then PARMax) and the day's climate from them;
  // a climate with an hour that cannot be shown is a run-time failure.
  HourlyClimate readClimate() const;
  // The climate graph: PAR, temperature, VPD and the potential photosynthesis and transpiration.
  static XYGraph climateGraph(const HourlyClimate& climate);
  // Totals cleared, the climate made program-wide and graphed.
  void showClimate(const HourlyClimate& climate);
};

}  // namespace sylvandra
