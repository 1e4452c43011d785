// "Annual Evaluation from Management": each year's financial evaluation is printed from 600
// twips down and the environmental one from 3120 twips down, over what earlier years printed
// (the window is not cleared between years). Each section's area is first painted over in the
// window's colour, so that the new lines do not mingle with last year's. Continue closes it.
#pragma once

#include "platform/program.h"
#include "platform/window.h"

namespace sylvandra {

inline constexpr double kFinancialTop = 600;
inline constexpr double kFinancialBottom = 2700;
inline constexpr double kEnvironmentalTop = 3120;
inline constexpr double kEnvironmentalBottom = 4620;

class D81Eval : public Window {
 public:
  static constexpr const char* kName = "D81Eval";
  explicit D81Eval(Program& program);

  void Command1_Click();
  // Paints over a section's lines and places the print position at its top.
  void startSection(double top, double bottom);

  Control& Label1 = addLabel("Label1", "Financial Evaluation", {240, 240, 3600, 255});
  Control& Label2 = addLabel("Label2", "Environmental Evaluation", {240, 2760, 3600, 255});
  Control& Command1 = addButton("Command1", "Continue", {5640, 4680, 1215, 375});
};

}  // namespace sylvandra
