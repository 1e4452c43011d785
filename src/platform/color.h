// Colours are 24-bit RGB values packed as 0xRRGGBB.
#pragma once

#include <cstdint>
#include <string>

namespace sylvandra {

using Color = std::uint32_t;

constexpr Color Rgb(int red, int green, int blue) {
  return (static_cast<Color>(red & 0xff) << 16) | (static_cast<Color>(green & 0xff) << 8) |
         static_cast<Color>(blue & 0xff);
}
constexpr int RedOf(Color c) {
  return static_cast<int>((c >> 16) & 0xff);
}
constexpr int GreenOf(Color c) {
  return static_cast<int>((c >> 8) & 0xff);
}
constexpr int BlueOf(Color c) {
  return static_cast<int>(c & 0xff);
}

// The 16-colour palette, index 0..15; other indices raise a run-time failure.
Color QBColor(int index);

// "#rrggbb"
std::string ColorHex(Color c);

inline constexpr Color kBlack = Rgb(0, 0, 0);
inline constexpr Color kWhite = Rgb(255, 255, 255);
// Background of the fields a computation writes into.
inline constexpr Color kResultYellow = Rgb(255, 255, 128);
// Window and button face grey.
inline constexpr Color kFaceGrey = Rgb(192, 192, 192);

}  // namespace sylvandra
