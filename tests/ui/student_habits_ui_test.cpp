// What a student meets on the desktop: boxes titled with the window's caption and never its
// internal name.
#include "app/startup.h"
#include "platform/runtime_failure.h"
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

}  // namespace
}  // namespace sylvandra::testing
