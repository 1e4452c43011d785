#include "shell/a_intro.h"

#include "shell/shell_state.h"
#include "shell/shell_style.h"

namespace sylvandra {

A_Intro::A_Intro(Program& program)
    : Window(program, kName, "Introduction", {1800, 1500, 7215, 6495}, kShellBackground) {
  // The description is read, selected and copied, never typed over.
  Describe.setMultiLine(true).setLocked(true).setFont(Font::face("Times New Roman", 11.25));
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

void A_Intro::openExercise(std::string_view name) {
  if (name.empty()) return;
  if (!program().knowsWindow(name)) {
    program().MsgBox(std::string(kNotAvailableText), 0, std::string(chapter().title));
    return;
  }
  Window& exercise = program().form(name);
  exercise.Show();
  program().handleAs(exercise, [&] { exercise.enteredFromChapter(chapterIndex()); });
}

void A_Intro::Continue_Click() {
  openExercise(chapter().continueWindow);
}

void A_Intro::Command1_Click() {
  openExercise(chapter().buttons[0].window);
}

void A_Intro::Command2_Click() {
  openExercise(chapter().buttons[1].window);
}

void A_Intro::Command3_Click() {
  openExercise(chapter().buttons[2].window);
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
