// "Research and Inventory": ten research items, each bought for chosen compartments ("0" to
// "3", or "a" for all four at four times the cost per compartment) and paid from the operating
// reserves. The results appear on the Compartment Parameters window.
//
// Layout: one row per item (caption, cost per compartment, selection, cost of the study); the
// total, the reserves and the year below the cost column; Execute and Return at the bottom left.
#pragma once

#include "platform/program.h"
#include "platform/window.h"

namespace sylvandra {

inline constexpr int kResearchItems = 10;

class D81Res : public Window {
 public:
  static constexpr const char* kName = "D81Res";
  explicit D81Res(Program& program);

  void Sel_Change(int index);
  void Execute_Click();
  void Command1_Click();

  ControlArray& Cost = array("Cost");
  ControlArray& Sel = array("Sel");
  ControlArray& OpCost = array("OpCost");
  Control& TotCost = addTextBox("TotCost", "0", {6480, 5100, 1200, 315}).setLabel("Total Cost");
  Control& Reserves =
      addTextBox("Reserves", "", {6480, 5520, 1200, 315}).setLabel("Operating Reserves");
  Control& Yr = addTextBox("Yr", "", {6480, 5940, 1200, 315}).setLabel("Year");
  Control& Execute = addButton("Execute", "Execute Research Plan", {240, 5100, 2640, 495});
  Control& Command1 = addButton("Command1", "Return", {240, 5760, 2640, 495});

  // Column and field captions; item captions.
  ControlArray& Label1 = array("Label1");
  ControlArray& Label2 = array("Label2");
};

}  // namespace sylvandra
