// A long run on the desktop takes the person's input at its repaints but holds it until the run
// ends, then delivers it in order; Escape, the Return button and the close button of the running
// window also ask the run to stop at its next year. The input is posted to the window as the
// window system hands it over, in the middle of the run (once it has run past the desktop's
// 100 ms, so that it is taken rather than left with the window system).
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWindow>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/frame_pacer.h"
#include "ui/ui_fixture.h"

namespace sylvandra::testing {
namespace {

class RunWindow : public Window {
 public:
  static constexpr const char* kName = "RunWindow";
  static constexpr int kYears = 10;
  explicit RunWindow(Program& program)
      : Window(program, kName, "Long Run", {1500, 3000, 6000, 4500}) {
    // A year a frame (30 ms on the desktop), stopping at a year's end when asked to.
    Execute.onClick = [this] {
      FramePacer pacer(this->program());
      int year = 1;
      for (;; ++year) {
        Year.setText(std::to_string(year));
        if (duringYear) duringYear(year);
        pacer.showFrame();
        if (year == kYears || pacer.stopRequested()) break;
      }
      events.push_back("run ended in year " + std::to_string(year));
    };
    Return.onClick = [this] {
      events.push_back("Return");
      setVisible(false);
    };
    Second.onClick = [this] { events.push_back("Second"); };
  }
  void Form_Close() override {
    events.push_back("Form_Close");
    setVisible(false);
  }

  Control& Year = addTextBox("Year", "0", {150, 300, 1500, 285});
  Control& First = addOption("Pick", "First", {150, 900, 1200, 255}, 0);
  Control& Second = addOption("Pick", "Second", {150, 1200, 1200, 255}, 1);
  Control& Execute = addButton("Execute", "Execute", {150, 3000, 1200, 375});
  Control& Return = addButton("Return", "Return", {1500, 3000, 1200, 375});
  std::function<void(int)> duringYear;
  std::vector<std::string> events;
};

using LongRunUiTest = UiTest;

TEST_F(LongRunUiTest, InputDuringARunWaitsForItsEndAndLeavingTheWindowStopsIt) {
  struct Case {
    const char* what;
    // Posts the person's actions to the window (its view given).
    std::function<void(ui::WindowView&, const RunWindow&)> act;
    std::vector<std::string> events;
    bool shownAfter;
  };
  const auto click = [](ui::WindowView& view, const Control& control) {
    // The middle of the control, in the window's pixels (15 twips each).
    const QPointF at((control.left() + control.width() / 2) / 15,
                     (control.top() + control.height() / 2) / 15);
    const QPointF global = view.mapToGlobal(at);
    QWindow* window = view.windowHandle();
    QCoreApplication::postEvent(
        window, new QMouseEvent(QEvent::MouseButtonPress, at, global, Qt::LeftButton,
                                Qt::LeftButton, Qt::NoModifier));
    QCoreApplication::postEvent(
        window, new QMouseEvent(QEvent::MouseButtonRelease, at, global, Qt::LeftButton,
                                Qt::NoButton, Qt::NoModifier));
  };
  const auto key = [](ui::WindowView& view, Qt::Key pressed) {
    QCoreApplication::postEvent(view.windowHandle(),
                                new QKeyEvent(QEvent::KeyPress, pressed, Qt::NoModifier));
    QCoreApplication::postEvent(view.windowHandle(),
                                new QKeyEvent(QEvent::KeyRelease, pressed, Qt::NoModifier));
  };
  // Everything is posted in year 6 (at least 5 frames of 30 ms into the run) and taken at that
  // year's repaint, so a stop ends the run with year 6; without one it runs its 10 years.
  const std::vector<Case> cases = {
      {"a click on an option waits for the end of the run",
       [&](ui::WindowView& view, const RunWindow& w) { click(view, w.Second); },
       {"run ended in year 10", "Second"},
       true},
      {"Escape stops the run, then presses Return; an earlier click comes first",
       [&](ui::WindowView& view, const RunWindow& w) {
         click(view, w.Second);
         key(view, Qt::Key_Escape);
       },
       {"run ended in year 6", "Second", "Return"},
       false},
      {"a click on Return stops the run, then is the click it always is",
       [&](ui::WindowView& view, const RunWindow& w) { click(view, w.Return); },
       {"run ended in year 6", "Return"},
       false},
      {"the close button stops the run, then closes the window",
       [&](ui::WindowView& view, const RunWindow&) {
         QCoreApplication::postEvent(view.windowHandle(), new QCloseEvent());
       },
       {"run ended in year 6", "Form_Close"},
       false},
  };
  RunWindow& w = program().form<RunWindow>();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    w.events.clear();
    w.Show();
    program().click(w.First);
    desktop().sync();
    ui::WindowView& view = ViewOf(w);
    w.duringYear = [&](int year) {
      if (year == 6) c.act(view, w);
    };
    desktop().dispatch([&] { program().click(w.Execute); });
    EXPECT_EQ(w.events, c.events);
    EXPECT_EQ(w.visible(), c.shownAfter);
    EXPECT_EQ(view.isVisible(), c.shownAfter);
    // The request was the run's own: nothing asks the next run to stop.
    EXPECT_FALSE(desktop().stopRequested());
  }
}

}  // namespace
}  // namespace sylvandra::testing
