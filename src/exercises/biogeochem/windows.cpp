#include "exercises/biogeochem/windows.h"

#include "exercises/biogeochem/ex2a_ask.h"
#include "exercises/biogeochem/ex2b_ask.h"
#include "exercises/biogeochem/ex41_ask.h"
#include "exercises/biogeochem/ex42_ask.h"
#include "platform/program.h"

namespace sylvandra {

void RegisterBiogeochemWindows(Program& program) {
  program.registerWindow<Ex2aAsk>();
  program.registerWindow<Ex2bAsk>();
  program.registerWindow<Ex41Ask>();
  program.registerWindow<EX42Ask>();
}

}  // namespace sylvandra
