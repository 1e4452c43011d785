// Colours shared by the main menu and the introduction window.
#pragma once

#include "platform/color.h"

namespace sylvandra {

inline constexpr Color kShellBackground = Rgb(240, 243, 235);
inline constexpr Color kShellHeading = Rgb(0, 72, 36);
inline constexpr Color kMenuEntry = Rgb(0, 0, 128);

}  // namespace sylvandra
