// The script driver's commands (see the README), run over a program on either host: headless
// (sylvandra-script) or on the real desktop windows (sylvandra --play). One interpreter speaks
// the whole command set; a ScriptStage holds what differs between the hosts.
#pragma once

#include <functional>
#include <istream>
#include <map>
#include <memory>
#include <optional>
#include <ostream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>

namespace sylvandra {
class Program;
class Window;
enum class ControlKind;
}  // namespace sylvandra

namespace sylvandra::script {

class ScriptHost;

// A command or target the driver does not know: the script stops with exit code 2.
class ScriptError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The commands that picture the program with the desktop's drawing (png, export ... png,
// record). The desktop build registers them; where one is missing (the WebAssembly build) the
// command prints an error line naming it and the script goes on. Each returns false with the
// reason in `error` when the file cannot be written.
struct PictureCommands {
  std::function<bool(Program& program, Window& window, const std::string& file,
                     std::optional<std::pair<int, int>> sizeInPixels, std::string& error)>
      writePng;
  std::function<bool(Window& window, const std::string& file, std::string& error)> writeRecord;
};

struct ScriptOptions {
  // Each digest is followed by the full canvas it sums up (what a failing golden shows).
  bool canvasAfterDigest = false;
  PictureCommands pictures;
};

// What differs between the hosts a script runs on.
class ScriptStage {
 public:
  virtual ~ScriptStage() = default;
  // Delivers a person's action (click, type, focus, key) to the program. Headless it simply
  // runs; the desktop runs it through its own dispatch, so that its views follow.
  virtual void act(const std::function<void()>& action) { action(); }
};

class ScriptInterpreter {
 public:
  // Boxes are answered from `dialogs`' queue and logged by it on the same output.
  ScriptInterpreter(Program& program, ScriptHost& dialogs, ScriptStage& stage, std::ostream& out,
                    ScriptOptions options = {});
  ~ScriptInterpreter();

  // Runs one line of a script; blank lines and comments do nothing. Throws ScriptError for a
  // command or target the driver does not know.
  void execute(std::string_view line);
  // The same, reporting a ScriptError on `errors` as "line N: what: LINE"; false after one.
  bool executeLine(std::string line, int number, std::ostream& errors);
  // True once the program has ended: the driver reads no further.
  bool ended() const;

 private:
  class Commands;
  std::unique_ptr<Commands> commands_;
};

// The kind of control as `controls` names it ("OptionButton").
const char* ControlKindName(ControlKind kind);

// Starts the program headless and runs the whole script; returns the process exit code (0, or 2
// for a command or target that is not known, after a message on `errors` naming the line).
int RunScript(std::istream& in, std::ostream& out, std::ostream& errors,
              ScriptOptions options = {});

// The whole sylvandra-script program: [--canvas-after-digest] [SCRIPT] (standard input without
// a SCRIPT), on standard output and standard error.
int ScriptMain(int argc, char** argv, ScriptOptions options);

}  // namespace sylvandra::script
