// Soil organic matter balance: the student sets the initial pool, the yearly litter input and
// the turnover rate, runs 300 yearly steps of the one-pool model (som_model.h) and reads the
// pool over the years on the output window, with the year the pool stopped changing and the
// pool at the end of the run printed under the graph.
#pragma once

#include <string>

#include "platform/program.h"
#include "platform/window.h"
#include "plot/plot_record.h"

namespace sylvandra {

class Ex0Ask : public Window {
 public:
  static constexpr const char* kName = "Ex0Ask";
  explicit Ex0Ask(Program& program);

  void Command1_Click();
  void Command2_Click();
  // The window's own step plot: scale maxima computed from the data (SomMax), series i in
  // QBColor(i) and DrawStyle i, no clipping, no lift, the output window not cleared.
  void GraphSOM(const std::string& title, const SeriesNames& names, double xMax, int nSeries,
                int nPoints, SeriesData& data);

  Control& Label1 = addLabel("Label1", "", {240, 120, 4575, 1095});
  Control& Label2 = addLabel("Label2", " Soil Organic Matter         g/m2", {360, 1440, 2535, 255});
  Control& SOM = addTextBox("SOM", "100", {480, 2040, 1335, 375}).setLabel("Soil Organic Matter");
  Control& Command1 = addButton("Command1", "Execute", {2760, 2520, 1815, 495});
  Control& Label3 = addLabel("Label3", "  Inputs   g/m2.yr", {720, 2760, 1455, 255});
  Control& Inputs = addTextBox("Inputs", "50", {480, 3360, 1335, 375}).setLabel("Inputs");
  Control& Command2 = addButton("Command2", "Return", {2760, 3960, 1935, 495});
  Control& Label4 = addLabel("Label4", "Turnover Rate    fraction/yr", {480, 4080, 2175, 255});
  Control& TurnOvr = addTextBox("TurnOvr", "0", {480, 4680, 1335, 375}).setLabel("Turnover Rate");

  // The window's series, program-wide so that a refused run leaves them as they were.
  struct Series {
    // Series 1, points 1..300: the pool over the years (point t after t - 1 years).
    SeriesData SomY{};
    SeriesNames SomName;
    // Scale maxima by series, computed by GraphSOM.
    SeriesValues SomMax{};
  };
  Series& series() { return program().state<Series>(); }
};

}  // namespace sylvandra
