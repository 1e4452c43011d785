#include "exercises/biogeochem/ex3_ask.h"

#include <cmath>
#include <iterator>
#include <string>

#include "exercises/biogeochem/nitrogen_model.h"
#include "platform/runtime_failure.h"
#include "plot/graph.h"
#include "plot/output/output_windows.h"
#include "plot/plot_record.h"

namespace sylvandra {
namespace {

constexpr const char* kSeriesNames[kNitrogenSeries + 1] = {
    "", "Uptake", " Veg", "Litter", "Soil", "NMin", "Nitrif", "NDep", "NLeach"};

// The texts the two preset ecosystems write, in the order of the boxes Soil, Veg, NH4, NO3,
// NDep, Litter, NMin, Leach, VegGrow, VegHalf, NitrGrow, HarvFreq, HarvInten.
constexpr int kPresetBoxes = 13;
using Preset = const char* [kPresetBoxes];
constexpr Preset kSystem1 = {"1000", "150", "0",  "0", "0.6", "0.08", "0.012",
                             "0.9",  "14",  "20", "2", "0",   "80"};
constexpr Preset kSystem2 = {"700", "120", "0",  "0", "0.6", "0.08", "0.012",
                             "0.9", "14",  "20", "2", "0",   "80"};

// The leading number of a pool box, as the single precision pool holds it.
float PoolReading(const Control& box) {
  const float pool = static_cast<float>(box.val());
  if (!std::isfinite(pool)) throw box.failure("is beyond the range of single precision numbers");
  return pool;
}

}  // namespace

Ex3Ask::Ex3Ask(Program& program)
    : Window(program, kName, "Run Nitrogen Dynamics Model", {1200, 1200, 7200, 5040}) {
  D21Sys1.onClick = [this] { D21Sys1_Click(); };
  D21Sys2.onClick = [this] { D21Sys2_Click(); };
  D21Run.onClick = [this] { D21Run_Click(); };
  D21Ret.onClick = [this] { D21Ret_Click(); };
}

void Ex3Ask::D21Sys1_Click() {
  writePreset(kSystem1);
}

void Ex3Ask::D21Sys2_Click() {
  writePreset(kSystem2);
}

void Ex3Ask::writePreset(const char* const (&texts)[13]) {
  Control* const boxes[] = {&Soil,  &Veg,     &NH4,     &NO3,      &NDep,     &Litter,   &NMin,
                            &Leach, &VegGrow, &VegHalf, &NitrGrow, &HarvFreq, &HarvInten};
  static_assert(std::size(boxes) == kPresetBoxes);
  for (int i = 0; i < kPresetBoxes; ++i) boxes[i]->setText(texts[i]);
}

void Ex3Ask::D21Run_Click() {
  // The untouched window (before a preset) has nothing to run: it says what to do instead.
  if (Soil.text() == " ") {
    program().MsgBox("Choose System 1 or System 2 first: press Sys 1 or Sys 2.");
    return;
  }

  // Every box is read in the order the first year reads them.
  NitrogenInputs in;
  in.soil = PoolReading(Soil);
  in.veg = PoolReading(Veg);
  in.nh4 = PoolReading(NH4);
  in.no3 = PoolReading(NO3);
  if (HarvFreq.val() != 0) in.harvestInterval = HarvFreq.number();
  bool harvests = false;
  for (int y = 1; y <= kNitrogenYears; ++y)
    harvests = harvests || IsHarvestYear(y, in.harvestInterval);
  const bool harvestInFirstYear = IsHarvestYear(1, in.harvestInterval);
  if (harvestInFirstYear) in.harvestIntensity = HarvInten.number();
  in.litter = Litter.number();
  in.mineralisation = NMin.number();
  in.nitrifierGrowth = NitrGrow.number();
  in.deposition = NDep.number();
  in.maxUptake = VegGrow.number();
  in.halfSaturation = VegHalf.val();
  in.leach = Leach.number();
  if (harvests && !harvestInFirstYear) in.harvestIntensity = HarvInten.number();
  in.depositionShown = NDep.val();
  // The intensity is used only in harvest years, but it is the student's number all the same.
  RequireNumbers({&HarvInten});

  const NitrogenRun run = RunNitrogenModel(in);
  if (run.zeroHalfSaturationYear != 0) {
    throw VegHalf.failure("makes the uptake divide by zero (Vegetation + VegHalf = 0 in year " +
                          std::to_string(run.zeroHalfSaturationYear) + ")");
  }
  if (run.overflowYear != 0) {
    throw RuntimeFailure(
        "Execute: the nitrogen pools leave the range of single precision "
        "numbers in year " +
        std::to_string(run.overflowYear));
  }

  program().form<outpt>().Hide();
  PlotRecord& plot = program().state<PlotRecord>();
  SeriesData& stepY = program().state<StepSeries>().StepY;
  const SeriesValues scales = NitrogenScales(run.series);
  for (int i = 1; i <= kNitrogenSeries; ++i) {
    plot.PlotName[i] = kSeriesNames[i];
    for (int y = 1; y <= kNitrogenYears; ++y) stepY[i][y] = run.series[i][y];
    plot.PlotMax[i] = scales[i];
  }
  GraphSteps(program(), "Year", plot.PlotName, kNitrogenYears, kNitrogenSeries, kNitrogenYears,
             stepY, plot.PlotMax);
}

void Ex3Ask::D21Ret_Click() {
  HideWithOutput(*this);
}

}  // namespace sylvandra
