// How long ago the kernel started this process, for start-up measurements: the desktop
// program's start-up probe and the bare window it is compared with read the same clock.
#pragma once

#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fstream>
#include <iterator>
#include <string>

namespace sylvandra::ui {

// Milliseconds since the kernel started this process; -1 when /proc cannot tell.
inline double MsSinceProcessStart() {
  std::ifstream stat("/proc/self/stat");
  std::string content((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
  const auto close = content.rfind(')');
  if (close == std::string::npos) return -1;
  // Field 22 (starttime, clock ticks since boot) counted from field 3, just after the name.
  const char* field = content.c_str() + close + 2;
  for (int i = 3; i < 22; ++i) {
    field = std::strchr(field, ' ');
    if (!field) return -1;
    ++field;
  }
  const double startTicks = std::strtod(field, nullptr);
  timespec now{};
  clock_gettime(CLOCK_BOOTTIME, &now);
  const double nowMs = now.tv_sec * 1000.0 + now.tv_nsec / 1e6;
  return nowMs - startTicks * 1000.0 / static_cast<double>(sysconf(_SC_CLK_TCK));
}

}  // namespace sylvandra::ui
