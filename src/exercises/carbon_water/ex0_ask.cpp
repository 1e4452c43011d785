#include "exercises/carbon_water/ex0_ask.h"

#include <cmath>
#include <string>

#include "exercises/carbon_water/som_model.h"
#include "platform/conversions.h"
#include "platform/runtime_failure.h"
#include "plot/output/output_windows.h"
#include "plot/step_plot.h"

namespace sylvandra {
namespace {

// The first `width` characters of the number's plain text. A text in exponent form keeps its
// exponent and loses mantissa digits instead, so that 1.10456369187775E+299 shows as 1.1E+299
// rather than as a wrong 1.104563.
std::string CutNumberText(double value, int width) {
  const std::string text = PlainText(value);
  const size_t exponent = text.find('E');
  if (exponent == std::string::npos || static_cast<int>(text.size()) <= width) {
    return Left(text, width);
  }
  const std::string suffix = text.substr(exponent);
  const int digitsRoom = width - static_cast<int>(suffix.size());
  std::string mantissa = Left(text.substr(0, exponent), digitsRoom);
  // Always at least the leading digit (and the sign before it).
  if (mantissa.empty() || mantissa == "-") mantissa = Left(text, text[0] == '-' ? 2 : 1);
  if (mantissa.back() == '.') mantissa.pop_back();
  return mantissa + suffix;
}

}  // namespace

Ex0Ask::Ex0Ask(Program& program)
    : Window(program, kName, "SOM Balance Model", {60, 1020, 5055, 5415}) {
  Command1.onClick = [this] { Command1_Click(); };
  Command2.onClick = [this] { Command2_Click(); };
}

void Ex0Ask::Command1_Click() {
  const double initialPool = SOM.val();
  if (!(std::fabs(initialPool) <= kSomLargestPool)) {
    throw SOM.failure("is too large a pool for the model (at most 1E+300 g/m2)");
  }
  const double turnover = TurnOvr.val();
  const double inputs = Inputs.val();
  Window& output = program().form<outpt>();
  output.surface().Cls();
  output.setVisible(false);
  const SomRun run = RunSomBalance(initialPool, inputs, turnover);
  static_assert(kSomPoints <= kMaxPoints);
  Series& s = series();
  for (int t = 1; t <= kSomPoints; ++t) s.SomY[1][t] = run.pool[t];
  s.SomName[1] = "SOM";

  // A run stopped early is drawn over the years it reached.
  GraphSOM("Years", s.SomName, run.points, 1, run.points, s.SomY);

  Surface& surface = output.surface();
  const double W = surface.ScaleWidth();
  const double H = surface.ScaleHeight();
  surface.CurrentX = 0.4 * W;
  surface.CurrentY = H - 500;
  surface.Print("Equilibrium Reached in Year " + PlainText(run.equilibriumYear));
  surface.CurrentX = 0.4 * W;
  surface.CurrentY = H - 300;
  surface.Print("At SOM = " + CutNumberText(s.SomY[1][run.points], 8));

  if (run.tooLarge) {
    program().MsgBox("The run stopped after year " + std::to_string(run.points - 1) +
                         ": the soil organic matter pool grew too large to compute. The graph "
                         "shows the years computed.",
                     0, "SOM Balance Model");
  }
}

void Ex0Ask::Command2_Click() {
  HideWithOutput(*this);
}

void Ex0Ask::GraphSOM(const std::string& title, const SeriesNames& names, double xMax, int nSeries,
                      int nPoints, SeriesData& data) {
  RequirePlotSize("GraphSOM", nSeries, nPoints);
  SeriesValues& SomMax = series().SomMax;
  for (int i = 1; i <= nSeries; ++i) {
    SomMax[i] = 0;
    for (int t = 1; t <= nPoints; ++t) {
      if (data[i][t] > SomMax[i]) SomMax[i] = data[i][t];
    }
    SomMax[i] = Int(1.1 * SomMax[i]);
    // A series that never rises above 0 (or not above 1 / 1.1) has no scale of its own: a scale
    // of 1 draws it at its true value instead of dividing by 0.
    if (SomMax[i] == 0) SomMax[i] = 1;
  }
  StepPlotStyle style;
  for (int i = 1; i <= kMaxSeries; ++i) {
    style.colour[i] = QBColor(i);
    style.drawStyle[i] = i;
  }
  style.sampleFraction = 0.9;
  style.setDrawWidth = false;
  style.clearFirst = false;
  style.clipToRange = false;
  style.lift = 0;
  DrawStepPlot(program().form<outpt>(), "GraphSOM", title, names, xMax, nSeries, nPoints, data,
               SomMax, style);
}

}  // namespace sylvandra
