// Reaches up into the shell.
#include "plot/output/output_windows.h"
#include "shell/output_windows.h"

// Calls the C library's exponential, which rounds differently from one platform to another.
double Decay(double t) {
  return std::exp(-t);
}
