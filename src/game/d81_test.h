// "Test Ecosys Model": an empty window kept with the game; nothing opens it.
#pragma once

#include "platform/program.h"
#include "platform/window.h"

namespace sylvandra {

class D81Test : public Window {
 public:
  static constexpr const char* kName = "D81Test";
  explicit D81Test(Program& program)
      : Window(program, kName, "Test Ecosys Model", {3000, 3000, 4800, 3600}) {}
};

}  // namespace sylvandra
