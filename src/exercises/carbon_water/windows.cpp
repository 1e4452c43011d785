#include "exercises/carbon_water/windows.h"

#include "exercises/carbon_water/ex0_ask.h"
#include "exercises/carbon_water/ex10_ask.h"
#include "exercises/carbon_water/ex11_ask.h"
#include "exercises/carbon_water/ex12_ask.h"
#include "exercises/carbon_water/ex13_ask.h"
#include "exercises/carbon_water/ex1_ask.h"
#include "exercises/carbon_water/ex9_ask.h"
#include "platform/program.h"

namespace sylvandra {

void RegisterCarbonWaterWindows(Program& program) {
  program.registerWindow<Ex0Ask>();
  program.registerWindow<Ex1Ask>();
  program.registerWindow<Ex10Ask>();
  program.registerWindow<EX11Ask>();
  program.registerWindow<EX12Ask>();
  program.registerWindow<EX9Ask>();
  program.registerWindow<EX13Ask>();
}

}  // namespace sylvandra
