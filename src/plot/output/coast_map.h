// The map the "Maps" output window shows behind the island biogeography exercise's maps.
#pragma once

#include <memory>

#include "platform/surface.h"

namespace sylvandra {

// A coastline with offshore islands of varied size and distance from the mainland, labelled
// with the names of the island table of the biogeography exercise.
std::shared_ptr<const Picture> CoastMapPicture(double width, double height);

}  // namespace sylvandra
