#include "shell/a_intro.h"

#include "shell/output_windows.h"
#include "shell/shell_state.h"
#include "shell/shell_style.h"

namespace sylvandra {
namespace {

// Select indices of the chapters whose buttons do more than open a window.
constexpr int kAcidificationChapter = 2;
constexpr int kSequoiaChapter = 6;
constexpr int kAirPollutionChapter = 14;
constexpr int kBiodiversityChapter = 15;

}  // namespace

A_Intro::A_Intro(Program& program)
    : Window(program, kName, "Introduction", {1800, 1500, 7215, 6495}, kShellBackground) {
  Describe.setMultiLine(true).setFont(Font::Face("Times New Roman", 11.25));
  Command1.setVisible(false);
  Command2.setVisible(false);
  Command3.setVisible(false);
  Note.setVisible(false);
  Continue.onClick = [this] { Continue_Click(); };
  Command1.onClick = [this] { Command1_Click(); };
  Command2.onClick = [this] { Command2_Click(); };
  Command3.onClick = [this] { Command3_Click(); };
  Return.onClick = [this] { Return_Click(); };
}

int A_Intro::chapterIndex() const {
  return program().state<ShellState>().chapterIndex;
}

const ChapterEntry& A_Intro::chapter() const {
  return Catalogue().at(static_cast<size_t>(chapterIndex()));
}

Window* A_Intro::ShowIfBuilt(std::string_view name) {
  if (name.empty() || !program().knowsWindow(name)) return nullptr;
  Window& window = program().form(name);
  window.Show();
  return &window;
}

Window* A_Intro::OpenSubExercise(int button) {
  return ShowIfBuilt(chapter().buttons[static_cast<size_t>(button)].window);
}

void A_Intro::SetPollutionControlsVisible(Window& watersheds, bool visible) {
  static constexpr const char* kPollutionControls[] = {
      "Label11",    "DepRamp", "WeatherRate", "Label10", "Ozone",  "SulfCapac", "Label1", "Label12",
      "NoControls", "Cap",     "Reduce",      "Label13", "Label3", "CEC",       "Label9"};
  for (const char* name : kPollutionControls) {
    if (Control* control = watersheds.find(name)) control->setVisible(visible);
  }
}

void A_Intro::Continue_Click() {
  Window* exercise = ShowIfBuilt(chapter().continueWindow);
  if (exercise && chapterIndex() == kSequoiaChapter) {
    // Every visit to the grove starts from its initial state: run the window's Restart.
    Control* restart = exercise->find("Command2");
    if (restart && restart->onClick) program().runHandler(*exercise, restart->onClick);
  }
}

void A_Intro::Command1_Click() {
  if (!OpenSubExercise(0)) return;
  if (chapterIndex() == kBiodiversityChapter) {
    program().form<outpt>().setVisible(false);
    // Hook: the species-area set-up (random maps, argument 1) runs here once the
    // biodiversity exercise provides it. Until then the window opens without new maps.
  }
}

void A_Intro::Command2_Click() {
  if (!OpenSubExercise(1)) return;
  if (chapterIndex() == kBiodiversityChapter) program().form<outmap>().setVisible(true);
}

void A_Intro::Command3_Click() {
  Window* exercise = OpenSubExercise(2);
  if (!exercise) return;
  // The watershed window serves two chapters: the pollution controls belong to chapter 25.
  if (chapterIndex() == kAcidificationChapter) SetPollutionControlsVisible(*exercise, false);
  if (chapterIndex() == kAirPollutionChapter) SetPollutionControlsVisible(*exercise, true);
}

void A_Intro::Return_Click() {
  Continue.setVisible(true);
  Command1.setVisible(false);
  Command2.setVisible(false);
  Command3.setVisible(false);
  setVisible(false);
  Note.setVisible(false);
}

}  // namespace sylvandra
