// sylvandra --play FILE: the driver's commands on the real desktop windows. Each person's action
// goes through the desktop's dispatch, so the views follow as after a click; between commands
// the event loop runs (the windows repaint) and, after an action, the player waits `paceMs` so
// that a class can follow. Boxes are shown and close by themselves (see QtHost::playAlong).
#pragma once

#include <QObject>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "script_runner.h"

namespace sylvandra::ui {
class Desktop;
}

namespace sylvandra::script {

class ScriptPlayer : public QObject {
 public:
  ScriptPlayer(ui::Desktop& desktop, ScriptHost& dialogs, std::vector<std::string> lines,
               int paceMs, std::ostream& out, std::ostream& errors);
  ~ScriptPlayer() override;
  // Plays the script from the event loop; the application exits with 0 after the last command
  // (or when the program ends), with 2 after a command or target the driver does not know.
  void start();

 private:
  class DesktopStage;
  void step();

  ui::Desktop& desktop_;
  std::unique_ptr<DesktopStage> stage_;
  std::unique_ptr<ScriptInterpreter> interpreter_;
  std::vector<std::string> lines_;
  size_t next_ = 0;
  int paceMs_;
  std::ostream& out_;
  std::ostream& errors_;
};

// Reads the script's lines; false when the file cannot be read.
bool ReadScriptLines(const std::string& file, std::vector<std::string>& lines);

}  // namespace sylvandra::script
