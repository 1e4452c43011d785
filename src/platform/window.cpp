#include "platform/window.h"

#include "platform/program.h"
#include "platform/runtime_failure.h"

namespace sylvandra {

Control& ControlArray::operator()(int index) const {
  const auto it = members_.find(index);
  if (it == members_.end()) {
    throw RuntimeFailure(name_ + "(" + std::to_string(index) + ") does not exist");
  }
  return *it->second;
}

int ControlArray::lowerBound() const {
  return members_.empty() ? 0 : members_.begin()->first;
}
int ControlArray::upperBound() const {
  return members_.empty() ? -1 : members_.rbegin()->first;
}

Window::Window(Program& program, std::string name, std::string caption, Rect clientArea,
               Color backColor)
    : program_(program),
      name_(std::move(name)),
      caption_(std::move(caption)),
      rect_(clientArea),
      surface_(clientArea.width, clientArea.height, backColor) {}

Window::~Window() = default;

void Window::remember() {
  program_.journal().keep(journalStamp_, [this] {
    // Requests to show the window only ever grow: a view compares them with the last it saw.
    struct Before {
      std::string caption;
      bool visible;
      std::uint64_t shownAt;
      Control* focused;
      Rect rect;
      Font font;
    };
    return [this, before = Before{caption_, visible_, shownAt_, focused_, rect_, font_}] {
      caption_ = before.caption;
      visible_ = before.visible;
      shownAt_ = before.shownAt;
      focused_ = before.focused;
      rect_ = before.rect;
      font_ = before.font;
    };
  });
}

Surface& Window::surface() {
  program_.journal().keep(surfaceStamp_,
                          [this] { return [this, before = surface_] { surface_ = before; }; });
  return surface_;
}

void Window::setCaption(std::string caption) {
  remember();
  caption_ = std::move(caption);
}

void Window::setFocusedControl(Control* control) {
  remember();
  focused_ = control;
}

void Window::setVisible(bool visible) {
  remember();
  visible_ = visible;
  if (!visible) return;
  ++raiseRequests_;
  shownAt_ = program_.tick();
}

void Window::setRect(Rect rect) {
  remember();
  rect_ = rect;
  surface().setScaleSize(rect.width, rect.height);
}

void Window::setFont(Font font) {
  remember();
  font_ = font;
  surface().font = font;
}

void Window::recordDesign() {
  designCaption_ = caption_;
  design_.clear();
  for (const auto& control : controls_) design_.push_back(control->design());
}

void Window::restoreDesign() {
  remember();
  caption_ = designCaption_;
  visible_ = false;
  surface().Cls();
  for (size_t i = 0; i < design_.size() && i < controls_.size(); ++i) {
    controls_[i]->restore(design_[i]);
  }
}

Control* Window::find(std::string_view name, int index) const {
  for (const auto& control : controls_) {
    if (control->name() == name && control->index() == index) return control.get();
  }
  return nullptr;
}

Control& Window::control(std::string_view name, int index) const {
  Control* found = find(name, index);
  if (!found) {
    const std::string target =
        index < 0 ? std::string(name) : std::string(name) + "(" + std::to_string(index) + ")";
    throw RuntimeFailure(name_ + " has no control " + target);
  }
  return *found;
}

std::vector<Control*> Window::addCaptions(const std::string& name,
                                          std::initializer_list<CaptionSpec> captions) {
  std::vector<Control*> added;
  int index = array(name).upperBound() + 1;
  for (const CaptionSpec& caption : captions) {
    added.push_back(&addLabel(name, caption.text, caption.rect, index++));
  }
  return added;
}

ControlArray& Window::array(const std::string& name) {
  auto& members = arrays_[name];
  members.name_ = name;
  return members;
}

Control& Window::add(ControlKind kind, std::string name, Rect rect, int index) {
  if (find(name, index)) {
    throw std::logic_error(name_ + ": control " + name + " declared twice");
  }
  controls_.push_back(std::make_unique<Control>(*this, kind, name, index, rect));
  Control& control = *controls_.back();
  if (index >= 0) array(name).members_[index] = &control;
  return control;
}

Control& Window::addButton(std::string name, std::string caption, Rect rect, int index) {
  return add(ControlKind::CommandButton, std::move(name), rect, index)
      .setCaption(std::move(caption));
}

Control& Window::addTextBox(std::string name, std::string text, Rect rect, int index) {
  return add(ControlKind::TextBox, std::move(name), rect, index).setText(std::move(text));
}

Control& Window::addLabel(std::string name, std::string caption, Rect rect, int index) {
  return add(ControlKind::Label, std::move(name), rect, index).setCaption(std::move(caption));
}

Control& Window::addCheckBox(std::string name, std::string caption, Rect rect, int index) {
  return add(ControlKind::CheckBox, std::move(name), rect, index).setCaption(std::move(caption));
}

Control& Window::addOption(std::string name, std::string caption, Rect rect, int index) {
  return add(ControlKind::OptionButton, std::move(name), rect, index)
      .setCaption(std::move(caption));
}

Control& Window::addPicture(std::string name, Rect rect, int index) {
  return add(ControlKind::PictureBox, std::move(name), rect, index);
}

Control& Window::addFrame(std::string name, std::string caption, Rect rect) {
  return add(ControlKind::Frame, std::move(name), rect, -1).setCaption(std::move(caption));
}

Control& Window::addMenuItem(std::string name, std::string caption, std::string menu) {
  return add(ControlKind::MenuItem, std::move(name), {}, -1)
      .setCaption(std::move(caption))
      .setContainer(std::move(menu));
}

}  // namespace sylvandra
