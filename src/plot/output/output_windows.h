// The shared output windows: `outpt` ("Model Output") for graphs and printed text, `Outpt2`
// ("Output") for printed tables, and `outmap` ("Maps") whose background is a map. They hold
// no model logic; exercises clear, show, draw on and hide them.
#pragma once

#include "platform/program.h"
#include "platform/window.h"

namespace sylvandra {

// The output window's usual place and size (client area, twips).
inline constexpr Rect kOutptRect{5760, 1020, 6465, 6900};

class outpt : public Window {
 public:
  static constexpr const char* kName = "outpt";
  explicit outpt(Program& program);

  void Return_Click();
  bool drawingCovered() const override { return About.visible() || GraphDemo.visible(); }

  // Two fixed explanatory pages that lie over the drawing surface when shown.
  Control& About = addPicture("About", {0, 0, 6375, 6255});
  Control& GraphDemo = addPicture("GraphDemo", {-120, 120, 6495, 6135});
  Control& Return = addButton("Return", "Return", {4560, 6360, 1215, 375});
  // Never shown; kept with its designed caption.
  Control& CheckCon = addLabel("CheckCon", "Click to Continue", {5994, 6240, 1215, 255});
};

class Outpt2 : public Window {
 public:
  static constexpr const char* kName = "Outpt2";
  explicit Outpt2(Program& program);

  void Command1_Click();

  Control& Command1 = addButton("Command1", "Return", {7920, 2160, 1215, 495});
};

class outmap : public Window {
 public:
  static constexpr const char* kName = "outmap";
  explicit outmap(Program& program);
};

// What "Return" does in most exercise windows: hides the window and the output window.
void HideWithOutput(Window& exercise);
// Return in the map exercises, which enlarge the output window: the same, and the output window
// gets back its usual place and size.
void HideWithOutputAtUsualSize(Window& exercise);

}  // namespace sylvandra
