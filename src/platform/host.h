// What the program asks of whoever shows it: modal message and input boxes, the end of the
// program, a repaint during a long run, whether the person has asked that run to stop, and the
// report of a run-time failure. The desktop host shows real dialogs; the script host answers
// from its queue and logs.
#pragma once

#include <chrono>
#include <string>
#include <thread>

namespace sylvandra {

class Window;

class Host {
 public:
  virtual ~Host() = default;
  // buttons: 0 = OK only. Returns the button pressed (1 = OK).
  virtual int messageBox(const std::string& prompt, int buttons, const std::string& title) = 0;
  // The text entered, or the empty text when the box is cancelled.
  virtual std::string inputBox(const std::string& prompt, const std::string& title,
                               const std::string& defaultText) = 0;
  virtual void programEnded() = 0;
  // Shows the current state of every window while a handler is still running.
  virtual void repaint() {}
  // Whether repaint shows the windows to a person (a long animation may then keep to a frame
  // rate); hosts without a screen return at once from repaint.
  virtual bool showsFrames() const { return false; }
  // Waits until `until` between the frames of a long run. A host whose screen is drawn by the
  // thread that runs the program (a browser page) lets the screen take input and paint
  // meanwhile instead of holding it.
  virtual void waitUntil(std::chrono::steady_clock::time_point until) {
    std::this_thread::sleep_until(until);
  }
  // Whether the person has asked the running handler to stop (on the desktop: Escape, the
  // window's Return button or its close button, pressed during a long run). A long run asks at
  // each natural boundary (the end of a simulated year) and ends there as if that year were its
  // last. The request is forgotten when the handler returns; hosts without a person never ask.
  virtual bool stopRequested() const { return false; }
  // A handler stopped on a run-time failure; message names the field and the offending text.
  virtual void reportFailure(const Window& window, const std::string& message) = 0;
};

}  // namespace sylvandra
