// The desktop host: failures and dialogs go through the presenter with the right titles and
// texts, after the views show what the handler has written so far.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "ui/ui_fixture.h"

namespace sylvandra::testing {
namespace {

using QtHostTest = UiTest;

TEST_F(QtHostTest, RuntimeFailureIsReportedNamingCaptionFieldAndTextAndNothingIsLost) {
  LabWindow& lab = ShowLab();
  lab.Mass.setText("abc");
  desktop().sync();
  WidgetOf<QPushButton>(lab.Weigh)->click();
  ASSERT_EQ(dialogs().failures.size(), 1u);
  const auto& failure = dialogs().failures[0];
  EXPECT_EQ(failure.title, "Lab Bench");
  EXPECT_EQ(failure.text.find("LabWindow"), std::string::npos) << failure.text;
  EXPECT_NE(failure.text.find("Sample mass: 'abc' is not a number"), std::string::npos)
      << failure.text;
  EXPECT_EQ(WidgetOf<QLineEdit>(lab.Mass)->text(), "abc");
  EXPECT_TRUE(ViewOf(lab).isVisible());

  // The program keeps running: the next click works.
  lab.Mass.setText("4");
  desktop().sync();
  WidgetOf<QPushButton>(lab.Weigh)->click();
  EXPECT_EQ(dialogs().failures.size(), 1u);
  EXPECT_EQ(WidgetOf<QLabel>(lab.Result)->text(), "8");
}

TEST_F(QtHostTest, MessageBoxShowsTitleAndPromptAfterTheViewsCaughtUp) {
  LabWindow& lab = ShowLab();
  QString labelWhenAsked;
  dialogs().onMessage = [&] { labelWhenAsked = WidgetOf<QLabel>(lab.Result)->text(); };
  lab.Run.onClick = [&] {
    lab.Result.setCaption("Working");
    program().MsgBox("Select a Location", 0, "No Climate Data");
  };
  WidgetOf<QPushButton>(lab.Run)->click();
  ASSERT_EQ(dialogs().messages.size(), 1u);
  EXPECT_EQ(dialogs().messages[0].title, "No Climate Data");
  EXPECT_EQ(dialogs().messages[0].text, "Select a Location");
  EXPECT_EQ(labelWhenAsked, "Working");
}

TEST_F(QtHostTest, InputBoxReturnsTheReplyOrEmptyTextWhenCancelled) {
  LabWindow& lab = ShowLab();
  std::vector<std::string> replies;
  lab.Run.onClick = [&] {
    replies.push_back(program().InputBox("Continue (C) or Stop (S)?", "Continue Simulation", "C"));
  };
  dialogs().replies = {std::string("S"), std::nullopt};
  program().click(lab.Run);
  program().click(lab.Run);
  program().click(lab.Run);
  EXPECT_EQ(replies, (std::vector<std::string>{"S", "", "C"}));
  ASSERT_EQ(dialogs().inputs.size(), 3u);
  EXPECT_EQ(dialogs().inputs[0].title, "Continue Simulation");
  EXPECT_EQ(dialogs().inputs[0].text, "Continue (C) or Stop (S)?");
}

}  // namespace
}  // namespace sylvandra::testing
