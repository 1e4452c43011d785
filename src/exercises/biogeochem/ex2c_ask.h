// Comparison of two watersheds: the student loads one of two preset watersheds and one of two
// deposition chemistries, may edit the parameters, picks an emission scenario and runs 300 years
// of soil acidification (watershed_model.h). The base saturation, the five stream exports, the
// sorbed sulfate and the nitrate deposition are drawn as a step graph on the output window. The
// soil solution carries over from one run to the next until a watershed button resets it.
//
// The watershed experiments of chapter 9 open the window with the stress and scenario controls
// hidden (their texts are still read); the pollution scenarios of chapter 25 show them.
//
// Layout: four columns: the watershed number and buttons; the deposition boxes by ion with the
// chemistry buttons; the soil and stress parameters; the emission scenarios above Execute and
// Return.
#pragma once

#include <vector>

#include "exercises/biogeochem/watershed_model.h"
#include "platform/program.h"
#include "platform/window.h"
#include "plot/plot_record.h"

namespace sylvandra {

class Ex2cAsk : public Window {
 public:
  static constexpr const char* kName = "Ex2cAsk";
  explicit Ex2cAsk(Program& program);

  void enteredFromChapter(int chapterIndex) override;

  void Command1_Click();
  void Command2_Click();
  void Command3_Click();
  void Command4_Click();
  void Command5_Click();
  void Command6_Click();
  // Writes the parameters of watershed 1 or 2 and resets the solution pools.
  void loadWatershed(int watershed);

  // The controls chapter 9 hides, in the order they are hidden.
  std::vector<Control*> pollutionControls();

  // Headings and captions.
  Control& Label2 = addLabel("Label2", "Watershed #", {240, 240, 1575, 255});
  Control& Label4 = addLabel("Label4", "Deposition    keq/ha.yr", {2040, 240, 2040, 255});
  Control& Label9 = addLabel("Label9", "Soil and Stress", {4320, 240, 2160, 255});
  Control& Label3 = addLabel("Label3", "CEC (keq/ha)", {4320, 600, 1455, 555});
  Control& Label10 =
      addLabel("Label10", "Weathering Rate      Multiplier", {4320, 1170, 1455, 555});
  Control& Label11 = addLabel("Label11", "Deposition   Ramp? (Y/N)", {4320, 1740, 1455, 555});
  Control& Label12 =
      addLabel("Label12", "Sulfate Sorption  Capacity (keq/ha)", {4320, 2310, 1455, 555});
  Control& Label1 = addLabel("Label1", "Mean Ozone Conc. (ppm)", {4320, 2880, 1455, 555});
  Control& Label13 = addLabel("Label13", "Emission Scenarios", {6720, 240, 1935, 255});

  // Watershed column.
  Control& WS = addTextBox("WS", "", {240, 600, 1575, 375}).setLabel("Watershed #");
  Control& Command5 = addButton("Command5", "Watershed 1", {240, 1140, 1575, 435});
  Control& Command4 = addButton("Command4", "Watershed 2", {240, 1680, 1575, 435});
  // Deposition column: the boxes Dep(1..5), made in the constructor, then the chemistry buttons.
  ControlArray& Dep = array("Dep");
  ControlArray& Label5 = array("Label5");  // the ion of each Dep row, 1..5
  Control& Command2 = addButton("Command2", "W/Acid Dep.", {2040, 2820, 2040, 435});
  Control& Command3 = addButton("Command3", "No Acid Dep.", {2040, 3360, 2040, 435});
  // Soil and stress column.
  Control& CEC = addTextBox("CEC", "", {5820, 600, 735, 375}).setLabel("CEC");
  Control& WeatherRate =
      addTextBox("WeatherRate", "", {5820, 1170, 735, 375}).setLabel("Weathering Rate Multiplier");
  Control& DepRamp = addTextBox("DepRamp", "", {5820, 1740, 735, 375}).setLabel("Deposition Ramp");
  Control& SulfCapac =
      addTextBox("SulfCapac", "", {5820, 2310, 735, 375}).setLabel("Sulfate Sorption Capacity");
  Control& Ozone = addTextBox("Ozone", "", {5820, 2880, 735, 375}).setLabel("Mean Ozone Conc.");
  // Scenario column.
  Control& NoControls = addOption("NoControls", "No Controls", {6720, 600, 1935, 285});
  Control& Cap = addOption("Cap", "Cap at year 250", {6720, 960, 1935, 285});
  Control& Reduce = addOption("Reduce", "Reduced 50% by 300", {6720, 1320, 1935, 285});
  Control& Command1 = addButton("Command1", "Execute", {6720, 2820, 1935, 435});
  Control& Command6 = addButton("Command6", "Return", {6720, 3360, 1935, 435});

  // Program-wide, so that a refused run leaves them as they were: the pools the next run starts
  // from (the watershed buttons reset the solution pools) and the last run's T(series, year).
  struct Kept {
    WatershedPools pools;
    SeriesData T{};
  };
  WatershedPools& pools() { return program().state<Kept>().pools; }
  SeriesData& T() { return program().state<Kept>().T; }
};

}  // namespace sylvandra
