#include "plot/output/output_windows.h"

#include "plot/output/coast_map.h"
#include "plot/output/explanatory_pages.h"

namespace sylvandra {

outpt::outpt(Program& program) : Window(program, kName, "Model Output", kOutptRect, kFaceGrey) {
  setFont(Font::face("MS Sans Serif", 8.25));
  surface().AutoRedraw = true;
  About.setPicture(AboutPagePicture(About.width(), About.height()));
  GraphDemo.setPicture(GraphDemoPicture(GraphDemo.width(), GraphDemo.height(), -GraphDemo.left()));
  GraphDemo.setVisible(false);
  Return.setVisible(false);
  CheckCon.setVisible(false);
  Return.onClick = [this] { Return_Click(); };
}

void outpt::Return_Click() {
  setVisible(false);
}

Outpt2::Outpt2(Program& program)
    : Window(program, kName, "Output", {90, 6045, 9300, 2805}, kWhite) {
  // A table's rows are aligned by character count, its heading with them: a fixed pitch.
  setFont(Font::face("Courier New", 8.25));
  Command1.onClick = [this] { Command1_Click(); };
}

void Outpt2::Command1_Click() {
  setVisible(false);
}

outmap::outmap(Program& program) : Window(program, kName, "Maps", {5760, 1020, 6870, 6900}) {
  surface().setPicture(CoastMapPicture(width(), height()));
}

void HideWithOutput(Window& exercise) {
  exercise.setVisible(false);
  exercise.program().form<outpt>().setVisible(false);
}

void HideWithOutputAtUsualSize(Window& exercise) {
  HideWithOutput(exercise);
  exercise.program().form<outpt>().setRect(kOutptRect);
}

}  // namespace sylvandra
