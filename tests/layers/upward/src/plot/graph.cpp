// Reaches up into the shell.
#include "plot/output/output_windows.h"
#include "shell/output_windows.h"
