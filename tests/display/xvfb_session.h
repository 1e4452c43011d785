// The desktop program on its own Xvfb server, worked as a person works it: the pointer moved
// onto a control and its button pressed and released, keys pressed, a window given the keyboard
// or closed as a window manager does it (there is none on the bare server), and the screen read
// back. Used by the display test and by the desktop benchmark.
//
// Include this after the program's headers: Xlib's macros (None, Status, True, ...) would clash
// with names there.
#pragma once

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <functional>
#include <optional>
#include <string>
#include <thread>
#include <utility>
#include <vector>

namespace sylvandra::xtest {

using namespace std::chrono_literals;

// Twips on the program's windows per screen pixel.
constexpr double kTwipsPerPixel = 15;

// A point or origin on the screen, in pixels.
struct ScreenPoint {
  int x = 0, y = 0;
};

// A rectangle on the screen, in pixels.
struct ScreenRect {
  int x = 0, y = 0, width = 0, height = 0;
  bool intersects(const ScreenRect& other) const {
    return x < other.x + other.width && other.x < x + width && y < other.y + other.height &&
           other.y < y + height;
  }
};

inline std::optional<std::string> FindXvfb() {
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

inline pid_t Spawn(const std::vector<std::string>& args, const std::vector<std::string>& env) {
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

inline void Stop(pid_t pid) {
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

// Polls found() every `interval` until it gives a value, up to a generous bound (so that a
// broken program fails instead of hanging).
template <class T>
std::optional<T> WaitFor(const std::function<std::optional<T>()>& found,
                         std::chrono::milliseconds interval = 100ms,
                         std::chrono::seconds bound = 30s) {
  const auto end = std::chrono::steady_clock::now() + bound;
  do {
    if (auto value = found()) return value;
    std::this_thread::sleep_for(interval);
  } while (std::chrono::steady_clock::now() < end);
  return std::nullopt;
}

class XvfbSession {
 public:
  XvfbSession() = default;
  XvfbSession(const XvfbSession&) = delete;
  XvfbSession& operator=(const XvfbSession&) = delete;
  ~XvfbSession() {
    Stop(program_);
    if (dpy_) XCloseDisplay(dpy_);
    Stop(xvfb_);
  }

  // Starts the server on a free display with a screen of `screen` (WIDTHxHEIGHTxDEPTH); an empty
  // text when it runs, else why not.
  std::string start(const std::string& screen = "1024x768x24") {
    const std::optional<std::string> xvfb = FindXvfb();
    if (!xvfb) return "Xvfb is not installed (apt-get install xvfb)";
    int fds[2];
    if (pipe(fds) != 0) return "no pipe";
    // -displayfd: the server picks a free display and writes its number once it takes clients.
    xvfb_ = fork();
    if (xvfb_ == 0) {
      ::close(fds[0]);
      const int devNull = open("/dev/null", O_WRONLY);
      if (devNull >= 0) dup2(devNull, STDERR_FILENO);
      const std::string fd = std::to_string(fds[1]);
      execl(xvfb->c_str(), "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", screen.c_str(),
            "-nolisten", "tcp", static_cast<char*>(nullptr));
      _exit(127);
    }
    ::close(fds[1]);
    std::string number;
    char c;
    while (read(fds[0], &c, 1) == 1 && c != '\n') number += c;
    ::close(fds[0]);
    if (number.empty()) return "Xvfb did not start";
    display_ = ":" + number;
    dpy_ = XOpenDisplay(display_.c_str());
    if (!dpy_) return "cannot open " + display_;
    // A box may close between listing the windows and reading one: that window reads as gone
    // instead of ending the test.
    XSetErrorHandler([](Display*, XErrorEvent*) { return 0; });
    int event, error, major, minor;
    if (!XTestQueryExtension(dpy_, &event, &error, &major, &minor))
      return "no XTEST on " + display_;
    return "";
  }

  void startProgram(const std::string& path) {
    // A screen this size shows the program at its designed size; settings of the session's own
    // (none kept), never the person's.
    program_ = Spawn({path}, {"DISPLAY=" + display_, "QT_QPA_PLATFORM=xcb",
                              "XDG_CONFIG_HOME=/tmp/sylvandra-xvfb-" + std::to_string(getpid())});
  }

  const std::string& display() const { return display_; }

  // The shown top-level windows, bottom to top.
  std::vector<::Window> shownTopLevels() {
    ::Window root = DefaultRootWindow(dpy_), parent, *children = nullptr;
    unsigned count = 0;
    std::vector<::Window> shown;
    if (!XQueryTree(dpy_, root, &root, &parent, &children, &count)) return shown;
    for (unsigned i = 0; i < count; ++i) {
      XWindowAttributes attributes;
      if (XGetWindowAttributes(dpy_, children[i], &attributes) &&
          attributes.map_state == IsViewable)
        shown.push_back(children[i]);
    }
    if (children) XFree(children);
    return shown;
  }

  // The shown top-level window with this title, or 0.
  ::Window topLevel(const std::string& title) {
    for (const ::Window window : shownTopLevels()) {
      char* name = nullptr;
      if (!XFetchName(dpy_, window, &name) || !name) continue;
      const bool found = title == name;
      XFree(name);
      if (found) return window;
    }
    return 0;
  }

  // The shown boxes: top-level windows that belong to another window (a dialog).
  std::vector<::Window> shownDialogs() {
    std::vector<::Window> dialogs;
    for (const ::Window window : shownTopLevels()) {
      ::Window owner = 0;
      if (XGetTransientForHint(dpy_, window, &owner) && owner) dialogs.push_back(window);
    }
    return dialogs;
  }

  // Where the shown window with this title lies on the screen, its menu bar included.
  std::optional<ScreenRect> shownRect(const std::string& title) {
    const ::Window window = topLevel(title);
    XWindowAttributes attributes;
    if (!window || !XGetWindowAttributes(dpy_, window, &attributes)) return std::nullopt;
    int x = 0, y = 0;
    ::Window child;
    XTranslateCoordinates(dpy_, window, DefaultRootWindow(dpy_), 0, 0, &x, &y, &child);
    return ScreenRect{x, y, attributes.width, attributes.height};
  }

  // The origin on the screen of the client area of the shown window with this title,
  // `clientHeight` pixels high; whatever the window holds above that is a menu bar.
  std::optional<ScreenPoint> shownWindow(const std::string& title, int clientHeight = 0) {
    const ::Window window = topLevel(title);
    if (!window) return std::nullopt;
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(dpy_, window, &attributes)) return std::nullopt;
    int x = 0, y = 0;
    ::Window child;
    XTranslateCoordinates(dpy_, window, DefaultRootWindow(dpy_), 0, 0, &x, &y, &child);
    const int above = clientHeight > 0 ? std::max(0, attributes.height - clientHeight) : 0;
    return ScreenPoint{x, y + above};
  }

  // Moves the pointer to (x, y) and clicks the left button.
  void clickAt(int x, int y) {
    XTestFakeMotionEvent(dpy_, -1, x, y, CurrentTime);
    XSync(dpy_, False);
    std::this_thread::sleep_for(100ms);
    XTestFakeButtonEvent(dpy_, 1, True, CurrentTime);
    XTestFakeButtonEvent(dpy_, 1, False, CurrentTime);
    XSync(dpy_, False);
  }

  // Clicks the middle of a control's rectangle (twips) on a window whose client area is at
  // origin, shown `zoom` times its designed size.
  void clickOn(ScreenPoint origin, double left, double top, double width, double height,
               double zoom = 1) {
    clickAt(origin.x + static_cast<int>((left + width / 2) / kTwipsPerPixel * zoom),
            origin.y + static_cast<int>((top + height / 2) / kTwipsPerPixel * zoom));
  }

  // Gives the window the keyboard, as a window manager does when a person clicks into it.
  void focus(const std::string& title) {
    if (const ::Window window = topLevel(title)) focus(window);
  }
  void focus(::Window window) {
    XSetInputFocus(dpy_, window, RevertToParent, CurrentTime);
    XSync(dpy_, False);
    std::this_thread::sleep_for(100ms);
  }

  // Presses and releases a key, with Control held when asked.
  void key(KeySym symbol, bool control = false) {
    const KeyCode controlKey = XKeysymToKeycode(dpy_, XK_Control_L);
    if (control) XTestFakeKeyEvent(dpy_, controlKey, True, CurrentTime);
    const KeyCode code = XKeysymToKeycode(dpy_, symbol);
    XTestFakeKeyEvent(dpy_, code, True, CurrentTime);
    XTestFakeKeyEvent(dpy_, code, False, CurrentTime);
    if (control) XTestFakeKeyEvent(dpy_, controlKey, False, CurrentTime);
    XSync(dpy_, False);
  }

  // Replaces the text of the field that has the keyboard with digits (and points).
  void typeOver(const std::string& digits) {
    key(XK_a, true);
    for (const char c : digits) key(c == '.' ? XK_period : XK_0 + (c - '0'));
  }

  // Asks the window to close, as a window manager does for its close button.
  void close(const std::string& title) {
    const ::Window window = topLevel(title);
    if (!window) return;
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(dpy_, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(dpy_, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(dpy_, window, False, NoEventMask, &event);
    XSync(dpy_, False);
  }

  // The colours (0xRRGGBB) of a rectangle of the screen, row by row; empty when unreadable.
  std::vector<std::uint32_t> pixels(int x, int y, int width, int height) {
    std::vector<std::uint32_t> colours;
    XImage* image = XGetImage(dpy_, DefaultRootWindow(dpy_), x, y, static_cast<unsigned>(width),
                              static_cast<unsigned>(height), AllPlanes, ZPixmap);
    if (!image) return colours;
    colours.reserve(static_cast<size_t>(width) * static_cast<size_t>(height));
    for (int row = 0; row < height; ++row) {
      for (int column = 0; column < width; ++column) {
        colours.push_back(static_cast<std::uint32_t>(XGetPixel(image, column, row) & 0xFFFFFF));
      }
    }
    XDestroyImage(image);
    return colours;
  }

  // Pixels of clearly coloured ink (not white, grey or black) in a rectangle of the screen.
  int colouredPixels(int x, int y, int width, int height) {
    const std::vector<std::uint32_t> colours = pixels(x, y, width, height);
    if (colours.empty()) return -1;
    return static_cast<int>(std::count_if(colours.begin(), colours.end(), [](std::uint32_t p) {
      const int r = static_cast<int>((p >> 16) & 0xFF), g = static_cast<int>((p >> 8) & 0xFF),
                b = static_cast<int>(p & 0xFF);
      return std::max({r, g, b}) - std::min({r, g, b}) > 100;
    }));
  }

 private:
  pid_t xvfb_ = -1;
  pid_t program_ = -1;
  std::string display_;
  Display* dpy_ = nullptr;
};

}  // namespace sylvandra::xtest
