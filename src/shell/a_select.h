// The main menu: the chapter list, the two explanatory pages and "Quit". Choosing a chapter
// stores its index, hides the output window and fills and shows the introduction. The menu
// bar's "Extras" menu opens the forest management game, which has no chapter of its own yet,
// by the window name of its menu bar entry (catalogue.h).
#pragma once

#include <string>

#include "platform/program.h"
#include "platform/window.h"
#include "shell/catalogue.h"

namespace sylvandra {

class A_Select : public Window {
 public:
  static constexpr const char* kName = "A_Select";
  explicit A_Select(Program& program);

  // Closing the menu ends the program, as "Quit" does.
  void Form_Close() override;
  void Select_Click(int index);
  void ReadGrphs_Click();
  void About_Click();
  void Quit_Click();
  void mnuForestGame_Click();

  Control& Label6 =
      addLabel("Label6", "Computer Laboratory Exercises for Sylvandra", {600, 240, 9480, 420});
  Control& Label2 = addLabel("Label2", "Click on Chapter number or title to enter an exercise",
                             {600, 720, 5880, 255});
  Control& Picture2 = addPicture("Picture2", {6720, 1080, 3360, 3600});
  Control& ReadGrphs = addButton("ReadGrphs", "How to Read the Graphs", {6720, 4800, 3360, 375});
  Control& About = addButton("About", "About These Exercises", {6720, 5280, 3360, 375});
  Control& Quit = addButton("Quit", "Quit", {6720, 5760, 3360, 375});
  Control& Label1 = addLabel("Label1", "", {600, 6480, 9480, 480});
  ControlArray& Select = array("Select");
  ControlArray& Picture1 = array("Picture1");
  // The menu bar: "Extras" leads to the forest management game.
  Control& mnuExtras = addMenuItem("mnuExtras", "Extras");
  Control& mnuForestGame =
      addMenuItem("mnuForestGame", std::string(kForestGameEntry.caption), "mnuExtras");
};

}  // namespace sylvandra
