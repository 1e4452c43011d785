// How the forms model maps onto Qt: 15 twips to a device-independent pixel, 0xRRGGBB colours,
// UTF-8 texts, and fonts drawn unhinted and unkerned so that text advances match the fixed
// text metrics the program lays out with.
#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>
#include <string>

#include "platform/color.h"
#include "platform/control.h"
#include "platform/text_metrics.h"

namespace sylvandra::ui {

// A position or length in twips as the nearest whole device-independent pixel, the view shown
// `zoom` times its designed size.
int TwipsToPixels(double twips, double zoom = 1);
// A rectangle in twips as pixels; each edge is rounded on its own, so that rectangles sharing
// an edge in twips share it on screen.
QRect PixelRect(const Rect& rect, double zoom = 1);

QColor ToQColor(Color color);
QString ToQString(const std::string& text);
std::string ToStdString(const QString& text);

// The size of the font's em in pixels (may be fractional).
double EmPixels(const Font& font);
// The font at the nearest whole pixel size.
QFont ToQFont(const Font& font);
QFont ToQFont(const Font& font, int pixelSize);

}  // namespace sylvandra::ui
