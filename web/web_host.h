// The host of the browser page: message and input boxes are the page's modal dialogs, a repaint
// is one frame of the page, and Escape or the running window's Return, pressed in the page
// during a long run, ask the run to stop. While a driver line runs (sylvandra.run), every box,
// failure and the end of the program go to the script host instead, which logs them and
// answers from its queue, so the page prints what the script driver prints.
#pragma once

#include <optional>
#include <string>

#include "platform/host.h"

namespace sylvandra {
class Program;
}  // namespace sylvandra

namespace sylvandra::web {

// What the page does for the program; the browser module implements it in JavaScript, each
// call waiting until the person has answered.
class Page {
 public:
  virtual ~Page() = default;
  // buttons as the program asks for them (0 = OK only); returns the button pressed (1 OK,
  // 2 Cancel, 3 Abort, 4 Retry, 5 Ignore, 6 Yes, 7 No).
  virtual int message(const std::string& title, const std::string& prompt, int buttons) = 0;
  // The text entered, or nothing when the box was cancelled.
  virtual std::optional<std::string> input(const std::string& title, const std::string& prompt,
                                           const std::string& defaultText) = 0;
  // Shows the windows as they are now and lets the page take input before the run goes on.
  virtual void frame() = 0;
  // Lets the page take input and paint for `milliseconds` before the run goes on.
  virtual void wait(double milliseconds) = 0;
  virtual void ended() = 0;
};

class WebHost : public Host {
 public:
  explicit WebHost(Page& page) : page_(page) {}

  // The program whose windows give a box without a title its title.
  void attach(const Program* program) { program_ = program; }
  // While set, boxes, failures and the end go to `script` alone (null: to the page).
  void playAlong(Host* script) { script_ = script; }
  // The person asks the running handler to stop at its next boundary.
  void requestStop() { stopRequested_ = true; }
  // The handler has returned: the request is forgotten.
  void clearStop() { stopRequested_ = false; }

  int messageBox(const std::string& prompt, int buttons, const std::string& title) override;
  std::string inputBox(const std::string& prompt, const std::string& title,
                       const std::string& defaultText) override;
  void programEnded() override;
  void repaint() override;
  bool showsFrames() const override { return script_ == nullptr; }
  void waitUntil(std::chrono::steady_clock::time_point until) override;
  bool stopRequested() const override { return script_ == nullptr && stopRequested_; }
  void reportFailure(const Window& window, const std::string& message) override;

 private:
  std::string titleOr(const std::string& title) const;

  Page& page_;
  const Program* program_ = nullptr;
  Host* script_ = nullptr;
  bool stopRequested_ = false;
};

}  // namespace sylvandra::web
