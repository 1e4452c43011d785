#include "game/d81_const.h"

namespace sylvandra {

D81Const::D81Const(Program& program)
    : Window(program, kName, "Societal Constraint!", {6000, 300, 5400, 2160}) {
  surface().AutoRedraw = true;
  Command1.onClick = [this] { Command1_Click(); };
}

void D81Const::Command1_Click() {
  setVisible(false);
}

}  // namespace sylvandra
