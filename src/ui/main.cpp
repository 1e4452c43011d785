// The desktop program: the main menu shown, every other window created when first touched.
//
//   sylvandra --play FILE [--pace MS]
// plays a driver script on the real windows, printing what sylvandra-script prints, and quits
// after its last command: MS (default 300) is the pause after each action; each box stays up
// four times as long, then closes by itself.
//
// With SYLVANDRA_STARTUP_PROBE set, the program prints how long after the start of the process
// the main menu was first painted and quits; when the variable names a .png file, the screen
// is saved there first (to check what a person would see).
#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <QSettings>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/startup.h"
#include "desktop_player.h"
#include "platform/program.h"
#include "script_host.h"
#include "ui/desktop.h"
#include "ui/process_clock.h"
#include "ui/qt_host.h"
#include "ui/desktop_style.h"
#include "ui/window_view.h"

namespace {

// Reports the first paint of any window, then quits.
class StartupProbe : public QObject {
 public:
  explicit StartupProbe(std::string screenshot) : screenshot_(std::move(screenshot)) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (!done_ && event->type() == QEvent::Paint &&
        dynamic_cast<sylvandra::ui::WindowView*>(watched)) {
      done_ = true;
      // Measured once the paint has been handled and flushed.
      QTimer::singleShot(0, [this] {
        std::fprintf(stderr, "first paint %.0f ms after process start\n",
                     sylvandra::ui::MsSinceProcessStart());
        if (!screenshot_.empty()) {
          QTimer::singleShot(500, [this] {
            QGuiApplication::primaryScreen()->grabWindow(0).save(
                QString::fromStdString(screenshot_));
            QCoreApplication::exit(0);
          });
        } else {
          QCoreApplication::exit(0);
        }
      });
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  std::string screenshot_;
  bool done_ = false;
};

bool EndsWith(const std::string& text, const std::string& end) {
  return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

// What --play asks for: the script and the pause after each action.
struct PlayRequest {
  std::string file;
  int paceMs = 300;
};

// Reads --play FILE [--pace MS]; false (with a message) when the arguments are not understood.
bool ReadPlayArguments(const QStringList& arguments, std::optional<PlayRequest>& request) {
  for (qsizetype i = 1; i < arguments.size(); ++i) {
    const QString& argument = arguments[i];
    const bool hasValue = i + 1 < arguments.size();
    if (argument == QStringLiteral("--play") && hasValue) {
      if (!request) request.emplace();
      request->file = arguments[++i].toStdString();
    } else if (argument == QStringLiteral("--pace") && hasValue) {
      bool ok = false;
      const int pace = arguments[++i].toInt(&ok);
      if (!ok || pace < 0) {
        std::cerr << "sylvandra: --pace takes a number of milliseconds\n";
        return false;
      }
      if (!request) request.emplace();
      request->paceMs = pace;
    } else {
      std::cerr << "usage: sylvandra [--play SCRIPT [--pace MS]]\n";
      return false;
    }
  }
  if (request && request->file.empty()) {
    std::cerr << "usage: sylvandra [--play SCRIPT [--pace MS]]\n";
    return false;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QCoreApplication::setOrganizationName(QStringLiteral("Sylvandra"));
  QCoreApplication::setApplicationName(QStringLiteral("Laboratory Exercises for Sylvandra"));
  application.setQuitOnLastWindowClosed(false);
  // Owned by the application once set.
  QApplication::setStyle(new sylvandra::ui::DesktopStyle);

  std::unique_ptr<StartupProbe> probe;
  if (const char* value = std::getenv("SYLVANDRA_STARTUP_PROBE")) {
    probe = std::make_unique<StartupProbe>(EndsWith(value, ".png") ? value : "");
    application.installEventFilter(probe.get());
  }

  std::optional<PlayRequest> play;
  if (!ReadPlayArguments(QCoreApplication::arguments(), play)) return 2;
  std::vector<std::string> lines;
  if (play && !sylvandra::script::ReadScriptLines(play->file, lines)) {
    std::cerr << "sylvandra: cannot read " << play->file << "\n";
    return 2;
  }

  // A played script's boxes are logged and answered by the driver's own host, then shown.
  sylvandra::script::ScriptHost scriptDialogs(std::cout);
  sylvandra::ui::QtHost host(play ? std::make_unique<sylvandra::ui::NativeDialogs>(4 * play->paceMs)
                                  : std::make_unique<sylvandra::ui::NativeDialogs>());
  if (play) host.playAlong(&scriptDialogs);
  sylvandra::Program program(host);
  sylvandra::ui::Desktop desktop(program);
  // The person's zoom is kept for the next start.
  QSettings settings;
  desktop.keepZoomIn(&settings);
  host.attach(&desktop);
  sylvandra::StartProgram(program);
  if (program.ended()) return 0;
  desktop.sync();
  std::unique_ptr<sylvandra::script::ScriptPlayer> player;
  if (play) {
    player = std::make_unique<sylvandra::script::ScriptPlayer>(
        desktop, scriptDialogs, std::move(lines), play->paceMs, std::cout, std::cerr);
    player->start();
  }
  const int status = application.exec();
  std::cout.flush();
  return status;
}
