// The root allocation chapter: its exercise lies entirely in the worksheet, so the window
// only says so.
#pragma once

#include "platform/program.h"
#include "platform/window.h"

namespace sylvandra {

class Ex16Ask : public Window {
 public:
  static constexpr const char* kName = "Ex16Ask";
  explicit Ex16Ask(Program& program);

  void Command1_Click();

  Control& Label1 = addLabel("Label1",
                             "This exercise is completely contained in the accompanying "
                             "worksheet.  No data entry or model runs required",
                             {480, 360, 4095, 735});
  Control& Command1 = addButton("Command1", "Return", {1920, 1440, 1215, 495});
};

}  // namespace sylvandra
