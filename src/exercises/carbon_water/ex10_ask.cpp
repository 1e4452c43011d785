#include "exercises/carbon_water/ex10_ask.h"

#include <string>
#include <vector>

#include "exercises/carbon_water/carbon_balance_model.h"
#include "plot/graph.h"
#include "plot/output/output_windows.h"

namespace sylvandra {
namespace {

constexpr int kHours = 24;

// The measured day: PAR (umoles/m2/sec), air temperature (C), net carbon exchange
// (umoles/m2/sec), hour 1 to 24.
struct HourRow {
  const char* par;
  const char* temperature;
  const char* netExchange;
};
constexpr HourRow kMeasuredDay[kHours] = {
    {"0", "20.2", "-2.6"},    {"0", "19.7", "-4.3"},    {"0", "19.8", "-2"},
    {"1", "19.8", "-2.3"},    {"15", "20", "-0.6"},     {"104", "20.2", "0"},
    {"272", "20.6", "0.7"},   {"579", "21.3", "12.3"},  {"1095", "23.4", "17.8"},
    {"1434", "26", "20.7"},   {"1610", "27.6", "25.9"}, {"1611", "28.8", "23.2"},
    {"1365", "29.5", "16.6"}, {"999", "29.7", "12.8"},  {"1354", "28.2", "14.2"},
    {"468", "28.6", "9.4"},   {"143", "25", "-1.2"},    {"260", "24.6", "3.7"},
    {"115", "24.4", "5.5"},   {"18", "23.4", "0.1"},    {"2", "22.6", "-1.2"},
    {"2", "22.3", "2.6"},     {"2", "22.1", "-4.2"},    {"2", "21.9", "2.7"},
};

}  // namespace

Ex10Ask::Ex10Ask(Program& program)
    : Window(program, kName, "Net and Gross Carbon Balances", {0, 1020, 6000, 7440}) {
  // Header words over their columns; the hours one to a line, level with their rows (240 apart).
  Label1.setFont(Font::face("MS Sans Serif", 9));
  Label2.setFont(Font::face("MS Sans Serif", 10.5));
  for (int r = 0; r < kHours; ++r) {
    const double top = 960 + 240 * r;
    const std::string hour = " (hour " + std::to_string(r + 1) + ")";
    addTextBox("PAR", kMeasuredDay[r].par, {960, top, 735, 285}, r).setLabel("PAR" + hour);
    addTextBox("TC", kMeasuredDay[r].temperature, {1680, top, 735, 285}, r).setLabel("Temp" + hour);
    addTextBox("NEE", kMeasuredDay[r].netExchange, {2400, top, 735, 285}, r).setLabel("NCE" + hour);
    addTextBox("GCE", "", {3120, top, 735, 285}, r)
        .setLabel("GCE" + hour)
        .setBackColor(kResultYellow);
  }
  CalcGCE.onClick = [this] { CalcGCE_Click(); };
  GraphGCE.onClick = [this] { GraphGCE_Click(); };
  GraphNCE.onClick = [this] { GraphNCE_Click(); };
  GraphhAll.onClick = [this] { GraphhAll_Click(); };
  Return.onClick = [this] { Return_Click(); };
}

void Ex10Ask::Form_Load() {
  for (int r = 0; r < kHours; ++r) GCE(r).setText(" ");
}

void Ex10Ask::CalcGCE_Click() {
  for (int r = 0; r < kHours; ++r) {
    const double darkRespiration = DarkResp.val();
    GCE(r).setNumber(GrossCarbonExchange(NEE(r).val(), darkRespiration));
  }
}

std::vector<double> Ex10Ask::columnValues(const ControlArray& column) const {
  std::vector<double> values;
  for (int r = 0; r < kHours; ++r) values.push_back(column(r).val());
  return values;
}

void Ex10Ask::graphVersusPar(const ControlArray& column, const char* name) {
  GraphSeriesXY(program(), {.mode = "P",
                            .title = "PAR",
                            .xs = columnValues(PAR),
                            .series = {{name, columnValues(column)}}});
}

void Ex10Ask::GraphGCE_Click() {
  graphVersusPar(GCE, "GCE");
}

void Ex10Ask::GraphNCE_Click() {
  graphVersusPar(NEE, "NCE");
}

void Ex10Ask::GraphhAll_Click() {
  std::vector<double> hours;
  for (int t = 1; t <= kHours; ++t) hours.push_back(t);
  // The two carbon series on one scale, so that their heights compare directly.
  GraphSeriesXY(program(), {.mode = "L",
                            .title = "Hour",
                            .xs = hours,
                            .series = {{"PAR", columnValues(PAR)},
                                       {"Tc", columnValues(TC)},
                                       {"NCE", columnValues(NEE)},
                                       {"GCE", columnValues(GCE)}},
                            .xRange = {{0, kHours}},
                            .sharedMaxima = {{3, 4}}});
}

void Ex10Ask::Return_Click() {
  HideWithOutput(*this);
}

}  // namespace sylvandra
