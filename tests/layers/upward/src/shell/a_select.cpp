// A relative path up into start-up.
#include "platform/window.h"
#include "../app/startup.h"
