// A fixture for tests of one exercise window: a fresh program started as the desktop program
// starts, with a recording host, and the window opened as a student opens it (the chapter chosen
// on the menu, then the introduction's button that leads to it). Windows the catalogue does not
// lead to (the game's) are simply shown.
//
//   class Ex5AskTest : public testing::ExerciseTest<Ex5Ask> {};
//   TEST_F(Ex5AskTest, ...) { type(w().nyears, "50"); click(w().Execute); texts() ... }
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "app/startup.h"
#include "platform/program.h"
#include "plot/output/output_windows.h"
#include "shell/a_intro.h"
#include "shell/a_select.h"
#include "shell/catalogue.h"
#include "unit/mark_queries.h"
#include "unit/test_host.h"

namespace sylvandra::testing {

// The first catalogue row and introduction button that open `window`; row -1 when none does.
struct CatalogueRoute {
  int row = -1;
  const char* button = nullptr;
};
inline CatalogueRoute RouteTo(std::string_view window) {
  for (int row = 0; row < kChapterCount; ++row) {
    const ChapterEntry& entry = Catalogue()[static_cast<size_t>(row)];
    if (entry.continueShown() && entry.continueWindow == window) return {row, "Continue"};
    const char* const buttons[] = {"Command1", "Command2", "Command3"};
    for (size_t b = 0; b < 3; ++b) {
      if (entry.buttons[b].window == window) return {row, buttons[b]};
    }
  }
  return {};
}

// Starts the program and opens the window named as a student does (chapter, then button); a
// window the catalogue does not lead to is shown as it is.
inline Window& OpenAsStudent(Program& program, const std::string& name) {
  StartProgram(program);
  const CatalogueRoute route = RouteTo(name);
  Window& window = program.form(name);
  if (route.row >= 0) {
    program.click(program.form<A_Select>().Select(route.row));
    program.click(program.form<A_Intro>().control(route.button));
  } else {
    window.Show();
  }
  return window;
}

template <class W>
class ExerciseTest : public ::testing::Test {
 protected:
  ExerciseTest() : program(host) {
    StartProgram(program);
    Open();
  }

  // Opens the window again as a student would (its chapter hook runs again).
  void Open() {
    const CatalogueRoute route = RouteTo(W::kName);
    if (route.row < 0) {
      program.form<W>().Show();
      return;
    }
    program.click(program.form<A_Select>().Select(route.row));
    program.click(program.form<A_Intro>().control(route.button));
  }

  W& w() { return program.form<W>(); }
  void click(Control& control) { program.click(control); }
  void type(Control& control, std::string text) { program.type(control, std::move(text)); }

  // The shared output windows and what is drawn on them.
  outpt& output() { return program.form<outpt>(); }
  const std::vector<Mark>& marks() { return output().surface().marks(); }
  std::vector<Mark> marksOf(MarkKind kind) {
    return MarksWhere(marks(), [kind](const Mark& m) { return m.kind == kind; });
  }
  // Every text printed on the output window, in drawing order.
  std::vector<std::string> texts() {
    std::vector<std::string> found;
    for (const Mark& m : marks())
      if (m.kind == MarkKind::Text) found.push_back(m.text);
    return found;
  }

  // The last run-time failure reported, or "" when none was.
  std::string lastFailure() const {
    return host.failures.empty() ? std::string() : host.failures.back().message;
  }

  TestHost host;
  Program program;
};

}  // namespace sylvandra::testing
