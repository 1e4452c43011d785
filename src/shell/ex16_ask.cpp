#include "shell/ex16_ask.h"

#include "shell/shell_style.h"

namespace sylvandra {

Ex16Ask::Ex16Ask(Program& program)
    : Window(program, kName, "Forest N Cycling Data", {2880, 2880, 5055, 2295}, kShellBackground) {
  Label1.setFont(Font::face("MS Sans Serif", 9.75)).setAlignment(Alignment::Center);
  Command1.onClick = [this] { Command1_Click(); };
}

void Ex16Ask::Command1_Click() {
  setVisible(false);
}

}  // namespace sylvandra
