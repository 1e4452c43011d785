#include "exercises/biogeochem/ex2a_ask.h"

#include <string>

#include "exercises/biogeochem/concentration_model.h"
#include "exercises/biogeochem/convert_concentration.h"

namespace sylvandra {
namespace {

// The piece followed by as many blanks as fill its line in the label, and the one blank the
// line break consumes, so that the next piece starts a line of its own.
std::string OwnLine(std::string piece, const Font& font, double width) {
  while (font.TextWidth(piece + " ") <= width) piece += ' ';
  return piece + " ";
}

}  // namespace

Ex2aAsk::Ex2aAsk(Program& program)
    : Window(program, kName, "Concentration Units", {2460, 1500, 4800, 4320}) {
  for (int i = 0; i < kIonCount; ++i) {
    Control& option = addOption("Element", kIons[static_cast<size_t>(i)].caption,
                                {360, 1560 + 360.0 * i, 1695, 285}, i);
    option.onClick = [this, i] { Element_Click(i); };
  }
  Element(0).setValue(1);

  addLabel("Label1", " Equivalents", {2760, 2760, 1455, 225}, 0);
  addLabel("Label1", "     Moles", {2760, 2040, 1455, 225}, 1);
  addLabel("Label1", "    Mass (g)", {2760, 1320, 1455, 225}, 2);
  addLabel("Label1", "Ion             Charge", {360, 1320, 1695, 225}, 3);

  const Font& font = Label2.font();
  const double width = Label2.width();
  Label2.setCaption(OwnLine("Universal Concentration Converter", font, width) +
                    OwnLine("Select an Element and Enter Mass, Moles or", font, width) +
                    OwnLine("Equivalents.  Whenever you change anyone of", font, width) +
                    "these four, the conversion will be calculated.");

  Mass.onKeyUp = [this] { Mass_KeyUp(); };
  Moles.onKeyUp = [this] { Moles_KeyUp(); };
  Equivalents.onKeyUp = [this] { Equivalents_KeyUp(); };
  Return.onClick = [this] { Return_Click(); };
}

void Ex2aAsk::Form_Load() {
  ConcentrationTables& tables = program().state<ConcentrationTables>();
  for (size_t i = 0; i < kIons.size(); ++i) {
    tables.molarMass[i] = kIons[i].molarMass;
    tables.charge[i] = kIons[i].charge;
  }
}

void Ex2aAsk::Element_Click(int index) {
  program().state<ConcentrationTables>().selectedIon = index;
  ConvertConcentration(program());
}

void Ex2aAsk::Mass_KeyUp() {
  keyUpOn(Mass, Moles, Equivalents);
}

void Ex2aAsk::Moles_KeyUp() {
  keyUpOn(Moles, Mass, Equivalents);
}

void Ex2aAsk::Equivalents_KeyUp() {
  keyUpOn(Equivalents, Mass, Moles);
}

void Ex2aAsk::keyUpOn(Control& typed, Control& other1, Control& other2) {
  if (typed.text().empty()) typed.setText("0");
  other1.setText("0");
  other2.setText("0");
  ConvertConcentration(program());
}

void Ex2aAsk::Return_Click() {
  setVisible(false);
}

}  // namespace sylvandra
