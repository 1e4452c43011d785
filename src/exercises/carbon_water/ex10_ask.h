// Gross and net carbon balances: one day of hourly measurements from a forest (light,
// temperature, net carbon exchange). The student estimates dark respiration from the night
// values; the window derives hourly gross exchange and graphs the light response and the day's
// course on the output window.
#pragma once

#include <vector>

#include "platform/program.h"
#include "platform/window.h"

namespace sylvandra {

class Ex10Ask : public Window {
 public:
  static constexpr const char* kName = "Ex10Ask";
  explicit Ex10Ask(Program& program);

  void Form_Load() override;
  void CalcGCE_Click();
  void GraphGCE_Click();
  void GraphNCE_Click();
  void GraphhAll_Click();
  void Return_Click();

  Control& Label1 = addLabel("Label1",
                             " Hour       PAR     Temp     NCE      GCE                    "
                             "umoles/      C     umoles/m2/sec                   m2/sec",
                             {240, 240, 3855, 735});
  Control& Label2 = addLabel("Label2",
                             "  1   2   3   4   5   6   7   8   9 10 11 12 13 14 15 16 17 18 19 "
                             "20 21 22 23 24 ",
                             {240, 960, 255, 6015});
  Control& GraphhAll = addButton("GraphhAll", "Graph All", {3960, 1080, 1215, 495});
  Control& Label3 =
      addLabel("Label3", "Estimated Dark Respiration (umoles/m2.sec, a value less than zero)",
               {3960, 1800, 1455, 1215});
  Control& DarkResp =
      addTextBox("DarkResp", "", {4080, 3000, 855, 375}).setLabel("Estimated Dark Respiration");
  Control& CalcGCE = addButton("CalcGCE", "Calculate GCE", {3960, 3720, 1935, 495});
  Control& GraphNCE = addButton("GraphNCE", "Graph NCE versus PAR", {3960, 4560, 1935, 495});
  Control& GraphGCE = addButton("GraphGCE", "Graph GCE versus PAR", {3960, 5400, 1935, 495});
  Control& Return = addButton("Return", "Return", {3960, 6240, 1935, 495});
  Control& Label4 = addLabel("Label4",
                             "Data: hourly measurements from a temperate deciduous forest study "
                             "site",
                             {720, 6840, 3135, 495});

  // Row r holds hour r + 1.
  ControlArray& PAR = array("PAR");
  ControlArray& TC = array("TC");
  ControlArray& NEE = array("NEE");
  ControlArray& GCE = array("GCE");

 private:
  // The hourly values of a column, read leniently.
  std::vector<double> columnValues(const ControlArray& column) const;
  // Plots `column` against PAR as dots.
  void graphVersusPar(const ControlArray& column, const char* name);
};

}  // namespace sylvandra
