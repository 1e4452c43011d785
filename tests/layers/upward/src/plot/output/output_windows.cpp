// The output windows lie below the plotters that draw on them.
#include "plot/graph.h"
