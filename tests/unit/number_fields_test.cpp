// Every number field of every exercise window refuses text that is not wholly a number: the
// window's main action (the button Enter presses) stops with a message naming the field and
// quoting the text, instead of computing with some other number. The fields are found in the
// windows themselves (every field a student fills in), so a new window is covered as it is built.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "app/startup.h"
#include "platform/keyboard.h"
#include "platform/program.h"
#include "platform/runtime_failure.h"
#include "shell/a_intro.h"
#include "shell/a_select.h"
#include "shell/catalogue.h"
#include "unit/test_host.h"

namespace sylvandra {
namespace {

const char* const kNotNumbers[] = {"ten", "12abc", "0,05", "inf", "+inf", "-nan", "Infinity"};

// Fields a student fills in that hold no number, or that another button than the main action
// reads; each with that button ("" for a field that holds text). No field named: every other
// field of the window.
struct FieldAction {
  std::string_view window, field, button;
};
constexpr FieldAction kOtherActions[] = {
    {"Ex1Ask", "SP", ""},                 // species names
    {"Ex2cAsk", "DepRamp", ""},           // y or n
    {"Ex6Ask", "BeginYear", "Command2"},  // Restart prints it
    {"Ex10Ask", "PAR", "GraphhAll"},
    {"Ex10Ask", "TC", "GraphhAll"},
    {"EX12Ask", "VPDTemp", "VPDCalc"},
    {"D81ask", "EnvCon", ""},  // "None" until a standard is in force
    {"D81ask", "Standing", ""},
    {"D81ask", "", "Command4"},  // every other field: Execute Plan
    {"EX9Ask", "ATF", ""},
    {"EX9Ask", "TAF", ""},
    {"EX9Ask", "ASOF", ""},
    {"EX9Ask", "SODOF", ""},
};

// A button a window needs pressed before its main action has anything to run.
struct Preparation {
  std::string_view window, button;
};
constexpr Preparation kPreparations[] = {
    {"Ex2cAsk", "Command5"},  // Watershed 1
    {"Ex2cAsk", "Command2"},  // acid deposition
    {"Ex3Ask", "D21Sys1"},
};

struct Opened {
  testing::TestHost host;
  Program program{host};
  Window* window = nullptr;
};

// Opens the window as a student does: its chapter on the menu, then the introduction's button.
// A window no chapter leads to is simply shown.
void OpenFromCatalogue(Opened& opened, std::string_view name) {
  StartProgram(opened.program);
  for (int row = 0; row < kChapterCount; ++row) {
    const ChapterEntry& entry = Catalogue()[static_cast<size_t>(row)];
    const char* button = nullptr;
    if (entry.continueShown() && entry.continueWindow == name) button = "Continue";
    const char* const buttons[] = {"Command1", "Command2", "Command3"};
    for (size_t b = 0; b < 3 && !button; ++b) {
      if (entry.buttons[b].window == name) button = buttons[b];
    }
    if (!button) continue;
    opened.program.click(opened.program.form<A_Select>().Select(row));
    opened.program.click(opened.program.form<A_Intro>().control(button));
    opened.window = &opened.program.form(name);
    for (const Preparation& p : kPreparations) {
      if (p.window == name) opened.program.click(opened.window->control(p.button));
    }
    return;
  }
  // The game's windows open from one another: shown as they are.
  opened.window = &opened.program.form(name);
  opened.window->Show();
}

std::vector<std::string> ExerciseWindows() {
  std::set<std::string> names;
  for (const ChapterEntry& entry : Catalogue()) {
    if (entry.continueShown() && !entry.continueWindow.empty()) names.emplace(entry.continueWindow);
    for (const auto& button : entry.buttons) {
      if (!button.window.empty()) names.emplace(button.window);
    }
  }
  // The forest game's decision window, which the menu's Extras lead to.
  names.emplace("D81ask");
  return {names.begin(), names.end()};
}

const FieldAction* OtherAction(std::string_view window, std::string_view field) {
  for (const FieldAction& a : kOtherActions) {
    if (a.window == window && (a.field == field || a.field.empty())) return &a;
  }
  return nullptr;
}

TEST(NumberFields, EveryFieldRefusesTextThatIsNotWhollyANumber) {
  int fieldsTried = 0;
  for (const std::string& name : ExerciseWindows()) {
    struct Field {
      std::string name;
      int index;
    };
    std::vector<Field> fields;
    {
      Opened probe;
      OpenFromCatalogue(probe, name);
      ASSERT_NE(probe.window, nullptr) << name;
      for (const Control* c : TabOrder(*probe.window)) {
        if (c->kind() == ControlKind::TextBox && IsInputStop(*c) && !c->multiLine())
          fields.push_back({c->name(), c->index()});
      }
    }
    for (const Field& f : fields) {
      const FieldAction* other = OtherAction(name, f.name);
      if (other && other->button.empty()) continue;
      for (const char* text : kNotNumbers) {
        SCOPED_TRACE(name + "." + f.name + "(" + std::to_string(f.index) + ") = '" + text + "'");
        Opened opened;
        OpenFromCatalogue(opened, name);
        Window& window = *opened.window;
        Control& field = window.control(f.name, f.index);
        opened.program.type(field, text);
        if (opened.host.failures.empty()) {
          Control* action = other ? &window.control(other->button) : DefaultButton(window);
          ASSERT_NE(action, nullptr) << "the window has no main action";
          opened.program.click(*action);
        }
        ASSERT_FALSE(opened.host.failures.empty()) << "the text was taken as a number";
        const std::string& message = opened.host.failures.back().message;
        EXPECT_NE(message.find(field.label() + ": " + QuotedText(text)), std::string::npos)
            << message;
      }
      ++fieldsTried;
    }
  }
  // The windows' own fields, not a list: at least the soil organic matter window's three.
  EXPECT_GT(fieldsTried, 3);
}

// Counts and years that cannot be meant, each refused by the button that runs with it.
TEST(NumberFields, CountsAndYearsThatCannotBeMeantAreRefused) {
  const struct {
    const char* window;
    const char* field;
    const char* text;
    const char* button;
    const char* message;
  } cases[] = {
      {"Ex5Ask", "nyears", "-5", "Command1",
       "Years to Run: '-5' must be a whole number, at least 1"},
      {"Ex5Ask", "nyears", "0", "Command1", "Years to Run: '0' must be a whole number, at least 1"},
      {"Ex5Ask", "nyears", "20.5", "Command1",
       "Years to Run: '20.5' must be a whole number, at least 1"},
      {"Ex5Ask", "moosein", "1905.5", "Command1",
       "Moose Year Introduced: '1905.5' must be a whole number"},
      {"Ex5Ask", "wolfin", "1945.5", "Command1",
       "Wolves Year Introduced: '1945.5' must be a whole number"},
      // The grove stands at 1880 (the Current Year): an earlier year cannot be run to.
      {"Ex6Ask", "RunToYear", "-100", "Command1",
       "Run To Year: '-100' must be a whole number, at least 1880"},
      {"Ex6Ask", "RunToYear", "1879", "Command1",
       "Run To Year: '1879' must be a whole number, at least 1880"},
      {"Ex6Ask", "RunToYear", "1900.5", "Command1",
       "Run To Year: '1900.5' must be a whole number, at least 1880"},
      {"Ex6Ask", "CurrentYear", "1880.5", "Command1",
       "Current Year: '1880.5' must be a whole number"},
      {"Ex6Ask", "BeginYear", "1880.5", "Command2", "Begin Year: '1880.5' must be a whole number"},
      {"Ex6Ask", "BeginYear", "", "Command2", "Begin Year: '' is not a number"},
      // 0 years shows the first stand only.
      {"EX7Ask", "nyr", "-1", "Command1",
       "Number of years: '-1' must be a whole number, at least 0"},
      {"EX7Ask", "nyr", "2.5", "Command1",
       "Number of years: '2.5' must be a whole number, at least 0"},
      {"EX7Ask", "nprint", "-1", "Command1",
       "Print Interval (yrs): '-1' must be a whole number, at least 1"},
      {"EX7Ask", "fireyear", "-10", "Command1", "Fire: '-10' must be a whole number, at least 0"},
      {"EX7Ask", "hurricyear", "10.5", "Command1",
       "Hurricane: '10.5' must be a whole number, at least 0"},
      {"EX42Ask", "RunTime", "0", "Command2",
       "Run Time (years): '0' must be a whole number, at least 1"},
      {"EX42Ask", "RunTime", "-10", "Command2",
       "Run Time (years): '-10' must be a whole number, at least 1"},
      {"EX42Ask", "RunTime", "10.5", "Command2",
       "Run Time (years): '10.5' must be a whole number, at least 1"},
      {"EX42Ask", "LitCut", "-1", "Command2",
       "Litter Cutoff Year: '-1' must be a whole number, at least 0"},
      {"D81ask", "Yr", "1900.5", "Command4", "Year: '1900.5' must be a whole number"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.window) + "." + c.field + " = '" + c.text + "'");
    Opened opened;
    OpenFromCatalogue(opened, c.window);
    ASSERT_NE(opened.window, nullptr);
    opened.program.type(opened.window->control(c.field), c.text);
    opened.program.click(opened.window->control(c.button));
    ASSERT_EQ(opened.host.failures.size(), 1u);
    EXPECT_EQ(opened.host.failures[0].message, c.message);
  }
}

}  // namespace
}  // namespace sylvandra
