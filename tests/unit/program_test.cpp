#include "platform/program.h"

#include <gtest/gtest.h>

#include <set>

#include "platform/runtime_failure.h"
#include "unit/test_host.h"

namespace sylvandra {
namespace {

// A small window with one of each kind of control the tests need.
class SampleWindow : public Window {
 public:
  static constexpr const char* kName = "Sample";
  explicit SampleWindow(Program& program)
      : Window(program, kName, "Sample Window", {0, 0, 4000, 3000}) {
    for (int i = 0; i < 3; ++i) addOption("Choice", "Choice", {100, 100.0 + 300 * i, 900, 255}, i);
    addFrame("Group", "Group", {2000, 100, 1500, 1000});
    addOption("Inner", "Inner", {2100, 300, 900, 255}, 0).setContainer("Group");
    addOption("Inner", "Inner", {2100, 600, 900, 255}, 1).setContainer("Group");
    Field.onChange = [this] { changes.push_back(Field.text()); };
    Field.onKeyUp = [this] { ++keyUps; };
    Check.onClick = [this] { ++clicks; };
    Compute.onClick = [this] { Compute_Click(); };
    Quit.onClick = [this] {
      this->program().End();
      ++afterEnd;
    };
  }
  void Form_Load() override { ++loads; }

  void Compute_Click() {
    Result.setText("partial");
    const double n = Field.number();
    Result.setNumber(1.0 / n);
  }

  Control& Field = addTextBox("Field", "10", {100, 1000, 1000, 300}).setLabel("Foliar N");
  Control& Result = addTextBox("Result", "", {100, 1400, 1000, 300}).setBackColor(kResultYellow);
  Control& Check = addCheckBox("Check", "Check", {100, 1800, 1000, 300});
  Control& Compute = addButton("Compute", "Compute", {100, 2200, 1000, 300});
  Control& Quit = addButton("Quit", "Quit", {1200, 2200, 1000, 300});
  Control& mnuFile = addMenuItem("mnuFile", "File");
  Control& mnuOpen = addMenuItem("mnuOpen", "Open", "mnuFile");
  ControlArray& Choice = array("Choice");
  ControlArray& Inner = array("Inner");

  std::vector<std::string> changes;
  int keyUps = 0, clicks = 0, loads = 0, afterEnd = 0;
};

struct Counter {
  int value = 0;
};

class ProgramTest : public ::testing::Test {
 protected:
  ProgramTest() : program(host) { program.registerWindow<SampleWindow>(); }
  SampleWindow& window() { return program.form<SampleWindow>(); }

  testing::TestHost host;
  Program program;
};

TEST_F(ProgramTest, WindowsAreCreatedOnFirstTouchAndLoadedOnce) {
  EXPECT_TRUE(program.windows().empty());
  EXPECT_EQ(program.loaded("Sample"), nullptr);
  SampleWindow& first = window();
  Window& byName = program.form("Sample");
  EXPECT_EQ(&byName, &first);
  EXPECT_EQ(first.loads, 1);
  EXPECT_FALSE(first.visible());
  EXPECT_THROW(program.form("Nothing"), RuntimeFailure);
}

TEST_F(ProgramTest, ChangeFiresOnlyWhenTheTextActuallyChanges) {
  SampleWindow& w = window();
  w.Field.setText("10");
  EXPECT_TRUE(w.changes.empty());
  w.Field.setText("11");
  program.type(w.Field, "12");
  program.type(w.Field, "12");
  EXPECT_EQ(w.changes, (std::vector<std::string>{"11", "12"}));
  EXPECT_EQ(w.keyUps, 2);
}

TEST_F(ProgramTest, EditAndKeyUpAreTheTwoHalvesOfTyping) {
  SampleWindow& w = window();
  program.edit(w.Field, "15");
  EXPECT_EQ(w.changes, std::vector<std::string>{"15"});
  EXPECT_EQ(w.keyUps, 0);
  program.keyUp(w.Field);
  program.keyUp(w.Field);
  EXPECT_EQ(w.changes.size(), 1u);
  EXPECT_EQ(w.keyUps, 2);
  w.Field.setEnabled(false);
  program.edit(w.Field, "16");
  program.keyUp(w.Field);
  EXPECT_EQ(w.Field.text(), "15");
  EXPECT_EQ(w.keyUps, 2);
}

TEST_F(ProgramTest, OptionButtonsExcludeEachOtherWithinTheirContainer) {
  SampleWindow& w = window();
  program.click(w.Choice(1));
  program.click(w.Inner(0));
  program.click(w.Choice(2));
  EXPECT_EQ(w.Choice(1).value(), 0);
  EXPECT_EQ(w.Choice(2).value(), 1);
  EXPECT_EQ(w.Inner(0).value(), 1);
  w.Inner(1).setValue(1);
  EXPECT_EQ(w.Inner(0).value(), 0);
  EXPECT_EQ(w.Choice(2).value(), 1);
}

TEST_F(ProgramTest, ClickTogglesACheckBoxThenFiresClick) {
  SampleWindow& w = window();
  program.click(w.Check);
  EXPECT_EQ(w.Check.value(), 1);
  program.click(w.Check);
  EXPECT_EQ(w.Check.value(), 0);
  EXPECT_EQ(w.clicks, 2);
  w.Check.setEnabled(false);
  program.click(w.Check);
  EXPECT_EQ(w.clicks, 2);
}

TEST_F(ProgramTest, FailureStopsTheHandlerReportsItAndKeepsWhatWasTyped) {
  SampleWindow& w = window();
  program.type(w.Field, "abc");
  program.click(w.Compute);
  ASSERT_EQ(host.failures.size(), 1u);
  EXPECT_EQ(host.failures[0].window, "Sample");
  EXPECT_EQ(host.failures[0].message, "Foliar N: 'abc' is not a number");
  EXPECT_EQ(w.Field.text(), "abc");
  // The "partial" the handler wrote before it failed is taken back.
  EXPECT_EQ(w.Result.text(), "");

  program.type(w.Field, "0");
  program.click(w.Compute);
  ASSERT_EQ(host.failures.size(), 2u);
  EXPECT_NE(host.failures[1].message.find("Result"), std::string::npos);
  EXPECT_EQ(w.Result.text(), "");

  program.type(w.Field, "4");
  program.click(w.Compute);
  EXPECT_EQ(w.Result.text(), "0.25");
  EXPECT_EQ(host.failures.size(), 2u);
}

TEST_F(ProgramTest, EndStopsTheHandlerAndIgnoresLaterEvents) {
  SampleWindow& w = window();
  program.click(w.Quit);
  EXPECT_TRUE(host.ended);
  EXPECT_TRUE(program.ended());
  EXPECT_EQ(w.afterEnd, 0);
  program.click(w.Check);
  EXPECT_EQ(w.clicks, 0);
}

TEST_F(ProgramTest, ArrayMembersKeepTheirIndices) {
  SampleWindow& w = window();
  EXPECT_EQ(w.Choice.lowerBound(), 0);
  EXPECT_EQ(w.Choice.upperBound(), 2);
  EXPECT_EQ(w.Choice(2).qualifiedName(), "Choice(2)");
  EXPECT_EQ(&w.control("Choice", 1), &w.Choice(1));
  EXPECT_THROW(w.Choice(3), RuntimeFailure);
  EXPECT_THROW(w.control("Missing"), RuntimeFailure);
}

TEST_F(ProgramTest, StateBelongsToOneProgram) {
  program.state<Counter>().value = 5;
  testing::TestHost otherHost;
  Program other(otherHost);
  EXPECT_EQ(other.state<Counter>().value, 0);
  EXPECT_EQ(program.state<Counter>().value, 5);
}

TEST_F(ProgramTest, MenuItemsAreControlsWithoutAPlaceThatClickLikeButtons) {
  SampleWindow& w = window();
  int opened = 0;
  w.mnuOpen.onClick = [&] { ++opened; };
  program.click(*w.find("mnuOpen"));
  EXPECT_EQ(opened, 1);
  EXPECT_EQ(w.mnuOpen.kind(), ControlKind::MenuItem);
  EXPECT_EQ(w.mnuOpen.container(), "mnuFile");
  EXPECT_EQ(w.mnuOpen.width() + w.mnuOpen.height(), 0);
}

TEST_F(ProgramTest, RestoreDesignPutsTheWindowBackAsCreatedWithoutEvents) {
  SampleWindow& w = window();
  w.Show();
  w.setCaption("Changed");
  program.type(w.Field, "25");
  w.Result.setText("0.04").setBackColor(kWhite);
  w.Check.setVisible(false);
  program.click(w.Choice(2));
  w.surface().Print("drawn");
  const size_t changesBefore = w.changes.size();

  w.restoreDesign();
  EXPECT_FALSE(w.visible());
  EXPECT_EQ(w.caption(), "Sample Window");
  EXPECT_EQ(w.Field.text(), "10");
  EXPECT_EQ(w.Result.text(), "");
  EXPECT_EQ(w.Result.backColor(), kResultYellow);
  EXPECT_TRUE(w.Check.visible());
  EXPECT_EQ(w.Choice(2).value(), 0);
  EXPECT_TRUE(w.surface().marks().empty());
  // No Change event, and Form_Load is not run again.
  EXPECT_EQ(w.changes.size(), changesBefore);
  EXPECT_EQ(w.loads, 1);
}

TEST_F(ProgramTest, DialogsGoThroughTheHost) {
  host.answers.push_back(std::string("S"));
  host.answers.push_back(std::nullopt);
  EXPECT_EQ(program.InputBox("Continue?", "Continue Simulation", "0"), "S");
  EXPECT_EQ(program.InputBox("Continue?", "Continue Simulation", "0"), "");
  EXPECT_EQ(program.InputBox("Continue?", "Continue Simulation", "0"), "0");
  program.MsgBox("Select a Location", 0, "No Climate Data");
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].title, "No Climate Data");
}

TEST(RandomTest, SeedingRepeatsTheSequenceAndValuesAreSinglePrecision) {
  testing::TestHost host;
  Program program(host);
  std::vector<double> first, second;
  program.Randomize(5);
  for (int i = 0; i < 100; ++i) first.push_back(program.Rnd());
  program.Randomize(100);
  const double other = program.Rnd();
  program.Randomize(5);
  for (int i = 0; i < 100; ++i) second.push_back(program.Rnd());
  EXPECT_EQ(first, second);
  EXPECT_NE(other, first[0]);
  std::set<double> distinct(first.begin(), first.end());
  EXPECT_GT(distinct.size(), 95u);
  for (double r : first) {
    EXPECT_GE(r, 0.0);
    EXPECT_LT(r, 1.0);
    EXPECT_EQ(static_cast<double>(static_cast<float>(r)), r);
  }
}

}  // namespace
}  // namespace sylvandra
