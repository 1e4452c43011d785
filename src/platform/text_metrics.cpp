#include "platform/text_metrics.h"

#include <array>
#include <cctype>
#include <cmath>

namespace sylvandra {
namespace {

constexpr double kUnitsPerEm = 2048.0;

// Advance widths of ASCII 32..126 in font units (2048 to the em).
constexpr std::array<short, 95> kSansRegular = {
    569,  569,  727,  1139, 1139, 1821, 1366, 391,  682,  682,  797,  1196, 569,  682,  569,  569,
    1139, 1139, 1139, 1139, 1139, 1139, 1139, 1139, 1139, 1139, 569,  569,  1196, 1196, 1196, 1139,
    2079, 1366, 1366, 1479, 1479, 1366, 1251, 1593, 1479, 569,  1024, 1366, 1139, 1706, 1479, 1593,
    1366, 1593, 1479, 1366, 1251, 1479, 1366, 1933, 1366, 1366, 1251, 569,  569,  569,  961,  1139,
    682,  1139, 1139, 1024, 1139, 1139, 569,  1139, 1139, 455,  455,  1024, 455,  1706, 1139, 1139,
    1139, 1139, 682,  1024, 569,  1139, 1024, 1479, 1024, 1024, 1024, 684,  532,  684,  1196};
constexpr std::array<short, 95> kSansBold = {
    569,  682,  971,  1139, 1139, 1821, 1479, 487,  682,  682,  797,  1196, 569,  682,  569,  569,
    1139, 1139, 1139, 1139, 1139, 1139, 1139, 1139, 1139, 1139, 682,  682,  1196, 1196, 1196, 1251,
    1997, 1479, 1479, 1479, 1479, 1366, 1251, 1593, 1479, 569,  1139, 1479, 1251, 1706, 1479, 1593,
    1366, 1593, 1479, 1366, 1251, 1479, 1366, 1933, 1366, 1366, 1251, 682,  569,  682,  1196, 1139,
    682,  1139, 1251, 1139, 1251, 1139, 682,  1251, 1251, 569,  569,  1139, 569,  1821, 1251, 1251,
    1251, 1251, 797,  1139, 682,  1251, 1139, 1593, 1139, 1139, 1024, 797,  573,  797,  1196};
constexpr std::array<short, 95> kSerifRegular = {
    512,  682,  836,  1024, 1024, 1706, 1593, 369,  682,  682,  1024, 1155, 512,  682,  512,  569,
    1024, 1024, 1024, 1024, 1024, 1024, 1024, 1024, 1024, 1024, 569,  569,  1155, 1155, 1155, 909,
    1886, 1479, 1366, 1366, 1479, 1251, 1139, 1479, 1479, 682,  797,  1479, 1251, 1821, 1479, 1479,
    1139, 1479, 1366, 1139, 1251, 1479, 1479, 1933, 1479, 1479, 1251, 682,  569,  682,  961,  1024,
    682,  909,  1024, 909,  1024, 909,  682,  1024, 1024, 569,  569,  1024, 569,  1593, 1024, 1024,
    1024, 1024, 682,  797,  569,  1024, 1024, 1479, 1024, 1024, 909,  983,  410,  983,  1108};
constexpr std::array<short, 95> kSerifBold = {
    512,  682,  1137, 1024, 1024, 2048, 1706, 569,  682,  682,  1024, 1167, 512,  682,  512,  569,
    1024, 1024, 1024, 1024, 1024, 1024, 1024, 1024, 1024, 1024, 682,  682,  1167, 1167, 1167, 1024,
    1905, 1479, 1366, 1479, 1479, 1366, 1251, 1593, 1593, 797,  1024, 1593, 1366, 1933, 1479, 1593,
    1251, 1593, 1479, 1139, 1366, 1479, 1479, 2048, 1479, 1479, 1366, 682,  569,  682,  1190, 1024,
    682,  1024, 1139, 909,  1139, 909,  682,  1024, 1139, 569,  682,  1139, 569,  1706, 1139, 1024,
    1139, 1139, 909,  797,  682,  1139, 1024, 1479, 1024, 1024, 909,  807,  451,  807,  1065};
constexpr short kMonoAdvance = 1229;

const std::array<short, 95>& Table(const Font& font) {
  if (font.family == FontFamily::Serif) return font.bold ? kSerifBold : kSerifRegular;
  return font.bold ? kSansBold : kSansRegular;
}

int Advance(const Font& font, unsigned char c) {
  if (font.family == FontFamily::Mono) return kMonoAdvance;
  if (c < 32 || c > 126) c = 'n';
  return Table(font)[c - 32];
}

std::string Lower(std::string_view text) {
  std::string out;
  for (char c : text) out += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return out;
}

}  // namespace

Font Font::face(std::string_view faceName, double points, bool bold) {
  const std::string name = Lower(faceName);
  Font font;
  font.points = points;
  font.bold = bold;
  if (name.find("courier") != std::string::npos || name.find("mono") != std::string::npos) {
    font.family = FontFamily::Mono;
  } else if (name.find("times") != std::string::npos ||
             (name.find("serif") != std::string::npos && name.find("sans") == std::string::npos)) {
    font.family = FontFamily::Serif;
  }
  return font;
}

const char* Font::renderFamily() const {
  switch (family) {
    case FontFamily::Serif:
      return "Liberation Serif";
    case FontFamily::Mono:
      return "Liberation Mono";
    case FontFamily::Sans:
      break;
  }
  return "Liberation Sans";
}

double Font::TextWidth(std::string_view text) const {
  long units = 0;
  for (char c : text) units += Advance(*this, static_cast<unsigned char>(c));
  return static_cast<double>(units) * emTwips() / kUnitsPerEm;
}

double Font::lineHeight() const {
  return std::round(emTwips() * 1.15 / kTwipsPerPixel) * kTwipsPerPixel;
}

double Font::ascent() const {
  const double ratio = family == FontFamily::Mono    ? 1705.0
                       : family == FontFamily::Serif ? 1825.0
                                                     : 1854.0;
  return emTwips() * ratio / kUnitsPerEm;
}

double Font::columnWidth() const {
  return Advance(*this, '0') * emTwips() / kUnitsPerEm;
}

}  // namespace sylvandra
