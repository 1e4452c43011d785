#include "shell/a_select.h"

#include <string>

#include "plot/output/output_windows.h"
#include "shell/a_intro.h"
#include "shell/catalogue.h"
#include "shell/drawings.h"
#include "shell/shell_state.h"
#include "shell/shell_style.h"

namespace sylvandra {
namespace {

constexpr double kMenuLeft = 600;
constexpr double kMenuTop = 1080;
constexpr double kMenuPitch = 240;
constexpr double kMarkerLeft = 240;
// Markers are a little smaller than a row so that adjacent ones stay apart.
constexpr double kMarkerSize = 210;
constexpr double kMarkerDrop = 15;

}  // namespace

A_Select::A_Select(Program& program)
    : Window(program, kName, "Laboratory Exercises for Sylvandra", {360, 480, 10320, 7200},
             kShellBackground) {
  Label6.setFont(Font::face("MS Sans Serif", 13.5, true)).setForeColor(kShellHeading);
  Font instruction = Font::face("MS Sans Serif", 8.25);
  instruction.italic = true;
  Label2.setFont(instruction);

  const Font entryFont = Font::face("MS Sans Serif", 8.25, true);
  const auto marker = MarkerPicture(kMarkerSize);
  int markers = 0;
  for (int index = 0; index < kChapterCount; ++index) {
    const ChapterEntry& entry = Catalogue()[static_cast<size_t>(index)];
    const double top = kMenuTop + kMenuPitch * entry.menuRow;
    addLabel("Select", std::string(entry.menuCaption), {kMenuLeft, top, 5880, kMenuPitch}, index)
        .setFont(entryFont)
        .setForeColor(kMenuEntry);
    Select(index).onClick = [this, index] { Select_Click(index); };
    if (entry.underConstruction()) {
      addPicture("Picture1", {kMarkerLeft, top + kMarkerDrop, kMarkerSize, kMarkerSize}, markers++)
          .setPicture(marker);
    }
  }
  // The legend's marker at the bottom, and one in the window's top-left corner.
  addPicture("Picture1", {kMarkerLeft, Label1.top() + kMarkerDrop / 2, kMarkerSize, kMarkerSize},
             markers++)
      .setPicture(marker);
  addPicture("Picture1", {120, 120, kMarkerSize, kMarkerSize}, markers++).setPicture(marker);

  Label1.setCaption(
      "=  This Exercise Still Under Construction\nPlease check for new exercises "
      "at the course web site, " +
      std::string(kCourseWebSite));
  Picture2.setPicture(CoverPicture(Picture2.width(), Picture2.height())).setBorder(true);

  ReadGrphs.onClick = [this] { ReadGrphs_Click(); };
  About.onClick = [this] { About_Click(); };
  Quit.onClick = [this] { Quit_Click(); };
  mnuForestGame.onClick = [this] { mnuForestGame_Click(); };
}

void A_Select::Form_Close() {
  Quit_Click();
}

void A_Select::Select_Click(int index) {
  outpt& output = program().form<outpt>();
  output.setVisible(false);
  output.About.setVisible(false);
  output.GraphDemo.setVisible(false);
  output.Return.setVisible(false);

  program().state<ShellState>().chapterIndex = static_cast<std::int16_t>(index);

  A_Intro& intro = program().form<A_Intro>();
  intro.setVisible(true);
  const ChapterEntry& entry = Catalogue().at(static_cast<size_t>(index));
  intro.Describe.setText(DescriptionText(entry));
  // Only what this row needs is changed: buttons shown by an earlier row stay until the
  // introduction's Return resets it.
  Control* buttons[] = {&intro.Command1, &intro.Command2, &intro.Command3};
  for (size_t b = 0; b < 3; ++b) {
    if (entry.buttons[b].caption.empty()) continue;
    buttons[b]->setVisible(true);
    buttons[b]->setCaption(std::string(entry.buttons[b].caption));
  }
  if (!entry.continueShown()) intro.Continue.setVisible(false);
  if (entry.showsNote) intro.Note.setVisible(true);
}

void A_Select::ReadGrphs_Click() {
  outpt& output = program().form<outpt>();
  output.setVisible(false);
  output.setVisible(true);
  output.About.setVisible(false);
  output.Return.setVisible(true);
  output.GraphDemo.setVisible(true);
}

void A_Select::About_Click() {
  outpt& output = program().form<outpt>();
  output.setVisible(false);
  output.setVisible(true);
  output.GraphDemo.setVisible(false);
  output.Return.setVisible(true);
  output.About.setVisible(true);
}

void A_Select::mnuForestGame_Click() {
  if (!program().knowsWindow(kForestGameEntry.window)) {
    program().MsgBox(std::string(kNotAvailableText), 0, std::string(kForestGameEntry.caption));
    return;
  }
  program().form(kForestGameEntry.window).Show();
}

void A_Select::Quit_Click() {
  program().End();
}

}  // namespace sylvandra
