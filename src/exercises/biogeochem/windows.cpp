#include "exercises/biogeochem/windows.h"

#include "exercises/biogeochem/ex2a_ask.h"
#include "exercises/biogeochem/ex2b_ask.h"
#include "exercises/biogeochem/ex2c_ask.h"
#include "exercises/biogeochem/ex3_ask.h"
#include "exercises/biogeochem/ex41_ask.h"
#include "exercises/biogeochem/ex42_ask.h"
#include "platform/program.h"

namespace sylvandra {

void RegisterBiogeochemWindows(Program& program) {
  program.registerWindow<Ex2aAsk>();
  program.registerWindow<Ex2bAsk>();
  program.registerWindow<Ex41Ask>();
  program.registerWindow<EX42Ask>();
  program.registerWindow<Ex2cAsk>();
  program.registerWindow<Ex3Ask>();
}

}  // namespace sylvandra
