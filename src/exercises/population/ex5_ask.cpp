#include "exercises/population/ex5_ask.h"

#include <string>
#include <vector>

#include "platform/conversions.h"
#include "platform/runtime_failure.h"
#include "plot/graph.h"
#include "plot/output/output_windows.h"
#include "plot/plot_record.h"

namespace sylvandra {
namespace {

constexpr int kSeries = 7;
constexpr double kRowHeight = 285;

// A weight range whose limits are equal leaves body condition undefined.
void RequireWeightRange(const Control& maxField, const Control& minField) {
  if (maxField.number() == minField.number()) {
    throw minField.failure("must differ from " + maxField.label() + " ('" + maxField.text() + "')");
  }
}

}  // namespace

Ex5Ask::Ex5Ask(Program& program)
    : Window(program, kName, "Population Parameters", {120, 1020, 5460, 6000}) {
  const Font heading = Font::face("MS Sans Serif", 9.75, true);
  for (Control* title : {&Label1, &Label2, &Label3, &Label4}) title->setFont(heading);

  // The caption of each box, on its row, left of the box.
  struct Row {
    const Control& box;
    const char* caption;
  };
  const Row rows[] = {
      {plantr, "r"},
      {plantk, "K"},
      {plantinit, "Initial Mass"},
      {mooser, "r"},
      {moosemat, "Maturation"},
      {mooseeat, "Consumption"},
      {mooseresp, "Respiration"},
      {moosecondmax, "Max. Weight"},
      {moosecondmin, "Min. Weight"},
      {Mooseinit, "Initial Number"},
      {moosein, "Year Introduced"},
      {hunt, "Number or Fraction"},
      {inithunt, "Begin Hunting in "},
      {wolfr, "r"},
      {wolfrmax, "r max."},
      {wolfeat, "Consumption"},
      {wolfresp, "Respiration"},
      {wolfcondmax, "Max. Weight"},
      {wolfcondmin, "Min. Weight"},
      {wolfinit, "Initial Number"},
      {wolfin, "Year Introduced"},
      {nyears, "Years to Run"},
      {randit, "Random Factor      (range: 0-1)"},
  };
  int index = 0;
  for (const Row& row : rows) {
    const double left = row.box.left() < 2880 ? 120 : 2880;
    const bool twoLines = &row.box == &randit || &row.box == &hunt;
    const double height = twoLines ? 2 * kRowHeight : kRowHeight;
    addLabel("RowLabel", row.caption, {left + 120, row.box.top(), 1320, height}, index++);
  }
  addLabel("RowLabel", "g/m2", {2430, plantinit.top(), 405, kRowHeight}, index++);

  // Separator lines between the groups and above the run settings.
  Surface& s = surface();
  s.Line(120, 1440, 5340, 1440, kBlack);   // Line1
  s.Line(2850, 120, 2850, 4560, kBlack);   // Line2
  s.Line(120, 4560, 5340, 4560, kBlack);   // Line3
  s.Line(2850, 4560, 2850, 5880, kBlack);  // Line4

  Command1.onClick = [this] { Command1_Click(); };
  Command2.onClick = [this] { Command2_Click(); };
  reset.onClick = [this] { reset_Click(); };
}

MooseParameters Ex5Ask::readParameters() const {
  MooseParameters p;
  p.plantRate = plantr.number();
  p.plantCapacity = RequireNonZero(plantk.number(), plantk);
  p.plantInitial = plantinit.number();
  p.mooseRate = mooser.number();
  p.mooseMaturation = moosemat.number();
  p.mooseRespiration = mooseresp.number();
  p.mooseMaxWeight = moosecondmax.number();
  p.mooseMinWeight = moosecondmin.number();
  RequireWeightRange(moosecondmax, moosecondmin);
  p.mooseInitial = Mooseinit.number();
  p.mooseYear = RequireWholeNumber(moosein.val(), moosein);
  p.wolfRate = wolfr.number();
  p.wolfMaxBirths = wolfrmax.number();
  p.wolfRespiration = wolfresp.number();
  p.wolfMaxWeight = wolfcondmax.number();
  p.wolfMinWeight = wolfcondmin.number();
  RequireWeightRange(wolfcondmax, wolfcondmin);
  p.wolfInitial = wolfinit.number();
  p.wolfYear = RequireWholeNumber(wolfin.val(), wolfin);
  p.hunt = hunt.number();
  p.huntAfter = inithunt.val();
  p.years = RequireWholeNumber(nyears.number(), nyears, 1);
  if (p.years > kMaxPoints) {
    throw nyears.failure("must be " + std::to_string(kMaxPoints) +
                         " or fewer: the graph holds that many years");
  }
  p.randomFactor = randit.number();
  if (p.randomFactor < 0 || p.randomFactor > 1) throw randit.failure("must lie between 0 and 1");
  // The consumption boxes are shown with the parameters but the model does not use them.
  RequireNumbers({&mooseeat, &wolfeat});
  return p;
}

void Ex5Ask::Command1_Click() {
  const MooseParameters p = readParameters();
  program().Randomize(5);
  const std::vector<MooseYear> run = RunMooseWolves(p, [this] { return program().Rnd(); });

  XYGraph graph{.mode = "L", .title = "Year"};
  graph.series = {{"Plant"}, {"Moose"}, {"Cond."}, {"Wolves"}, {"Cond."}, {"Pred"}, {"Hunt"}};
  for (const MooseYear& y : run) {
    graph.xs.push_back(y.year);
    const double values[kSeries] = {y.plants,     y.moose,  y.mooseWeight, y.wolves,
                                    y.wolfWeight, y.killed, y.hunted};
    for (int i = 0; i < kSeries; ++i) {
      const std::string what = graph.series[i].name + " in " + Str(y.year).substr(1);
      graph.series[i].values.push_back(RequireFinite(values[i], what));
    }
  }
  graph.xRange = {{kMooseFirstYear, kMooseFirstYear + p.years}};
  graph.adjustScales = [&p](PlotRecord& plot) {
    plot.PlotTitle = "Year";
    const double K = p.plantCapacity;
    const SeriesValues tops = {0,   K,  K / 30 * 3000, p.mooseMaxWeight, 300, p.wolfMaxWeight,
                               300, 300};
    for (int i = 1; i <= kSeries; ++i) {
      plot.PlotMax[i] = tops[i];
      plot.PlotMin[i] = 0;
    }
  };

  // The quota message is printed as the run reaches its year; the graph then clears the window.
  Surface& out = program().form<outpt>().surface();
  for (const MooseYear& y : run) {
    if (y.quotaTookAll) {
      out.Print();
      out.Print("  THATS ALL FOLKS!!");
    }
  }
  GraphSeriesXY(program(), graph);
}

void Ex5Ask::Command2_Click() {
  HideWithOutput(*this);
}

void Ex5Ask::reset_Click() {
  struct Default {
    Control& field;
    double value;
  };
  const Default defaults[] = {
      {plantr, 0.5},       {plantk, 30},     {plantinit, 1},    {mooser, 0.5},
      {moosemat, 0.3},     {mooseeat, 3000}, {mooseresp, 1500}, {moosecondmax, 500},
      {moosecondmin, 200}, {Mooseinit, 2},   {moosein, 1905},   {wolfr, 1},
      {wolfrmax, 5},       {wolfeat, 1000},  {wolfresp, 500},   {wolfcondmax, 80},
      {wolfcondmin, 40},   {wolfinit, 0},    {wolfin, 1945},    {hunt, 0},
      {inithunt, 1910},    {nyears, 20},     {randit, 0},
  };
  for (const Default& d : defaults) d.field.setNumber(d.value);
}

}  // namespace sylvandra
