// One fixed model of text size, used both to lay out printed text in the program and by the
// renderer, so that layouts are identical headless and on screen.
//
// Sizes are in twips (1440 to the inch, 15 to a device-independent pixel; 1 point = 20 twips).
// Widths come from the advance widths of the Liberation fonts (metric-compatible with the
// classic sans, serif and typewriter faces), which the renderer draws with.
#pragma once

#include <string>
#include <string_view>

namespace sylvandra {

// Twips in one device-independent pixel.
inline constexpr double kTwipsPerPixel = 15.0;

enum class FontFamily { Sans, Serif, Mono };

struct Font {
  FontFamily family = FontFamily::Sans;
  double points = 8.25;
  bool bold = false;
  bool italic = false;
  bool underline = false;

  // The designed face name ("MS Sans Serif", "Times New Roman", "Courier New", ...).
  static Font face(std::string_view faceName, double points, bool bold = false);

  // The installed font the renderer uses for this family.
  const char* renderFamily() const;

  double emTwips() const { return points * 20.0; }
  double TextWidth(std::string_view text) const;
  // Height of one printed line: 195 twips for the default 8.25-point font.
  double lineHeight() const;
  double ascent() const;
  // Width of one print column; the next-column separator moves to multiples of 14 of these.
  double columnWidth() const;

  bool operator==(const Font&) const = default;
};

}  // namespace sylvandra
