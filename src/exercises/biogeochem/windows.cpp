#include "exercises/biogeochem/windows.h"

#include "exercises/biogeochem/ex2c_ask.h"
#include "exercises/biogeochem/ex3_ask.h"
#include "platform/program.h"

namespace sylvandra {

void RegisterBiogeochemWindows(Program& program) {
  program.registerWindow<Ex2cAsk>();
  program.registerWindow<Ex3Ask>();
}

}  // namespace sylvandra
