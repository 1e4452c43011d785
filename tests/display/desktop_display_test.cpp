// The desktop program under a real X display: the test starts its own Xvfb server, starts the
// program on it, and works it with the mouse as a person would (pointer moved onto a control,
// button pressed and released through the XTEST extension): the chapter on the menu, the
// introduction's Continue, the exercise's Execute. It then reads the output window's pixels
// back from the server and looks for the graph's coloured curves. Without Xvfb it is skipped.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <functional>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "exercises/carbon_water/ex0_ask.h"
#include "unit/exercise_fixture.h"

// Xlib's headers define macros (None, Status, True, ...) that would clash with names above.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>

namespace sylvandra {
namespace {

using namespace std::chrono_literals;

// Pixels per twip on the program's windows (15 twips to the pixel).
constexpr double kTwipsPerPixel = 15;

std::optional<std::string> FindXvfb() {
  const char* path = std::getenv("PATH");
  std::string dirs = path ? path : "/usr/bin:/bin";
  dirs += ":/usr/bin";
  size_t start = 0;
  while (start <= dirs.size()) {
    const size_t end = dirs.find(':', start);
    const std::string dir = dirs.substr(start, end == std::string::npos ? end : end - start);
    const std::string candidate = dir + "/Xvfb";
    if (!dir.empty() && access(candidate.c_str(), X_OK) == 0) return candidate;
    if (end == std::string::npos) break;
    start = end + 1;
  }
  return std::nullopt;
}

pid_t Spawn(const std::vector<std::string>& args, const std::vector<std::string>& env) {
  const pid_t pid = fork();
  if (pid != 0) return pid;
  for (const std::string& e : env) putenv(const_cast<char*>(e.c_str()));
  const int devNull = open("/dev/null", O_WRONLY);
  if (devNull >= 0) dup2(devNull, STDERR_FILENO);
  std::vector<char*> argv;
  for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  execv(argv[0], argv.data());
  _exit(127);
}

void Stop(pid_t pid) {
  if (pid <= 0) return;
  kill(pid, SIGTERM);
  int status = 0;
  for (int i = 0; i < 50; ++i) {
    if (waitpid(pid, &status, WNOHANG) == pid) return;
    std::this_thread::sleep_for(100ms);
  }
  kill(pid, SIGKILL);
  waitpid(pid, &status, 0);
}

// Waits (up to a generous bound, so that a broken program fails instead of hanging the suite)
// until found() gives a value.
template <class T>
std::optional<T> WaitFor(const std::function<std::optional<T>()>& found) {
  for (int i = 0; i < 300; ++i) {
    if (auto value = found()) return value;
    std::this_thread::sleep_for(100ms);
  }
  return std::nullopt;
}

class DesktopOnXvfb : public ::testing::Test {
 protected:
  void SetUp() override {
    const std::optional<std::string> xvfb = FindXvfb();
    if (!xvfb) {
      GTEST_SKIP() << "Xvfb is not installed (apt-get install xvfb): the desktop program is not "
                      "tried under a real display";
    }
    int fds[2];
    ASSERT_EQ(pipe(fds), 0);
    // -displayfd: the server picks a free display and writes its number once it takes clients.
    xvfb_ = fork();
    if (xvfb_ == 0) {
      close(fds[0]);
      const int devNull = open("/dev/null", O_WRONLY);
      if (devNull >= 0) dup2(devNull, STDERR_FILENO);
      const std::string fd = std::to_string(fds[1]);
      execl(xvfb->c_str(), "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "1280x1024x24",
            "-nolisten", "tcp", static_cast<char*>(nullptr));
      _exit(127);
    }
    close(fds[1]);
    std::string number;
    char c;
    while (read(fds[0], &c, 1) == 1 && c != '\n') number += c;
    close(fds[0]);
    ASSERT_FALSE(number.empty()) << "Xvfb did not start";
    display_ = ":" + number;
    dpy_ = XOpenDisplay(display_.c_str());
    ASSERT_NE(dpy_, nullptr) << "cannot open " << display_;
    int event, error, major, minor;
    ASSERT_TRUE(XTestQueryExtension(dpy_, &event, &error, &major, &minor));
    program_ = Spawn({SYLVANDRA_PROGRAM}, {"DISPLAY=" + display_, "QT_QPA_PLATFORM=xcb"});
  }

  void TearDown() override {
    Stop(program_);
    if (dpy_) XCloseDisplay(dpy_);
    Stop(xvfb_);
  }

  // The shown top-level window with this title: the origin on the screen of its client area,
  // `clientHeight` pixels high; whatever the window holds above that is a menu bar.
  std::optional<std::pair<int, int>> ShownWindow(const std::string& title, int clientHeight = 0) {
    ::Window root = DefaultRootWindow(dpy_), parent, *children = nullptr;
    unsigned count = 0;
    std::optional<std::pair<int, int>> origin;
    if (!XQueryTree(dpy_, root, &root, &parent, &children, &count)) return origin;
    for (unsigned i = 0; i < count && !origin; ++i) {
      XWindowAttributes attributes;
      if (!XGetWindowAttributes(dpy_, children[i], &attributes) ||
          attributes.map_state != IsViewable)
        continue;
      char* name = nullptr;
      if (XFetchName(dpy_, children[i], &name) && name) {
        if (title == name) {
          int x = 0, y = 0;
          ::Window child;
          XTranslateCoordinates(dpy_, children[i], root, 0, 0, &x, &y, &child);
          const int above = clientHeight > 0 ? std::max(0, attributes.height - clientHeight) : 0;
          origin = std::make_pair(x, y + above);
        }
        XFree(name);
      }
    }
    if (children) XFree(children);
    return origin;
  }

  std::optional<std::pair<int, int>> WaitForWindow(const Window& window) {
    const int clientHeight = static_cast<int>(window.height() / kTwipsPerPixel);
    return WaitFor<std::pair<int, int>>(
        [&] { return ShownWindow(window.caption(), clientHeight); });
  }

  // Moves the pointer onto the middle of the control and clicks the left button.
  void ClickOn(const std::pair<int, int>& origin, const Control& control) {
    const int x =
        origin.first + static_cast<int>((control.left() + control.width() / 2) / kTwipsPerPixel);
    const int y =
        origin.second + static_cast<int>((control.top() + control.height() / 2) / kTwipsPerPixel);
    XTestFakeMotionEvent(dpy_, -1, x, y, CurrentTime);
    XSync(dpy_, False);
    std::this_thread::sleep_for(100ms);
    XTestFakeButtonEvent(dpy_, 1, True, CurrentTime);
    XTestFakeButtonEvent(dpy_, 1, False, CurrentTime);
    XSync(dpy_, False);
  }

  // Pixels of clearly coloured ink (not white, grey or black) in a rectangle of the screen.
  int ColouredPixels(int x, int y, int width, int height) {
    XImage* image = XGetImage(dpy_, DefaultRootWindow(dpy_), x, y, static_cast<unsigned>(width),
                              static_cast<unsigned>(height), AllPlanes, ZPixmap);
    if (!image) return -1;
    int coloured = 0;
    for (int row = 0; row < height; ++row) {
      for (int column = 0; column < width; ++column) {
        const unsigned long pixel = XGetPixel(image, column, row);
        const int r = static_cast<int>((pixel >> 16) & 0xFF),
                  g = static_cast<int>((pixel >> 8) & 0xFF), b = static_cast<int>(pixel & 0xFF);
        const int high = std::max({r, g, b}), low = std::min({r, g, b});
        if (high - low > 100) ++coloured;
      }
    }
    XDestroyImage(image);
    return coloured;
  }

  pid_t xvfb_ = -1;
  pid_t program_ = -1;
  std::string display_;
  Display* dpy_ = nullptr;
};

TEST_F(DesktopOnXvfb, AChapterOpensItsExerciseWhoseRunDrawsTheGraph) {
  // Where everything is, from the program's own windows (a headless copy of the program).
  testing::TestHost host;
  Program layout(host);
  StartProgram(layout);
  const testing::CatalogueRoute route = testing::RouteTo(Ex0Ask::kName);
  ASSERT_GE(route.row, 0);
  A_Select& menu = layout.form<A_Select>();
  A_Intro& intro = layout.form<A_Intro>();
  Ex0Ask& exercise = layout.form<Ex0Ask>();
  outpt& output = layout.form<outpt>();

  const auto menuAt = WaitForWindow(menu);
  ASSERT_TRUE(menuAt) << "the main menu never appeared on " << display_;
  ClickOn(*menuAt, menu.Select(route.row));
  const auto introAt = WaitForWindow(intro);
  ASSERT_TRUE(introAt) << "a click on the chapter did not open the introduction";
  ClickOn(*introAt, intro.control(route.button));
  const auto exerciseAt = WaitForWindow(exercise);
  ASSERT_TRUE(exerciseAt) << "Continue did not open the exercise";
  EXPECT_FALSE(ShownWindow(output.caption())) << "the output window is up before any run";

  ClickOn(*exerciseAt, exercise.Command1);
  const auto outputAt = WaitForWindow(output);
  ASSERT_TRUE(outputAt) << "Execute did not show the output window";
  const int width = static_cast<int>(output.width() / kTwipsPerPixel);
  const int height = static_cast<int>(output.height() / kTwipsPerPixel);
  // The curves are drawn in colour on a grey window: wait until they are painted.
  const auto ink = WaitFor<int>([&]() -> std::optional<int> {
    const int n = ColouredPixels(outputAt->first, outputAt->second, width, height);
    return n > 200 ? std::optional<int>(n) : std::nullopt;
  });
  EXPECT_TRUE(ink) << "no graph appeared on the output window";
}

}  // namespace
}  // namespace sylvandra
