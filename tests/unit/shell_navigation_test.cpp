// Navigation through the shell: the menu, the introduction's buttons, the output window's two
// explanatory pages, the worksheet-only window and Quit. Exercise windows are stood in for by
// stubs registered under their names, so these tests hold whichever exercises are built.
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "app/startup.h"
#include "platform/program.h"
#include "plot/output/output_windows.h"
#include "shell/a_intro.h"
#include "shell/a_select.h"
#include "shell/ex16_ask.h"
#include "shell/shell_state.h"
#include "unit/test_host.h"

namespace sylvandra {
namespace {

// An exercise window that records each chapter it was opened for, and whether it was
// already showing when its chapter hook ran.
class StubExercise : public Window {
 public:
  StubExercise(Program& program, const std::string& name)
      : Window(program, name, name, {0, 0, 3000, 3000}) {}
  void enteredFromChapter(int chapterIndex) override {
    entries.emplace_back(chapterIndex, visible());
  }
  std::vector<std::pair<int, bool>> entries;
};

const char* const kExerciseWindows[] = {"Ex0Ask",  "Ex1Ask",   "Ex2aAsk", "Ex2bAsk", "Ex2cAsk",
                                        "Ex3Ask",  "Ex41Ask",  "EX42Ask", "Ex5Ask",  "Ex6Ask",
                                        "EX7Ask",  "EX9Ask",   "Ex10Ask", "EX11Ask", "EX12Ask",
                                        "EX13Ask", "Ex14aAsk", "Ex14bAsk"};

class ShellNavigationTest : public ::testing::Test {
 protected:
  ShellNavigationTest() : program(host) {
    StartProgram(program);
    for (const char* name : kExerciseWindows) {
      const std::string windowName = name;
      program.registerWindow(windowName, [windowName](Program& p) {
        return std::make_unique<StubExercise>(p, windowName);
      });
    }
  }

  A_Select& menu() { return program.form<A_Select>(); }
  A_Intro& intro() { return program.form<A_Intro>(); }
  outpt& output() { return program.form<outpt>(); }
  void Choose(int index) { program.click(menu().Select(index)); }
  StubExercise& stub(const char* name) { return static_cast<StubExercise&>(program.form(name)); }

  // The exercise windows that are showing.
  std::vector<std::string> ShownExercises() {
    std::vector<std::string> shown;
    for (const char* name : kExerciseWindows) {
      if (const Window* window = program.loaded(name); window && window->visible()) {
        shown.push_back(name);
      }
    }
    if (const Window* worksheet = program.loaded("Ex16Ask"); worksheet && worksheet->visible()) {
      shown.push_back("Ex16Ask");
    }
    return shown;
  }

  testing::TestHost host;
  Program program;
};

TEST_F(ShellNavigationTest, StartShowsTheMenuAndCreatesNothingElse) {
  ASSERT_EQ(program.windows().size(), 1u);
  EXPECT_EQ(program.windows()[0]->name(), "A_Select");
  EXPECT_TRUE(menu().visible());
  EXPECT_EQ(menu().caption(), "Laboratory Exercises for Sylvandra");
}

TEST_F(ShellNavigationTest, ChoosingAChapterCreatesOnlyTheOutputAndIntroductionWindows) {
  Choose(0);
  std::vector<std::string> names;
  for (const Window* window : program.windows()) names.push_back(window->name());
  EXPECT_EQ(names, (std::vector<std::string>{"A_Select", "outpt", "A_Intro"}));
  EXPECT_FALSE(output().visible());
  EXPECT_TRUE(intro().visible());
  EXPECT_EQ(program.state<ShellState>().chapterIndex, 0);
  Choose(20);
  EXPECT_EQ(program.state<ShellState>().chapterIndex, 20);
}

TEST_F(ShellNavigationTest, TheDescriptionIsReadNotTypedOver) {
  Choose(0);
  const std::string description = intro().Describe.text();
  program.type(intro().Describe, "scribbled over");
  EXPECT_EQ(intro().Describe.text(), description);
  // The program still writes the next chapter's description.
  Choose(3);
  EXPECT_EQ(intro().Describe.text().rfind("Distrubance and the Nitrogen Cycle", 0), 0u);
}

TEST_F(ShellNavigationTest, ContinueOpensTheChaptersWindow) {
  const std::map<int, std::string> expected = {
      {0, "Ex0Ask"},   {1, "Ex1Ask"},   {3, "Ex3Ask"},   {5, "Ex5Ask"},   {6, "Ex6Ask"},
      {7, "EX7Ask"},   {9, "EX9Ask"},   {10, "Ex10Ask"}, {11, "EX11Ask"}, {12, "EX12Ask"},
      {13, "EX13Ask"}, {14, "Ex2cAsk"}, {16, "Ex16Ask"}};
  for (int index = 0; index < kChapterCount; ++index) {
    SCOPED_TRACE("Select(" + std::to_string(index) + ")");
    Choose(index);
    program.click(intro().Continue);
    const auto found = expected.find(index);
    const std::vector<std::string> none;
    EXPECT_EQ(ShownExercises(),
              found == expected.end() ? none : std::vector<std::string>{found->second});
    for (Window* window : program.windows()) {
      if (window->name() != "A_Select" && window->name() != "A_Intro") window->Hide();
    }
    program.click(intro().Return);
  }
  EXPECT_TRUE(host.failures.empty());
}

TEST_F(ShellNavigationTest, OpeningAnExerciseRunsItsChapterHookOnceShown) {
  // Continue and the sub-exercise buttons hand the chapter to the window they open, after
  // showing it; the window decides what that chapter needs (a restart, controls shown).
  Choose(6);
  program.click(intro().Continue);
  program.click(intro().Continue);
  EXPECT_EQ(stub("Ex6Ask").entries, (std::vector<std::pair<int, bool>>{{6, true}, {6, true}}));
  program.click(intro().Return);
  Choose(2);
  program.click(intro().Command3);
  program.click(intro().Return);
  Choose(14);
  program.click(intro().Command3);
  EXPECT_EQ(stub("Ex2cAsk").entries, (std::vector<std::pair<int, bool>>{{2, true}, {14, true}}));
  Choose(15);
  program.click(intro().Command1);
  program.click(intro().Command2);
  program.click(intro().Command3);
  EXPECT_EQ(stub("Ex14aAsk").entries, (std::vector<std::pair<int, bool>>{{15, true}}));
  EXPECT_EQ(stub("Ex14bAsk").entries, (std::vector<std::pair<int, bool>>{{15, true}}));
  EXPECT_EQ(stub("Ex5Ask").entries, (std::vector<std::pair<int, bool>>{{15, true}}));
  EXPECT_TRUE(host.failures.empty());
}

TEST_F(ShellNavigationTest, SubExerciseButtonsOpenTheirWindows) {
  struct Case {
    int index;
    const char* button;
    std::vector<std::string> shown;
  };
  const Case cases[] = {
      {2, "Command1", {"Ex2aAsk"}},
      {2, "Command2", {"Ex2bAsk"}},
      {4, "Command1", {"Ex41Ask"}},
      {4, "Command2", {}},
      {4, "Command3", {"EX42Ask"}},
      {15, "Command1", {"Ex14aAsk"}},
      {15, "Command2", {"Ex14bAsk"}},
      {15, "Command3", {"Ex5Ask"}},
      // Chapter 9's buttons left showing under chapter 10 open nothing.
      {3, "Command1", {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("Select(" + std::to_string(c.index) + ")");
    Choose(c.index);
    program.click(intro().control(c.button));
    EXPECT_EQ(ShownExercises(), c.shown);
    for (Window* window : program.windows()) {
      if (window->name() != "A_Select" && window->name() != "A_Intro") window->Hide();
    }
  }
}

TEST_F(ShellNavigationTest, ReturnResetsTheIntroductionButKeepsCaptions) {
  Choose(2);
  program.click(intro().Return);
  EXPECT_FALSE(intro().visible());
  EXPECT_TRUE(intro().Continue.visible());
  EXPECT_FALSE(intro().Command1.visible());
  EXPECT_FALSE(intro().Command2.visible());
  EXPECT_FALSE(intro().Command3.visible());
  EXPECT_EQ(intro().Command3.caption(), "Watershed Experiments");
}

TEST_F(ShellNavigationTest, AnotherChapterWithoutReturnKeepsTheEarlierButtons) {
  Choose(2);
  Choose(3);
  EXPECT_TRUE(intro().Command1.visible());
  EXPECT_TRUE(intro().Command2.visible());
  EXPECT_TRUE(intro().Command3.visible());
  EXPECT_EQ(intro().Command1.caption(), "Concentration Units");
  EXPECT_FALSE(intro().Continue.visible());
  EXPECT_EQ(intro().Describe.text().rfind("Distrubance and the Nitrogen Cycle", 0), 0u);

  // A row with buttons recaptions them; the note of chapter 17 stays until Return.
  Choose(6);
  Choose(15);
  EXPECT_EQ(intro().Command1.caption(), "Species-Area Curves");
  EXPECT_TRUE(intro().Note.visible());
  program.click(intro().Return);
  EXPECT_FALSE(intro().Note.visible());
}

TEST_F(ShellNavigationTest, EachExplanatoryPageShowsExactlyOnePictureWithReturn) {
  program.click(menu().ReadGrphs);
  EXPECT_TRUE(output().visible());
  EXPECT_TRUE(output().GraphDemo.visible());
  EXPECT_FALSE(output().About.visible());
  EXPECT_TRUE(output().Return.visible());

  const auto raises = output().raiseRequests();
  program.click(menu().About);
  EXPECT_TRUE(output().visible());
  EXPECT_GT(output().raiseRequests(), raises);
  EXPECT_FALSE(output().GraphDemo.visible());
  EXPECT_TRUE(output().About.visible());
  EXPECT_TRUE(output().Return.visible());
  EXPECT_FALSE(output().CheckCon.visible());
}

TEST_F(ShellNavigationTest, OutputReturnHidesOnlyTheWindowAndAMenuChoiceResetsThePages) {
  output().surface().Print("an earlier graph");
  program.click(menu().ReadGrphs);
  program.click(output().Return);
  EXPECT_FALSE(output().visible());
  EXPECT_TRUE(output().GraphDemo.visible());
  EXPECT_TRUE(output().Return.visible());

  program.click(menu().ReadGrphs);
  Choose(0);
  EXPECT_FALSE(output().visible());
  EXPECT_FALSE(output().GraphDemo.visible());
  EXPECT_FALSE(output().About.visible());
  EXPECT_FALSE(output().Return.visible());
  // The drawing under the page is still there until an exercise clears it.
  ASSERT_EQ(output().surface().marks().size(), 1u);
  EXPECT_EQ(output().surface().marks()[0].text, "an earlier graph");
}

TEST_F(ShellNavigationTest, WorksheetOnlyChapterOpensItsWindowWithReturn) {
  Choose(16);
  program.click(intro().Continue);
  Ex16Ask& worksheet = program.form<Ex16Ask>();
  EXPECT_TRUE(worksheet.visible());
  EXPECT_EQ(worksheet.caption(), "Forest N Cycling Data");
  program.click(worksheet.Command1);
  EXPECT_FALSE(worksheet.visible());
  EXPECT_TRUE(intro().visible());
}

TEST_F(ShellNavigationTest, UnfinishedChapterOffersNothingToOpen) {
  Choose(8);
  EXPECT_FALSE(intro().Continue.visible());
  const size_t before = program.windows().size();
  program.click(intro().Continue);
  program.click(intro().Command1);
  EXPECT_EQ(program.windows().size(), before);
  EXPECT_TRUE(ShownExercises().empty());
}

TEST_F(ShellNavigationTest, QuitEndsTheProgramAndLaterEventsAreIgnored) {
  program.click(menu().Quit);
  EXPECT_TRUE(host.ended);
  EXPECT_TRUE(program.ended());
  program.click(menu().Select(0));
  EXPECT_EQ(program.loaded("A_Intro"), nullptr);
}

TEST_F(ShellNavigationTest, ClosingTheMenuEndsTheProgram) {
  Choose(0);
  program.closeWindow(menu());
  EXPECT_TRUE(host.ended);
  program.click(intro().Continue);
  EXPECT_EQ(program.loaded("Ex0Ask"), nullptr);
}

TEST_F(ShellNavigationTest, OtherWindowsCloseByHiding) {
  Choose(0);
  program.closeWindow(intro());
  EXPECT_FALSE(intro().visible());
  EXPECT_FALSE(host.ended);
}

TEST(ShellWithoutExercises, ButtonsOfUnbuiltExercisesDoNothing) {
  testing::TestHost host;
  Program program(host);
  RegisterShellWindows(program);
  A_Select& menu = program.form<A_Select>();
  menu.Show();
  for (int index = 0; index < kChapterCount; ++index) {
    program.click(menu.Select(index));
    A_Intro& intro = program.form<A_Intro>();
    for (Control* button : {&intro.Continue, &intro.Command1, &intro.Command2, &intro.Command3}) {
      program.click(*button);
    }
    program.click(intro.Return);
  }
  EXPECT_TRUE(host.failures.empty());
  EXPECT_EQ(program.loaded("outmap"), nullptr);
  // Only the worksheet-only window, which the shell itself provides, was opened.
  std::vector<std::string> names;
  for (const Window* window : program.windows()) names.push_back(window->name());
  EXPECT_EQ(names, (std::vector<std::string>{"A_Select", "outpt", "A_Intro", "Ex16Ask"}));
}

TEST(ShellOutputWindows, TableWindowReturnHidesIt) {
  testing::TestHost host;
  Program program(host);
  StartProgram(program);
  Outpt2& tables = program.form<Outpt2>();
  tables.Show();
  program.click(tables.Command1);
  EXPECT_FALSE(tables.visible());
  EXPECT_EQ(tables.caption(), "Output");
}

}  // namespace
}  // namespace sylvandra
