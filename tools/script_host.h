// The host of the script driver: dialogs are answered from a queue of replies and every event
// the user would see is logged as one line on the output.
#pragma once

#include <deque>
#include <optional>
#include <ostream>
#include <string>

#include "platform/host.h"

namespace sylvandra::script {

class ScriptHost : public Host {
 public:
  explicit ScriptHost(std::ostream& out) : out_(out) {}

  // The reply to the next input box; nothing means the box is cancelled.
  void queueAnswer(std::optional<std::string> answer) { answers_.push_back(std::move(answer)); }
  bool ended() const { return ended_; }

  int messageBox(const std::string& prompt, int buttons, const std::string& title) override;
  std::string inputBox(const std::string& prompt, const std::string& title,
                       const std::string& defaultText) override;
  void programEnded() override;
  void reportFailure(const Window& window, const std::string& message) override;
  // The line `error {"window":...,"message":...}`.
  void printError(const std::string& windowName, const std::string& message);

 private:
  std::ostream& out_;
  std::deque<std::optional<std::string>> answers_;
  bool ended_ = false;
};

}  // namespace sylvandra::script
