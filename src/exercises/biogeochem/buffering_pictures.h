// The drawings of the buffering window, made of boxes and filled outlines.
#pragma once

#include <memory>

#include "platform/surface.h"

namespace sylvandra {

// A downward arrow for soil pH `pH` (3 to 8), coloured from red (acid) to blue (alkaline).
std::shared_ptr<const Picture> PhArrowPicture(double width, double height, int pH);

// A soil column under the open air: carbon dioxide from the air and roots dissolving in the
// soil water, which weathers aluminium from the clay.
std::shared_ptr<const Picture> SoilSolutionPicture(double width, double height);

// A colour band for the pH scale, red at pH 3 through green to blue at pH 8.
std::shared_ptr<const Picture> PhBandPicture(double width, double height);

}  // namespace sylvandra
