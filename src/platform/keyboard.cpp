#include "platform/keyboard.h"

#include <algorithm>
#include <cctype>
#include <string>

#include "platform/program.h"

namespace sylvandra {
namespace {

bool InsideRect(const Rect& inner, const Rect& outer) {
  return inner.left >= outer.left && inner.top >= outer.top &&
         inner.left + inner.width <= outer.left + outer.width &&
         inner.top + inner.height <= outer.top + outer.height;
}

// The frame a control lies in: its container, or a frame whose area holds it.
const Control* FrameOf(const Window& window, const Control& control) {
  if (!control.container().empty()) {
    const Control* frame = window.find(control.container());
    if (frame && frame->kind() == ControlKind::Frame) return frame;
  }
  for (const auto& other : window.controls()) {
    if (other->kind() == ControlKind::Frame && other.get() != &control &&
        InsideRect(control.rect(), other->rect())) {
      return other.get();
    }
  }
  return nullptr;
}

bool Clickable(const Control& control) {
  return static_cast<bool>(control.onClick);
}

bool TakesFocus(const Window& window, const Control& control) {
  if (!control.visible() || !control.enabled()) return false;
  if (const Control* frame = FrameOf(window, control); frame && !frame->visible()) return false;
  switch (control.kind()) {
    case ControlKind::CommandButton:
    case ControlKind::TextBox:
    case ControlKind::CheckBox:
    case ControlKind::OptionButton:
      return true;
    case ControlKind::Label:
    case ControlKind::PictureBox:
      return Clickable(control);
    case ControlKind::Frame:
    case ControlKind::MenuItem:  // reached through the menu bar, not by Tab
      return false;
  }
  return false;
}

int Group(const Control& control) {
  // The help button ("?") is a window's last stop, wherever its corner lies.
  if (control.kind() == ControlKind::CommandButton) return control.caption() == "?" ? 3 : 2;
  return IsResultField(control) ? 1 : 0;
}

// Reading order of rectangles: rows top to bottom, each row left to right. A rectangle joins
// the row begun by the topmost one left when its top lies within that one's upper half.
template <class Item, class RectOf>
void SortReadingOrder(std::vector<Item>& items, RectOf rectOf) {
  std::stable_sort(items.begin(), items.end(),
                   [&](const Item& a, const Item& b) { return rectOf(a).top < rectOf(b).top; });
  std::vector<Item> ordered;
  size_t start = 0;
  while (start < items.size()) {
    const Rect& first = rectOf(items[start]);
    size_t end = start + 1;
    while (end < items.size() && rectOf(items[end]).top < first.top + first.height / 2) ++end;
    std::stable_sort(items.begin() + static_cast<std::ptrdiff_t>(start),
                     items.begin() + static_cast<std::ptrdiff_t>(end),
                     [&](const Item& a, const Item& b) { return rectOf(a).left < rectOf(b).left; });
    start = end;
  }
}

// Alt+letter shortcuts go to buttons, options and check boxes by the first letter or digit of
// their caption.
char ShortcutLetter(const Control& control) {
  for (char c : control.caption()) {
    if (std::isalnum(static_cast<unsigned char>(c))) {
      return static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
  }
  return 0;
}

Control* FirstButton(const Window& window, bool (*matches)(const std::string&)) {
  for (const auto& control : window.controls()) {
    if (control->kind() == ControlKind::CommandButton && TakesFocus(window, *control) &&
        matches(control->caption())) {
      return control.get();
    }
  }
  return nullptr;
}

// Moves focus within the control array of the focused control (the menu's chapters, a column
// of fields), as the arrow keys do; step is +1 or -1.
void MoveInArray(Program& program, const Window& window, int step) {
  Control* focused = window.focusedControl();
  if (!focused || focused->index() < 0) return;
  std::vector<Control*> members;
  for (Control* stop : TabOrder(window)) {
    if (stop->name() == focused->name() && stop->index() >= 0) members.push_back(stop);
  }
  const auto at = std::find(members.begin(), members.end(), focused);
  if (at == members.end()) return;
  const std::ptrdiff_t next = (at - members.begin()) + step;
  if (next < 0 || next >= static_cast<std::ptrdiff_t>(members.size())) return;
  program.focus(*members[static_cast<size_t>(next)]);
}

void MoveInTabOrder(Program& program, const Window& window, bool forward) {
  const std::vector<Control*> stops = TabOrder(window);
  if (stops.empty()) return;
  const auto at = std::find(stops.begin(), stops.end(), window.focusedControl());
  size_t next = 0;
  if (at == stops.end()) {
    next = forward ? 0 : stops.size() - 1;
  } else {
    const size_t position = static_cast<size_t>(at - stops.begin());
    next = forward ? (position + 1) % stops.size() : (position + stops.size() - 1) % stops.size();
  }
  program.focus(*stops[next]);
}

bool Presses(const Control& control) {
  return control.kind() != ControlKind::TextBox;
}

}  // namespace

bool IsResultField(const Control& control) {
  return control.kind() == ControlKind::TextBox &&
         (control.locked() || control.backColor() == kResultYellow);
}

bool IsInputStop(const Control& control) {
  return control.kind() != ControlKind::CommandButton && !IsResultField(control);
}

std::vector<Control*> TabOrder(const Window& window) {
  // Blocks: a frame with its members, or a lone control; each placed where it lies.
  struct Block {
    int group;
    Rect rect;
    std::vector<Control*> members;
  };
  std::vector<Block> blocks;
  for (const auto& control : window.controls()) {
    if (!TakesFocus(window, *control)) continue;
    const int group = Group(*control);
    const Control* frame = FrameOf(window, *control);
    const Rect rect = frame ? frame->rect() : control->rect();
    auto block = std::find_if(blocks.begin(), blocks.end(), [&](const Block& b) {
      return frame && b.group == group && b.rect.left == rect.left && b.rect.top == rect.top &&
             b.rect.width == rect.width && b.rect.height == rect.height;
    });
    if (block == blocks.end()) {
      blocks.push_back({group, rect, {}});
      block = blocks.end() - 1;
    }
    block->members.push_back(control.get());
  }
  std::vector<Control*> order;
  for (int group = 0; group < 4; ++group) {
    std::vector<Block*> inGroup;
    for (Block& block : blocks) {
      if (block.group == group) inGroup.push_back(&block);
    }
    SortReadingOrder(inGroup, [](const Block* b) -> const Rect& { return b->rect; });
    for (Block* block : inGroup) {
      SortReadingOrder(block->members, [](const Control* c) -> const Rect& { return c->rect(); });
      order.insert(order.end(), block->members.begin(), block->members.end());
    }
  }
  return order;
}

Control* DefaultButton(const Window& window) {
  if (Control* execute = FirstButton(window, [](const std::string& c) { return c == "Execute"; }))
    return execute;
  if (Control* calculate =
          FirstButton(window, [](const std::string& c) { return c.starts_with("Calculate"); }))
    return calculate;
  return FirstButton(window, [](const std::string& c) { return c == "Continue"; });
}

Control* CancelButton(const Window& window) {
  return FirstButton(window, [](const std::string& c) { return c == "Return"; });
}

Control* ShortcutTarget(const Window& window, char letter) {
  const char wanted = static_cast<char>(std::toupper(static_cast<unsigned char>(letter)));
  Control* found = nullptr;
  for (const auto& control : window.controls()) {
    const ControlKind kind = control->kind();
    if (kind != ControlKind::CommandButton && kind != ControlKind::OptionButton &&
        kind != ControlKind::CheckBox) {
      continue;
    }
    if (!TakesFocus(window, *control) || ShortcutLetter(*control) != wanted) continue;
    if (found) return nullptr;
    found = control.get();
  }
  return found;
}

bool IsKeyName(std::string_view key) {
  static constexpr std::string_view kNames[] = {
      "Tab", "Backtab", "Return", "Enter", "Space", "Escape", "Up", "Down", "Left", "Right", "F1"};
  if (std::find(std::begin(kNames), std::end(kNames), key) != std::end(kNames)) return true;
  return key.size() == 5 && key.starts_with("Alt+") &&
         std::isalnum(static_cast<unsigned char>(key[4]));
}

bool PressKey(Program& program, Window& window, std::string_view key) {
  // A hidden window takes no keys.
  if (!IsKeyName(key) || !window.visible()) return IsKeyName(key);
  Control* focused = window.focusedControl();
  if (focused && !TakesFocus(window, *focused)) focused = nullptr;
  if (key == "Tab" || key == "Backtab") {
    MoveInTabOrder(program, window, key == "Tab");
  } else if (key == "Down" || key == "Right") {
    MoveInArray(program, window, +1);
  } else if (key == "Up" || key == "Left") {
    MoveInArray(program, window, -1);
  } else if (key == "Return" || key == "Enter") {
    if (focused && Presses(*focused) && focused->kind() != ControlKind::CheckBox &&
        focused->kind() != ControlKind::OptionButton) {
      program.click(*focused);
    } else if (focused && focused->multiLine() && !focused->locked()) {
      // A new line in the text being written.
    } else if (Control* button = DefaultButton(window)) {
      program.click(*button);
    }
  } else if (key == "Space") {
    if (focused && Presses(*focused)) program.click(*focused);
  } else if (key == "Escape") {
    if (Control* button = CancelButton(window)) program.click(*button);
  } else if (key == "F1") {
    program.help(window);
  } else if (Control* target = ShortcutTarget(window, key[4])) {  // Alt+letter
    program.focus(*target);
    program.click(*target);
  }
  return true;
}

}  // namespace sylvandra
