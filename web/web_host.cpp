#include "web_host.h"

#include "platform/dialog_text.h"
#include "platform/program.h"
#include "platform/window.h"

namespace sylvandra::web {
namespace {

// Exclamation: the icon of a box that reports a failure.
constexpr int kWarningIcon = 48;
constexpr const char* kProgramTitle = "Sylvandra";

}  // namespace

std::string WebHost::titleOr(const std::string& title) const {
  const std::string own = program_ ? BoxTitle(*program_, title) : title;
  return own.empty() ? kProgramTitle : own;
}

int WebHost::messageBox(const std::string& prompt, int buttons, const std::string& title) {
  if (script_) return script_->messageBox(prompt, buttons, title);
  return page_.message(titleOr(title), prompt, buttons);
}

std::string WebHost::inputBox(const std::string& prompt, const std::string& title,
                              const std::string& defaultText) {
  if (script_) return script_->inputBox(prompt, title, defaultText);
  return page_.input(titleOr(title), prompt, defaultText).value_or("");
}

void WebHost::programEnded() {
  if (script_) script_->programEnded();
  page_.ended();
}

void WebHost::repaint() {
  if (!script_) page_.frame();
}

void WebHost::waitUntil(std::chrono::steady_clock::time_point until) {
  const auto left = until - std::chrono::steady_clock::now();
  if (script_ || left <= left.zero()) return;
  page_.wait(std::chrono::duration<double, std::milli>(left).count());
}

void WebHost::reportFailure(const Window& window, const std::string& message) {
  if (script_) {
    script_->reportFailure(window, message);
    return;
  }
  page_.message(titleOr(window.caption()), FailureBoxText(window, message), kWarningIcon);
}

}  // namespace sylvandra::web
