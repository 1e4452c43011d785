// Fire management in the giant sequoias: the student picks one of four policies (none, fire
// suppression, prescribed burn, understory harvest; the last two on the highest or on random
// pixels) and runs the grove of fire_model.h year by year from 1880 on, watching the fuel and
// understory maps on the output window, their class histograms and the count of lost pixels.
// While a run goes on, every burning pixel flashes flame marks on both maps (crown fires white,
// surface fires olive and red) unless "No Fire Graphic" is checked; each year's flames are shown
// for one frame and Current Year shows the year reached. Escape, Return or closing the window
// during a run stops it at the end of a year.
//
// Layout: the policies at the top, the detail controls for the two active policies under them
// (hidden otherwise), the three year fields, the graphic switch and the three buttons.
#pragma once

#include "platform/program.h"
#include "platform/window.h"

namespace sylvandra {

struct SequoiaGrove;

class Ex6Ask : public Window {
 public:
  static constexpr const char* kName = "Ex6Ask";
  explicit Ex6Ask(Program& program);

  // Every visit from the catalogue starts from a fresh grove.
  void enteredFromChapter(int chapterIndex) override;

  void Command1_Click();  // Execute
  void Command2_Click();  // Restart
  void Command3_Click();  // Return
  void NoManage_Click();
  void FireSuppress_Click();
  void PrescribedBurn_Click();
  void UnderHarvest_Click();
  void ManageHigh_Click();
  void ManageRandom_Click();

  // Both maps with their legends and histograms, from the grove, on the output window.
  void DrawFireMaps();
  // Flashes flame marks on the pixel (row, column) of both maps; kind 1 crown, 2 surface fire.
  void DrawFlames(int row, int column, int kind);

  Control& Label5 = addLabel("Label5", "Management Options", {240, 120, 3120, 255});
  Control& NoManage = addOption("NoManage", "No Management", {360, 420, 2880, 285});
  Control& FireSuppress = addOption("FireSuppress", "Fire Supression", {360, 720, 2880, 285});
  Control& PrescribedBurn = addOption("PrescribedBurn", "Prescribed Burn", {360, 1020, 2880, 285});
  Control& UnderHarvest = addOption("UnderHarvest", "Understory Harvest", {360, 1320, 2880, 285});
  Control& ManageHigh = addCheckBox("ManageHigh", "Highest Pixels", {600, 1680, 2520, 285});
  Control& ManageRandom = addCheckBox("ManageRandom", "Random", {600, 1980, 2520, 285});
  Control& Label6 = addLabel("Label6", "Number of Pixels (Max. = 100)", {600, 2310, 2760, 255});
  Control& NumPixManage =
      addTextBox("NumPixManage", "50", {600, 2580, 1200, 315}).setLabel("Number of Pixels");

  Control& Label1 = addLabel("Label1", "Begin Year", {240, 3150, 1560, 255});
  Control& BeginYear =
      addTextBox("BeginYear", "1880", {1920, 3120, 1200, 315}).setLabel("Begin Year");
  Control& Label2 = addLabel("Label2", "Current Year", {240, 3570, 1560, 255});
  Control& CurrentYear =
      addTextBox("CurrentYear", "1880", {1920, 3540, 1200, 315}).setLabel("Current Year");
  Control& Label3 = addLabel("Label3", "Run To Year", {240, 3990, 1560, 255});
  Control& RunToYear =
      addTextBox("RunToYear", "1900", {1920, 3960, 1200, 315}).setLabel("Run To Year");
  Control& NoGraphic = addCheckBox("NoGraphic", "No Fire Graphic", {240, 4440, 2880, 285});

  Control& Command1 = addButton("Command1", "Execute", {240, 4920, 1440, 375});
  Control& Command2 = addButton("Command2", "Restart", {1800, 4920, 1440, 375});
  Control& Command3 = addButton("Command3", "Return", {1020, 5400, 1440, 375});

 private:
  SequoiaGrove& grove();
  void showDetail(bool shown);
  // The Begin Year's text when it holds a whole year; otherwise a run-time failure naming it.
  std::string beginYearText() const;
  // Restart, showing the given year over the maps.
  void restartGrove(const std::string& yearShown);

  // A frame (one simulated year) shows the flames of at most this many burning pixels (400
  // marks each), which bounds the transient layer and the time a frame takes to paint. The
  // flames of further pixels, and on a host without a screen all flames of a run, take their
  // random numbers but are not drawn, so what is shown never changes the course of a run.
  static constexpr int kFlamesPerFrame = 200;
  int flamesLeftInFrame_ = kFlamesPerFrame;  // pixels whose flames this frame may still show
};

}  // namespace sylvandra
