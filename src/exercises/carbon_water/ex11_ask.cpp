#include "exercises/carbon_water/ex11_ask.h"

#include <string>
#include <vector>

#include "plot/graph.h"
#include "plot/output/output_windows.h"

namespace sylvandra {
namespace {

constexpr int kYears = 3;
constexpr int kMonths = 36;
constexpr const char* kYearNames[kYears] = {"1971", "1972", "1973"};
constexpr const char* kMonthNames[12] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                         "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

// Measured monthly precipitation and runoff of the watershed, mm per month, January 1971 to
// December 1973.
constexpr const char* kPrecipitation[kMonths] = {
    "89",  "136", "107", "57",  "120", "70",  "151", "123", "75",  "108", "114", "119",
    "77",  "83",  "180", "93",  "87",  "129", "158", "167", "48",  "94",  "176", "201",
    "121", "75",  "97",  "118", "181", "373", "87",  "115", "142", "99",  "129", "287"};
constexpr const char* kRunoff[kMonths] = {
    "23", "36", "33",  "267", "202", "11",  "8",  "15", "10", "41", "22",  "49",
    "33", "22", "99",  "213", "219", "56",  "60", "48", "8",  "28", "101", "61",
    "97", "84", "205", "138", "143", "277", "74", "11", "29", "42", "98",  "272"};
// Nitrogen concentrations, ug/L, in precipitation and in runoff, by year.
constexpr const char* kNitrogenInPrecipitation[kYears] = {"700", "532", "406"};
constexpr const char* kNitrogenInRunoff[kYears] = {"532", "518", "448"};

constexpr double kPrecipitationTops[kYears] = {840, 2040, 3120};
constexpr double kRunoffTops[kYears] = {1200, 2400, 3480};
constexpr double kYearLefts[kYears] = {1320, 1920, 2520};

}  // namespace

EX11Ask::EX11Ask(Program& program)
    : Window(program, kName, "Water and Nutrient Balances", {120, 1020, 5520, 7020}) {
  // Month and year names over their columns; the row captions 180 apart, two lines to a row.
  Label1.setFont(Font::face("MS Sans Serif", 9));
  Label2.setFont(Font::face("MS Sans Serif", 7.5));
  Label3.setFont(Font::face("MS Sans Serif", 9.75));
  for (int i = 0; i < kMonths; ++i) {
    const int year = i / 12;
    const int month = i % 12;
    const double left = 840 + 360 * month;
    const std::string when = std::string(" (") + kMonthNames[month] + " " + kYearNames[year] + ")";
    addTextBox("Prec1", kPrecipitation[i], {left, kPrecipitationTops[year], 375, 375}, i)
        .setLabel("Precip" + when);
    addTextBox("Runoff1", kRunoff[i], {left, kRunoffTops[year], 375, 375}, i)
        .setLabel("Runoff" + when);
  }
  for (int y = 0; y < kYears; ++y) {
    const std::string when = std::string(" (") + kYearNames[y] + ")";
    addTextBox("TotPrec", "", {kYearLefts[y], 4320, 555, 375}, y)
        .setLabel("Precip total" + when)
        .setBackColor(kResultYellow);
    addTextBox("TotRunoff", "", {kYearLefts[y], 4680, 555, 375}, y)
        .setLabel("Runoff total" + when)
        .setBackColor(kResultYellow);
    addTextBox("NInCon", kNitrogenInPrecipitation[y], {kYearLefts[y], 5640, 555, 375}, y)
        .setLabel("N Conc in precip" + when);
    addTextBox("NConc", kNitrogenInRunoff[y], {kYearLefts[y], 6000, 555, 375}, y)
        .setLabel("N Conc in runoff" + when);
  }
  CalcTots.onClick = [this] { CalcTots_Click(); };
  GraphAll.onClick = [this] { GraphAll_Click(); };
  Return.onClick = [this] { Return_Click(); };
}

void EX11Ask::CalcTots_Click() {
  // The concentrations are for the worksheet, but they are the student's numbers all the same.
  for (int y = 0; y < kYears; ++y) RequireNumbers({&NInCon(y), &NConc(y)});
  for (int y = 0; y < kYears; ++y) {
    TotPrec(y).setText("0");
    TotRunoff(y).setText("0");
  }
  // The running totals live in the boxes themselves, written back after every month.
  for (int i = 0; i < kMonths; ++i) {
    const int y = i / 12;
    TotPrec(y).setNumber(Prec1(i).val() + TotPrec(y).number());
    TotRunoff(y).setNumber(Runoff1(i).val() + TotRunoff(y).number());
  }
}

void EX11Ask::GraphAll_Click() {
  std::vector<double> months, precipitation, runoff;
  for (int i = 0; i < kMonths; ++i) {
    months.push_back(i + 1);
    precipitation.push_back(Prec1(i).val());
    runoff.push_back(Runoff1(i).val());
  }
  // Precipitation and runoff on one scale, so that their heights compare directly.
  GraphSeriesXY(program(), {.mode = "L",
                            .title = "Month",
                            .xs = months,
                            .series = {{"Precip", precipitation}, {"Runoff", runoff}},
                            .xRange = {{0, kMonths}},
                            .sharedMaxima = {{1, 2}}});
}

void EX11Ask::Return_Click() {
  HideWithOutput(*this);
}

}  // namespace sylvandra
