// Allowed: the game is on the same floor.
#include "game/d81.h"
