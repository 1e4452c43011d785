#include "exercises/biogeochem/ex42_ask.h"

#include "exercises/biogeochem/decay_model.h"
#include "platform/conversions.h"
#include "platform/runtime_failure.h"
#include "plot/graph.h"
#include "plot/output/output_windows.h"
#include "plot/plot_record.h"

namespace sylvandra {

EX42Ask::EX42Ask(Program& program)
    : Window(program, kName, "Soil Organic Matter Dynamics", {840, 1500, 6240, 3720}) {
  Font bold = font();
  bold.bold = true;
  constexpr double kLine = 255;
  const std::vector<Control*> captions =
      addCaptions("Label1", {{"Annual Litter Inputs", {240, 240, 2415, kLine}},
                             {"Extractives", {240, 780, 1215, kLine}},
                             {"Cellulose", {240, 1260, 1215, kLine}},
                             {"Lignin", {240, 1740, 1215, kLine}},
                             {"Nitrogen", {240, 2220, 1215, kLine}},
                             {"Initial Passive Pool Size", {3120, 240, 2655, kLine}},
                             {"Organic Matter", {3120, 780, 1455, kLine}},
                             {"Nitrogen", {3120, 1260, 1455, kLine}},
                             {"Run Time (years)", {3120, 1860, 1455, kLine}},
                             {"Litter Cutoff Year", {3120, 2340, 1455, kLine}}});
  // The two group headings along the top.
  for (Control* caption : captions) {
    if (caption->top() == 240) caption->setFont(bold);
  }
  Command2.onClick = [this] { Command2_Click(); };
  Command1.onClick = [this] { Command1_Click(); };
}

void EX42Ask::Command2_Click() {
  const double runTime = RunTime.number();
  const double litCut = LitCut.number();
  RequireWholeNumber(runTime, RunTime, 1);
  // 0 means the litter never stops.
  RequireWholeNumber(litCut, LitCut, 0);
  // A cut-off keeps one point a year, and the graph holds 300 of them.
  if (litCut != 0 && runTime > 300) {
    throw RunTime.failure(
        "is more than the 300 years the graph can show year by year; set the Litter Cutoff "
        "Year to 0 to run longer");
  }
  // A million years take about a second; a thousand million would hold the program for half
  // an hour.
  if (runTime > 1000000) throw RunTime.failure("must be at most 1000000 years");
  const double passive = P.number();
  const double passiveN = PN.number();
  const double e = E.val();
  const double c = C.val();
  const double l = L.val();
  const double n = N.val();
  if (e + l + c == 0 && runTime >= 1 && (litCut == 0 || litCut > 1)) {
    throw RuntimeFailure(
        "Extractives, Cellulose and Lignin add up to 0: there is no litter to share the "
        "nitrogen among");
  }
  const SomDynamicsRun run = RunSomDynamics(e, c, l, n, passive, passiveN, runTime, litCut);

  Window& output = program().form<outpt>();
  output.Show();
  output.surface().Cls();
  // Series 1..5 (E, C, LC, P, NMin) by recorded point 1..300.
  SeriesData Y{};
  for (int s = 1; s <= 5; ++s) {
    for (int t = 1; t <= run.points; ++t) {
      Y[static_cast<size_t>(s)][static_cast<size_t>(t)] =
          run.series[static_cast<size_t>(s)][static_cast<size_t>(t)];
    }
  }
  const SeriesValues scales = {0, 2500, 2500, 2500, 50000, 20};
  const SeriesNames names = {"", "     E", "     C", "    LC", "     P", "  NMin"};
  GraphSteps(program(), "Time", names, run.points, 5, run.points, Y, scales);

  Surface& surface = output.surface();
  surface.CurrentX = 0.3 * surface.ScaleWidth();
  surface.CurrentY = surface.ScaleHeight() - 500;
  surface.Print(" Multiplied by " + PlainText(run.mult) + " equals years");
}

void EX42Ask::Command1_Click() {
  HideWithOutput(*this);
}

}  // namespace sylvandra
