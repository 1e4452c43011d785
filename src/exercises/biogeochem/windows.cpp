#include "exercises/biogeochem/windows.h"

#include "platform/program.h"

namespace sylvandra {

void RegisterBiogeochemWindows([[maybe_unused]] Program& program) {
  // One program.registerWindow<W>() line per window of this folder.
}

}  // namespace sylvandra
