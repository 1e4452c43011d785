#include "game/d81_eval.h"

namespace sylvandra {

D81Eval::D81Eval(Program& program)
    : Window(program, kName, "Annual Evaluation from Management", {2400, 1500, 7200, 5280}) {
  Font bold = font();
  bold.bold = true;
  Label1.setFont(bold);
  Label2.setFont(bold);
  surface().AutoRedraw = true;
  Command1.onClick = [this] { Command1_Click(); };
}

void D81Eval::startSection(double top, double bottom) {
  surface().box(0, top, surface().ScaleWidth(), bottom, backColor(), true);
  surface().CurrentX = 0;
  surface().CurrentY = top;
}

void D81Eval::Command1_Click() {
  setVisible(false);
}

}  // namespace sylvandra
