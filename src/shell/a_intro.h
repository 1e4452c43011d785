// The introduction window: describes the chosen chapter and opens its exercise window, through
// "Continue" or up to three sub-exercise buttons. A button whose exercise window is not part of
// the program yet says so in a message box.
#pragma once

#include <string>
#include <string_view>

#include "platform/program.h"
#include "platform/window.h"
#include "shell/catalogue.h"

namespace sylvandra {

class A_Intro : public Window {
 public:
  static constexpr const char* kName = "A_Intro";
  explicit A_Intro(Program& program);

  void Continue_Click();
  void Command1_Click();
  void Command2_Click();
  void Command3_Click();
  void Return_Click();

  Control& Describe = addTextBox("Describe", "", {480, 360, 6255, 2895});
  Control& Continue = addButton("Continue", "Continue", {4080, 3600, 1215, 495});
  Control& Return = addButton("Return", "Return", {1680, 3600, 1215, 495});
  Control& Command1 = addButton("Command1", "", {1440, 4320, 4095, 495});
  Control& Command2 = addButton("Command2", "", {1440, 4920, 4095, 495});
  Control& Command3 = addButton("Command3", "", {1440, 5520, 4095, 495});
  Control& Note = addLabel("Note",
                           "NOTE:  If you are running this program with a screen resolution of "
                           "600x800, you might have to move the output window up slightly to see "
                           "the entire map.",
                           {240, 4440, 3135, 1575});

 private:
  const ChapterEntry& chapter() const;
  int chapterIndex() const;
  // Shows the named exercise window and lets it set itself up for the chapter.
  void openExercise(std::string_view name);
};

}  // namespace sylvandra
