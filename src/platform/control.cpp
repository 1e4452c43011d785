#include "platform/control.h"

#include <cmath>

#include "platform/conversions.h"
#include "platform/program.h"
#include "platform/runtime_failure.h"
#include "platform/window.h"

namespace sylvandra {

Control::Control(Window& window, ControlKind kind, std::string name, int index, Rect rect)
    : window_(window),
      kind_(kind),
      name_(std::move(name)),
      index_(index),
      rect_(rect),
      backColor_(kind == ControlKind::TextBox ? kWhite : window.backColor()),
      font_(window.font()) {
  if (kind == ControlKind::PictureBox) {
    surface_ = std::make_unique<Surface>(rect.width, rect.height, backColor_);
    surface_->font = font_;
  }
}

std::string Control::qualifiedName() const {
  return index_ < 0 ? name_ : name_ + "(" + std::to_string(index_) + ")";
}

void Control::remember() {
  window_.program().journal().keep(journalStamp_, [this] {
    return [this, before = Properties{label_, text_, caption_, rect_, value_, visible_, enabled_,
                                      locked_, backColor_, foreColor_, font_, alignment_,
                                      multiLine_, markdown_, border_, container_}] {
      label_ = before.label;
      text_ = before.text;
      caption_ = before.caption;
      rect_ = before.rect;
      value_ = before.value;
      visible_ = before.visible;
      enabled_ = before.enabled;
      locked_ = before.locked;
      backColor_ = before.backColor;
      foreColor_ = before.foreColor;
      font_ = before.font;
      alignment_ = before.alignment;
      multiLine_ = before.multiLine;
      markdown_ = before.markdown;
      border_ = before.border;
      container_ = before.container;
    };
  });
}

Surface* Control::changingSurface() {
  return surface_ ? &surface() : nullptr;
}

Control& Control::setLabel(std::string label) {
  remember();
  label_ = std::move(label);
  return *this;
}

Control& Control::setText(std::string text) {
  if (text == text_) return *this;
  remember();
  text_ = std::move(text);
  if (onChange) onChange();
  return *this;
}

bool Control::takeTypedText(std::string text) {
  if (text == text_) return false;
  remember();
  text_ = std::move(text);
  return true;
}

template <class Step>
decltype(auto) Control::namingThisField(Step step) const {
  try {
    return step();
  } catch (const RuntimeFailure& failure) {
    throw RuntimeFailure(label() + ": " + failure.what());
  }
}

RuntimeFailure Control::failure(const std::string& what) const {
  return RuntimeFailure(label() + ": " + QuotedText(text_) + " " + what);
}

Control& Control::setNumber(double value) {
  return namingThisField([&]() -> Control& { return setText(PlainText(value)); });
}

double Control::val() const {
  return TypedNumber(text_, label());
}

double Control::number() const {
  return StrictNumber(text_, label());
}

double Control::leadingNumber() const {
  return namingThisField([&] { return Val(text_); });
}

Control& Control::setCaption(std::string caption) {
  remember();
  caption_ = std::move(caption);
  return *this;
}

Control& Control::setCaptionNumber(double value) {
  return namingThisField([&]() -> Control& { return setCaption(PlainText(value)); });
}

Control& Control::setValue(int value) {
  remember();
  value_ = value != 0 ? 1 : 0;
  if (kind_ == ControlKind::OptionButton && value_ != 0) clearOtherOptions();
  return *this;
}

void Control::clearOtherOptions() {
  for (const auto& other : window_.controls()) {
    if (other.get() != this && other->kind() == ControlKind::OptionButton &&
        other->container() == container_) {
      other->remember();
      other->value_ = 0;
    }
  }
}

void Control::applyClick() {
  if (kind_ == ControlKind::OptionButton) setValue(1);
  if (kind_ == ControlKind::CheckBox) setValue(value_ == 0 ? 1 : 0);
}

Control& Control::setVisible(bool visible) {
  remember();
  visible_ = visible;
  return *this;
}

Control& Control::setEnabled(bool enabled) {
  remember();
  enabled_ = enabled;
  return *this;
}

Control& Control::setBackColor(Color color) {
  remember();
  backColor_ = color;
  if (Surface* surface = changingSurface()) surface->setBackColor(color);
  return *this;
}

Control& Control::setForeColor(Color color) {
  remember();
  foreColor_ = color;
  if (Surface* surface = changingSurface()) surface->ForeColor = color;
  return *this;
}

Control& Control::setRect(Rect rect) {
  remember();
  rect_ = rect;
  if (Surface* surface = changingSurface()) surface->setScaleSize(rect.width, rect.height);
  return *this;
}

Control& Control::move(double left, double top) {
  remember();
  rect_.left = left;
  rect_.top = top;
  return *this;
}

Control& Control::setFont(Font font) {
  remember();
  font_ = font;
  if (Surface* surface = changingSurface()) surface->font = font;
  return *this;
}

Control& Control::setAlignment(Alignment alignment) {
  remember();
  alignment_ = alignment;
  return *this;
}

Control& Control::setLocked(bool locked) {
  remember();
  locked_ = locked;
  return *this;
}

Control& Control::setMultiLine(bool multiLine) {
  remember();
  multiLine_ = multiLine;
  return *this;
}

Control& Control::setMarkdown(bool markdown) {
  remember();
  markdown_ = markdown;
  return *this;
}

Control& Control::setBorder(bool border) {
  remember();
  border_ = border;
  return *this;
}

Control& Control::setContainer(std::string frameName) {
  remember();
  container_ = std::move(frameName);
  return *this;
}

Control::Design Control::design() const {
  return {text_, caption_, value_, visible_, enabled_, backColor_, foreColor_, rect_};
}

void Control::restore(const Design& design) {
  remember();
  text_ = design.text;
  caption_ = design.caption;
  value_ = design.value;
  visible_ = design.visible;
  enabled_ = design.enabled;
  setBackColor(design.backColor);
  setForeColor(design.foreColor);
  setRect(design.rect);
  if (Surface* surface = changingSurface()) surface->Cls();
}

Surface& Control::surface() {
  if (!surface_) {
    throw RuntimeFailure(qualifiedName() + " has no drawing surface");
  }
  Surface* kept = surface_.get();
  window_.program().journal().keep(surfaceStamp_,
                                   [kept] { return [kept, before = *kept] { *kept = before; }; });
  return *surface_;
}

Control& Control::setPicture(std::shared_ptr<const Picture> picture) {
  surface().setPicture(std::move(picture));
  return *this;
}

}  // namespace sylvandra

namespace sylvandra {

double RequireNonZero(double divisor, const Control& field) {
  if (divisor == 0) throw field.failure("gives a division by zero");
  return divisor;
}

double RequireWholeNumber(double value, const Control& field, double lowest, double highest) {
  if (std::isfinite(value) && value == Int(value) && value >= lowest && value <= highest) {
    return value;
  }
  const bool fromLowest = std::isfinite(lowest), toHighest = std::isfinite(highest);
  std::string what = "must be a whole number";
  if (fromLowest && toHighest) {
    what += " from " + PlainText(lowest) + " to " + PlainText(highest);
  } else if (fromLowest) {
    what += ", at least " + PlainText(lowest);
  } else if (toHighest) {
    what += ", at most " + PlainText(highest);
  }
  throw field.failure(what);
}

void RequireNumbers(std::initializer_list<const Control*> fields) {
  for (const Control* field : fields) field->val();
}

}  // namespace sylvandra
