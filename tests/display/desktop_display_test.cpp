// The desktop program under a real X display: the test starts its own Xvfb server, starts the
// program on it, and works it as a person would (pointer moved onto a control, button pressed
// and released, keys typed, through the XTEST extension): the chapter on the menu, the
// introduction's Continue, the exercise's Execute. It then reads the windows' pixels back from
// the server. Without Xvfb it is skipped.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "exercises/biogeochem/ex3_ask.h"
#include "exercises/carbon_water/ex0_ask.h"
#include "exercises/carbon_water/ex13_ask.h"
#include "exercises/carbon_water/ex9_ask.h"
#include "exercises/population/ex6_ask.h"
#include "exercises/population/ex7_ask.h"
#include "exercises/population/fire_model.h"
#include "platform/color.h"
#include "platform/keyboard.h"
#include "plot/output/output_windows.h"
#include "unit/exercise_fixture.h"

// After the program's headers: Xlib's macros would clash with names there.
#include "display/xvfb_session.h"

namespace sylvandra {
namespace {

using xtest::kTwipsPerPixel;
using xtest::ScreenPoint;
using xtest::ScreenRect;
using xtest::WaitFor;

class DesktopOnXvfb : public ::testing::Test {
 protected:
  DesktopOnXvfb() : layout(host) { StartProgram(layout); }

  // The screen the server shows (WIDTHxHEIGHTxDEPTH): one that shows the program at zoom 1.
  virtual std::string screen() const { return "1024x768x24"; }

  void SetUp() override {
    const std::string problem = x.start(screen());
    if (problem.find("not installed") != std::string::npos) {
      GTEST_SKIP() << problem << ": the desktop program is not tried under a real display";
    }
    ASSERT_EQ(problem, "");
    x.startProgram(SYLVANDRA_PROGRAM);
  }

  std::optional<ScreenPoint> WaitForWindow(const Window& window) {
    const int clientHeight = static_cast<int>(std::lround(window.height() / kTwipsPerPixel * zoom));
    return WaitFor<ScreenPoint>([&] { return x.shownWindow(window.caption(), clientHeight); });
  }
  bool WaitUntilHidden(const Window& window) {
    return WaitFor<bool>([&]() -> std::optional<bool> {
             if (x.topLevel(window.caption())) return std::nullopt;
             return true;
           })
        .has_value();
  }
  void ClickOn(ScreenPoint origin, const Control& control) {
    x.clickOn(origin, control.left(), control.top(), control.width(), control.height(), zoom);
  }
  // Where a control of a window whose client area is at origin lies on the screen.
  ScreenRect OnScreen(ScreenPoint origin, const Control& control) const {
    const auto pixels = [this](double twips) {
      return static_cast<int>(std::lround(twips / kTwipsPerPixel * zoom));
    };
    return {origin.x + pixels(control.left()), origin.y + pixels(control.top()),
            pixels(control.width()), pixels(control.height())};
  }

  // Opens the window the way a student does: its chapter on the menu, then the introduction's
  // button; the window's client area on the screen.
  std::optional<ScreenPoint> OpenFromMenu(const Window& window) {
    const testing::CatalogueRoute route = testing::RouteTo(window.name());
    if (route.row < 0) return std::nullopt;
    const auto menuAt = WaitForWindow(layout.form<A_Select>());
    if (!menuAt) return std::nullopt;
    // At the start of the chapter's row: an introduction still shown may cover the rest of it.
    const Control& chapter = layout.form<A_Select>().Select(route.row);
    x.clickOn(*menuAt, chapter.left(), chapter.top(), chapter.height(), chapter.height(), zoom);
    const auto introAt = WaitForWindow(layout.form<A_Intro>());
    if (!introAt) return std::nullopt;
    ClickOn(*introAt, layout.form<A_Intro>().control(route.button));
    return WaitForWindow(window);
  }

  // Where everything is, from the program's own windows (a headless copy of the program).
  testing::TestHost host;
  Program layout;
  xtest::XvfbSession x;
  // How many times its designed size the program shows itself on this screen.
  double zoom = 1;
};

TEST_F(DesktopOnXvfb, AChapterOpensItsExerciseWhoseRunDrawsTheGraph) {
  Ex0Ask& exercise = layout.form<Ex0Ask>();
  outpt& output = layout.form<outpt>();
  const auto exerciseAt = OpenFromMenu(exercise);
  ASSERT_TRUE(exerciseAt) << "the menu and the introduction did not open the exercise on "
                          << x.display();
  EXPECT_FALSE(x.shownWindow(output.caption())) << "the output window is up before any run";

  ClickOn(*exerciseAt, exercise.Command1);
  const auto outputAt = WaitForWindow(output);
  ASSERT_TRUE(outputAt) << "Execute did not show the output window";
  const int width = static_cast<int>(output.width() / kTwipsPerPixel);
  const int height = static_cast<int>(output.height() / kTwipsPerPixel);
  // The curves are drawn in colour on a grey window: wait until they are painted.
  const auto ink = WaitFor<int>([&]() -> std::optional<int> {
    const int n = x.colouredPixels(outputAt->x, outputAt->y, width, height);
    return n > 200 ? std::optional<int>(n) : std::nullopt;
  });
  EXPECT_TRUE(ink) << "no graph appeared on the output window";
}

// The fuel map's classes as the screen shows them, one per pixel of the grove in row order; a
// colour that is not a class colour reads as -1.
std::vector<int> FuelClassesOnScreen(xtest::XvfbSession& x, ScreenPoint outputAt,
                                     double firstRowTop) {
  std::vector<int> classes;
  for (int i = 1; i <= kGroveRows; ++i) {
    for (int j = 1; j <= kGroveColumns; ++j) {
      // The middle of the pixel's 150-twip box.
      const int px = outputAt.x + static_cast<int>((100 + (j - 1) * 150 + 75) / kTwipsPerPixel);
      const int py =
          outputAt.y + static_cast<int>((firstRowTop + (i - 1) * 150 + 75) / kTwipsPerPixel);
      const std::vector<std::uint32_t> colour = x.pixels(px, py, 1, 1);
      int found = -1;
      for (int c = 0; c <= 5 && !colour.empty(); ++c) {
        if (QBColor(c) == colour[0]) found = c;
      }
      classes.push_back(found);
    }
  }
  return classes;
}

std::vector<int> FuelClasses(const SequoiaGrove& grove) {
  std::vector<int> classes;
  for (int i = 1; i <= kGroveRows; ++i) {
    for (int j = 1; j <= kGroveColumns; ++j)
      classes.push_back(FireMapClass(grove.FuelLoad[i][j], 31));
  }
  return classes;
}

TEST_F(DesktopOnXvfb, ClosingOrEscapeStopsALongFireRunAtTheEndOfAYear) {
  Ex6Ask& fire = layout.form<Ex6Ask>();
  outpt& output = layout.form<outpt>();
  auto startLongRun = [&](ScreenPoint fireAt) {
    // The student gives the window the keyboard, types the last year and presses Execute.
    x.focus(fire.caption());
    ClickOn(fireAt, fire.RunToYear);
    x.typeOver("2100");
    const int fieldX = fireAt.x + static_cast<int>(fire.CurrentYear.left() / kTwipsPerPixel);
    const int fieldY = fireAt.y + static_cast<int>(fire.CurrentYear.top() / kTwipsPerPixel);
    const int fieldWidth = static_cast<int>(fire.CurrentYear.width() / kTwipsPerPixel);
    const int fieldHeight = static_cast<int>(fire.CurrentYear.height() / kTwipsPerPixel);
    const std::vector<std::uint32_t> before = x.pixels(fieldX, fieldY, fieldWidth, fieldHeight);
    ClickOn(fireAt, fire.Command1);
    // The run is on once Current Year shows another year than 1880.
    return WaitFor<bool>(
        [&]() -> std::optional<bool> {
          if (x.pixels(fieldX, fieldY, fieldWidth, fieldHeight) == before) return std::nullopt;
          return true;
        },
        std::chrono::milliseconds(20));
  };

  const auto fireAt = OpenFromMenu(fire);
  ASSERT_TRUE(fireAt) << "the menu and the introduction did not open the fire window";
  ASSERT_TRUE(startLongRun(*fireAt)) << "Execute did not start the run 1880 to 2100";
  // Closed as a window manager closes it: the run stops at the end of a year, the window hides
  // and the maps are left as at that year.
  x.close(fire.caption());
  ASSERT_TRUE(WaitUntilHidden(fire)) << "closing the window during the run did not hide it";

  // The same grove year by year in the headless copy (the course does not depend on what is
  // shown): the year whose fuel classes the screen shows is the year the run stopped at.
  const testing::CatalogueRoute route = testing::RouteTo(Ex6Ask::kName);
  layout.click(layout.form<A_Select>().Select(route.row));
  layout.click(layout.form<A_Intro>().control(route.button));
  const auto outputAt = WaitForWindow(output);  // where the maps leave it
  ASSERT_TRUE(outputAt) << "the maps are no longer shown";
  const double firstRowTop = 200 + output.surface().TextHeight();
  std::vector<std::vector<int>> byYear;  // index 0 is 1881
  for (int year = 1881; year <= 2100; ++year) {
    layout.type(fire.RunToYear, std::to_string(year));
    layout.click(fire.Command1);
    byYear.push_back(FuelClasses(layout.state<SequoiaGrove>()));
  }
  const auto reached = WaitFor<std::set<int>>([&]() -> std::optional<std::set<int>> {
    const std::vector<int> shown = FuelClassesOnScreen(x, *outputAt, firstRowTop);
    std::set<int> years;
    for (size_t k = 0; k < byYear.size(); ++k) {
      if (byYear[k] == shown) years.insert(1881 + static_cast<int>(k));
    }
    if (years.empty()) return std::nullopt;
    return years;
  });
  ASSERT_TRUE(reached) << "the maps show the grove of no year between 1881 and 2100";
  EXPECT_LT(*reached->rbegin(), 2100) << "the run was not stopped before its last year";

  // Escape during a run does what the Return button does once the run has stopped: both the
  // window and the maps are hidden.
  x.close(output.caption());  // the maps lie over the menu
  ASSERT_TRUE(WaitUntilHidden(output));
  const auto againAt = OpenFromMenu(fire);
  ASSERT_TRUE(againAt) << "the fire window did not open again";
  ASSERT_TRUE(startLongRun(*againAt)) << "Execute did not start the second run";
  x.focus(fire.caption());
  x.key(XK_Escape);
  EXPECT_TRUE(WaitUntilHidden(fire)) << "Escape during the run did not hide the window";
  EXPECT_TRUE(WaitUntilHidden(output)) << "Escape during the run did not hide the maps";
}

// A screen of today: the program zooms itself to a comfortable size.
class DesktopOnWideXvfb : public DesktopOnXvfb {
 protected:
  std::string screen() const override { return "1920x1080x24"; }
};

TEST_F(DesktopOnWideXvfb, OutputWindowsLeaveTheExercisesButtonsAndResultsInSight) {
  A_Select& menu = layout.form<A_Select>();
  const auto menuRect = WaitFor<ScreenRect>([&] { return x.shownRect(menu.caption()); });
  ASSERT_TRUE(menuRect) << "the main menu did not appear on " << x.display();
  EXPECT_GE(menuRect->width, 0.4 * 1920) << "the main menu is too small for the screen";
  // The zoom the program chose, in hundredths as it chooses it: 688 designed pixels wide.
  zoom = std::round(menuRect->width / (menu.width() / kTwipsPerPixel) * 100) / 100;

  struct Run {
    const char* window;
    std::vector<const char*> buttons;  // pressed in turn, with the window's defaults
  };
  const Run runs[] = {{EX9Ask::kName, {"Command1"}},
                      {EX13Ask::kName, {"Execute"}},
                      {Ex3Ask::kName, {"D21Sys1", "D21Run"}},
                      {EX7Ask::kName, {"Command1"}}};
  const char* const outputs[] = {outpt::kName, Outpt2::kName, outmap::kName};
  for (const Run& run : runs) {
    SCOPED_TRACE(run.window);
    Window& exercise = layout.form(run.window);
    const auto exerciseAt = OpenFromMenu(exercise);
    ASSERT_TRUE(exerciseAt) << "the menu and the introduction did not open the window";
    // The run in the headless copy first: how many boxes it asks, and which fields it leaves
    // its results in.
    const testing::CatalogueRoute route = testing::RouteTo(run.window);
    layout.click(menu.Select(route.row));
    layout.click(layout.form<A_Intro>().control(route.button));
    const size_t boxesBefore = host.messages.size() + host.inputPrompts.size();
    for (const char* button : run.buttons) layout.click(exercise.control(button));
    ASSERT_TRUE(host.failures.empty()) << host.failures.front().message;
    size_t boxes = host.messages.size() + host.inputPrompts.size() - boxesBefore;
    for (const char* button : run.buttons) ClickOn(*exerciseAt, exercise.control(button));
    // Every box (the hardwood stand's pauses and its end) takes its default, as in the copy.
    for (; boxes > 0; --boxes) {
      const auto box = WaitFor<::Window>([&]() -> std::optional<::Window> {
        const std::vector<::Window> dialogs = x.shownDialogs();
        if (dialogs.empty()) return std::nullopt;
        return dialogs.back();
      });
      ASSERT_TRUE(box) << boxes << " boxes of the run did not appear";
      x.focus(*box);
      x.key(XK_Return);
      ASSERT_TRUE(WaitFor<bool>([&]() -> std::optional<bool> {
        const std::vector<::Window> shown = x.shownTopLevels();
        if (std::find(shown.begin(), shown.end(), *box) != shown.end()) return std::nullopt;
        return true;
      })) << "Return did not close the box";
    }
    const auto shown =
        WaitFor<std::vector<ScreenRect>>([&]() -> std::optional<std::vector<ScreenRect>> {
          std::vector<ScreenRect> rects;
          for (const char* name : outputs) {
            if (const auto rect = x.shownRect(layout.form(name).caption())) rects.push_back(*rect);
          }
          if (rects.empty()) return std::nullopt;
          return rects;
        });
    ASSERT_TRUE(shown) << "the run showed no output window";
    for (const auto& control : exercise.controls()) {
      const bool watched = control->visible() && (control->kind() == ControlKind::CommandButton ||
                                                  IsResultField(*control));
      if (!watched) continue;
      for (const ScreenRect& output : *shown) {
        EXPECT_FALSE(output.intersects(OnScreen(*exerciseAt, *control)))
            << control->qualifiedName() << " lies under an output window";
      }
    }
    // Return (Escape) hides the window; an output window it leaves is closed by hand, as a
    // student closes one that lies over the menu.
    x.focus(exercise.caption());
    x.key(XK_Escape);
    ASSERT_TRUE(WaitUntilHidden(exercise)) << "Escape did not hide the window";
    for (const char* name : outputs) {
      x.close(layout.form(name).caption());
      ASSERT_TRUE(WaitUntilHidden(layout.form(name)));
    }
  }
}

}  // namespace
}  // namespace sylvandra
