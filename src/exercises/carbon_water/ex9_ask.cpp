#include "exercises/carbon_water/ex9_ask.h"

#include <cmath>
#include <string>

#include "exercises/carbon_water/global_carbon_model.h"
#include "platform/runtime_failure.h"
#include "plot/graph.h"
#include "plot/output/output_windows.h"
#include "plot/plot_record.h"
#include "plot/utils.h"

namespace sylvandra {
namespace {

// How an emission goes on after the year 2000: member 0 "Control" holds it, member 1 "Ramp
// Down" halves it by 2100 (and wins should both be ticked); neither lets it keep growing.
EmissionCourse CourseOf(const ControlArray& pair) {
  EmissionCourse course = EmissionCourse::Growing;
  if (pair(0).value() != 0) course = EmissionCourse::Held;
  if (pair(1).value() != 0) course = EmissionCourse::RampedDown;
  return course;
}

// Fixed scale tops of the five curves, Gt C.
constexpr double kScaleTops[] = {1500, 4000, 2000, 40000, 10};
constexpr const char* kSeriesNames[] = {"Atmos", "Terr", "ShalO", "DeepO", "Biota"};

}  // namespace

EX9Ask::EX9Ask(Program& program)
    : Window(program, kName, "Global Carbon Model Parameters", {240, 1020, 7320, 5160}) {
  Font bold = font();
  bold.bold = true;
  for (Control* heading : {&Label2, &Label3, &Label4, &Label5}) heading->setFont(bold);
  Command3.setVisible(false);

  // Each caption level with its field, right-aligned against it.
  int index = 0;
  for (Control* pool : {&Atmos, &TerrEco, &ShalOcean, &DeepOcean, &BiotaOcean, &FFAmt, &DevegAmt}) {
    addLabel("Label1", pool->label(), {240, pool->top() + 45, 1620, 255}, index++)
        .setAlignment(Alignment::Right);
  }
  for (Control* rate : {&AT, &TA, &ASO, &SOA, &SOB, &BSO, &SODO, &DOSO, &BDO}) {
    addLabel("Label1", rate->label(), {3120, rate->top() + 45, 2460, 255}, index++)
        .setAlignment(Alignment::Right);
  }

  Command1.onClick = [this] { Command1_Click(); };
  Command2.onClick = [this] { Command2_Click(); };
  Command3.onClick = [this] { Command3_Click(); };
  for (int i = 0; i < 2; ++i) {
    FFCon(i).onClick = [this, i] { FFCon_Click(i); };
    DevegCon(i).onClick = [this, i] { DevegCon_Click(i); };
  }
  ATF.onChange = [this] { ATF_Change(); };
  TAF.onChange = [this] { TAF_Change(); };
  ASOF.onChange = [this] { ASOF_Change(); };
  SODOF.onChange = [this] { SODOF_Change(); };
}

ControlArray& EX9Ask::addCoursePair(const char* name, double top) {
  addCheckBox(name, "Control", {480, top, 1095, 255}, 0);
  addCheckBox(name, "Ramp Down", {1680, top, 1335, 255}, 1);
  return array(name);
}

void EX9Ask::Command1_Click() {
  GlobalCarbonInputs in;
  in.initial = {TerrEco.val(), Atmos.val(), ShalOcean.val(), DeepOcean.val(), BiotaOcean.val()};
  // The emissions must be numbers as they stand; land use is read first, as each month does.
  in.landUse = DevegAmt.number();
  in.landUseCourse = CourseOf(DevegCon);
  in.fossilFuel = FFAmt.number();
  in.fossilCourse = CourseOf(FFCon);
  in.rates = {AT.val(),  TA.val(),   ASO.val(),  SOA.val(), SOB.val(),
              BSO.val(), SODO.val(), DOSO.val(), BDO.val()};
  in.landUptakeSaturates = ATF.text() == "Y";
  in.landBalanceSaturates = TAF.text() == "Y";
  in.oceanUptakeSaturates = ASOF.text() == "Y";
  in.deepMixingSaturates = SODOF.text() == "Y";
  // The saturated ocean uptake takes the rate as a strict number, once the atmosphere first
  // exceeds 555 Gt C.
  in.saturatedOceanUptakeRate = [this] { return ASO.number(); };
  const GlobalCarbonRun run = RunGlobalCarbon(in);

  // The yearly pools become step series 1..5 (atmosphere, land, shallow ocean, deep ocean,
  // biota). Rates far beyond a yearly fraction make the monthly step swing without bound; such
  // a run is refused.
  const Control* const poolFields[] = {&Atmos, &TerrEco, &ShalOcean, &DeepOcean, &BiotaOcean};
  SeriesData& StepY = program().state<StepSeries>().StepY;
  for (int y = 1; y <= kCarbonYears; ++y) {
    const CarbonPools& p = run.yearEnd[static_cast<size_t>(y)];
    const double pools[] = {p.atmosphere, p.terrestrial, p.shallowOcean, p.deepOcean, p.oceanBiota};
    for (int s = 1; s <= 5; ++s) {
      if (!std::isfinite(pools[s - 1])) {
        throw RuntimeFailure(poolFields[s - 1]->label() +
                             ": the pool grows too large to compute by year " + std::to_string(y));
      }
      StepY[s][y] = pools[s - 1];
    }
  }

  PlotRecord& plot = program().state<PlotRecord>();
  for (int s = 1; s <= 5; ++s) {
    plot.PlotName[s] = kSeriesNames[s - 1];
    plot.PlotMax[s] = kScaleTops[s - 1];
  }
  plot.PlotXMax = kCarbonYears;
  plot.PlotTitle = "Year";
  plot.PlotNSer = 5;
  GraphSteps(program(), plot.PlotTitle, plot.PlotName, plot.PlotXMax,
             static_cast<int>(plot.PlotNSer), kCarbonYears, StepY, plot.PlotMax);

  // The two values stand under their headings: the second of each line in the same print
  // column, however wide the first item is.
  Surface& s = program().form<outpt>().surface();
  s.CurrentX = 1000;
  s.CurrentY = 5000;
  s.Print({std::string("Year 2000 CO2 ="), PrintSeparator::NextColumn});
  const double secondColumn = s.CurrentX;
  s.Print("Year 2100 CO2");
  s.CurrentX = 1000;
  s.CurrentY = 5300;
  s.Print({Fmt7b(run.atmosphere2000), PrintSeparator::NextColumn});
  while (s.CurrentX < secondColumn) s.Print({PrintSeparator::NextColumn});
  s.Print(Fmt7b(run.atmosphere2100));
}

void EX9Ask::Command2_Click() {
  HideWithOutput(*this);
}

void EX9Ask::Command3_Click() {
  AT.setText("0.09009");
  TA.setText("0.02283");
  ASO.setText("0.16396");
  SOA.setText("0.08922");
  SOB.setText("0.04902");
  BSO.setText("13.333");
  SODO.setText("0.08824");
  DOSO.setText("0.00263");
  BDO.setText("3.3333");
}

void EX9Ask::FFCon_Click(int index) {
  FFCon(1 - index).setValue(0);
}

void EX9Ask::DevegCon_Click(int index) {
  DevegCon(1 - index).setValue(0);
}

void EX9Ask::normaliseSwitch(Control& field) {
  if (field.text().empty()) return;
  if (field.text() == "y") field.setText("Y");
  if (field.text() != "Y") field.setText("N");
}

void EX9Ask::ATF_Change() {
  normaliseSwitch(ATF);
}

void EX9Ask::TAF_Change() {
  normaliseSwitch(TAF);
}

void EX9Ask::ASOF_Change() {
  normaliseSwitch(ASOF);
}

void EX9Ask::SODOF_Change() {
  normaliseSwitch(SODOF);
}

}  // namespace sylvandra
