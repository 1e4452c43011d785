#include "exercises/biogeochem/convert_concentration.h"

#include "exercises/biogeochem/ex2a_ask.h"

namespace sylvandra {

void ConvertConcentration(Program& program) {
  Ex2aAsk& converter = program.form<Ex2aAsk>();
  const ConcentrationTables& tables = program.state<ConcentrationTables>();
  const int s = tables.selectedIon;
  const double M = tables.molarMass[static_cast<size_t>(s)];
  const double z = tables.charge[static_cast<size_t>(s)];
  Control& Mass = converter.Mass;
  Control& Moles = converter.Moles;
  Control& Equivalents = converter.Equivalents;

  // Later results are computed from the cut moles as the box shows them.
  if (Mass.val() != 0) {
    Moles.setNumber(Thousandths(Mass.number() / M));
    Equivalents.setNumber(Thousandths(Moles.number() * z));
  } else if (Equivalents.val() != 0) {
    Moles.setNumber(Thousandths(Equivalents.number() / z));
    Mass.setNumber(Thousandths(Moles.number() * M));
  } else if (Moles.val() != 0) {
    Mass.setNumber(Thousandths(Moles.number() * M));
    Equivalents.setNumber(Thousandths(Moles.number() * z));
  } else {
    Mass.setText("0");
    Moles.setText("0");
    Equivalents.setText("0");
  }
}

}  // namespace sylvandra
