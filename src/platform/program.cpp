#include "platform/program.h"

#include "platform/keyboard.h"
#include "platform/runtime_failure.h"

namespace sylvandra {

Program::Program(Host& host) : host_(host) {}

Program::~Program() = default;

void Program::registerWindow(std::string name, WindowFactory factory) {
  factories_[std::move(name)] = std::move(factory);
}

bool Program::knowsWindow(std::string_view name) const {
  return factories_.find(name) != factories_.end() || windows_.find(name) != windows_.end();
}

std::vector<std::string> Program::registeredWindows() const {
  std::vector<std::string> names;
  for (const auto& entry : factories_) names.push_back(entry.first);
  return names;
}

Window* Program::loaded(std::string_view name) const {
  const auto it = windows_.find(name);
  return it == windows_.end() ? nullptr : it->second.get();
}

Window& Program::form(std::string_view name) {
  if (Window* existing = loaded(name)) return *existing;
  const auto factory = factories_.find(name);
  if (factory == factories_.end()) {
    throw RuntimeFailure("there is no window named " + std::string(name));
  }
  return create(factory->second);
}

Window& Program::create(const WindowFactory& factory) {
  // A window touched for the first time by a handler that then fails stays created and loaded,
  // as if it had been touched before.
  const Journal::Outside outside(journal_);
  std::unique_ptr<Window> window = factory(*this);
  Window& created = *window;
  order_.push_back(&created);
  windows_[created.name()] = std::move(window);
  created.recordDesign();
  created.Form_Load();
  if (onWindowCreated) onWindowCreated(created);
  return created;
}

RandomSequence& Program::random() {
  journal_.keep(randomStamp_, [this] { return [this, before = random_] { random_ = before; }; });
  return random_;
}

int Program::MsgBox(const std::string& prompt, int buttons, const std::string& title) {
  return host_.messageBox(prompt, buttons, title);
}

std::string Program::InputBox(const std::string& prompt, const std::string& title,
                              const std::string& defaultText) {
  return host_.inputBox(prompt, title, defaultText);
}

void Program::End() {
  if (!ended_) {
    ended_ = true;
    host_.programEnded();
  }
  throw ProgramEnded();
}

void Program::Refresh() {
  host_.repaint();
  // The host has shown the transient marks (or has no screen to show them on); the surfaces
  // forget them here, so a long run that draws and refreshes keeps its memory flat whichever
  // host it runs on.
  for (Window* window : order_) {
    window->surface().dropTransient();
    for (const auto& control : window->controls()) {
      if (control->surfaceIfAny()) control->surface().dropTransient();
    }
  }
}

namespace {

struct RestoreHandling {
  const Window*& slot;
  const Window* value;
  ~RestoreHandling() { slot = value; }
};

}  // namespace

void Program::handleAs(const Window& window, const std::function<void()>& fn) {
  const RestoreHandling restore{handling_, handling_};
  handling_ = &window;
  fn();
}

bool Program::runHandler(const Window& window, const std::function<void()>& fn) {
  if (ended_) return true;
  // The outermost handler names the window; a handler that opens another window's keeps it.
  const Window* const outer = handling_;
  if (!handling_) handling_ = &window;
  const RestoreHandling restore{handling_, outer};
  journal_.begin();
  std::string failure;
  try {
    fn();
    journal_.commit();
    return true;
  } catch (const ProgramEnded&) {
    journal_.commit();
    return true;
  } catch (const RuntimeFailure& stopped) {
    failure = stopped.what();
  } catch (const std::exception& stopped) {
    failure = std::string("unexpected failure: ") + stopped.what();
  } catch (...) {
    journal_.rollBack();
    throw;
  }
  // The person sees the failure over the windows as they were before the action.
  journal_.rollBack();
  host_.reportFailure(window, failure);
  return false;
}

void Program::click(Control& control) {
  if (!control.enabled()) return;
  runHandler(control.window(), [&] {
    control.applyClick();
    if (control.onClick) control.onClick();
  });
}

void Program::type(Control& control, std::string text) {
  typeText(control, std::move(text), true);
}

void Program::edit(Control& control, std::string text) {
  typeText(control, std::move(text), false);
}

void Program::typeText(Control& control, std::string text, bool keyUp) {
  if (ended_ || !control.enabled() || control.locked()) return;
  // The text is the person's: it changes outside the handler's transaction, and only what the
  // change event and key-up do is put back when they fail.
  bool changed = false;
  {
    const Journal::Outside outside(journal_);
    changed = control.takeTypedText(std::move(text));
  }
  runHandler(control.window(), [&] {
    if (changed && control.onChange) control.onChange();
    if (keyUp && control.onKeyUp) control.onKeyUp();
  });
}

void Program::keyUp(Control& control) {
  if (!control.enabled()) return;
  runHandler(control.window(), [&] {
    if (control.onKeyUp) control.onKeyUp();
  });
}

void Program::focus(Control& control) {
  control.window().setFocusedControl(&control);
  runHandler(control.window(), [&] {
    if (control.onGotFocus) control.onGotFocus();
  });
}

bool Program::key(Window& window, std::string_view keyName) {
  bool known = true;
  runHandler(window, [&] { known = PressKey(*this, window, keyName); });
  return known;
}

void Program::help(Window& window) {
  if (!onHelp) return;
  runHandler(window, [&] { onHelp(window); });
}

Window* Program::activeWindow() const {
  Window* active = nullptr;
  for (Window* window : order_) {
    if (window->visible() && (!active || window->shownAt() > active->shownAt())) active = window;
  }
  return active;
}

void Program::closeWindow(Window& window) {
  runHandler(window, [&] { window.Form_Close(); });
}

}  // namespace sylvandra
