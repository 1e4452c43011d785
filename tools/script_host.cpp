#include "script_host.h"

#include "json.h"
#include "platform/window.h"

namespace sylvandra::script {

int ScriptHost::messageBox(const std::string& prompt, int /*buttons*/, const std::string& title) {
  out_ << "msgbox {\"title\":" << JsonString(title) << ",\"prompt\":" << JsonString(prompt) << "}"
       << std::endl;
  return 1;
}

std::string ScriptHost::inputBox(const std::string& prompt, const std::string& title,
                                 const std::string& defaultText) {
  std::string reply = defaultText;
  if (!answers_.empty()) {
    reply = answers_.front().value_or("");
    answers_.pop_front();
  }
  out_ << "inputbox {\"title\":" << JsonString(title) << ",\"prompt\":" << JsonString(prompt)
       << ",\"default\":" << JsonString(defaultText) << "} -> " << JsonString(reply) << std::endl;
  return reply;
}

void ScriptHost::programEnded() {
  ended_ = true;
  out_ << "end" << std::endl;
}

void ScriptHost::reportFailure(const Window& window, const std::string& message) {
  printError(window.name(), message);
}

void ScriptHost::printError(const std::string& windowName, const std::string& message) {
  out_ << "error {\"window\":" << JsonString(windowName) << ",\"message\":" << JsonString(message)
       << "}" << std::endl;
}

}  // namespace sylvandra::script
