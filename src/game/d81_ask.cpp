#include "game/d81_ask.h"

#include "game/d81_comp.h"
#include "game/d81_harv.h"
#include "game/d81_res.h"
#include "game/forest_game.h"

namespace sylvandra {

D81ask::D81ask(Program& program)
    : Window(program, kName, "Decision Interface", {600, 600, 9360, 4860}) {
  Font bold = font();
  bold.bold = true;
  struct Caption {
    const char* text;
    double top;
    bool bold;
  };
  const Caption captions[] = {
      {"Year", 300, true},
      {"Current Management Goal", 780, true},
      {"Value of Wood Harvested per year ($/Yr)", 1020, false},
      {"Environmental Constraints", 1500, true},
      {"Operating Reserves ($)", 2580, true},
      {"Salary ($/yr)", 3060, true},
      {"Net Worth ($)", 3540, true},
      {"Standing in Local Community", 4020, true},
  };
  int index = 0;
  for (const Caption& c : captions) {
    Control& label = addLabel("Label1", c.text, {240, c.top, 4200, 240}, index++);
    if (c.bold) label.setFont(bold);
  }
  addLabel("Label3", "Maximum Average Nitrate Loss Rate from All Compartments      (kg/ha.yr)",
           {240, 1740, 4200, 420}, 0)
      .setVisible(false);
  addLabel("Label3", "Maximum Nitrate Loss in Any Compartment      (kg/ha.yr)",
           {240, 1740, 4200, 420}, 1)
      .setVisible(false);

  Command1.onClick = [this] { Command1_Click(); };
  Command2.onClick = [this] { Command2_Click(); };
  Command3.onClick = [this] { Command3_Click(); };
  Command4.onClick = [this] { Command4_Click(); };
  Command5.onClick = [this] { Command5_Click(); };
  Command6.onClick = [this] { Command6_Click(); };
  Command7.onClick = [this] { Command7_Click(); };
}

void D81ask::Form_Load() {
  RestartForestGame(program());
  StepCompartments(program().state<ForestGame>().model);
}

void D81ask::Command1_Click() {
  program().form<D81comp>().Show();
}

void D81ask::Command2_Click() {
  program().form<D81Res>().Show();
}

// The plan starts from the year, goal and constraint shown here, with no rows filled.
void D81ask::Command3_Click() {
  D81Harv& plan = program().form<D81Harv>();
  plan.Show();
  plan.Yr.setText(Yr.text());
  plan.Goal.setText(Goal.text());
  plan.EnvCon.setText(EnvCon.text());
  for (int k = 0; k < kCompartments; ++k) {
    plan.Harv(k).setText("");
    plan.Yield(k).setText("");
    plan.Value(k).setText("");
  }
}

void D81ask::Command4_Click() {
  ExecuteManagementPlan(program());
}

// "Test Model" does nothing.
void D81ask::Command5_Click() {}

void D81ask::Command6_Click() {
  RestartForestGame(program());
}

void D81ask::Command7_Click() {
  setVisible(false);
}

}  // namespace sylvandra
