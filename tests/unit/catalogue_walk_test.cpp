// Every window the catalogue names opens from its button in the program as built, so that a
// misspelt window name fails here instead of leaving a button that does nothing.
#include <gtest/gtest.h>

#include <string>

#include "app/startup.h"
#include "platform/program.h"
#include "shell/a_intro.h"
#include "shell/a_select.h"
#include "shell/catalogue.h"
#include "unit/test_host.h"

namespace sylvandra {
namespace {

TEST(CatalogueWalk, EveryNamedWindowOpensFromItsButton) {
  for (int index = 0; index < kChapterCount; ++index) {
    const ChapterEntry& row = Catalogue()[static_cast<size_t>(index)];
    // Continue, then Command1..Command3.
    const std::string_view windows[] = {row.continueWindow, row.buttons[0].window,
                                        row.buttons[1].window, row.buttons[2].window};
    const char* const buttons[] = {"Continue", "Command1", "Command2", "Command3"};
    for (int b = 0; b < 4; ++b) {
      if (windows[b].empty()) continue;
      const std::string name(windows[b]);
      SCOPED_TRACE("Select(" + std::to_string(index) + ") " + buttons[b] + " -> " + name);
      testing::TestHost host;
      Program program(host);
      StartProgram(program);
      program.click(program.form<A_Select>().Select(index));
      Control& button = program.form<A_Intro>().control(buttons[b]);
      // Chapter 25's Continue is hidden: its window must still be a real one.
      if (button.visible()) program.click(button);
      EXPECT_TRUE(host.failures.empty());
      ASSERT_TRUE(program.knowsWindow(name)) << "the catalogue names a window that does not exist";
      if (!button.visible()) continue;
      EXPECT_TRUE(program.form(name).visible());
      EXPECT_TRUE(host.messages.empty());
    }
  }
}

TEST(CatalogueWalk, TheExtrasMenuOpensTheGameByItsEntry) {
  testing::TestHost host;
  Program program(host);
  StartProgram(program);
  program.click(program.form<A_Select>().mnuForestGame);
  ASSERT_TRUE(program.knowsWindow(kForestGameEntry.window));
  EXPECT_TRUE(program.form(kForestGameEntry.window).visible());
  EXPECT_TRUE(host.messages.empty());
  EXPECT_TRUE(host.failures.empty());
}

TEST(CatalogueWalk, AButtonWhoseWindowIsNotBuiltSaysSo) {
  // A program with the shell alone: the chapter's button opens nothing and tells the student.
  testing::TestHost host;
  Program program(host);
  RegisterShellWindows(program);
  program.form<A_Select>().Show();
  program.click(program.form<A_Select>().Select(0));
  program.click(program.form<A_Intro>().Continue);
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].prompt,
            "This exercise is not available in this version of the program yet.");
  EXPECT_EQ(host.messages[0].title, "Residence Time and Turnover Rates");
  // The menu bar's game entry alike.
  program.click(program.form<A_Select>().mnuForestGame);
  ASSERT_EQ(host.messages.size(), 2u);
  EXPECT_EQ(host.messages[1].prompt, host.messages[0].prompt);
  EXPECT_EQ(host.messages[1].title, "Forest Management Game (preview)");
  EXPECT_TRUE(host.failures.empty());
}

}  // namespace
}  // namespace sylvandra
