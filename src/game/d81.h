// The game's entry window, "Demonstration #81": a few lines on what the game is, what a year is
// judged against and why a plan's yields can stay blank, then Continue opens the Decision
// Interface (a fresh game after a game over) and Return closes the window.
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

  // What a new player needs before Continue: the goal and the research a priced plan waits for.
  static constexpr const char* kWelcome =
      "The Forest Management Game. A timber company puts you in charge of four forest "
      "compartments. Each year you may buy research, set a harvest plan under Management Plan, "
      "and press Execute Plan.\n\n"
      "A year is judged by the value of the wood harvested, in dollars at the current wood "
      "price, against the Current Management Goal ($1000 a year to begin with): three years in "
      "a row short of it and you are fired. Heavy harvests raise the nitrate in the streams; "
      "exceeding the EPA's limit three years running ends the game too.\n\n"
      "A plan's yields and values stay blank until Forest Biomass has been researched (Research "
      "and Inventory), and after each year until it is researched again.";

  Control& Label1 = addLabel("Label1", kWelcome, {240, 240, 6600, 2520});
  Control& Command1 = addButton("Command1", "Continue", {5880, 2880, 1215, 375});
  Control& Command2 = addButton("Command2", "Return", {240, 2880, 1215, 375});
};

}  // namespace sylvandra
