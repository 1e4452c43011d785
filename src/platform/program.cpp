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
  return adopt(factory->second(*this));
}

Window& Program::adopt(std::unique_ptr<Window> window) {
  Window& created = *window;
  order_.push_back(&created);
  windows_[created.name()] = std::move(window);
  created.RecordDesign();
  created.Form_Load();
  if (onWindowCreated) onWindowCreated(created);
  return created;
}

int Program::MsgBox(const std::string& prompt, int buttons, const std::string& title) {
  return host_.MessageBox(prompt, buttons, title);
}

std::string Program::InputBox(const std::string& prompt, const std::string& title,
                              const std::string& defaultText) {
  return host_.InputBox(prompt, title, defaultText);
}

void Program::End() {
  if (!ended_) {
    ended_ = true;
    host_.ProgramEnded();
  }
  throw ProgramEnded();
}

void Program::Refresh() {
  host_.Repaint();
  // The host has shown the transient marks (or has no screen to show them on); the surfaces
  // forget them here, so a long run that draws and refreshes keeps its memory flat whichever
  // host it runs on.
  for (Window* window : order_) {
    window->surface().DropTransient();
    for (const auto& control : window->controls()) {
      if (control->surfaceIfAny()) control->surface().DropTransient();
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
  try {
    fn();
    return true;
  } catch (const ProgramEnded&) {
    return true;
  } catch (const RuntimeFailure& failure) {
    host_.ReportFailure(window, failure.what());
  } catch (const std::exception& failure) {
    host_.ReportFailure(window, std::string("unexpected failure: ") + failure.what());
  }
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
  if (!control.enabled() || control.locked()) return;
  runHandler(control.window(), [&] {
    control.setText(std::move(text));
    if (control.onKeyUp) control.onKeyUp();
  });
}

void Program::edit(Control& control, std::string text) {
  if (!control.enabled() || control.locked()) return;
  runHandler(control.window(), [&] { control.setText(std::move(text)); });
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
