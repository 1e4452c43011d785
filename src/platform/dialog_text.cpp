#include "platform/dialog_text.h"

#include "platform/program.h"
#include "platform/window.h"

namespace sylvandra {

std::string BoxTitle(const Program& program, const std::string& title) {
  if (!title.empty()) return title;
  const Window* window = program.handlingWindow();
  if (!window) window = program.activeWindow();
  return window ? window->caption() : std::string();
}

std::string FailureBoxText(const Window& window, const std::string& message) {
  return "The action in the window \"" + window.caption() + "\" was stopped:\n\n" + message +
         "\n\nNothing you typed has been lost.";
}

}  // namespace sylvandra
