// The program-wide map colour table shared by the species maps, the hardwood stand maps and the
// sequoia fire maps: entry i (0..16) is the palette number (QBColor) of map class or species i.
// Every map drawing refills the entries it uses before it draws.
// Reached as program.state<MapColours>().ClassColour.
#pragma once

#include <array>

namespace sylvandra {

struct MapColours {
  std::array<int, 17> ClassColour{};
};

}  // namespace sylvandra
