#include "desktop_player.h"

#include <QCoreApplication>
#include <QTimer>
#include <fstream>

#include "desktop_pictures.h"
#include "ui/desktop.h"

namespace sylvandra::script {
namespace {

// How soon to look again when a command comes due while a handler (or its box) is running.
constexpr int kBusyRetryMs = 10;

ScriptOptions PlayOptions() {
  ScriptOptions options;
  options.pictures = DesktopPictureCommands();
  return options;
}

}  // namespace

class ScriptPlayer::DesktopStage : public ScriptStage {
 public:
  explicit DesktopStage(ui::Desktop& desktop) : desktop_(desktop) {}
  void act(const std::function<void()>& action) override {
    acted = true;
    desktop_.dispatch(action);
  }
  bool acted = false;

 private:
  ui::Desktop& desktop_;
};

ScriptPlayer::ScriptPlayer(ui::Desktop& desktop, ScriptHost& dialogs,
                           std::vector<std::string> lines, int paceMs, std::ostream& out,
                           std::ostream& errors)
    : desktop_(desktop),
      stage_(std::make_unique<DesktopStage>(desktop)),
      interpreter_(std::make_unique<ScriptInterpreter>(desktop.program(), dialogs, *stage_, out,
                                                       PlayOptions())),
      lines_(std::move(lines)),
      paceMs_(paceMs),
      out_(out),
      errors_(errors) {}

ScriptPlayer::~ScriptPlayer() = default;

void ScriptPlayer::start() {
  QTimer::singleShot(0, this, [this] { step(); });
}

void ScriptPlayer::step() {
  // A box's own event loop or a long run's repaints let timers fire: the next command waits
  // for the handler to end, as a person's next click would.
  if (desktop_.handling()) {
    QTimer::singleShot(kBusyRetryMs, this, [this] { step(); });
    return;
  }
  if (interpreter_->ended()) return;  // the desktop closes itself at the end of the program
  if (next_ == lines_.size()) {
    out_.flush();
    QCoreApplication::exit(0);
    return;
  }
  const size_t number = ++next_;
  stage_->acted = false;
  if (!interpreter_->executeLine(lines_[number - 1], static_cast<int>(number), errors_)) {
    QCoreApplication::exit(2);
    return;
  }
  if (interpreter_->ended()) return;
  QTimer::singleShot(stage_->acted ? paceMs_ : 0, this, [this] { step(); });
}

bool ReadScriptLines(const std::string& file, std::vector<std::string>& lines) {
  std::ifstream in(file);
  if (!in) return false;
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return true;
}

}  // namespace sylvandra::script
