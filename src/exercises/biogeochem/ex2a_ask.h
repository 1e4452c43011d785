// Concentration units: the student picks one of six ions and types a mass, an amount or the
// equivalents; the other two boxes are recomputed at every key (ConvertConcentration).
//
// Layout: the instructions across the top; the ion options in a column on the left under their
// head; the three boxes, each under its head, in a column on the right; Return below them.
#pragma once

#include "platform/program.h"
#include "platform/window.h"

namespace sylvandra {

class Ex2aAsk : public Window {
 public:
  static constexpr const char* kName = "Ex2aAsk";
  explicit Ex2aAsk(Program& program);

  void Form_Load() override;
  void Element_Click(int index);
  void Mass_KeyUp();
  void Moles_KeyUp();
  void Equivalents_KeyUp();
  void Return_Click();

  // The ion options Element(0..5), added in the constructor from the ion table.
  ControlArray& Element = array("Element");
  Control& Mass = addTextBox("Mass", "", {2760, 1560, 1455, 375}).setLabel("Mass (g)");
  Control& Moles = addTextBox("Moles", "", {2760, 2280, 1455, 375}).setLabel("Moles");
  Control& Equivalents =
      addTextBox("Equivalents", "", {2760, 3000, 1455, 375}).setLabel("Equivalents");
  Control& Return = addButton("Return", "Return", {2880, 3720, 1215, 375});

  // Column heads Label1(0..3) and the instructions.
  ControlArray& Label1 = array("Label1");
  Control& Label2 = addLabel("Label2", "", {360, 120, 4200, 900});

 private:
  // The typed box drives the conversion: an empty box becomes "0", the other two are reset.
  void keyUpOn(Control& typed, Control& other1, Control& other2);
};

}  // namespace sylvandra
