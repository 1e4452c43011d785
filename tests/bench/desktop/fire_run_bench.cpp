// Times the sequoia fire run in the real desktop program, driven as a person drives it on its
// own Xvfb display (not a test: it prints figures and asserts nothing about them).
//
//   build/tests/sylvandra_desktop_bench [RUNS]
//
// For each run: the fire window opened from the menu, Run To Year set to 2100, Execute pressed;
//   - the wall time from the click on Execute to the end of the run 1880 to 2100 with flames
//     (the output window's "Year = " text changes only when a run ends);
//   - the latency from Escape, pressed 3 s into a second run, to the window being hidden;
//   - the same from a click on the window's Return button in a third run.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "exercises/population/ex6_ask.h"
#include "unit/exercise_fixture.h"

// After the program's headers: Xlib's macros would clash with names there.
#include "display/xvfb_session.h"

namespace sylvandra {
namespace {

using Clock = std::chrono::steady_clock;
using xtest::kTwipsPerPixel;
using xtest::ScreenPoint;
using xtest::WaitFor;

double SecondsSince(Clock::time_point start) {
  return std::chrono::duration<double>(Clock::now() - start).count();
}

class FireRunBench {
 public:
  FireRunBench() : layout_(host_) {
    StartProgram(layout_);
    // The headless copy opens the window too, so that the output window has the maps' size.
    const testing::CatalogueRoute route = testing::RouteTo(Ex6Ask::kName);
    layout_.click(layout_.form<A_Select>().Select(route.row));
    layout_.click(layout_.form<A_Intro>().control(route.button));
  }

  bool start() {
    const std::string problem = x_.start();
    if (!problem.empty()) {
      std::fprintf(stderr, "%s\n", problem.c_str());
      return false;
    }
    x_.startProgram(SYLVANDRA_PROGRAM);
    return true;
  }

  // Seconds from the click on Execute to the end of the run 1880 to 2100; negative on failure.
  double wholeRun() {
    const auto fireAt = openAndSetUp();
    const auto outputAt = windowAt(fire().program().form<outpt>());
    if (!fireAt || !outputAt) return -1;
    // "Year = 1880" at (7000, 3200) twips, right of the maps, until the run redraws them.
    const int x = outputAt->x + static_cast<int>(7000 / kTwipsPerPixel);
    const int y = outputAt->y + static_cast<int>(3200 / kTwipsPerPixel);
    const int width = static_cast<int>(2400 / kTwipsPerPixel);
    const int height = static_cast<int>(400 / kTwipsPerPixel);
    const std::vector<std::uint32_t> before = x_.pixels(x, y, width, height);
    x_.clickOn(*fireAt, fire().Command1.left(), fire().Command1.top(), fire().Command1.width(),
               fire().Command1.height());
    const Clock::time_point clicked = Clock::now();
    const auto ended = WaitFor<double>(
        [&]() -> std::optional<double> {
          if (x_.pixels(x, y, width, height) == before) return std::nullopt;
          return SecondsSince(clicked);
        },
        std::chrono::milliseconds(10), std::chrono::seconds(600));
    return ended.value_or(-1);
  }

  // Seconds from Escape (or a click on Return) 3 s into a run to the window being hidden.
  double stopLatency(bool escape) {
    const auto fireAt = openAndSetUp();
    if (!fireAt) return -1;
    x_.clickOn(*fireAt, fire().Command1.left(), fire().Command1.top(), fire().Command1.width(),
               fire().Command1.height());
    std::this_thread::sleep_for(std::chrono::seconds(3));
    Clock::time_point pressed;
    if (escape) {
      x_.focus(fire().caption());
      pressed = Clock::now();
      x_.key(XK_Escape);
    } else {
      const Control& ret = fire().Command3;
      // The click counts from the button's release, which clickOn sends last.
      x_.clickOn(*fireAt, ret.left(), ret.top(), ret.width(), ret.height());
      pressed = Clock::now();
    }
    const auto hidden = WaitFor<double>(
        [&]() -> std::optional<double> {
          if (x_.topLevel(fire().caption())) return std::nullopt;
          return SecondsSince(pressed);
        },
        std::chrono::milliseconds(2), std::chrono::seconds(600));
    return hidden.value_or(-1);
  }

 private:
  Ex6Ask& fire() { return layout_.form<Ex6Ask>(); }

  std::optional<ScreenPoint> windowAt(const Window& window) {
    const int clientHeight = static_cast<int>(window.height() / kTwipsPerPixel);
    return WaitFor<ScreenPoint>([&] { return x_.shownWindow(window.caption(), clientHeight); });
  }

  // The fire window as a student leaves it before pressing Execute: opened from the menu (a
  // fresh grove), given the keyboard, Run To Year 2100.
  std::optional<ScreenPoint> openAndSetUp() {
    // The maps of an earlier run may lie over the menu: the student closes them first.
    if (x_.topLevel(layout_.form<outpt>().caption())) {
      x_.close(layout_.form<outpt>().caption());
      std::this_thread::sleep_for(std::chrono::milliseconds(300));
    }
    if (x_.topLevel(fire().caption())) {
      x_.close(fire().caption());
      std::this_thread::sleep_for(std::chrono::milliseconds(300));
    }
    const testing::CatalogueRoute route = testing::RouteTo(Ex6Ask::kName);
    const auto menuAt = windowAt(layout_.form<A_Select>());
    if (!menuAt) return std::nullopt;
    const Control& chapter = layout_.form<A_Select>().Select(route.row);
    x_.clickOn(*menuAt, chapter.left(), chapter.top(), chapter.width(), chapter.height());
    const auto introAt = windowAt(layout_.form<A_Intro>());
    if (!introAt) return std::nullopt;
    const Control& next = layout_.form<A_Intro>().control(route.button);
    x_.clickOn(*introAt, next.left(), next.top(), next.width(), next.height());
    const auto fireAt = windowAt(fire());
    if (!fireAt) return std::nullopt;
    x_.focus(fire().caption());
    const Control& field = fire().RunToYear;
    x_.clickOn(*fireAt, field.left(), field.top(), field.width(), field.height());
    x_.typeOver("2100");
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    return fireAt;
  }

  testing::TestHost host_;
  Program layout_;
  xtest::XvfbSession x_;
};

}  // namespace
}  // namespace sylvandra

int main(int argc, char** argv) {
  const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 1;
  sylvandra::FireRunBench bench;
  if (!bench.start()) return 1;
  for (int run = 1; run <= runs; ++run) {
    const double whole = bench.wholeRun();
    const double escape = bench.stopLatency(true);
    const double ret = bench.stopLatency(false);
    std::printf(
        "run %d: 1880 to 2100 with flames %.2f s; Escape to hidden %.3f s; "
        "Return click to hidden %.3f s\n",
        run, whole, escape, ret);
    std::fflush(stdout);
  }
  return 0;
}
