// The Decision Interface: the year, the goal, the environmental constraint, the money and the
// standing of the player, and the buttons that lead to every other screen of the game. Creating
// the window starts a game: the restart, then one more model year.
//
// Layout: captions on the left, fields in the middle column, the seven buttons on the right;
// the standing text runs under the whole left side.
#pragma once

#include "platform/program.h"
#include "platform/window.h"

namespace sylvandra {

class D81ask : public Window {
 public:
  static constexpr const char* kName = "D81ask";
  explicit D81ask(Program& program);

  void Form_Load() override;
  void Command1_Click();
  void Command2_Click();
  void Command3_Click();
  void Command4_Click();
  void Command5_Click();
  void Command6_Click();
  void Command7_Click();

  Control& Yr = addTextBox("Yr", "", {4560, 240, 1800, 315}).setLabel("Year");
  Control& Goal = addTextBox("Goal", "", {4560, 840, 1800, 315}).setLabel("Goal");
  Control& EnvCon =
      addTextBox("EnvCon", "", {4560, 1560, 1800, 315}).setLabel("Environmental Constraints");
  Control& Reserves =
      addTextBox("Reserves", "", {4560, 2520, 1800, 315}).setLabel("Operating Reserves");
  Control& Salary = addTextBox("Salary", "", {4560, 3000, 1800, 315}).setLabel("Salary");
  Control& NetWorth = addTextBox("NetWorth", "0", {4560, 3480, 1800, 315}).setLabel("Net Worth");
  Control& Standing =
      addTextBox("Standing", "", {240, 4260, 6120, 315}).setLabel("Standing in Local Community");

  Control& Command1 = addButton("Command1", "Compartment Information", {6720, 240, 2400, 495});
  Control& Command2 = addButton("Command2", "Research and Inventory", {6720, 900, 2400, 495});
  Control& Command3 = addButton("Command3", "Management Plan", {6720, 1560, 2400, 495});
  Control& Command4 = addButton("Command4", "Execute Plan ", {6720, 2220, 2400, 495});
  Control& Command5 = addButton("Command5", "Test Model", {6720, 2880, 2400, 495});
  Control& Command6 = addButton("Command6", "Restart", {6720, 3540, 2400, 495});
  Control& Command7 = addButton("Command7", "Quit", {6720, 4200, 2400, 495});

  // Field captions.
  ControlArray& Label1 = array("Label1");
  // The two nitrate standards, shown once a standard is in force.
  ControlArray& Label3 = array("Label3");
};

}  // namespace sylvandra
