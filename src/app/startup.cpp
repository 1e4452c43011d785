#include "app/startup.h"

#include "app/model_page.h"
#include "exercises/biogeochem/windows.h"
#include "exercises/carbon_water/windows.h"
#include "exercises/population/windows.h"
#include "game/windows.h"
#include "plot/output/output_windows.h"
#include "shell/a_intro.h"
#include "shell/a_select.h"
#include "shell/ex16_ask.h"

namespace sylvandra {

void RegisterShellWindows(Program& program) {
  program.registerWindow<A_Select>();
  program.registerWindow<A_Intro>();
  program.registerWindow<Ex16Ask>();
  program.registerWindow<outpt>();
  program.registerWindow<Outpt2>();
  program.registerWindow<outmap>();
  program.registerWindow<ModelPage>();
}

// Each exercise folder registers its own windows.
void RegisterWindows(Program& program) {
  RegisterShellWindows(program);
  RegisterCarbonWaterWindows(program);
  RegisterBiogeochemWindows(program);
  RegisterPopulationWindows(program);
  RegisterGameWindows(program);
}

void StartProgram(Program& program) {
  RegisterWindows(program);
  InstallModelPages(program);
  program.form<A_Select>().Show();
}

}  // namespace sylvandra
