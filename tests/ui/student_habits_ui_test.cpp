// What a student meets on the desktop: boxes titled with the window's caption and never its
// internal name; a focus that can always be seen, and fields entered by Tab whose text typing
// replaces.
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>

#include "app/startup.h"
#include "platform/runtime_failure.h"
#include "shell/a_select.h"
#include "ui/ui_fixture.h"

namespace sylvandra::testing {
namespace {

class StudentHabitsTest : public UiTest {
 protected:
  StudentHabitsTest() { RegisterWindows(program()); }
};

TEST_F(StudentHabitsTest, EveryWindowsBoxesCarryItsCaptionAndNeverItsName) {
  const std::vector<std::string> names = program().registeredWindows();
  ASSERT_GT(names.size(), 20u);
  for (const std::string& name : names) {
    SCOPED_TRACE(name);
    Window& window = program().form(name);
    ASSERT_FALSE(window.caption().empty());
    const size_t before = dialogs().failures.size();
    // An untitled box asked by the window's handler, then a failure in it.
    program().runHandler(window, [&] {
      program().MsgBox("Value out of Range");
      throw RuntimeFailure("Rate: 'x' is not a number");
    });
    ASSERT_EQ(dialogs().failures.size(), before + 1);
    const auto& message = dialogs().messages.back();
    const auto& failure = dialogs().failures.back();
    EXPECT_EQ(message.title, window.caption());
    EXPECT_EQ(failure.title, window.caption());
    EXPECT_NE(failure.text.find("Rate: 'x' is not a number"), std::string::npos);
    for (const std::string& shown : {message.title, message.text, failure.title, failure.text}) {
      for (const std::string& internal : names) {
        // A name that is an ordinary word of the caption (none today) would be no leak.
        EXPECT_EQ(shown.find(internal), std::string::npos) << internal << " in: " << shown;
      }
    }
  }
}

TEST_F(StudentHabitsTest, AnUntitledBoxOutsideAHandlerTakesTheActiveWindowsCaption) {
  LabWindow& lab = ShowLab();
  program().MsgBox("Hit Return to Stop Game");
  ASSERT_EQ(dialogs().messages.size(), 1u);
  EXPECT_EQ(dialogs().messages[0].title, lab.caption());
}

void Type(QWidget* widget, Qt::Key key, const QString& text = {}) {
  QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
  QApplication::sendEvent(widget, &press);
  QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
  QApplication::sendEvent(widget, &release);
}

void Click(QWidget* widget, QPoint at) {
  QMouseEvent press(QEvent::MouseButtonPress, at, widget->mapToGlobal(at), Qt::LeftButton,
                    Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(widget, &press);
  QMouseEvent release(QEvent::MouseButtonRelease, at, widget->mapToGlobal(at), Qt::LeftButton,
                      Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(widget, &release);
}

TEST_F(StudentHabitsTest, TypingInAFieldEnteredByTabReplacesItsTextAndAClickPlacesTheCaret) {
  LabWindow& lab = ShowLab();
  ui::WindowView& view = ViewOf(lab);
  for (int step = 0; step < 20 && lab.focusedControl() != &lab.Mass; ++step) {
    Type(view.focusWidget() ? view.focusWidget() : &view, Qt::Key_Tab);
  }
  ASSERT_EQ(lab.focusedControl(), &lab.Mass);
  auto* mass = WidgetOf<QLineEdit>(lab.Mass);
  EXPECT_EQ(mass->selectedText(), "12.5");
  Type(mass, Qt::Key_7, "7");
  EXPECT_EQ(mass->text(), "7");
  EXPECT_EQ(lab.Mass.text(), "7");

  // A click into another field puts the caret where it fell and selects nothing.
  lab.Species.setText("Oak");
  desktop().sync();
  auto* species = WidgetOf<QLineEdit>(lab.Species);
  Click(species, species->rect().center());
  EXPECT_EQ(lab.focusedControl(), &lab.Species);
  EXPECT_FALSE(species->hasSelectedText());
}

TEST_F(StudentHabitsTest, AButtonWithTheFocusShowsAFrame) {
  LabWindow& lab = ShowLab();
  ui::WindowView& view = ViewOf(lab);
  view.activateWindow();
  QApplication::processEvents();
  auto* weigh = WidgetOf<QPushButton>(lab.Weigh);
  program().focus(lab.Fill);
  desktop().sync();
  const QImage without = weigh->grab().toImage();
  program().focus(lab.Weigh);
  desktop().sync();
  ASSERT_TRUE(weigh->hasFocus());
  EXPECT_NE(weigh->grab().toImage(), without);
}

TEST_F(StudentHabitsTest, TheMenusFocusMarkFollowsAChapterChosenByMouse) {
  A_Select& menu = program().form<A_Select>();
  menu.Show();
  program().focus(menu.Select(16));
  desktop().sync();
  QWidget* third = ViewOf(menu).widgetFor(menu.Select(3));
  Click(third, {5, 5});
  EXPECT_EQ(menu.focusedControl(), &menu.Select(3));
}

}  // namespace
}  // namespace sylvandra::testing
