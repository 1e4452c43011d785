// Allowed: a file beside it, and a room on the same floor.
#include "json.h"
#include "ui/window_image.h"
