// A water-limited canopy of up to five layers, one species to a layer, over 100 days on one soil.
//
// Climate: daytime temperature Ta = (3 Tmax + Tmin) / 4 (C); saturation vapour pressure
// es(t) = 0.61078 exp(17.26939 t / (t + 237.3)) (kPa); VPD = es(Ta) - es(Tmin); the water cost
// of photosynthesis c = 110 VPD (moles water / mole carbon).
//
// Layer L (1 = top) of species s: light PAR_L = PAR exp(-0.6 (L - 1)) (umoles/m2.s); potential
// photosynthesis P = 1.15 A(s) PAR_L / (PAR_L + K(s)); water demand E = P c.
//
// Soil: water W (moles/m2) starts at 5500, field capacity 6666; water potential
// psi = -0.1 - 5 (1 - W / 6666) (MPa), -0.1 at the start. Each day the rain Precip x f falls,
// then each layer from the top, with the psi of the start of the day, draws
// U = min(E, S), S = max(0, 100 (psi - psiMin(s))), and fixes N = P U / E - R(s) x 24/14 (the
// respiration of 24 hours against 14 hours of light, the ratio in single precision); the soil
// loses U. Water above capacity drains by half: Dr = 0.5 (W - 6666), W = 6666 - Dr.
//
// Rain factor f for a random proportion p (0 = every day the same rain, f = 1): with q = 10 p,
// a day is wet with probability 1 / q (every day when q <= 1) and then f = q ((2 r - 1) p + 1)
// for a uniform r, so f lies in [q (1 - p), q (1 + p)); a dry day has f = 0. The mean of f is
// min(q, 1), its variance min(q, 1) q (1 + p^2 / 3) - min(q, 1)^2.
#pragma once

#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace sylvandra {

inline constexpr int kCanopyLayers = 5;
inline constexpr int kCanopyDays = 100;
inline constexpr int kCanopySpecies = 8;
inline constexpr double kSoilWaterStart = 5500;      // moles/m2
inline constexpr double kSoilFieldCapacity = 6666;   // moles/m2
inline constexpr double kSoilPotentialStart = -0.1;  // MPa

struct CanopySpecies {
  const char* name;
  double maxPsn;                                       // A
  double minWaterPotential;                            // psiMin, MPa
  double lightHalfSat;                                 // K, umoles/m2.s
  double respiration() const { return 0.1 * maxPsn; }  // R
};

// Species 1..8 (entry 0 is no species).
const std::array<CanopySpecies, kCanopySpecies + 1>& CanopySpeciesTable();
// The index of the species of exactly this name; 0 when none has it.
int CanopySpeciesIndex(std::string_view name);
// The species name a first letter stands for (either case); "" for any other text.
std::string CompleteSpeciesName(std::string_view typed);

// c = 110 (es(Ta) - es(Tmin)), es the leaf model's saturation vapour pressure.
double CanopyWaterCost(double tmax, double tmin);

struct CanopyLayer {
  int species = 0;
  double potential = 0;  // P
  double demand = 0;     // E
};
// Layers 1..n from the top, for the species indices given top first.
std::vector<CanopyLayer> BuildCanopy(double par, double waterCost, const std::vector<int>& species);

// The rain factor of one day, drawing from rnd as needed (none when p is 0).
double RainFactor(double proportion, const std::function<double()>& rnd);

struct CanopyRun {
  // By layer 1..5 (entry 0 unused; layers below the canopy stay 0).
  std::array<double, kCanopyLayers + 1> netPsn{};
  std::array<double, kCanopyLayers + 1> waterUse{};
  // By day 1..100 (entry 0 unused), the state at the end of the day.
  std::array<double, kCanopyDays + 1> water{};
  std::array<double, kCanopyDays + 1> potential{};
  std::array<double, kCanopyDays + 1> drainage{};
  std::array<double, kCanopyDays + 1> rain{};
  std::array<double, kCanopyDays + 1> dayWaterUse{};
  std::array<double, kCanopyDays + 1> dayNetPsn{};
};

// Every layer's demand must be non-zero (U / E is the share of the demand met).
CanopyRun RunCanopy(const std::vector<CanopyLayer>& layers, double precip, double proportion,
                    const std::function<double()>& rnd);

}  // namespace sylvandra
