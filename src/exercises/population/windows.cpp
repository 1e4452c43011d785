#include "exercises/population/windows.h"

#include "exercises/population/ex14a_ask.h"
#include "exercises/population/ex14b_ask.h"
#include "exercises/population/ex5_ask.h"
#include "exercises/population/ex6_ask.h"
#include "exercises/population/ex7_ask.h"
#include "platform/program.h"

namespace sylvandra {

void RegisterPopulationWindows(Program& program) {
  program.registerWindow<Ex5Ask>();
  program.registerWindow<Ex6Ask>();
  program.registerWindow<EX7Ask>();
  program.registerWindow<Ex14aAsk>();
  program.registerWindow<Ex14bAsk>();
}

}  // namespace sylvandra
