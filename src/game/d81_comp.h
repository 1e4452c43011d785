// "Compartment Parameters": what is known of each compartment, one column per compartment
// (k = 0..3). Research fills the fields; the description and the area are fixed. A researched
// figure turns light green, and the yearly cycle turns the figures that change every year light
// red until they are researched again.
//
// Layout: row captions on the left, four columns headed "Compartment 0" to "Compartment 3",
// the units of each row on the right.
#pragma once

#include "platform/program.h"
#include "platform/window.h"

namespace sylvandra {

class D81comp : public Window {
 public:
  static constexpr const char* kName = "D81comp";
  explicit D81comp(Program& program);

  void Command1_Click();

  // Each a control array indexed by compartment.
  ControlArray& type = array("type");
  ControlArray& Descrp = array("Descrp");
  ControlArray& History = array("History");
  ControlArray& Biomass = array("Biomass");
  ControlArray& Increment = array("Increment");
  ControlArray& WHC = array("WHC");
  ControlArray& SoilN = array("SoilN");
  ControlArray& NMin = array("NMin");
  ControlArray& nitrate = array("nitrate");
  ControlArray& Precip = array("Precip");
  ControlArray& NDep = array("NDep");
  ControlArray& area = array("area");
  // Row captions, column headings and units.
  ControlArray& Label1 = array("Label1");
  ControlArray& Label2 = array("Label2");
  ControlArray& Label3 = array("Label3");

  Control& Command1 = addButton("Command1", "Return", {9000, 6540, 1215, 375});
};

}  // namespace sylvandra
