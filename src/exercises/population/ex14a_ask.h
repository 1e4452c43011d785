// Species-area curves: two random vegetation maps on the output window, on which the student
// places up to five sample plots one at a time and counts the species in a growing sampled area
// by hand. The window holds the number of samples drawn so far and the buttons; the maps and
// their drawing are in species_maps.h.
//
// Layout: one row: the sample count caption and its five option buttons, then "Add Plot",
// "Full Maps" and "Return".
#pragma once

#include "platform/program.h"
#include "platform/window.h"

namespace sylvandra {

// The output window's place and size while the maps are in use, large enough for both maps and
// the legend.
inline constexpr Rect kSpeciesMapsOutputRect{135, 1900, 10300, 7400};

class Ex14aAsk : public Window {
 public:
  static constexpr const char* kName = "Ex14aAsk";
  explicit Ex14aAsk(Program& program);

  // New maps and the first sample plot, the output window shown large.
  void enteredFromChapter(int chapterIndex) override;

  void Command1_Click();
  void Command2_Click();
  void Command3_Click();

  Control& Label1 = addLabel("Label1", "Number of Samples ", {120, 180, 1575, 255});
  // Option1(i) is selected when i + 1 samples are on the maps; none at open.
  ControlArray& Option1 = array("Option1");
  Control& Command2 = addButton("Command2", "Add Plot", {4200, 120, 1095, 375});
  Control& Command3 = addButton("Command3", "Full Maps", {5400, 120, 1095, 375});
  Control& Command1 = addButton("Command1", "Return", {6600, 120, 975, 375});
};

}  // namespace sylvandra
