#include "exercises/population/ex14b_ask.h"

#include <string>

#include "plot/output/output_windows.h"

namespace sylvandra {
namespace {

struct Island {
  const char* name;
  const char* size;      // km2
  const char* species;   // bird species
  const char* distance;  // km from the mainland
};

constexpr Island kIslands[] = {
    {"San Miguel", "81", "13", "62"},      {"Santa Rosa", "484", "19", "65"},
    {"Santa Cruz", "553", "36", "46"},     {"Anacapa", "6", "14", "31"},
    {"San Nicolas", "127", "11", "145"},   {"San Clemente", "323", "26", "118"},
    {"Santa Catalina", "432", "32", "48"}, {"Santa Barbara", "6", "8", "91"},
    {"Los Coronados", "6", "11", "20"},
};

}  // namespace

Ex14bAsk::Ex14bAsk(Program& program)
    : Window(program, kName, "Island Biogeography", {120, 1020, 5295, 5040}) {
  const std::string dashes(78, '-');
  Label5.setCaption(dashes);
  Label10.setCaption(dashes);
  std::string names, sizes, species, distances;
  for (const Island& island : kIslands) {
    names += std::string(island.name) + "\n";
    sizes += std::string(island.size) + "\n";
    species += std::string(island.species) + "\n";
    distances += std::string(island.distance) + "\n";
  }
  Label6.setCaption(names);
  Label7.setCaption(sizes).setAlignment(Alignment::Right);
  Label8.setCaption(species).setAlignment(Alignment::Right);
  Label9.setCaption(distances).setAlignment(Alignment::Right);
  Command1.onClick = [this] { Command1_Click(); };
}

void Ex14bAsk::enteredFromChapter([[maybe_unused]] int chapterIndex) {
  program().form<outmap>().setVisible(true);
}

void Ex14bAsk::Command1_Click() {
  HideWithOutput(*this);
  program().form<outmap>().setVisible(false);
}

}  // namespace sylvandra
