#include "exercises/population/stand_model.h"

#include <algorithm>
#include <cmath>

#include "platform/conversions.h"
#include "platform/portable_math.h"

namespace sylvandra {
namespace {

template <class Fn>
void ForEachCell(Fn fn) {
  for (int i = 1; i <= kStandRows; ++i) {
    for (int j = 1; j <= kStandColumns; ++j) fn(i, j);
  }
}

void ClearTrees(HardwoodStand& stand, int i, int j) {
  stand.OverstoryGrid[i][j] = 0;
  stand.UnderstoryGrid[i][j] = 0;
}

// A cell index from a loop counter that may carry a fraction (a fractional dispersal distance):
// the nearest whole number, halves to even.
int CellIndex(double counter) {
  return static_cast<int>(std::nearbyint(counter));
}

}  // namespace

void InitialiseStand(HardwoodStand& stand, const StandDraw& rnd) {
  ForEachCell([&](int i, int j) {
    stand.OverstoryGrid[i][j] = static_cast<int>(std::floor(5 * rnd() + 1));
    stand.UnderstoryGrid[i][j] = static_cast<int>(std::floor(5 * rnd() + 1));
    stand.SeedBank[i][j] = {};
    stand.SeedBank[i][j][1] = 140;
  });
}

void KillTrees(HardwoodStand& stand, const SpeciesTraits& traits, const StandDraw& rnd) {
  auto survives = [&](int species) {
    const float p = Single(Exp(Log(0.1) / traits.longevity[species]));
    return !(p < rnd());
  };
  ForEachCell([&](int i, int j) {
    for (StandGrid<int>* layer : {&stand.OverstoryGrid, &stand.UnderstoryGrid}) {
      int& code = (*layer)[i][j];
      if (code != 0 && !survives(code)) code = 0;
    }
  });
}

void OpenWindthrowGaps(HardwoodStand& stand, double g, const StandDraw& rnd) {
  ForEachCell([&](int i, int j) {
    if (rnd() < g) ClearTrees(stand, i, j);
  });
}

void HurricaneBlowdown(HardwoodStand& stand, const StandDraw& rnd) {
  ForEachCell([&](int i, int j) {
    if (rnd() > Single(0.15)) ClearTrees(stand, i, j);
  });
}

void BurnStand(HardwoodStand& stand) {
  for (int i = 1; i <= kStandRows; ++i) {
    for (int j = 8; j <= 32; ++j) {
      ClearTrees(stand, i, j);
      stand.SeedBank[i][j] = {};
    }
  }
}

void RainSeeds(HardwoodStand& stand, const SpeciesTraits& traits) {
  ForEachCell([&](int i, int j) {
    const int s = stand.OverstoryGrid[i][j];
    if (s == 0) return;
    const double d = traits.dispersal[s];
    const double lastRow = std::min<double>(kStandRows, i + d);
    const double lastColumn = std::min<double>(kStandColumns, j + d);
    for (double k = std::max(1.0, i - d); k <= lastRow; k += 1) {
      for (double l = std::max(1.0, j - d); l <= lastColumn; l += 1) {
        stand.SeedBank[CellIndex(k)][CellIndex(l)][s] += 1;
      }
    }
  });
}

void Regenerate(HardwoodStand& stand, const SpeciesTraits& traits) {
  ForEachCell([&](int i, int j) {
    auto& seeds = stand.SeedBank[i][j];
    if (stand.UnderstoryGrid[i][j] == 0) {
      const int over = stand.OverstoryGrid[i][j];
      double best = 0;
      int chosen = 0;
      for (int s = 1; s <= kStandSpecies; ++s) {
        if (!(seeds[s] > best)) continue;
        const std::string& tol = traits.tolerance[s];
        const bool eligible = over == 0 || tol > traits.tolerance[over] ||
                              (traits.toleranceNumber[s] > 3 && tol >= traits.tolerance[over]);
        if (eligible) {
          chosen = s;
          best = seeds[s];
        }
      }
      if (chosen != 0) {
        seeds[chosen] = 0;
        stand.UnderstoryGrid[i][j] = chosen;
      }
    }
    for (int s = 1; s <= kStandSpecies; ++s) {
      if (traits.seedLongevity[s] == 0) {
        seeds[s] = 0;
      } else {
        seeds[s] *= 1 - 1 / traits.seedLongevity[s];
      }
    }
  });
}

void SproutTrees(HardwoodStand& stand, const SpeciesTraits& traits, const StandDraw& rnd) {
  for (int i = 2; i <= kStandRows - 1; ++i) {
    for (int j = 2; j <= kStandColumns - 1; ++j) {
      const int s = stand.OverstoryGrid[i][j];
      if (s == 0 || !(traits.sprout[s] > 0)) continue;
      for (int k = i - 1; k <= i + 1; ++k) {
        for (int l = j - 1; l <= j + 1; ++l) {
          int& under = stand.UnderstoryGrid[k][l];
          if (under == 0) {
            under = s;
          } else if (rnd() > Single(0.99) && traits.tolerance[s] > traits.tolerance[under]) {
            under = s;
          }
        }
      }
    }
  }
}

void RecruitToCanopy(HardwoodStand& stand, const SpeciesTraits& traits, const StandDraw& rnd) {
  ForEachCell([&](int i, int j) {
    const int s = stand.UnderstoryGrid[i][j];
    if (s == 0) return;
    const double r = rnd();
    const float f = Single(1 - 1 / (traits.longevity[s] / 20));
    if (stand.OverstoryGrid[i][j] == 0 && r > f) {
      stand.OverstoryGrid[i][j] = s;
      stand.UnderstoryGrid[i][j] = 0;
    }
  });
}

}  // namespace sylvandra
