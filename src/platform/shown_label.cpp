#include "platform/shown_label.h"

#include <limits>

#include "platform/control.h"
#include "platform/window.h"

namespace sylvandra {
namespace {

// How far a caption may lie from the field it names: a gap a layout leaves between a caption
// and its field, not the width of another column of fields.
constexpr double kLeftGapTwips = 1200;
constexpr double kAboveGapTwips = 600;
// Captions may overlap their field's edge by a few pixels.
constexpr double kOverlapTwips = 60;

double Right(const Rect& rect) {
  return rect.left + rect.width;
}
double Bottom(const Rect& rect) {
  return rect.top + rect.height;
}
bool OverlapVertically(const Rect& a, const Rect& b) {
  return a.top < Bottom(b) && b.top < Bottom(a);
}
bool OverlapHorizontally(const Rect& a, const Rect& b) {
  return a.left < Right(b) && b.left < Right(a);
}

}  // namespace

std::string SpokenText(const std::string& caption) {
  std::string spoken;
  bool blank = false;
  for (char c : caption) {
    if (c == ' ' || c == '\t' || c == '\r' || c == '\n') {
      blank = !spoken.empty();
      continue;
    }
    if (blank) spoken += ' ';
    blank = false;
    spoken += c;
  }
  return spoken;
}

namespace {

// The gap between a caption and the field it would name, or none when it is not placed so.
double GapTo(const Rect& caption, const Rect& field) {
  if (OverlapVertically(caption, field) && Right(caption) <= field.left + kOverlapTwips &&
      field.left - Right(caption) <= kLeftGapTwips) {
    return field.left - Right(caption);
  }
  if (OverlapHorizontally(caption, field) && Bottom(caption) <= field.top + kOverlapTwips &&
      field.top - Bottom(caption) <= kAboveGapTwips) {
    return field.top - Bottom(caption);
  }
  return std::numeric_limits<double>::infinity();
}

}  // namespace

std::string ShownLabel(const Control& field) {
  // A label the window gives its field is what the student sees beside it.
  if (field.labelled()) return field.label();
  std::string nearest;
  double nearestGap = std::numeric_limits<double>::infinity();
  for (const auto& other : field.window().controls()) {
    // A caption that can be clicked is a control of its own (a chapter, a result), not a name.
    if (other->kind() != ControlKind::Label || !other->visible() || other->onClick) continue;
    const std::string caption = SpokenText(other->caption());
    if (caption.empty()) continue;
    const double gap = GapTo(other->rect(), field.rect());
    if (gap < nearestGap) {
      nearestGap = gap;
      nearest = caption;
    }
  }
  return nearest.empty() ? field.qualifiedName() : nearest;
}

}  // namespace sylvandra
