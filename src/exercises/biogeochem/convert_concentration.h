// The concentration conversion shared by the biogeochemistry exercises: it reads and writes the
// three boxes of the converter window, and the ion tables and the selected ion live for the whole
// run of the program.
#pragma once

#include <array>

#include "exercises/biogeochem/concentration_model.h"
#include "platform/program.h"

namespace sylvandra {

// Program-wide: the tables are filled each time the converter window loads; the selected ion
// starts at 0 (NH4) and keeps the last ion clicked.
struct ConcentrationTables {
  std::array<double, kIonCount> molarMass{};
  std::array<double, kIonCount> charge{};
  int selectedIon = 0;
};

// Recomputes the converter's boxes from the first of Mass, Equivalents and Moles whose leading
// number is not 0 (all three become "0" when none is), for the selected ion. The driving box
// must hold a number as a whole; otherwise the failure names it and quotes its text.
void ConvertConcentration(Program& program);

}  // namespace sylvandra
