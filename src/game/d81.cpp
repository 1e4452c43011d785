#include "game/d81.h"

#include "game/forest_game.h"

namespace sylvandra {

D81::D81(Program& program) : Window(program, kName, "Demonstration #81", {3000, 1800, 7320, 3480}) {
  Command1.onClick = [this] { Command1_Click(); };
  Command2.onClick = [this] { Command2_Click(); };
}

void D81::Command1_Click() {
  EnterForestGame(program());
}

void D81::Command2_Click() {
  setVisible(false);
}

}  // namespace sylvandra
