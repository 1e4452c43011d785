#include "game/windows.h"

#include "game/d81.h"
#include "game/d81_ask.h"
#include "game/d81_comp.h"
#include "game/d81_const.h"
#include "game/d81_eval.h"
#include "game/d81_harv.h"
#include "game/d81_res.h"
#include "game/d81_test.h"
#include "platform/program.h"

namespace sylvandra {

void RegisterGameWindows(Program& program) {
  program.registerWindow<D81>();
  program.registerWindow<D81ask>();
  program.registerWindow<D81Eval>();
  program.registerWindow<D81Const>();
  program.registerWindow<D81Test>();
  program.registerWindow<D81comp>();
  program.registerWindow<D81Res>();
  program.registerWindow<D81Harv>();
}

}  // namespace sylvandra
