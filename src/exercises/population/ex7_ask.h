// Species strategies in northern hardwoods: the student edits the five traits of five species
// and switches on fire, a hurricane or windthrow gaps, then follows the stand of stand_model.h
// year by year. Every print interval the output window shows colour maps of both layers with
// bar charts of the species shares, and the run pauses in a "Continue Simulation" box (an
// answer of S stops it after that year).
//
// Layout: the species table (a row per species, a column per trait) at the top; under it the
// disturbance scenario on the left, the run length and print interval on the right, and the
// Execute and Return buttons below those.
#pragma once

#include <initializer_list>

#include "platform/program.h"
#include "platform/window.h"

namespace sylvandra {

struct SpeciesTraits;

class EX7Ask : public Window {
 public:
  static constexpr const char* kName = "EX7Ask";
  explicit EX7Ask(Program& program);

  void Command1_Click();  // Execute
  void Return_Click();

  // Both layers with their species bars, from the stand, on the output window.
  void DrawStandMaps();

  // Species traits, indexed 1..5 by species.
  ControlArray& longev = speciesColumn("longev", "Longevity", {40, 50, 90, 150, 200}, 1440);
  ControlArray& tol = speciesColumn("tol", "Shade Toler.", {1, 1, 3, 4, 5}, 2520);
  ControlArray& sdisp = speciesColumn("sdisp", "Seed Dispersal", {1, 11, 5, 3, 1}, 3600);
  ControlArray& slong = speciesColumn("slong", "Seed Longevity", {100, 0, 0, 0, 0}, 4680);
  ControlArray& sprout = speciesColumn("sprout", "Sprout", {0, 1, 0, 0, 1}, 5760);

  // Disturbance scenario and run.
  Control& fireyear = addTextBox("fireyear", "0", {1680, 3510, 960, 315}).setLabel("Fire");
  Control& hurricyear = addTextBox("hurricyear", "0", {1680, 3900, 960, 315}).setLabel("Hurricane");
  Control& gapfreq = addTextBox("gapfreq", "0", {1680, 4290, 960, 315}).setLabel("Windthrow Gap");
  Control& nyr = addTextBox("nyr", "50", {5760, 3510, 960, 315}).setLabel("Number of years");
  Control& nprint =
      addTextBox("nprint", "1", {5760, 3900, 960, 315}).setLabel("Print Interval (yrs)");

  Control& Command1 = addButton("Command1", "Execute", {3840, 4500, 1320, 375});
  Control& Return = addButton("Return", "Return", {5400, 4500, 1320, 375});

  // Species names (1..5), the two headings, the trait and scenario captions.
  ControlArray& Label2 = array("Label2");
  ControlArray& Label1 = array("Label1");
  ControlArray& Label3 = array("Label3");

 private:
  // A column of five trait fields (species 1..5) under its heading.
  ControlArray& speciesColumn(const char* name, const char* heading,
                              std::initializer_list<int> defaults, double left);
  // The traits as the fields give them; a longevity of 0 is refused.
  SpeciesTraits readTraits() const;
};

}  // namespace sylvandra
