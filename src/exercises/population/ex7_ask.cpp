#include "exercises/population/ex7_ask.h"

#include <array>
#include <string>

#include "exercises/population/map_colours.h"
#include "exercises/population/stand_model.h"
#include "platform/color.h"
#include "platform/conversions.h"
#include "platform/frame_pacer.h"
#include "plot/output/output_windows.h"
#include "plot/utils.h"

namespace sylvandra {
namespace {

const std::array<const char*, kStandSpecies + 1> kSpeciesNames = {"",         "P. Cherry", "Aspen",
                                                                  "Y. Birch", "S. Maple",  "Beech"};

double RowTop(int species) {
  return 720 + 390 * (species - 1);
}

// The output window while it shows the maps, and as Return leaves it.
// The longest run one Execute makes.
constexpr double kMaxYears = 10000;

constexpr double kMapsLeft = 135, kMapsWidth = 10000, kMapsHeight = 7400;

}  // namespace

ControlArray& EX7Ask::speciesColumn(const char* name, const char* heading,
                                    std::initializer_list<int> defaults, double left) {
  ControlArray& headings = array("Label3");
  addLabel("Label3", heading, {left - 60, 240, 1080, 435}, static_cast<int>(headings.size()))
      .setAlignment(Alignment::Center);
  int species = 1;
  for (int value : defaults) {
    addTextBox(name, std::to_string(value), {left, RowTop(species), 960, 315}, species)
        .setLabel(std::string(kSpeciesNames[static_cast<size_t>(species)]) + " " + heading);
    ++species;
  }
  return array(name);
}

EX7Ask::EX7Ask(Program& program)
    : Window(program, kName, "Species and Scenario Parameters", {1200, 1020, 6960, 5160}) {
  Font bold = font();
  bold.bold = true;
  addLabel("Label1", "Species", {120, 420, 1200, 255}, 0).setFont(bold);
  addLabel("Label1", "Disturbance Scenario", {120, 2820, 3000, 255}, 1).setFont(bold);
  for (int s = 1; s <= kStandSpecies; ++s) {
    addLabel("Label2", kSpeciesNames[static_cast<size_t>(s)], {120, RowTop(s) + 30, 1200, 255}, s);
  }
  constexpr double kLine = 255;
  addCaptions("Label3", {{"Disturbance Type", {120, 3180, 1500, kLine}},
                         {"Frequency or Year", {1560, 3180, 1560, kLine}},
                         {"Fire", {120, 3540, 1500, kLine}},
                         {"Hurricane", {120, 3930, 1500, kLine}},
                         {"Windthrow Gap", {120, 4320, 1500, kLine}},
                         {"Number of years", {3600, 3540, 2040, kLine}},
                         {"Print Interval (yrs)", {3600, 3930, 2040, kLine}}});

  Command1.onClick = [this] { Command1_Click(); };
  Return.onClick = [this] { Return_Click(); };
}

SpeciesTraits EX7Ask::readTraits() const {
  SpeciesTraits traits;
  for (int s = 1; s <= kStandSpecies; ++s) {
    const auto k = static_cast<size_t>(s);
    traits.longevity[k] = longev(s).val();
    // Survival and recruitment divide by the longevity.
    if (traits.longevity[k] == 0) throw longev(s).failure("must be a number of years other than 0");
    traits.tolerance[k] = tol(s).text();
    traits.toleranceNumber[k] = tol(s).val();
    traits.dispersal[k] = sdisp(s).val();
    traits.seedLongevity[k] = slong(s).val();
    traits.sprout[k] = sprout(s).val();
  }
  return traits;
}

void EX7Ask::Command1_Click() {
  const SpeciesTraits traits = readTraits();
  const double years = nyr.val();
  // A run of a million years would hold the program for hours between two pauses.
  if (years > kMaxYears) throw nyr.failure("must be at most 10000");
  // 0 years shows the first stand only.
  RequireWholeNumber(years, nyr, 0);
  const double interval = nprint.val();
  if (interval == 0) throw nprint.failure("must be a number of years other than 0");
  RequireWholeNumber(interval, nprint, 1);
  const double gap = gapfreq.val();
  // A year of 0 means none; a year that is not whole would never come.
  const double hurricane = RequireWholeNumber(hurricyear.val(), hurricyear, 0);
  const double fire = RequireWholeNumber(fireyear.val(), fireyear, 0);

  HardwoodStand& stand = program().state<HardwoodStand>();
  const StandDraw rnd = [this] { return program().Rnd(); };
  program().Randomize(100);
  InitialiseStand(stand, rnd);
  DrawStandMaps();

  Surface& out = program().form<outpt>().surface();
  const auto showYear = [&](double y) {
    DrawStandMaps();
    out.CurrentX = 6700;
    out.CurrentY = 3500;
    out.Print("Year = " + Fmt5(y));
  };
  // Between two pauses the desktop stays responsive; a stop the student asks for there ends
  // the run after the current year, its stand on the maps, without the end prompt.
  FramePacer pacer(program());
  bool stopped = false;
  for (double y = 1; y <= years; y += 1) {
    KillTrees(stand, traits, rnd);
    OpenWindthrowGaps(stand, gap, rnd);
    if (hurricane == y) HurricaneBlowdown(stand, rnd);
    if (fire == y) BurnStand(stand);
    RainSeeds(stand, traits);
    Regenerate(stand, traits);
    SproutTrees(stand, traits, rnd);
    RecruitToCanopy(stand, traits, rnd);

    const bool pause = y == Int(y / interval) * interval;
    if (pause) {
      showYear(y);
      const std::string answer = program().InputBox(
          "Hit 'Return' to Continue, 'S' and 'Return' to stop", "Continue Simulation", "0");
      if (answer == "s" || answer == "S") y = years;
    }
    pacer.refreshWhenDue();
    if (y < years && pacer.stopRequested()) {
      if (!pause) showYear(y);
      stopped = true;
      break;
    }
  }
  if (stopped) {
    program().form<outpt>().setVisible(false);
    return;
  }
  program().InputBox("Hit Return to End", "End Simulation", "0");
  // The final maps, the result of the whole run, stay on the output window until Return.
}

void EX7Ask::Return_Click() {
  HideWithOutputAtUsualSize(*this);
}

void EX7Ask::DrawStandMaps() {
  outpt& window = program().form<outpt>();
  window.setVisible(true);
  window.setRect({kMapsLeft, window.top(), kMapsWidth, kMapsHeight});
  Surface& out = window.surface();
  out.Cls();

  auto& colour = program().state<MapColours>().ClassColour;
  for (int k = 0; k <= kStandSpecies; ++k) colour[static_cast<size_t>(k)] = k;
  std::array<double, kStandSpecies + 1> overShare{};
  std::array<double, kStandSpecies + 1> underShare{};

  const HardwoodStand& stand = program().state<HardwoodStand>();
  auto drawLayer = [&](const StandGrid<int>& grid, std::array<double, kStandSpecies + 1>& tally) {
    for (int i = 1; i <= kStandRows; ++i) {
      out.CurrentX = 100;
      const double y0 = out.CurrentY;
      for (int j = 1; j <= kStandColumns; ++j) {
        const auto code = static_cast<size_t>(grid[i][j]);
        tally[code] += 1;
        const double x = out.CurrentX;
        out.box(x, y0, x + 150, y0 + 150, QBColor(colour[code]), true);
      }
    }
  };
  out.CurrentX = 100;
  out.CurrentY = 200;
  out.Print("OVERSTORY");
  drawLayer(stand.OverstoryGrid, overShare);
  out.CurrentY = 3600;
  out.CurrentX = 100;
  out.Print("UNDERSTORY");
  drawLayer(stand.UnderstoryGrid, underShare);

  for (size_t s = 1; s <= kStandSpecies; ++s) {
    overShare[s] /= kStandCells;
    underShare[s] /= kStandCells;
  }
  auto bars = [&](const std::array<double, kStandSpecies + 1>& share, double base, double legendY) {
    for (size_t s = 1; s <= kStandSpecies; ++s) {
      const double x = 6800 + 600 * static_cast<double>(s - 1);
      const double top = base - share[s] * 2000;
      out.box(x, base, x + 600, top, QBColor(colour[s]), true);
      out.CurrentX = x + 100;
      out.CurrentY = top - 250;
      out.Print(Fmt5(Int(share[s] * 100 + 0.5)));
    }
    out.CurrentX = 6700;
    out.CurrentY = legendY;
    out.Print(" Cherry  Aspen  Birch  Maple  Beech");
  };
  bars(overShare, 1900, 2100);
  bars(underShare, 5700, 5900);
}

}  // namespace sylvandra
