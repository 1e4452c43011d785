// The keyboard on every exercise window: the Tab order, opened as a student opens the window,
// visits each field once, fields to fill in first and in layout order; and the keys that press
// buttons.
#include "platform/keyboard.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "app/model_page.h"
#include "exercises/biogeochem/ex2c_ask.h"
#include "exercises/biogeochem/windows.h"
#include "exercises/carbon_water/ex0_ask.h"
#include "exercises/carbon_water/ex1_ask.h"
#include "exercises/carbon_water/windows.h"
#include "exercises/population/windows.h"
#include "game/windows.h"
#include "unit/exercise_fixture.h"

namespace sylvandra {
namespace {

// The names of the exercise windows (every window but the menu, introduction and output).
std::vector<std::string> ExerciseWindows() {
  testing::TestHost host;
  Program program(host);
  RegisterCarbonWaterWindows(program);
  RegisterBiogeochemWindows(program);
  RegisterPopulationWindows(program);
  RegisterGameWindows(program);
  return program.registeredWindows();
}

struct Walk {
  std::vector<Control*> visited;
  Control* afterLast = nullptr;
};

// Presses Tab once more than there are stops, from a window with no focus yet.
Walk WalkTab(Program& program, Window& window, size_t stops) {
  Walk walk;
  for (size_t i = 0; i < stops; ++i) {
    EXPECT_TRUE(program.key(window, "Tab"));
    walk.visited.push_back(window.focusedControl());
  }
  program.key(window, "Tab");
  walk.afterLast = window.focusedControl();
  return walk;
}

bool InFrame(const Window& window, const Control& control) {
  for (const auto& other : window.controls()) {
    if (other->kind() != ControlKind::Frame) continue;
    const Rect& f = other->rect();
    const Rect& r = control.rect();
    if (r.left >= f.left && r.top >= f.top && r.left + r.width <= f.left + f.width &&
        r.top + r.height <= f.top + f.height) {
      return true;
    }
  }
  return !control.container().empty();
}

// A started program with the exercise window opened as a student opens it.
class ExerciseKeyboardTest : public ::testing::TestWithParam<std::string> {};

TEST_P(ExerciseKeyboardTest, TabVisitsEveryFieldOnceInputsFirstInLayoutOrder) {
  testing::TestHost host;
  Program program(host);
  Window& window = testing::OpenAsStudent(program, GetParam());
  ASSERT_TRUE(window.visible());

  // Every shown, enabled field that can be typed into, counted from the window's controls.
  std::set<const Control*> editable;
  for (const auto& c : window.controls()) {
    if (c->kind() == ControlKind::TextBox && c->visible() && c->enabled() && !c->locked() &&
        c->backColor() != kResultYellow) {
      editable.insert(c.get());
    }
  }
  const size_t stops = TabOrder(window).size();
  const Walk walk = WalkTab(program, window, stops);
  ASSERT_FALSE(walk.visited.empty());
  EXPECT_EQ(walk.afterLast, walk.visited.front()) << "Tab from the last stop returns to the first";
  EXPECT_EQ(std::set<Control*>(walk.visited.begin(), walk.visited.end()).size(), stops)
      << "no stop is visited twice";
  for (const Control* field : editable) {
    EXPECT_NE(std::find(walk.visited.begin(), walk.visited.end(), field), walk.visited.end())
        << field->qualifiedName() << " is never reached";
  }
  // Inputs first; then, among inputs outside frames, never back up the window by more than
  // half a field, nor to the left along a row.
  bool pastInputs = false;
  const Control* previous = nullptr;
  for (const Control* c : walk.visited) {
    if (!IsInputStop(*c)) {
      pastInputs = true;
      continue;
    }
    EXPECT_FALSE(pastInputs) << c->qualifiedName() << " comes after a button or result";
    if (InFrame(window, *c)) continue;
    if (previous) {
      EXPECT_GT(c->top(), previous->top() - previous->height() / 2)
          << previous->qualifiedName() << " then " << c->qualifiedName();
      if (c->top() == previous->top()) {
        EXPECT_GT(c->left(), previous->left())
            << previous->qualifiedName() << " then " << c->qualifiedName();
      }
    }
    previous = c;
  }
  // Backtab retraces the walk.
  program.key(window, "Backtab");
  EXPECT_EQ(window.focusedControl(), walk.visited.back());
}

// F1 opens the window's model page, held as its Markdown; the "?" button opens the same page
// and covers no control of the window. A window whose page is not written yet shows nothing.
TEST_P(ExerciseKeyboardTest, F1AndTheHelpButtonOpenThePage) {
  testing::TestHost host;
  Program program(host);
  Window& window = testing::OpenAsStudent(program, GetParam());
  ASSERT_TRUE(program.key(window, "F1"));
  ModelPage& page = program.form<ModelPage>();
  const std::string_view markdown = ModelPageMarkdown(window.name());
  ASSERT_EQ(page.visible(), !markdown.empty());
  if (page.visible()) {
    EXPECT_EQ(page.caption(), "How the model works: " + window.caption());
    EXPECT_EQ(page.Text.text(), markdown);
  }
  const std::string text = page.Text.text();

  program.key(page, "Escape");
  EXPECT_FALSE(page.visible());
  // The "?" is 20 x 20 pixels or more at 15 twips a pixel, inside the client area, clear of
  // every control shown or hidden, and in the top right corner wherever that corner is free.
  Control& help = window.control("ModelHelp");
  const auto overlaps = [](const Rect& a, const Rect& b) {
    return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height &&
           b.top < a.top + a.height;
  };
  const Rect corner{window.width() - 360, 60, 300, 300};
  bool cornerFree = true;
  for (const auto& c : window.controls()) {
    if (c.get() == &help) continue;
    EXPECT_FALSE(overlaps(help.rect(), c->rect())) << "the ? button covers " << c->qualifiedName();
    cornerFree = cornerFree && !overlaps(corner, c->rect());
  }
  EXPECT_GE(help.width(), 300);
  EXPECT_GE(help.height(), 300);
  EXPECT_GE(help.left(), 0);
  EXPECT_GE(help.top(), 0);
  EXPECT_LE(help.left() + help.width(), window.width());
  EXPECT_LE(help.top() + help.height(), window.height());
  if (cornerFree) {
    EXPECT_EQ(help.left(), corner.left);
    EXPECT_EQ(help.top(), corner.top);
  }
  program.click(help);
  EXPECT_EQ(page.visible(), !markdown.empty());
  EXPECT_EQ(page.Text.text(), text);
}

INSTANTIATE_TEST_SUITE_P(EveryWindow, ExerciseKeyboardTest, ::testing::ValuesIn(ExerciseWindows()),
                         [](const auto& info) { return info.param; });

class SomKeyboardTest : public testing::ExerciseTest<Ex0Ask> {};

// The order a student meets the soil organic matter window in: its three fields top to bottom,
// then Execute, Return and the page's "?" (not field, button, field, button, field).
TEST_F(SomKeyboardTest, TabGoesThroughTheFieldsBeforeTheButtonsAndHiddenWindowsTakeNoKeys) {
  std::vector<std::string> names;
  for (const Control* c : TabOrder(w())) names.push_back(c->name());
  EXPECT_EQ(names, (std::vector<std::string>{"SOM", "Inputs", "TurnOvr", "Command1", "Command2",
                                             "ModelHelp"}));
  // Enter in the field runs Execute; once the window is hidden, its keys do nothing.
  program.focus(w().TurnOvr);
  program.key(w(), "Return");
  EXPECT_TRUE(output().visible());
  output().setVisible(false);
  w().setVisible(false);
  program.key(w(), "Return");
  EXPECT_FALSE(output().visible());
}

class CanopyKeyboardTest : public testing::ExerciseTest<Ex1Ask> {};

// Space on an option button chooses it, as its click does; arrows move along its array.
TEST_F(CanopyKeyboardTest, SpaceChoosesTheFocusedOptionAndArrowsMoveAlongTheArray) {
  program.focus(w().Site(0));
  ASSERT_TRUE(program.key(w(), "Down"));
  EXPECT_EQ(w().focusedControl(), &w().Site(1));
  program.key(w(), "Space");
  EXPECT_EQ(w().Site(1).value(), 1);
  EXPECT_EQ(w().Site(0).value(), 0);
  EXPECT_FALSE(program.key(w(), "Ctrl+Q")) << "a key the program does not know";
}

class WatershedKeyboardTest : public testing::ExerciseTest<Ex2cAsk> {};

// "Watershed 1" and "Watershed 2" share their first letter: Alt+W presses neither, while
// Alt+E reaches the one "Execute".
TEST_F(WatershedKeyboardTest, AnAmbiguousShortcutPressesNothing) {
  EXPECT_EQ(ShortcutTarget(w(), 'W'), nullptr);
  EXPECT_EQ(ShortcutTarget(w(), 'e'), &w().Command1);
  program.key(w(), "Alt+W");
  EXPECT_EQ(w().focusedControl(), nullptr);
}

}  // namespace
}  // namespace sylvandra
