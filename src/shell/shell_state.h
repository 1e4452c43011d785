// Program-wide state of the exercise shell.
#pragma once

#include <cstdint>

namespace sylvandra {

struct ShellState {
  // The chapter last chosen on the main menu (index into the catalogue, 0..20); the
  // introduction's buttons read it to decide which exercise window to open.
  std::int16_t chapterIndex = 0;
};

}  // namespace sylvandra
