// The game's entry window, "Demonstration #81": Continue opens the Decision Interface (a fresh
// game after a game over), Return closes the window.
#pragma once

#include "platform/program.h"
#include "platform/window.h"

namespace sylvandra {

class D81 : public Window {
 public:
  static constexpr const char* kName = "D81";
  explicit D81(Program& program);

  void Command1_Click();
  void Command2_Click();

  Control& Label1 = addLabel("Label1", "", {240, 240, 4920, 1200});
  Control& Command1 = addButton("Command1", "Continue", {3960, 1680, 1215, 375});
  Control& Command2 = addButton("Command2", "Return", {240, 1680, 1215, 375});
};

}  // namespace sylvandra
