#include "ui/qt_conversions.h"

#include <algorithm>
#include <cmath>

namespace sylvandra::ui {

int TwipsToPixels(double twips, double zoom) {
  return static_cast<int>(std::lround(twips / kTwipsPerPixel * zoom));
}

QRect PixelRect(const Rect& rect, double zoom) {
  const int left = TwipsToPixels(rect.left, zoom);
  const int top = TwipsToPixels(rect.top, zoom);
  const int right = TwipsToPixels(rect.left + rect.width, zoom);
  const int bottom = TwipsToPixels(rect.top + rect.height, zoom);
  return QRect(left, top, std::max(0, right - left), std::max(0, bottom - top));
}

QColor ToQColor(Color color) {
  return QColor(RedOf(color), GreenOf(color), BlueOf(color));
}

QString ToQString(const std::string& text) {
  return QString::fromStdString(text);
}

std::string ToStdString(const QString& text) {
  return text.toStdString();
}

double EmPixels(const Font& font) {
  return font.emTwips() / kTwipsPerPixel;
}

QFont ToQFont(const Font& font) {
  return ToQFont(font, static_cast<int>(std::lround(EmPixels(font))));
}

QFont ToQFont(const Font& font, int pixelSize) {
  QFont result(QString::fromLatin1(font.renderFamily()));
  result.setPixelSize(std::max(1, pixelSize));
  result.setBold(font.bold);
  result.setItalic(font.italic);
  result.setUnderline(font.underline);
  // Hinting and kerning would move glyphs away from the advances the layout was computed with.
  result.setHintingPreference(QFont::PreferNoHinting);
  result.setKerning(false);
  return result;
}

}  // namespace sylvandra::ui
