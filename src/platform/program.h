// The program object: every window (created on first touch, never destroyed), the program-wide
// state of each subsystem, the random sequence, and the entry points through which a person's
// clicks and typing reach the windows. A handler runs to completion; a run-time failure inside
// it stops it, everything the handler changed is put back (platform/journal.h), the failure is
// reported through the host, and the program keeps running.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <typeindex>
#include <vector>

#include "platform/host.h"
#include "platform/journal.h"
#include "platform/random.h"
#include "platform/window.h"

namespace sylvandra {

class Program {
 public:
  using WindowFactory = std::function<std::unique_ptr<Window>(Program&)>;

  explicit Program(Host& host);
  ~Program();
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  Host& host() const { return host_; }

  // Makes a window reachable by name (the script driver, the desktop's close button).
  void registerWindow(std::string name, WindowFactory factory);
  template <class W>
  void registerWindow() {
    registerWindow(W::kName, [](Program& program) { return std::make_unique<W>(program); });
  }
  bool knowsWindow(std::string_view name) const;
  // The names of every window made reachable, in name order.
  std::vector<std::string> registeredWindows() const;

  // The window, created and loaded on first touch.
  Window& form(std::string_view name);
  template <class W>
  W& form() {
    if (Window* existing = loaded(W::kName)) return static_cast<W&>(*existing);
    return static_cast<W&>(create(
        [](Program& program) -> std::unique_ptr<Window> { return std::make_unique<W>(program); }));
  }
  Window* loaded(std::string_view name) const;
  // Every window created so far, in creation order.
  const std::vector<Window*>& windows() const { return order_; }
  // The shown window shown last (where the keyboard works), or null.
  Window* activeWindow() const;
  // The program's clock of windows being shown.
  std::uint64_t tick() { return ++clock_; }

  // Program-wide state of a subsystem, created on first use and kept until the program ends.
  // A handler that fails puts it back as it was (T is copied at the handler's first use).
  template <class T>
  T& state() {
    StateSlot& slot = state_[std::type_index(typeid(T))];
    if (!slot.object) {
      slot.object = std::shared_ptr<void>(new T(), [](void* p) { delete static_cast<T*>(p); });
    }
    T* object = static_cast<T*>(slot.object.get());
    journal_.keep(slot.stamp,
                  [object] { return [object, before = *object] { *object = before; }; });
    return *object;
  }

  // Modal boxes.
  int MsgBox(const std::string& prompt, int buttons = 0, const std::string& title = "");
  std::string InputBox(const std::string& prompt, const std::string& title = "",
                       const std::string& defaultText = "");
  // Ends the program at once: the running handler stops and no event is taken afterwards.
  [[noreturn]] void End();
  bool ended() const { return ended_; }
  // Lets the host show the windows as they are now, in the middle of a long run; the
  // transient marks of every surface are dropped afterwards (the host has painted them).
  void Refresh();

  double Rnd() { return random().Rnd(); }
  void Randomize(double seed) { random().Randomize(seed); }

  // A person's actions. Each runs the control's handlers; failures are reported, not thrown.
  void click(Control& control);
  // Typing over a field: the change event, then key-up. The typed text stays when a handler
  // fails: it is the person's, not the handler's.
  void type(Control& control, std::string text);
  // The two halves of typing, as a keyboard delivers them: the text changes as a key goes down
  // (Change), and every key released fires KeyUp, whether or not it changed the text.
  void edit(Control& control, std::string text);
  void keyUp(Control& control);
  // The control takes the keyboard focus of its window, then its got-focus event runs.
  void focus(Control& control);
  // A key pressed in window (platform/keyboard.h names the keys); false for a key it does not
  // know.
  bool key(Window& window, std::string_view keyName);
  // What F1 does in a window: set by the program's start-up (the page on the window's model).
  std::function<void(Window&)> onHelp;
  // Runs once for each window, when it has been created and loaded (set by the start-up).
  std::function<void(Window&)> onWindowCreated;
  void help(Window& window);
  void closeWindow(Window& window);
  // Runs fn as an event handler of window; returns false when it stopped on a failure, after
  // putting back everything fn changed.
  bool runHandler(const Window& window, const std::function<void()>& fn);
  // What the running handlers have changed (the windows, controls and surfaces keep their
  // earlier state in it).
  Journal& journal() { return journal_; }
  // The window whose event handler is running, or null between events.
  const Window* handlingWindow() const { return handling_; }
  // Runs fn as part of `window`'s handling (an exercise's set-up run when a chapter opens it).
  void handleAs(const Window& window, const std::function<void()>& fn);

 private:
  // Creates and loads a window outside the running handler's transaction.
  Window& create(const WindowFactory& factory);
  RandomSequence& random();
  void typeText(Control& control, std::string text, bool keyUp);

  struct StateSlot {
    std::shared_ptr<void> object;
    JournalStamp stamp = 0;
  };

  Host& host_;
  std::map<std::string, WindowFactory, std::less<>> factories_;
  std::map<std::string, std::unique_ptr<Window>, std::less<>> windows_;
  std::vector<Window*> order_;
  std::map<std::type_index, StateSlot> state_;
  RandomSequence random_;
  JournalStamp randomStamp_ = 0;
  Journal journal_;
  bool ended_ = false;
  const Window* handling_ = nullptr;
  std::uint64_t clock_ = 0;
};

}  // namespace sylvandra
