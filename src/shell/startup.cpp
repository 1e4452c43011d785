#include "shell/startup.h"

#include "exercises/carbon_water/ex0_ask.h"
#include "exercises/carbon_water/ex10_ask.h"
#include "exercises/carbon_water/ex11_ask.h"
#include "exercises/carbon_water/ex12_ask.h"
#include "shell/a_intro.h"
#include "shell/a_select.h"
#include "shell/ex16_ask.h"
#include "shell/output_windows.h"

namespace sylvandra {

void RegisterShellWindows(Program& program) {
  program.registerWindow<A_Select>();
  program.registerWindow<A_Intro>();
  program.registerWindow<Ex16Ask>();
  program.registerWindow<outpt>();
  program.registerWindow<Outpt2>();
  program.registerWindow<outmap>();
}

// Exercise windows: one line each.
void RegisterWindows(Program& program) {
  RegisterShellWindows(program);
  program.registerWindow<Ex0Ask>();
  program.registerWindow<Ex10Ask>();
  program.registerWindow<EX11Ask>();
  program.registerWindow<EX12Ask>();
}

void StartProgram(Program& program) {
  RegisterWindows(program);
  program.form<A_Select>().Show();
}

}  // namespace sylvandra
