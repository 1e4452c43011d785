#include "exercises/population/ex14a_ask.h"

#include <string>

#include "exercises/population/species_maps.h"
#include "plot/output/output_windows.h"

namespace sylvandra {

Ex14aAsk::Ex14aAsk(Program& program)
    : Window(program, kName, "Species-Area Curves", {135, 600, 7695, 615}) {
  for (int i = 0; i < kSamplePlots; ++i) {
    addOption("Option1", std::to_string(i + 1), {1680 + 480.0 * i, 180, 435, 255}, i);
  }
  Command1.onClick = [this] { Command1_Click(); };
  Command2.onClick = [this] { Command2_Click(); };
  Command3.onClick = [this] { Command3_Click(); };
}

void Ex14aAsk::enteredFromChapter([[maybe_unused]] int chapterIndex) {
  program().form<outpt>().setVisible(false);
  int mode = 1;
  SpeciesMaps(program(), mode);
}

// Return: the output window hidden and back at its usual place and size.
void Ex14aAsk::Command1_Click() {
  HideWithOutputAtUsualSize(*this);
}

// Add Plot: the next sample after those the selected button counts.
void Ex14aAsk::Command2_Click() {
  int selected = -1;
  for (int i = 0; i < kSamplePlots; ++i) {
    if (Option1(i).value() != 0) selected = i;
  }
  if (selected == kSamplePlots - 1) return;
  int mode = selected + 3;
  SpeciesMaps(program(), mode);
  Option1(selected + 1).setValue(1);
}

// Full Maps: both whole maps, without the samples.
void Ex14aAsk::Command3_Click() {
  int mode = 0;
  SpeciesMaps(program(), mode);
}

}  // namespace sylvandra
