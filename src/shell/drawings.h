// Decorative pictures of the main menu, drawn by code from boxes, circles and lines.
#pragma once

#include <memory>

#include "platform/surface.h"

namespace sylvandra {

// The small marker that flags an unfinished chapter on the main menu: a striped barrier.
std::shared_ptr<const Picture> MarkerPicture(double size);

// The menu's cover picture: sunlight falling through the crown of a broad tree.
std::shared_ptr<const Picture> CoverPicture(double width, double height);

}  // namespace sylvandra
