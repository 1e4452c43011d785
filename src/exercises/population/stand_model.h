// A northern hardwood stand on 20 rows by 40 columns of cells. Each cell holds at most one
// overstory (canopy) tree and one understory tree, coded 0 (empty) or by species 1..5, and a
// seed bank: the number of seeds of each species, a real number that decays fractionally.
//
// The species differ in five traits: longevity (years; 10 % of a cohort reaches it), shade
// tolerance (a rank compared as its text, so one-digit ranks compare in numeric order),
// seed dispersal (cells), seed longevity (years; 0 means seeds last the year they fall) and
// sprouting (1 when the species sprouts).
//
// A year: KillTrees, OpenWindthrowGaps, HurricaneBlowdown (in its year), BurnStand (in its year),
// RainSeeds, Regenerate, SproutTrees, RecruitToCanopy. The random draws of each step are
// documented with it.
#pragma once

#include <array>
#include <functional>
#include <string>

namespace sylvandra {

inline constexpr int kStandRows = 20;
inline constexpr int kStandColumns = 40;
inline constexpr int kStandCells = kStandRows * kStandColumns;
inline constexpr int kStandSpecies = 5;

// Indexed [row 1..20][column 1..40] (index 0 unused).
template <class T>
using StandGrid = std::array<std::array<T, kStandColumns + 1>, kStandRows + 1>;

struct HardwoodStand {
  StandGrid<int> OverstoryGrid{};
  StandGrid<int> UnderstoryGrid{};
  StandGrid<std::array<double, kStandSpecies + 1>> SeedBank{};  // [row][column][species 1..5]
};

// The traits of species 1..5 (index 0 unused).
struct SpeciesTraits {
  std::array<double, kStandSpecies + 1> longevity{};
  std::array<std::string, kStandSpecies + 1> tolerance{};   // the rank as typed
  std::array<double, kStandSpecies + 1> toleranceNumber{};  // its leading number
  std::array<double, kStandSpecies + 1> dispersal{};
  std::array<double, kStandSpecies + 1> seedLongevity{};
  std::array<double, kStandSpecies + 1> sprout{};
};

using StandDraw = std::function<double()>;

// For every cell in row order: overstory Int(5 Rnd + 1), then understory Int(5 Rnd + 1);
// 140 seeds of species 1 and none of the others.
void InitialiseStand(HardwoodStand& stand, const StandDraw& rnd);

// Each tree, overstory then understory of each cell, draws r and dies when its yearly survival
// exp(ln 0.1 / longevity), in single precision, is below r.
void KillTrees(HardwoodStand& stand, const SpeciesTraits& traits, const StandDraw& rnd);
// One draw per cell; both layers are cleared where r < g. Seeds stay.
void OpenWindthrowGaps(HardwoodStand& stand, double g, const StandDraw& rnd);
// One draw per cell; both layers are cleared where r > 0.15 (single precision). Seeds stay.
void HurricaneBlowdown(HardwoodStand& stand, const StandDraw& rnd);
// Columns 8 to 32 lose both layers and every seed; the edge strips are untouched.
void BurnStand(HardwoodStand& stand);
// Every overstory tree adds one seed to each cell of the square of side 2d + 1 around it
// (d its dispersal), cut at the stand's edges.
void RainSeeds(HardwoodStand& stand, const SpeciesTraits& traits);
// An empty understory takes the eligible species with the most seeds (ties to the lower index),
// whose seeds in the cell are used up; then every seed count decays. A species is eligible under
// an empty canopy, under a less tolerant canopy tree, or, when its rank is above 3, under one
// as tolerant as itself.
void Regenerate(HardwoodStand& stand, const SpeciesTraits& traits);
// A sprouting overstory tree off the outer rows and columns fills the empty understories of its
// 3 x 3 block; each occupied one draws r and is taken over when r > 0.99 and the sprouter is more
// tolerant (by text).
void SproutTrees(HardwoodStand& stand, const SpeciesTraits& traits, const StandDraw& rnd);
// Each understory tree draws r and moves up into an empty canopy when r > 1 - 20 / longevity
// (single precision).
void RecruitToCanopy(HardwoodStand& stand, const SpeciesTraits& traits, const StandDraw& rnd);

}  // namespace sylvandra
