#include "exercises/biogeochem/ex41_ask.h"

#include <cstddef>

#include "exercises/biogeochem/decay_model.h"
#include "platform/runtime_failure.h"
#include "plot/utils.h"
#include "shell/output_windows.h"

namespace sylvandra {

std::vector<std::string> LitterTable(double e, double c, double l, double n) {
  const double total = e + l + c;
  if (total == 0) {
    throw RuntimeFailure(
        "Extractives, Cellulose and Lignin add up to 0 g: there is no litter to share the "
        "nitrogen among");
  }
  // Litter too large for a double stops before anything is printed.
  const auto finite = [](double value) {
    return RequireFinite(value, "Extractives, Cellulose and Lignin");
  };
  finite(total);
  DecayPools A{0, e, c - l, 2 * l, 0.001};
  DecayPools Nn{};
  Nn[3] = n * l / total;
  Nn[1] = n - Nn[3];
  Nn[2] = 0.001;
  Nn[4] = 0.0001;

  std::vector<std::string> lines;
  lines.push_back(std::string("  Month") + "          E" + "          C" + "          LC" +
                  "          Tot" + "          N");
  lines.push_back(Fmt5(0) + Fmt5(finite(A[1])) + Fmt5(finite(A[2])) + Fmt5(finite(A[3] + A[4])) +
                  Fmt7(total) + Fmt5(n));
  double net = 0;
  for (int month = 1; month <= 60; ++month) {
    DecayStep(A, Nn, net);
    if (month % 6 == 0) {
      lines.push_back(Fmt5(month) + Fmt5(A[1]) + Fmt5(A[2]) + Fmt5(A[3] + A[4]) +
                      Fmt7(finite(A[1] + A[2] + A[3] + A[4])) +
                      Fmt6(finite(Nn[1] + Nn[2] + Nn[3] + Nn[4])));
    }
  }
  return lines;
}

Ex41Ask::Ex41Ask(Program& program)
    : Window(program, kName, "Litter Decomposition Experiment", {1200, 1500, 3975, 3600}) {
  Command2.onClick = [this] { Command2_Click(); };
  Command1.onClick = [this] { Command1_Click(); };
}

void Ex41Ask::Command2_Click() {
  // The whole table is made before the output window changes: a refused run leaves the last one.
  const std::vector<std::string> lines = LitterTable(E.val(), C.val(), L.val(), N.val());
  Outpt2& output = program().form<Outpt2>();
  output.Show();
  Surface& surface = output.surface();
  surface.Cls();
  // The heading's runs of blanks place its words over the columns in the window's own font;
  // the rows are right-aligned by character count, which needs a fixed pitch.
  surface.font = output.font();
  surface.Print(lines.front());
  surface.font = Font::Face("Courier New", 8.25);
  for (std::size_t row = 1; row < lines.size(); ++row) surface.Print(lines[row]);
}

void Ex41Ask::Command1_Click() {
  setVisible(false);
  program().form<Outpt2>().setVisible(false);
}

}  // namespace sylvandra
