// Island biogeography: a table of islands off a mainland coast (area, number of bird species,
// distance from the mainland) for the student to analyse beside the map of the islands on the
// map window.
//
// Layout: four columns under two-line heads between rows of dashes, the data's source below and
// the Return button at the bottom.
#pragma once

#include "platform/program.h"
#include "platform/window.h"

namespace sylvandra {

class Ex14bAsk : public Window {
 public:
  static constexpr const char* kName = "Ex14bAsk";
  explicit Ex14bAsk(Program& program);

  // The island map shown beside the table.
  void enteredFromChapter(int chapterIndex) override;

  void Command1_Click();

  // Column heads.
  Control& Label1 = addLabel("Label1", "Island", {240, 360, 1575, 495});
  Control& Label2 = addLabel("Label2", "  Size      (km2)", {2040, 360, 735, 495});
  Control& Label3 = addLabel("Label3", "Species    (#)", {3000, 360, 855, 495});
  Control& Label4 = addLabel("Label4", "Distance   (km)", {4080, 360, 855, 495});
  Control& Label5 = addLabel("Label5", "", {240, 840, 4695, 255});
  // The columns of the table, one line per island.
  Control& Label6 = addLabel("Label6", "", {240, 1080, 1815, 1815});
  Control& Label7 = addLabel("Label7", "", {2040, 1080, 735, 1815});
  Control& Label8 = addLabel("Label8", "", {3000, 1080, 735, 1815});
  Control& Label9 = addLabel("Label9", "", {4080, 1080, 735, 1815});
  Control& Label10 = addLabel("Label10", "", {240, 2880, 4695, 255});
  Control& Label11 = addLabel("Label11", "Channel Islands, California.  Data as published in 1969.",
                              {240, 3240, 4695, 495});
  Control& Label12 = addLabel("Label12",
                              "*Data on Number of bird species is the average of the two sample "
                              "periods, 1917 and 1968",
                              {240, 3720, 4695, 495});
  Control& Command1 = addButton("Command1", "Return", {1920, 4440, 1215, 375});
};

}  // namespace sylvandra
