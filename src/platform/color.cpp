#include "platform/color.h"

#include <array>
#include <cstdio>

#include "platform/runtime_failure.h"

namespace sylvandra {

Color QBColor(int index) {
  static constexpr std::array<Color, 16> kPalette = {
      Rgb(0, 0, 0),       Rgb(0, 0, 128),   Rgb(0, 128, 0),   Rgb(0, 128, 128),
      Rgb(128, 0, 0),     Rgb(128, 0, 128), Rgb(128, 128, 0), Rgb(192, 192, 192),
      Rgb(128, 128, 128), Rgb(0, 0, 255),   Rgb(0, 255, 0),   Rgb(0, 255, 255),
      Rgb(255, 0, 0),     Rgb(255, 0, 255), Rgb(255, 255, 0), Rgb(255, 255, 255)};
  if (index < 0 || index > 15) {
    throw RuntimeFailure("colour number " + std::to_string(index) + " is outside 0 to 15");
  }
  return kPalette[static_cast<size_t>(index)];
}

std::string ColorHex(Color c) {
  char buffer[8];
  std::snprintf(buffer, sizeof buffer, "#%02x%02x%02x", RedOf(c), GreenOf(c), BlueOf(c));
  return buffer;
}

}  // namespace sylvandra
