// The desktop program: the main menu shown, every other window created when first touched.
//
// With SYLVANDRA_STARTUP_PROBE set, the program prints how long after the start of the process
// the main menu was first painted and quits; when the variable names a .png file, the screen
// is saved there first (to check what a person would see).
#include <unistd.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>

#include "app/startup.h"
#include "platform/program.h"
#include "ui/desktop.h"
#include "ui/qt_host.h"
#include "ui/window_view.h"

namespace {

// Milliseconds since the kernel started this process.
double MsSinceProcessStart() {
  std::ifstream stat("/proc/self/stat");
  std::string content((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
  const auto close = content.rfind(')');
  if (close == std::string::npos) return -1;
  // Field 22 (starttime, clock ticks since boot) counted from field 3, just after the name.
  const char* field = content.c_str() + close + 2;
  for (int i = 3; i < 22; ++i) {
    field = std::strchr(field, ' ');
    if (!field) return -1;
    ++field;
  }
  const double startTicks = std::strtod(field, nullptr);
  timespec now{};
  clock_gettime(CLOCK_BOOTTIME, &now);
  const double nowMs = now.tv_sec * 1000.0 + now.tv_nsec / 1e6;
  return nowMs - startTicks * 1000.0 / static_cast<double>(sysconf(_SC_CLK_TCK));
}

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
        std::fprintf(stderr, "first paint %.0f ms after process start\n", MsSinceProcessStart());
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

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QCoreApplication::setApplicationName(QStringLiteral("Laboratory Exercises for Sylvandra"));
  application.setQuitOnLastWindowClosed(false);

  std::unique_ptr<StartupProbe> probe;
  if (const char* value = std::getenv("SYLVANDRA_STARTUP_PROBE")) {
    probe = std::make_unique<StartupProbe>(EndsWith(value, ".png") ? value : "");
    application.installEventFilter(probe.get());
  }

  sylvandra::ui::QtHost host;
  sylvandra::Program program(host);
  sylvandra::ui::Desktop desktop(program);
  host.attach(&desktop);
  sylvandra::StartProgram(program);
  if (program.ended()) return 0;
  desktop.sync();
  return application.exec();
}
