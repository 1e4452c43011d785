#include "exercises/population/windows.h"

#include "exercises/population/ex6_ask.h"
#include "exercises/population/ex7_ask.h"
#include "platform/program.h"

namespace sylvandra {

void RegisterPopulationWindows(Program& program) {
  // One program.registerWindow<W>() line per window of this folder.
  program.registerWindow<Ex6Ask>();
  program.registerWindow<EX7Ask>();
}

}  // namespace sylvandra
