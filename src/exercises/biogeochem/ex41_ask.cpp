#include "exercises/biogeochem/ex41_ask.h"

#include <cstddef>
#include <string>
#include <vector>

#include "exercises/biogeochem/decay_model.h"
#include "plot/output/output_windows.h"

namespace sylvandra {

Ex41Ask::Ex41Ask(Program& program)
    : Window(program, kName, "Litter Decomposition Experiment", {1200, 1500, 3975, 3600}) {
  Command2.onClick = [this] { Command2_Click(); };
  Command1.onClick = [this] { Command1_Click(); };
}

void Ex41Ask::Command2_Click() {
  const std::vector<std::string> lines = LitterTable(E.val(), C.val(), L.val(), N.val());
  Outpt2& output = program().form<Outpt2>();
  output.Show();
  Surface& surface = output.surface();
  surface.Cls();
  // The heading and the rows are right-aligned by character count in the window's fixed pitch.
  surface.font = output.font();
  for (const std::string& line : lines) surface.Print(line);
}

void Ex41Ask::Command1_Click() {
  setVisible(false);
  program().form<Outpt2>().setVisible(false);
}

}  // namespace sylvandra
