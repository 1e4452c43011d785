// A host for tests: records every dialog, failure and the end of the program, and answers input
// boxes from a queue (the default text when the queue is empty).
#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "platform/host.h"
#include "platform/window.h"

namespace sylvandra::testing {

class TestHost : public Host {
 public:
  struct Message {
    std::string prompt, title;
  };
  struct Failure {
    std::string window, message;
  };

  int messageBox(const std::string& prompt, int, const std::string& title) override {
    messages.push_back({prompt, title});
    return 1;
  }
  std::string inputBox(const std::string& prompt, const std::string& title,
                       const std::string& defaultText) override {
    inputPrompts.push_back({prompt, title});
    if (answers.empty()) return defaultText;
    std::string reply = answers.front().value_or("");
    answers.pop_front();
    return reply;
  }
  void programEnded() override { ended = true; }
  void repaint() override { ++repaints; }
  bool showsFrames() const override { return framesShown; }
  bool stopRequested() const override {
    return stopAfterRepaints >= 0 && repaints >= stopAfterRepaints;
  }
  void reportFailure(const Window& window, const std::string& message) override {
    failures.push_back({window.name(), message});
  }

  std::vector<Message> messages;
  std::vector<Message> inputPrompts;
  std::deque<std::optional<std::string>> answers;
  std::vector<Failure> failures;
  bool ended = false;
  int repaints = 0;
  // Whether repaints count as frames a person sees (a long animation then keeps a frame rate).
  bool framesShown = false;
  // The person asks a long run to stop once it has repainted this often (-1: never).
  int stopAfterRepaints = -1;
};

}  // namespace sylvandra::testing
