#include "platform/surface.h"

#include <algorithm>
#include <atomic>
#include <cmath>

#include "platform/runtime_failure.h"

namespace sylvandra {
namespace {

void RequireFinitePosition(std::initializer_list<double> values, const char* what) {
  for (double v : values) {
    if (!std::isfinite(v)) {
      throw RuntimeFailure(std::string(what) +
                           ": a position or size to be drawn is not a finite number");
    }
  }
}

std::uint64_t NewGeneration() {
  static std::atomic<std::uint64_t> last{0};
  return ++last;
}

}  // namespace

Mark LineMark(double x1, double y1, double x2, double y2, Color color, int width, int style) {
  Mark mark;
  mark.kind = MarkKind::Line;
  mark.x1 = x1;
  mark.y1 = y1;
  mark.x2 = x2;
  mark.y2 = y2;
  mark.color = color;
  mark.width = width;
  mark.style = style;
  return mark;
}

Mark FilledBox(double x1, double y1, double x2, double y2, Color color) {
  Mark mark = LineMark(x1, y1, x2, y2, color);
  mark.kind = MarkKind::Box;
  mark.filled = true;
  return mark;
}

Mark OutlineBox(double x1, double y1, double x2, double y2, Color color, int width, int style) {
  Mark mark = LineMark(x1, y1, x2, y2, color, width, style);
  mark.kind = MarkKind::Box;
  return mark;
}

Mark FilledCircle(double x, double y, double r, Color color) {
  Mark mark;
  mark.kind = MarkKind::Circle;
  mark.x1 = x;
  mark.y1 = y;
  mark.r = r;
  mark.color = color;
  mark.fill = color;
  mark.fillStyle = kFillSolid;
  return mark;
}

Mark TextMark(double x, double y, std::string text, const Font& font, Color color) {
  Mark mark;
  mark.kind = MarkKind::Text;
  mark.x1 = x;
  mark.y1 = y;
  mark.text = std::move(text);
  mark.font = font;
  mark.color = color;
  return mark;
}

Surface::Surface(double scaleWidth, double scaleHeight, Color backColor)
    : width_(scaleWidth), height_(scaleHeight), backColor_(backColor) {}

void Surface::setScaleSize(double width, double height) {
  width_ = width;
  height_ = height;
}

void Surface::setBackColor(Color color) {
  // Changing the background clears the drawing, as on screen.
  backColor_ = color;
  Cls();
}

void Surface::setPicture(std::shared_ptr<const Picture> picture) {
  picture_ = std::move(picture);
  generation_ = NewGeneration();
}

void Surface::Cls() {
  marks_.clear();
  generation_ = NewGeneration();
  received_ = 0;
  CurrentX = 0;
  CurrentY = 0;
}

void Surface::add(Mark mark) {
  mark.transient = !AutoRedraw;
  mark.series = Series;
  mark.sequence = ++received_;
  marks_.push_back(std::move(mark));
}

void Surface::addKept(Mark mark) {
  RequireFinitePosition({mark.x1, mark.y1, mark.x2, mark.y2, mark.r}, "Kept run");
  mark.kept = true;
  mark.transient = false;
  mark.series = 0;
  mark.sequence = ++received_;
  marks_.push_back(std::move(mark));
}

bool Surface::removeKept() {
  const auto kept =
      std::remove_if(marks_.begin(), marks_.end(), [](const Mark& mark) { return mark.kept; });
  if (kept == marks_.end()) return false;
  marks_.erase(kept, marks_.end());
  generation_ = NewGeneration();
  return true;
}

void Surface::Line(double x1, double y1, double x2, double y2, std::optional<Color> color) {
  RequireFinitePosition({x1, y1, x2, y2}, "Line");
  add(LineMark(x1, y1, x2, y2, color.value_or(ForeColor), DrawWidth, DrawStyle));
  CurrentX = x2;
  CurrentY = y2;
}

void Surface::lineTo(double x2, double y2, std::optional<Color> color) {
  Line(CurrentX, CurrentY, x2, y2, color);
}

void Surface::box(double x1, double y1, double x2, double y2, std::optional<Color> color,
                  bool filled) {
  RequireFinitePosition({x1, y1, x2, y2}, "Box");
  Mark mark = OutlineBox(x1, y1, x2, y2, color.value_or(ForeColor), DrawWidth, DrawStyle);
  mark.filled = filled;
  add(std::move(mark));
  CurrentX = x2;
  CurrentY = y2;
}

void Surface::Circle(double x, double y, double radius, std::optional<Color> color) {
  RequireFinitePosition({x, y, radius}, "Circle");
  Mark mark = FilledCircle(x, y, std::fabs(radius), color.value_or(ForeColor));
  mark.width = DrawWidth;
  mark.style = DrawStyle;
  mark.fillStyle = FillStyle;
  mark.fill.reset();
  if (FillStyle != kFillTransparent) mark.fill = FillColor;
  add(std::move(mark));
  CurrentX = x;
  CurrentY = y;
}

void Surface::printText(std::string_view text) {
  RequireFinitePosition({CurrentX, CurrentY}, "Print");
  if (!text.empty()) {
    add(TextMark(CurrentX, CurrentY, std::string(text), font, ForeColor));
  }
  CurrentX += font.TextWidth(text);
}

void Surface::newLine() {
  CurrentX = 0;
  CurrentY += font.lineHeight();
}

void Surface::Print(std::string_view text) {
  printText(text);
  newLine();
}

void Surface::Print(std::initializer_list<PrintPiece> pieces) {
  bool endsWithSeparator = false;
  for (const PrintPiece& piece : pieces) {
    if (const auto* text = std::get_if<std::string>(&piece)) {
      printText(*text);
      endsWithSeparator = false;
      continue;
    }
    endsWithSeparator = true;
    if (std::get<PrintSeparator>(piece) == PrintSeparator::NextColumn) {
      const double zone = 14.0 * font.columnWidth();
      CurrentX = (std::floor(CurrentX / zone + 1e-9) + 1.0) * zone;
    }
  }
  if (!endsWithSeparator) newLine();
}

void Surface::dropTransient() {
  // The renderer keeps what it painted; only the list forgets, so the generation stays.
  marks_.erase(
      std::remove_if(marks_.begin(), marks_.end(), [](const Mark& mark) { return mark.transient; }),
      marks_.end());
}

}  // namespace sylvandra
