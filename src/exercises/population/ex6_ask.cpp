#include "exercises/population/ex6_ask.h"

#include <array>
#include <cmath>
#include <string>

#include "exercises/population/fire_model.h"
#include "exercises/population/map_colours.h"
#include "platform/color.h"
#include "platform/conversions.h"
#include "platform/frame_pacer.h"
#include "plot/output/output_windows.h"
#include "plot/utils.h"

namespace sylvandra {
namespace {

constexpr double kMaxYearsPerRun = 10000;

// Where the two maps and their histograms lie on the output window (twips).
constexpr double kMapLeft = 100;
constexpr double kPixelSize = 150;
constexpr double kFuelTitleY = 200;
constexpr double kUnderstoryTitleY = 3600;
constexpr double kFuelBarBase = 2800;
constexpr double kUnderstoryBarBase = 6600;

// The output window while it shows the maps, and as Return leaves it.
constexpr Rect kMapsGeometry{135, 1800, 10300, 7400};

}  // namespace

Ex6Ask::Ex6Ask(Program& program)
    : Window(program, kName, "Manage Fire in the Giant Sequoias", {10560, 1020, 3600, 6000}) {
  Font bold = font();
  bold.bold = true;
  Label5.setFont(bold);
  NoManage.setValue(1);
  ManageRandom.setValue(1);
  showDetail(false);

  Command1.onClick = [this] { Command1_Click(); };
  Command2.onClick = [this] { Command2_Click(); };
  Command3.onClick = [this] { Command3_Click(); };
  NoManage.onClick = [this] { NoManage_Click(); };
  FireSuppress.onClick = [this] { FireSuppress_Click(); };
  PrescribedBurn.onClick = [this] { PrescribedBurn_Click(); };
  UnderHarvest.onClick = [this] { UnderHarvest_Click(); };
  ManageHigh.onClick = [this] { ManageHigh_Click(); };
  ManageRandom.onClick = [this] { ManageRandom_Click(); };
}

SequoiaGrove& Ex6Ask::grove() {
  return program().state<SequoiaGrove>();
}

void Ex6Ask::enteredFromChapter(int /*chapterIndex*/) {
  // Entering always opens the window, also over a Begin Year the Restart button refuses, so that
  // the student can mend it there; the maps then show the year the grove starts in.
  std::string yearShown = "1880";
  try {
    yearShown = beginYearText();
  } catch (const RuntimeFailure&) {
  }
  restartGrove(yearShown);
}

std::string Ex6Ask::beginYearText() const {
  RequireWholeNumber(BeginYear.number(), BeginYear);
  return BeginYear.text();
}

void Ex6Ask::showDetail(bool shown) {
  for (Control* control : {&Label6, &ManageHigh, &ManageRandom, &NumPixManage}) {
    control->setVisible(shown);
  }
}

void Ex6Ask::NoManage_Click() {
  grove().FireInterval = 15;
  grove().ManagementMode = kNoManagement;
  showDetail(false);
}

void Ex6Ask::FireSuppress_Click() {
  grove().FireInterval = 150;
  grove().ManagementMode = kNoManagement;
  showDetail(false);
}

void Ex6Ask::PrescribedBurn_Click() {
  grove().FireInterval = 10;
  grove().ManagementMode = kPrescribedBurn;
  showDetail(true);
}

void Ex6Ask::UnderHarvest_Click() {
  grove().FireInterval = 10;
  grove().ManagementMode = kUnderstoryHarvest;
  showDetail(true);
}

void Ex6Ask::ManageHigh_Click() {
  if (ManageHigh.value() == 1) ManageRandom.setValue(0);
}

void Ex6Ask::ManageRandom_Click() {
  if (ManageRandom.value() == 1) ManageHigh.setValue(0);
}

void Ex6Ask::Command2_Click() {
  restartGrove(beginYearText());
}

void Ex6Ask::restartGrove(const std::string& yearShown) {
  if (NoManage.value() == 0) {
    NoManage.setValue(1);
    NoManage_Click();
  }
  CurrentYear.setText("1880");
  RunToYear.setText("1900");
  program().Randomize(100);
  InitialiseGrove(grove(), [this] { return program().Rnd(); });

  Surface& out = program().form<outpt>().surface();
  out.Cls();
  DrawFireMaps();
  out.CurrentX = 7000;
  out.CurrentY = 3200;
  out.Print("Year = " + yearShown);
}

void Ex6Ask::Command1_Click() {
  const double currentYear = RequireWholeNumber(CurrentYear.number(), CurrentYear);
  const double firstYear = currentYear + 1;
  // Running to the current year redraws the maps; an earlier year cannot be run to.
  const double lastYear = RequireWholeNumber(RunToYear.number(), RunToYear, currentYear);
  // Beyond 2^53 adding a year leaves the count where it was: the run would never end.
  if (firstYear <= lastYear && firstYear + 1 == firstYear) {
    throw CurrentYear.failure("is too large to count years from");
  }
  // A run of a million years would hold the program (and, with flames shown, the screen) for
  // hours; one Execute covers at most kMaxYearsPerRun years.
  if (firstYear <= lastYear && lastYear - firstYear + 1 > kMaxYearsPerRun) {
    throw RunToYear.failure("must be at most 10000 years after the Current Year");
  }
  SequoiaGrove& g = grove();
  const bool managing =
      g.ManagementMode == kPrescribedBurn || g.ManagementMode == kUnderstoryHarvest;
  const bool highest = ManageHigh.value() == 1;
  double pixels = 0;
  int rank = 0;
  if (managing) {
    pixels = NumPixManage.number();
    if (highest) {
      // The list of highest values holds 100 entries.
      const double rounded = std::nearbyint(pixels);
      if (!(rounded >= 0 && rounded <= 100)) {
        throw NumPixManage.failure("must be a number of pixels from 0 to 100");
      }
      rank = static_cast<int>(rounded);
    }
  }

  const RandomDraw rnd = [this] { return program().Rnd(); };
  const FlameMark flame = [this](int row, int column, int kind) { DrawFlames(row, column, kind); };
  // Each year's flames are shown for one frame, and the Current Year field follows the run. A
  // stop asked for by the student ends the run with the year just done.
  FramePacer pacer(program());
  const int flamesPerFrame = program().host().showsFrames() ? kFlamesPerFrame : 0;
  flamesLeftInFrame_ = flamesPerFrame;
  std::string reachedYear = RunToYear.text();
  for (double year = firstYear; year <= lastYear; year += 1) {
    GrowGrove(g);
    ClearFireState(g);
    if (managing) {
      const GroveGrid<double>& managed =
          g.ManagementMode == kPrescribedBurn ? g.FuelLoad : g.UnderstoryBiomass;
      ApplyManagement(g, highest ? HighestPixels(managed, rank) : RandomPixels(pixels, rnd));
    }
    IgniteGrove(g, rnd);
    BurnGrove(g, rnd, flame);

    CurrentYear.setText(PlainText(year));
    if (NoGraphic.value() == 1) {
      pacer.refreshWhenDue();
    } else {
      pacer.showFrame();
    }
    flamesLeftInFrame_ = flamesPerFrame;
    if (year + 1 <= lastYear && pacer.stopRequested()) {
      reachedYear = PlainText(year);
      break;
    }
  }
  flamesLeftInFrame_ = kFlamesPerFrame;

  Surface& out = program().form<outpt>().surface();
  out.Cls();
  DrawFireMaps();
  out.CurrentX = 7000;
  out.CurrentY = 3200;
  out.Print("Year = " + reachedYear);
  CurrentYear.setText(reachedYear);
  out.CurrentX = 7000;
  out.CurrentY = 3400;
  out.Print("Number of Lost Pixels = " + PrintText(g.LostPixels));
}

void Ex6Ask::Command3_Click() {
  HideWithOutputAtUsualSize(*this);
}

void Ex6Ask::DrawFireMaps() {
  outpt& window = program().form<outpt>();
  window.setVisible(true);
  window.setRect(kMapsGeometry);
  Surface& out = window.surface();
  out.Cls();

  auto& colour = program().state<MapColours>().ClassColour;
  for (int k = 0; k <= 5; ++k) colour[static_cast<size_t>(k)] = k;
  std::array<double, 6> fuelShare{};
  std::array<double, 6> understoryShare{};

  const SequoiaGrove& g = grove();
  auto drawMap = [&](const GroveGrid<double>& values, double classWidth,
                     std::array<double, 6>& share) {
    for (int i = 1; i <= kGroveRows; ++i) {
      out.CurrentX = kMapLeft;
      const double y = out.CurrentY;
      for (int j = 1; j <= kGroveColumns; ++j) {
        const int c = FireMapClass(values[i][j], classWidth);
        share[static_cast<size_t>(c)] += 1;
        const double x = out.CurrentX;
        out.box(x, y, x + kPixelSize, y + kPixelSize, QBColor(colour[static_cast<size_t>(c)]),
                true);
      }
    }
  };
  out.CurrentX = kMapLeft;
  out.CurrentY = kFuelTitleY;
  out.Print("Fuel Load");
  drawMap(g.FuelLoad, 31, fuelShare);
  out.CurrentY = kUnderstoryTitleY;
  out.CurrentX = kMapLeft;
  out.Print("Understory Biomass");
  drawMap(g.UnderstoryBiomass, 41, understoryShare);

  for (size_t k = 1; k <= 5; ++k) {
    fuelShare[k] /= kGrovePixels;
    understoryShare[k] /= kGrovePixels;
  }

  auto histogram = [&](const std::array<double, 6>& share, double base, double legendY,
                       const char* legend) {
    for (size_t k = 1; k <= 5; ++k) {
      const double x = 6800 + 600 * static_cast<double>(k - 1);
      const double top = base - 2000 * share[k];
      out.box(x, base, x + 600, top, QBColor(colour[k]), true);
      out.CurrentX = x + 100;
      out.CurrentY = top - 250;
      out.Print(Fmt5(Int(100 * share[k])));
    }
    out.CurrentX = 6700;
    out.CurrentY = legendY;
    out.Print(legend);
  };
  histogram(fuelShare, kFuelBarBase, 3000, "  0-30   30-60   60-90  90-120  120+");
  histogram(understoryShare, kUnderstoryBarBase, 6800, "  0-40   40-80  80-120 120-160 160+");
}

void Ex6Ask::DrawFlames(int row, int column, int kind) {
  Surface& out = program().form<outpt>().surface();
  if (NoGraphic.value() == 1) {
    out.AutoRedraw = true;
    return;
  }
  out.AutoRedraw = false;
  // The map rows start one printed line below each map's title.
  const double x0 = kMapLeft + (column - 1) * kPixelSize;
  const double y1 = kFuelTitleY + out.TextHeight() + (row - 1) * kPixelSize;
  const double y2 = kUnderstoryTitleY + out.TextHeight() + (row - 1) * kPixelSize;
  const bool shown = flamesLeftInFrame_ > 0;
  if (shown) --flamesLeftInFrame_;
  int c = 0;
  for (int n = 0; n < 200; ++n) {
    const double fuelY = y1 + Single(program().Rnd() * 140);
    const double understoryY = y2 + Single(program().Rnd() * 140);
    const double x = x0 + Single(program().Rnd() * 140);
    c = kind == kCrownFire ? 15 : (c == 6 ? 4 : 6);
    if (!shown) continue;
    out.box(x, fuelY, x + 10, fuelY + 10, QBColor(c), true);
    out.box(x, understoryY, x + 10, understoryY + 10, QBColor(c), true);
  }
  out.AutoRedraw = true;
}

}  // namespace sylvandra
