#include "exercises/biogeochem/ex2c_ask.h"

#include <string>

#include "platform/runtime_failure.h"
#include "plot/graph.h"
#include "plot/output/output_windows.h"

namespace sylvandra {
namespace {

// The catalogue row of chapter 9, whose watershed experiments need no pollution controls.
constexpr int kWatershedExperimentsRow = 2;

constexpr const char* kIons[6] = {"", "H+", "Cations", "NO3-", "SO4=", "HCO3-"};
constexpr const char* kSeriesNames[kWatershedSeries + 1] = {
    "", " BsSat", "  H-Al", " Catns", "   NO3", "   SO4", "  HCO3", " SO4sr", "  NDep"};

// Deposition texts of the two chemistries, D(1..5).
constexpr const char* kAcidDeposition[6] = {"", "2", "0.5", "1", "1.499", "0.001"};
constexpr const char* kCleanDeposition[6] = {"", "0.1", "0.3", "0.1", "0.299", "0.001"};

}  // namespace

Ex2cAsk::Ex2cAsk(Program& program)
    : Window(program, kName, "Comparison of Two Watersheds", {600, 1200, 8880, 4080}) {
  for (int i = 1; i <= 5; ++i) {
    const double top = 600 + 420 * (i - 1);
    addLabel("Label5", kIons[i], {2040, top + 45, 855, 285}, i);
    addTextBox("Dep", "", {2940, top, 1140, 375}, i)
        .setLabel(std::string("Deposition ") + kIons[i]);
  }
  NoControls.setValue(1);

  Command1.onClick = [this] { Command1_Click(); };
  Command2.onClick = [this] { Command2_Click(); };
  Command3.onClick = [this] { Command3_Click(); };
  Command4.onClick = [this] { Command4_Click(); };
  Command5.onClick = [this] { Command5_Click(); };
  Command6.onClick = [this] { Command6_Click(); };
}

std::vector<Control*> Ex2cAsk::pollutionControls() {
  return {&Label11,    &DepRamp, &WeatherRate, &Label10, &Ozone,  &SulfCapac, &Label1, &Label12,
          &NoControls, &Cap,     &Reduce,      &Label13, &Label3, &CEC,       &Label9};
}

void Ex2cAsk::enteredFromChapter(int chapterIndex) {
  const bool shown = chapterIndex != kWatershedExperimentsRow;
  for (Control* control : pollutionControls()) control->setVisible(shown);
}

void Ex2cAsk::Command1_Click() {
  // Before the presets the boxes are empty: the window says which button fills them, rather
  // than failing on the first empty box. Boxes filled by hand run as typed.
  if (CEC.text().empty() && WeatherRate.text().empty()) {
    program().MsgBox("Choose Watershed 1 or Watershed 2 first.");
    return;
  }
  bool noDeposition = true;
  for (int i = 1; i <= 5; ++i) noDeposition = noDeposition && Dep(i).text().empty();
  if (noDeposition) {
    program().MsgBox("Choose a deposition first: W/Acid Dep. or No Acid Dep.");
    return;
  }
  WatershedInputs in;
  in.ramp = DepRamp.text() == "y" || DepRamp.text() == "Y";
  in.noRamp = DepRamp.text() == "N" || DepRamp.text() == "n";
  in.deposition[4] = Dep(4).number();
  in.sulfateCapacity = SulfCapac.val();
  in.acidShare = Dep(1).val();
  in.baseShare = Dep(2).val();
  if (in.acidShare + in.baseShare == 0) {
    throw Dep(1).failure("and " + Dep(2).label() + " " + QuotedText(Dep(2).text()) +
                         " add up to 0: the exchanger's shares divide by zero");
  }
  in.cec = RequireNonZero(CEC.number(), CEC);
  in.weathering = WeatherRate.number();
  for (int i : {1, 2, 3, 5}) in.deposition[static_cast<size_t>(i)] = Dep(i).number();
  in.ozone = Ozone.val();
  in.cap = Cap.value() != 0;
  in.reduce = Reduce.value() != 0;
  // The watershed's number is shown for the student, not computed with.
  RequireNumbers({&WS});

  const WatershedRun run = RunWatershedModel(pools(), in);
  if (run.overflowYear != 0) {
    throw RuntimeFailure("Execute: the watershed pools leave the range of numbers in year " +
                         std::to_string(run.overflowYear));
  }
  SeriesNames names;
  for (int i = 1; i <= kWatershedSeries; ++i) names[static_cast<size_t>(i)] = kSeriesNames[i];

  program().form<outpt>().Hide();
  T() = run.series;
  GraphSteps(program(), "Years", names, kWatershedYears, kWatershedSeries, kWatershedYears, T(),
             WatershedScales(T()));
}

void Ex2cAsk::Command2_Click() {
  for (int i = 1; i <= 5; ++i) Dep(i).setText(kAcidDeposition[i]);
}

void Ex2cAsk::Command3_Click() {
  for (int i = 1; i <= 5; ++i) Dep(i).setText(kCleanDeposition[i]);
}

void Ex2cAsk::Command4_Click() {
  loadWatershed(2);
}

void Ex2cAsk::Command5_Click() {
  loadWatershed(1);
}

void Ex2cAsk::loadWatershed(int watershed) {
  CEC.setText("200");
  WeatherRate.setText("1");
  DepRamp.setText("N");
  WS.setNumber(watershed);
  SulfCapac.setText("100");
  Ozone.setText("30");
  // The exchanger is worked out afresh by every run; the rest starts from the preset.
  const WatershedPools preset = WatershedPreset(watershed);
  WatershedPools& kept = pools();
  kept.S = preset.S;
  kept.U = preset.U;
  kept.Wb = preset.Wb;
  kept.K = preset.K;
}

void Ex2cAsk::Command6_Click() {
  HideWithOutput(*this);
}

}  // namespace sylvandra
