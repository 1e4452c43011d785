#include "exercises/carbon_water/ex1_ask.h"

#include <cmath>
#include <string>
#include <vector>

#include "platform/conversions.h"
#include "platform/runtime_failure.h"
#include "plot/graph.h"
#include "plot/output/output_windows.h"

namespace sylvandra {
namespace {

// The climate each location fills in, as texts: PAR, Tmin, Tmax, Precip.
struct Location {
  const char* name;
  const char* par;
  const char* tmin;
  const char* tmax;
  const char* precip;
};
constexpr Location kLocations[] = {
    {"Central Oregon", "930", "12.8", "27.2", "19"},
    {"Southern Wisconsin", "860", "15", "26.6", "160"},
    {"New Eng. Mountains", "900", "17.8", "24.7", "390"},
    {"Central Utah", "1000", "9.4", "31.8", "39"},
};

constexpr const char* kRowNames[kCanopyLayers] = {"Layer 1", "Level 2", "Level 3", "Level 4",
                                                  "Level 5"};
constexpr const char* kDefaultSpecies[kCanopyLayers] = {"Maple", "Maple", "Maple", "", ""};

constexpr double kRowTops[kCanopyLayers] = {780, 1260, 1740, 2220, 2700};
constexpr double kSpeciesLeft = 3840;
constexpr double kNetPsnLeft = 5160;
constexpr double kAetLeft = 6360;

std::vector<double> Days(const std::array<double, kCanopyDays + 1>& byDay) {
  return std::vector<double>(byDay.begin() + 1, byDay.end());
}

// Every result is a finite number small enough that the graph's scale tops (up to 1.15 times a
// maximum) stay finite.
bool WithinComputing(const CanopyRun& run) {
  constexpr double kLargest = 1e300;
  const auto within = [](const auto& values) {
    for (double v : values) {
      if (!(std::fabs(v) <= kLargest)) return false;
    }
    return true;
  };
  return within(run.netPsn) && within(run.waterUse) && within(run.water) && within(run.potential) &&
         within(run.drainage) && within(run.rain) && within(run.dayWaterUse) &&
         within(run.dayNetPsn);
}

}  // namespace

Ex1Ask::Ex1Ask(Program& program)
    : Window(program, kName, "Construct the Optimal Canopy", {960, 1020, 7680, 4860}) {
  for (int i = 0; i < 4; ++i) {
    addOption("Site", kLocations[i].name, {480, 420 + 300.0 * i, 2040, 285}, i)
        .setContainer("Frame1");
    Site(i).onClick = [this, i] { Site_Click(i); };
  }

  for (int i = 1; i <= kCanopyLayers; ++i) {
    const double top = kRowTops[i - 1];
    const std::string row = std::string(" (") + kRowNames[i - 1] + ")";
    addTextBox("SP", kDefaultSpecies[i - 1], {kSpeciesLeft, top, 1200, 375}, i)
        .setLabel("Species" + row);
    addTextBox("NP", " ", {kNetPsnLeft, top, 1080, 375}, i)
        .setLabel("Net Psn" + row)
        .setBackColor(kResultYellow);
    addTextBox("AETout", " ", {kAetLeft, top, 1080, 375}, i)
        .setLabel("AET" + row)
        .setBackColor(kResultYellow);
    SP(i).onChange = [this, i] { SP_Change(i); };
    SP(i).onClick = [this, i] { SP_Click(i); };
    SP(i).onGotFocus = [this, i] { SP_GotFocus(i); };
  }
  RandRange.onChange = [this] { RandRange_Change(); };

  // Two caption lines left of each climate field.
  struct Caption {
    const char* first;
    const char* second;
    double left, top, width;
    Alignment alignment;
  };
  const Caption captions[] = {
      {"PAR", "umoles/m2.s", 240, 1965, 1200, Alignment::Right},
      {"Tmax", "C", 240, 2445, 1200, Alignment::Right},
      {"Tmin", "C", 240, 2925, 1200, Alignment::Right},
      {"Precip", "moles/m2.day", 240, 3405, 1200, Alignment::Right},
      {"Random", "Proportion", 240, 3885, 1200, Alignment::Right},
      {"Species", "", kSpeciesLeft, 360, 1200, Alignment::Center},
      {"Net Psn", "(moles/m2)", kNetPsnLeft, 330, 1080, Alignment::Center},
      {"AET", "(moles/m2)", kAetLeft, 330, 1080, Alignment::Center},
  };
  int index = 0;
  for (const Caption& c : captions) {
    addLabel("Label1", c.first, {c.left, c.top, c.width, 210}, index++).setAlignment(c.alignment);
    if (*c.second) {
      addLabel("Label1", c.second, {c.left, c.top + 210, c.width, 210}, index++)
          .setAlignment(c.alignment);
    }
  }
  for (int i = 0; i < kCanopyLayers; ++i) {
    addLabel("Label1", kRowNames[i], {2880, kRowTops[i] + 60, 900, 255}, index++);
  }
  addLabel("Label1", "Totals", {2880, 3360, 900, 255}, index++);

  Command2.onClick = [this] { Command2_Click(); };
  Command1.onClick = [this] { Command1_Click(); };
}

void Ex1Ask::Site_Click(int index) {
  const Location& location = kLocations[index];
  PARin.setText(location.par);
  Tmin.setText(location.tmin);
  Tmax.setText(location.tmax);
  Precip.setText(location.precip);
}

void Ex1Ask::SP_Change(int index) {
  SP(index).setText(CompleteSpeciesName(SP(index).text()));
}

void Ex1Ask::SP_Click(int index) {
  SP(index).setText("");
}

void Ex1Ask::SP_GotFocus(int index) {
  SP(index).setText("");
}

void Ex1Ask::RandRange_Change() {
  if (RandRange.val() > 1) RandRange.setText("1");
  if (RandRange.val() < 0) RandRange.setText("0");
}

void Ex1Ask::Command2_Click() {
  Program& p = program();
  if (PARin.text().empty()) {
    p.MsgBox("Select a Location", 0, "No Climate Data");
    return;
  }
  // The canopy ends at the first empty species field.
  std::vector<int> species;
  for (int i = 1; i <= kCanopyLayers; ++i) {
    if (SP(i).text().empty()) break;
    const int s = CanopySpeciesIndex(SP(i).text());
    if (s == 0) throw SP(i).failure("is not one of the species");
    species.push_back(s);
  }
  if (species.empty()) {
    p.MsgBox("Need Species for Layer 1", 0, "Missing First Layer");
    return;
  }

  const double tmax = Tmax.number();
  const double tmin = Tmin.number();
  const std::string temperatures = Tmax.label() + " " + QuotedText(Tmax.text()) + " and " +
                                   Tmin.label() + " " + QuotedText(Tmin.text());
  const double waterCost = CanopyWaterCost(tmax, tmin);
  if (!std::isfinite(waterCost)) {
    throw RuntimeFailure(temperatures + " give a vapour pressure deficit beyond computing");
  }
  if (waterCost == 0) {
    throw RuntimeFailure(temperatures +
                         " give no vapour pressure deficit: the canopy demands no water, so the "
                         "share of its demand met cannot be computed");
  }
  const double par = PARin.number();
  const std::vector<CanopyLayer> layers = BuildCanopy(par, waterCost, species);
  for (const CanopyLayer& layer : layers) {
    if (!std::isfinite(layer.potential)) {
      throw PARin.failure("gives a light response that divides by zero");
    }
    if (layer.potential == 0) {
      throw PARin.failure(
          "gives no photosynthesis: the canopy demands no water, so the share of its demand "
          "met cannot be computed");
    }
    if (!std::isfinite(layer.demand)) {
      throw RuntimeFailure(temperatures + " give a water demand beyond computing");
    }
  }
  const double proportion = RandRange.val();
  const double precip = Precip.number();
  const CanopyRun run = RunCanopy(layers, precip, proportion, [&p] { return p.Rnd(); });
  if (!WithinComputing(run)) {
    throw RuntimeFailure("This climate (" + PARin.label() + " " + QuotedText(PARin.text()) + ", " +
                         temperatures + ", " + Precip.label() + " " + QuotedText(Precip.text()) +
                         ") drives the soil water beyond computing");
  }

  TotETout.setText("0");
  NPTotal.setText("0");
  for (int i = 1; i <= kCanopyLayers; ++i) {
    NP(i).setNumber(Int(run.netPsn[static_cast<size_t>(i)] + 0.5));
    AETout(i).setNumber(Int(run.waterUse[static_cast<size_t>(i)] + 0.5));
    NPTotal.setNumber(NPTotal.number() + Int(NP(i).number() + 0.5));
    TotETout.setNumber(TotETout.number() + Int(run.waterUse[static_cast<size_t>(i)] + 0.5));
  }

  std::vector<double> days;
  for (int d = 1; d <= kCanopyDays; ++d) days.push_back(d);
  GraphSeriesXY(p, {.mode = "L",
                    .title = "Day",
                    .xs = days,
                    .series = {{"Water", Days(run.water)},
                               {"MatPot", Days(run.potential)},
                               {"Drain", Days(run.drainage)},
                               {"Precip", Days(run.rain)},
                               {"AET", Days(run.dayWaterUse)},
                               {"TotPsn", Days(run.dayNetPsn)}},
                    .xRange = {{0, kCanopyDays}},
                    .adjustScales = [](PlotRecord& plot) {
                      // Whole-number tops with room above the curves; the net
                      // photosynthesis keeps its own top.
                      for (int s = 1; s <= 5; ++s) plot.PlotMax[s] = Int(plot.PlotMax[s] + 1);
                      plot.PlotMax[1] *= 1.15;
                      plot.PlotMax[4] *= 1.05;
                      plot.PlotMax[5] *= 1.1;
                    }});
}

void Ex1Ask::Command1_Click() {
  HideWithOutput(*this);
}

}  // namespace sylvandra
