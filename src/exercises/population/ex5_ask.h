// Moose and wolves: the student sets the plant, moose, wolf and hunting parameters, the years to
// run and a random factor, runs the yearly model from 1880 and reads plants, moose, moose weight,
// wolves, wolf weight, moose killed by wolves and moose hunted against the calendar year.
//
// Layout: two columns of labelled boxes (plants and moose on the left, hunting and wolves on the
// right) under their group headings, separated by lines; the run settings and the buttons below.
#pragma once

#include "exercises/population/moose_model.h"
#include "platform/program.h"
#include "platform/window.h"

namespace sylvandra {

class Ex5Ask : public Window {
 public:
  static constexpr const char* kName = "Ex5Ask";
  explicit Ex5Ask(Program& program);

  void Command1_Click();
  void Command2_Click();
  void reset_Click();

  // The parameters as the model reads them; a field that is not a number, an empty weight range,
  // a zero plant capacity, a random factor outside 0..1 or more years than the graph holds is a
  // run-time failure naming the field.
  MooseParameters readParameters() const;

  // Group headings.
  Control& Label1 = addLabel("Label1", "Plants", {120, 120, 2400, 285});
  Control& Label2 = addLabel("Label2", "Hunting", {2880, 120, 2400, 285});
  Control& Label3 = addLabel("Label3", "Moose", {120, 1560, 2400, 285});
  Control& Label4 = addLabel("Label4", "Wolves", {2880, 1560, 2400, 285});

  // Inputs, in tab order.
  Control& plantr = addTextBox("plantr", "0.5", {1560, 420, 855, 285}).setLabel("Plants r");
  Control& plantk = addTextBox("plantk", "30", {1560, 750, 855, 285}).setLabel("Plants K");
  Control& plantinit =
      addTextBox("plantinit", "1", {1560, 1080, 855, 285}).setLabel("Plants Initial Mass");
  Control& mooser = addTextBox("mooser", "0.5", {1560, 1860, 855, 285}).setLabel("Moose r");
  Control& moosemat =
      addTextBox("moosemat", "0.3", {1560, 2190, 855, 285}).setLabel("Moose Maturation");
  Control& mooseeat =
      addTextBox("mooseeat", "3000", {1560, 2520, 855, 285}).setLabel("Moose Consumption");
  Control& mooseresp =
      addTextBox("mooseresp", "1500", {1560, 2850, 855, 285}).setLabel("Moose Respiration");
  Control& moosecondmax =
      addTextBox("moosecondmax", "500", {1560, 3180, 855, 285}).setLabel("Moose Max. Weight");
  Control& moosecondmin =
      addTextBox("moosecondmin", "200", {1560, 3510, 855, 285}).setLabel("Moose Min. Weight");
  Control& Mooseinit =
      addTextBox("Mooseinit", "2", {1560, 3840, 855, 285}).setLabel("Moose Initial Number");
  Control& moosein =
      addTextBox("moosein", "1905", {1560, 4170, 855, 285}).setLabel("Moose Year Introduced");
  Control& hunt =
      addTextBox("hunt", "0", {4320, 420, 855, 285}).setLabel("Hunting Number or Fraction");
  Control& inithunt =
      addTextBox("inithunt", "1945", {4320, 1080, 855, 285}).setLabel("Begin Hunting in");
  Control& wolfr = addTextBox("wolfr", "1", {4320, 1860, 855, 285}).setLabel("Wolves r");
  Control& wolfrmax = addTextBox("wolfrmax", "5", {4320, 2190, 855, 285}).setLabel("Wolves r max.");
  Control& wolfeat =
      addTextBox("wolfeat", "1000", {4320, 2520, 855, 285}).setLabel("Wolves Consumption");
  Control& wolfresp =
      addTextBox("wolfresp", "500", {4320, 2850, 855, 285}).setLabel("Wolves Respiration");
  Control& wolfcondmax =
      addTextBox("wolfcondmax", "80", {4320, 3180, 855, 285}).setLabel("Wolves Max. Weight");
  Control& wolfcondmin =
      addTextBox("wolfcondmin", "40", {4320, 3510, 855, 285}).setLabel("Wolves Min. Weight");
  Control& wolfinit =
      addTextBox("wolfinit", "0", {4320, 3840, 855, 285}).setLabel("Wolves Initial Number");
  Control& wolfin =
      addTextBox("wolfin", "1945", {4320, 4170, 855, 285}).setLabel("Wolves Year Introduced");
  Control& nyears = addTextBox("nyears", "20", {1560, 5040, 855, 285}).setLabel("Years to Run");
  Control& randit = addTextBox("randit", "0", {1560, 5460, 855, 285}).setLabel("Random Factor");

  Control& Command1 = addButton("Command1", "Execute", {2880, 4740, 1215, 375});
  Control& reset = addButton("reset", "Reset", {4200, 4740, 975, 375});
  Control& Command2 = addButton("Command2", "Return", {2880, 5280, 1215, 375});

  Control& Label5 = addLabel("Label5", "Initial year = 1880", {120, 4680, 2295, 255});
  // Row captions, one per box, left of it.
  ControlArray& RowLabel = array("RowLabel");
};

}  // namespace sylvandra
