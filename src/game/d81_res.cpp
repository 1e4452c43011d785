#include "game/d81_res.h"

#include <string>

#include "game/compartment_model.h"
#include "game/d81_ask.h"
#include "game/forest_game.h"
#include "platform/runtime_failure.h"

namespace sylvandra {
namespace {

struct ResearchItem {
  const char* caption;
  const char* cost;
};
constexpr ResearchItem kItems[kResearchItems] = {
    {"Forest Type", "100"},         {"Forest Biomass", "200"},
    {"Biomass Increment", "400"},   {"Soil Water Holding Capacity", "200"},
    {"Total Soil Nitrogen", "200"}, {"Nitrogen Mineralization/Nirif.", "400"},
    {"Stream Nitrate", "50"},       {"Precipitation", "300"},
    {"N Deposition", "100"},        {"Site History", "150"},
};

constexpr double kRowTop = 840;
constexpr double kRowPitch = 420;

bool IsCompartmentDigit(const std::string& text) {
  return text == "0" || text == "1" || text == "2" || text == "3";
}
bool IsAll(const std::string& text) {
  return text == "a" || text == "A";
}

}  // namespace

D81Res::D81Res(Program& program)
    : Window(program, kName, "Research and Inventory", {900, 600, 8040, 6480}) {
  Font bold = font();
  bold.bold = true;
  struct Caption {
    const char* text;
    Rect rect;
  };
  const Caption captions[] = {
      {"Data Obtained", {240, 240, 3000, 420}},
      {"Cost Per Compartment", {3360, 240, 1320, 420}},
      {"Compartment(s)  (# or 'a' for all)", {4800, 240, 1560, 420}},
      {"Total Cost for this Study", {6480, 240, 1440, 420}},
      {"Total Cost", {4800, 5145, 1560, 240}},
      {"Operating Reserves", {4800, 5565, 1560, 240}},
      {"Year", {4800, 5985, 1560, 240}},
  };
  int index = 0;
  for (const Caption& c : captions) addLabel("Label1", c.text, c.rect, index++).setFont(bold);

  for (int i = 0; i < kResearchItems; ++i) {
    const double top = kRowTop + i * kRowPitch;
    addLabel("Label2", kItems[i].caption, {240, top + 45, 3000, 240}, i);
    addTextBox("Cost", kItems[i].cost, {3360, top, 1200, 315}, i)
        .setLabel(std::string(kItems[i].caption) + " cost");
    addTextBox("Sel", "", {4800, top, 1200, 315}, i)
        .setLabel(std::string(kItems[i].caption) + " compartments");
    addTextBox("OpCost", "", {6480, top, 1200, 315}, i)
        .setLabel(std::string(kItems[i].caption) + " study cost");
    Sel(i).onChange = [this, i] { Sel_Change(i); };
  }
  Execute.onClick = [this] { Execute_Click(); };
  Command1.onClick = [this] { Command1_Click(); };
}

void D81Res::Sel_Change(int index) {
  const std::string selection = Sel(index).text();
  if (selection.empty()) {
    OpCost(index).setText("");
  } else if (IsAll(selection)) {
    OpCost(index).setNumber(Cost(index).number() * 4);
  } else if (IsCompartmentDigit(selection)) {
    OpCost(index).setText(Cost(index).text());
  } else {
    program().MsgBox("Invalid Entry");
    Sel(index).setText("");
    OpCost(index).setText("");
  }
  TotCost.setText("0");
  for (int r = 0; r < kResearchItems; ++r) {
    TotCost.setNumber(TotCost.number() + OpCost(r).val());
  }
}

void D81Res::Execute_Click() {
  if (Reserves.val() < TotCost.val()) {
    program().MsgBox("Reserves Too Low");
    return;
  }
  for (int i = 0; i < kResearchItems; ++i) {
    const std::string selection = Sel(i).text();
    if (IsCompartmentDigit(selection)) {
      RevealCompartmentData(program(), i, selection[0] - '0');
    } else if (IsAll(selection)) {
      for (int k = 0; k < kCompartments; ++k) RevealCompartmentData(program(), i, k);
    }
  }
  Reserves.setNumber(Reserves.val() - TotCost.number());
  TotCost.setText("0");
  program().form<D81ask>().Reserves.setText(Reserves.text());
  // The costs are cleared before the selections, whose change events add up what is left: that
  // sum is 0 and never one too large to show.
  for (int i = 0; i < kResearchItems; ++i) OpCost(i).setText("");
  for (int i = 0; i < kResearchItems; ++i) Sel(i).setText("");
}

void D81Res::Command1_Click() {
  setVisible(false);
}

}  // namespace sylvandra
