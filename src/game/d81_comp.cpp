#include "game/d81_comp.h"

#include <string>

#include "game/compartment_model.h"

namespace sylvandra {
namespace {

constexpr double kColumnLeft = 2760;
constexpr double kColumnPitch = 1740;
constexpr double kFieldWidth = 1680;
constexpr double kFieldHeight = 315;
constexpr double kTallField = 855;
constexpr double kRowGap = 90;

constexpr const char* kDescriptions[kCompartments] = {
    "Upper elevation, South facing, Dominated by conifers",
    "Low elevation, South facing, Dominated by hardwoods",
    "Upper elevation, North facing, Dominated by conifers",
    "Low elevation, North Facing, Dominated by hardwoods",
};
constexpr const char* kAreas[kCompartments] = {"40", "60", "45", "50"};

}  // namespace

D81comp::D81comp(Program& program)
    : Window(program, kName, "Compartment Parameters", {300, 300, 10680, 7080}) {
  Font bold = font();
  bold.bold = true;
  for (int k = 0; k < kCompartments; ++k) {
    addLabel("Label2", "Compartment " + std::to_string(k),
             {kColumnLeft + k * kColumnPitch, 120, kFieldWidth, 240}, k)
        .setFont(bold)
        .setAlignment(Alignment::Center);
  }

  struct Row {
    const char* name;
    const char* caption;
    const char* unit;
    bool tall;
  };
  const Row rows[] = {
      {"type", "Forest Type", "", false},
      {"Descrp", "Basic Description", "", true},
      {"History", "Site History", "", true},
      {"Biomass", "Forest Biomass", " kg/ha", false},
      {"Increment", "Biomass Increment", " kg/ha.yr", false},
      {"WHC", "Soil Water Holding Capacity", " cm", false},
      {"SoilN", "Total Soil Nitrogen", " kg/ha", false},
      {"NMin", "Nirogen Mineralization/Nitrif.", " kg/ha.yr", false},
      {"nitrate", "Nitrate in Streamwater", " kg/ha.yr", false},
      {"Precip", "Precipitation", " cm/yr", false},
      {"NDep", "N Deposition", " kg/ha.yr", false},
      {"area", "Hectares", "", false},
  };
  double top = 480;
  int row = 0;
  for (const Row& r : rows) {
    const double height = r.tall ? kTallField : kFieldHeight;
    addLabel("Label1", r.caption, {120, top + 45, 2580, 240}, row).setFont(bold);
    addLabel("Label3", r.unit, {kColumnLeft + 4 * kColumnPitch, top + 45, 900, 240}, row);
    for (int k = 0; k < kCompartments; ++k) {
      Control& field =
          addTextBox(r.name, "", {kColumnLeft + k * kColumnPitch, top, kFieldWidth, height}, k)
              .setLabel(std::string(r.caption) + " " + std::to_string(k));
      if (r.tall) field.setMultiLine(true);
    }
    top += height + kRowGap;
    ++row;
  }
  for (int k = 0; k < kCompartments; ++k) {
    Descrp(k).setText(kDescriptions[k]);
    area(k).setText(kAreas[k]);
  }
  Command1.onClick = [this] { Command1_Click(); };
}

void D81comp::Command1_Click() {
  setVisible(false);
}

}  // namespace sylvandra
