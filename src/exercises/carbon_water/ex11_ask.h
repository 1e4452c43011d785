// Water and nutrient balances: three years of monthly precipitation and stream runoff from a
// forested watershed, with yearly nitrogen concentrations in precipitation and runoff. The
// window adds up each year's precipitation and runoff and graphs the 36 months of both; the
// balances themselves are worked out by the student on the worksheet.
#pragma once

#include "platform/program.h"
#include "platform/window.h"

namespace sylvandra {

class EX11Ask : public Window {
 public:
  static constexpr const char* kName = "EX11Ask";
  explicit EX11Ask(Program& program);

  void CalcTots_Click();
  void GraphAll_Click();
  void Return_Click();

  // One caption line per row of month boxes, the year over its two rows. Its first lines are
  // blank: the header above lies over them.
  Control& Label2 = addLabel("Label2",
                             "\n\n1971\nPrecip\n\nRunoff\n\n\n1972\nPrecip\n\nRunoff\n\n\n"
                             "1973\nPrecip\n\nRunoff",
                             {120, 480, 675, 3375});
  Control& Label1 = addLabel("Label1",
                             "Year     Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec          "
                             "                         All Data in mm/mo",
                             {120, 240, 5175, 495});
  Control& Label5 = addLabel("Label5", "Label5", {2160, 3240, 1215, 495});
  Control& Label3 =
      addLabel("Label3", "Totals           1971   1972   1973", {240, 3960, 4215, 375});
  // Captions of the total and concentration rows.
  Control& Label4 =
      addLabel("Label4", "Precip\n\nRunoff\n\nN Conc       (ug/L)\n\nPrecip\n\nRunoff",
               {600, 4320, 975, 2415});
  Control& GraphAll = addButton("GraphAll", "Graph Data", {3840, 4440, 1215, 495});
  Control& CalcTots = addButton("CalcTots", "Calculate Totals", {3840, 5280, 1455, 495});
  Control& Return = addButton("Return", "Return", {3840, 6120, 1455, 495});
  Control& Label6 = addLabel("Label6", "Data: a small forested watershed study, 1971-1973",
                             {120, 6480, 3735, 375});

  // Index 12 x year + month, year 0 = 1971, month 0 = January.
  ControlArray& Prec1 = array("Prec1");
  ControlArray& Runoff1 = array("Runoff1");
  // Index 0, 1, 2 for 1971, 1972, 1973.
  ControlArray& TotPrec = array("TotPrec");
  ControlArray& TotRunoff = array("TotRunoff");
  ControlArray& NInCon = array("NInCon");
  ControlArray& NConc = array("NConc");
};

}  // namespace sylvandra
