#include "exercises/carbon_water/ex13_ask.h"

#include <cmath>
#include <string>
#include <vector>

#include "platform/conversions.h"
#include "platform/portable_math.h"
#include "platform/runtime_failure.h"
#include "plot/graph.h"
#include "plot/output/output_windows.h"
#include "plot/plot_record.h"
#include "plot/series_extremes.h"

namespace sylvandra {
namespace {

// The hours 0..24 as the x values of a graph.
std::vector<double> Hours() {
  std::vector<double> hours;
  for (int h = 0; h <= kWaterFlowLastHour; ++h) hours.push_back(h);
  return hours;
}

// A series of hourly values, every one of them a number that can be shown.
XYGraph::Series HourlySeries(const char* name, const std::vector<double>& values) {
  for (size_t h = 0; h < values.size(); ++h) {
    RequireFinite(values[h], std::string(name) + " at hour " + std::to_string(h));
  }
  return {name, values};
}

std::vector<double> AsVector(const HourValues& values) {
  return {values.begin(), values.end()};
}

}  // namespace

EX13Ask::EX13Ask(Program& program)
    : Window(program, kName, "Water Flow Calculation", {1200, 1020, 6720, 4140}) {
  Font bold = font();
  bold.bold = true;
  struct Caption {
    const char* array;
    const char* text;
    double left, top, width, height;
  };
  // Each caption ends just above its field (fields at tops 1080 and 2400); a line is 195 high.
  const Caption captions[] = {
      {"Label1", "PAR\n(umoles/m2.s)", 240, 660, 1215, 390},
      {"Label1", "Temperature\nMaximum\nC", 1680, 465, 1215, 585},
      {"Label1", "Minimum\nC", 3120, 660, 1215, 390},
      {"Label2", "Osmotic\nPotential", 240, 1980, 1215, 390},
      {"Label3", "Matric\nPotential", 1680, 1980, 1215, 390},
      {"Label2", "Stem\nCapacity\n(mmoles)", 3120, 1785, 1215, 585},
      {"Result", "Total Photsyn.", 4800, 855, 1455, 195},
      {"Result", "Total ET\n(mmoles/m2.day)", 4800, 1980, 1455, 390},
  };
  addLabel("Label1", "Climate", {240, 120, 4095, 255}, 0)
      .setFont(bold)
      .setAlignment(Alignment::Center);
  for (const Caption& c : captions) {
    addLabel(c.array, c.text, {c.left, c.top, c.width, c.height},
             static_cast<int>(array(c.array).size()))
        .setAlignment(Alignment::Center);
  }
  Command3.setVisible(false);

  Command2.onClick = [this] { Command2_Click(); };
  Execute.onClick = [this] { Execute_Click(); };
  Command1.onClick = [this] { Command1_Click(); };
  Command3.onClick = [this] { Command3_Click(); };
}

HourlyClimate EX13Ask::readClimate() const {
  const double tMin = Tmin.number();
  const double tMax = Tmax.number();
  const double parMax = PARMax.number();
  const HourlyClimate climate = DayClimate(parMax, tMax, tMin);
  // Every hour's climate and potential rates must be numbers that can be shown.
  climateGraph(climate);
  return climate;
}

XYGraph EX13Ask::climateGraph(const HourlyClimate& climate) {
  std::vector<double> potentialPsn, potentialET;
  for (int h = 0; h <= kWaterFlowLastHour; ++h) {
    potentialPsn.push_back(PotentialPhotosynthesis(climate.HourPAR[h]));
    potentialET.push_back(PotentialTranspiration(potentialPsn.back(), climate.HourVPD[h]));
  }
  return XYGraph{.mode = "L",
                 .title = "Hour",
                 .xs = Hours(),
                 .series = {HourlySeries("PAR", AsVector(climate.HourPAR)),
                            HourlySeries("Tc", AsVector(climate.HourTemp)),
                            HourlySeries("VPD", AsVector(climate.HourVPD)),
                            HourlySeries("PotPsn", potentialPsn), HourlySeries("PET", potentialET)},
                 .xRange = {{0, kWaterFlowLastHour}},
                 // Each top is the next whole number above the series' highest value.
                 .adjustScales = [](PlotRecord& plot) {
                   for (int i = 1; i <= 5; ++i) plot.PlotMax[i] = Int(plot.PlotMax[i] + 1);
                 }};
}

void EX13Ask::showClimate(const HourlyClimate& climate) {
  const XYGraph graph = climateGraph(climate);
  TotPsn.setText("");
  TotET.setText("");
  GraphSeriesXY(program(), graph);
  program().state<HourlyClimate>() = climate;
}

void EX13Ask::Command2_Click() {
  showClimate(readClimate());
}

void EX13Ask::Execute_Click() {
  const double stemStorage = StemStorage.number();
  const double matricPotential = MatPot.number();
  const HourlyClimate climate = readClimate();
  RequireNonZero(stemStorage, StemStorage);
  const double osmoticPotential = OsmPot.val();
  const WaterFlowDay day =
      RunWaterFlowDay(climate, {.stemStorage = stemStorage,
                                .matricPotential = matricPotential,
                                .osmoticCompared = osmoticPotential,
                                .osmoticLimit = [this] { return OsmPot.number(); }});
  RequireFinite(day.totalPhotosynthesis, TotPsn.label());
  RequireFinite(day.totalTranspiration, TotET.label());

  std::vector<double> xylem, osmotic, aet, limitation, stem, uptake;
  for (const WaterFlowHour& hour : day.hours) {
    xylem.push_back(hour.xylemPotential);
    osmotic.push_back(osmoticPotential);
    aet.push_back(hour.transpiration);
    limitation.push_back(hour.limitation);
    stem.push_back(hour.stemWater);
    uptake.push_back(hour.uptake);
  }
  XYGraph graph{
      .mode = "L",
      .title = "Hour",
      .xs = Hours(),
      .series = {HourlySeries("PAR", AsVector(climate.HourPAR)), HourlySeries("XylP", xylem),
                 HourlySeries("OsmP", osmotic), HourlySeries("VPD", AsVector(climate.HourVPD)),
                 HourlySeries("AET", aet), HourlySeries("DelPsn", limitation),
                 HourlySeries("Stem", stem), HourlySeries("Uptake", uptake)},
      .xRange = {{0, kWaterFlowLastHour}},
      // A series that reaches 0 or above tops at the next whole number; one that
      // stays below 0 gets three times its whole depth as its top. A series that
      // goes below 0 reaches down to the next whole number below its lowest value.
      .adjustScales = [](PlotRecord& plot) {
        for (int i = 1; i <= 8; ++i) {
          if (plot.PlotMax[i] >= 0) {
            plot.PlotMax[i] = Int(plot.PlotMax[i] + 1);
          } else {
            plot.PlotMax[i] = 3 * Int(-plot.PlotMin[i]);
          }
          if (plot.PlotMin[i] < 0) plot.PlotMin[i] = Int(plot.PlotMin[i] - 1);
        }
      }};

  // The climate graph, which the day's graph would replace at once, is not drawn.
  TotPsn.setNumber(day.totalPhotosynthesis);
  TotET.setNumber(day.totalTranspiration);
  GraphSeriesXY(program(), graph);
  program().state<HourlyClimate>() = climate;
}

void EX13Ask::Command1_Click() {
  HideWithOutput(*this);
}

void EX13Ask::Command3_Click() {
  PlotRecord& plot = program().state<PlotRecord>();
  plot.PlotMax[1] = kEmptyRangeMaximum;
  plot.PlotMin[1] = kEmptyRangeMinimum;
  plot.PlotX[1] = 0;
  plot.PlotY[1][1] = 0;
  for (int i = 1; i <= kWaterFlowLastHour; ++i) {
    plot.PlotX[i + 1] = i;
    plot.PlotY[1][i + 1] = Sin(i * 7.5 * 3.1416 / 180);
  }
  // The extremes widen over the first four series, whatever the record holds in the other three;
  // only the sine is drawn.
  for (int s = 1; s <= 4; ++s) {
    for (int t = 1; t <= kWaterFlowHours; ++t) {
      if (plot.PlotY[s][t] > plot.PlotMax[s]) plot.PlotMax[s] = plot.PlotY[s][t];
      if (plot.PlotY[s][t] < plot.PlotMin[s]) plot.PlotMin[s] = plot.PlotY[s][t];
    }
  }
  plot.PlotXMax = kWaterFlowLastHour;
  plot.PlotXMin = 0;
  plot.PlotNSer = 1;
  plot.PlotName[1] = "sine";
  plot.PlotNPts = kWaterFlowHours;
  GraphPlotRecordXY(program(), "L", "Hour");
}

}  // namespace sylvandra
