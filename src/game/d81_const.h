// The notice window of the game ("Societal Constraint!", re-captioned by each notice): notices
// of changing social and environmental conditions are printed onto it. Close hides it.
#pragma once

#include "platform/program.h"
#include "platform/window.h"

namespace sylvandra {

class D81Const : public Window {
 public:
  static constexpr const char* kName = "D81Const";
  explicit D81Const(Program& program);

  void Command1_Click();

  Control& Command1 = addButton("Command1", "Close", {4080, 1680, 1095, 375});
};

}  // namespace sylvandra
