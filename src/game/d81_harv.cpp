#include "game/d81_harv.h"

#include <string>

#include "game/compartment_model.h"
#include "game/forest_game.h"

namespace sylvandra {
namespace {

constexpr double kRowTop = 3180;
constexpr double kRowPitch = 420;
constexpr double kMaximumIntensity = 95;  // %

}  // namespace

D81Harv::D81Harv(Program& program)
    : Window(program, kName, "Harvest Regime", {1200, 900, 7560, 5400}) {
  Font bold = font();
  bold.bold = true;
  struct Caption {
    const char* text;
    Rect rect;
    bool bold;
  };
  const Caption captions[] = {
      {"Year", {240, 285, 3600, 240}, true},
      {"Current Management Goal", {240, 660, 3600, 240}, true},
      {"Value of Wood Harvested per year ($/Yr)", {240, 900, 3600, 240}, false},
      {"Environmental Constraints", {240, 1380, 3600, 240}, true},
      {"Current Wood Price ($/ton)", {240, 2205, 3600, 240}, true},
      {"Comp.", {240, 2700, 600, 240}, true},
      {"Harvest Intensity (%) (max. =95%)", {960, 2700, 1800, 420}, true},
      {"   Yield         (Tons)", {4080, 2700, 1560, 420}, true},
      {"Value    ($)", {5760, 2700, 1560, 420}, true},
      {"Total", {2880, 4905, 1080, 240}, true},
  };
  int index = 0;
  for (const Caption& c : captions) {
    Control& label = addLabel("Label1", c.text, c.rect, index++);
    if (c.bold) label.setFont(bold);
  }
  addLabel("Label3", "Maximum Nitrate Loss in Any Compartment      (kg/ha.yr)",
           {240, 1620, 3600, 420}, 0)
      .setVisible(false);
  addLabel("Label3", "Maximum Average Nitrate Loss Rate from All Compartments      (kg/ha.yr)",
           {240, 1620, 3600, 420}, 1)
      .setVisible(false);
  addLabel("Label3", "Whole Tree?     (Y/N)", {2880, 2700, 1080, 420}, 2).setFont(bold);

  for (int k = 0; k < kCompartments; ++k) {
    const double top = kRowTop + k * kRowPitch;
    const std::string number = std::to_string(k);
    addLabel("Label2", number, {240, top + 45, 600, 240}, k).setAlignment(Alignment::Center);
    addTextBox("Harv", "", {960, top, 1440, 315}, k).setLabel("Harvest Intensity " + number);
    addTextBox("wt", "N", {2880, top, 1080, 315}, k).setLabel("Whole Tree " + number);
    addTextBox("Yield", "", {4080, top, 1560, 315}, k).setLabel("Yield " + number);
    addTextBox("Value", "", {5760, top, 1560, 315}, k).setLabel("Value " + number);
    Harv(k).onChange = [this, k] { Harv_Change(k); };
    wt(k).onChange = [this, k] { wt_Change(k); };
  }
  Command1.onClick = [this] { Command1_Click(); };
}

void D81Harv::Harv_Change(int index) {
  const double intensity = Harv(index).val();
  if (intensity > kMaximumIntensity || intensity < 0) {
    program().MsgBox("Value out of Range");
    Harv(index).setText("0");
  }
  UpdateHarvestRow(program(), index);
}

void D81Harv::wt_Change(int index) {
  UpdateHarvestRow(program(), index);
}

void D81Harv::Command1_Click() {
  setVisible(false);
}

}  // namespace sylvandra
