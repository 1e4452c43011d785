// The nitrogen model under the forest management game: four compartments (k = 0..3), each a
// watershed with its own forest, soil and climate, advanced one year at a time.
//
// Each year, per compartment, in this order:
//   mineralised M = SoilN x MinRate             SoilN -= M; NH4 += M; NO3 += NDep
//   available   A = NH4 + NO3 (single)          ammonium share s = NH4 / A
//   litter      L = VegN x LitterFrac           VegN -= L; SoilN += 5 L
//   uptake      U = min(DemandFrac x VegN, A / 5, MaxUptake / 5)
//               the pools give up 5 U in the ratio s : 1 - s (both emptied when 5 U >= A)
//               VegN += U
//   nitrified   N = min(NitrifPotential x NitrifGrowth, NH4)   NO3 += N; NH4 -= N
//               NitrifPotential = max(N, 4)
//   stream loss StreamNitrate = NO3; NO3 = 0
//
// Units: pools in kg N/ha, fluxes in kg N/ha.yr, fractions per year. The ammonium, nitrate and
// stream nitrate figures are kept in single precision (4-byte float) and every result stored in
// them is rounded to single precision; everything else is double. The factors of 5 (litter
// returns five times its nitrogen to the soil, uptake draws five times its nitrogen from the
// pools) belong to the model.
#pragma once

#include <array>
#include <string>

namespace sylvandra {

inline constexpr int kCompartments = 4;
inline constexpr double kMinimumNitrifPotential = 4;  // kg/ha

struct Compartment {
  std::string CompForestType;
  double CompWHC = 0;   // cm
  double CompArea = 0;  // ha
  std::string CompHistory;
  double CompPrecip = 0;           // cm/yr
  double CompNDep = 0;             // kg/ha.yr
  double CompSoilN = 0;            // kg/ha
  double CompVegN = 0;             // kg/ha
  double CompMinRate = 0;          // fraction/yr
  double CompLitterFrac = 0;       // fraction/yr
  double CompMaxUptake = 0;        // kg/ha.yr (used divided by 5)
  double CompBiomassRatio = 0;     // kg biomass per kg N
  double CompDemandFrac = 0;       // fraction/yr
  float CompNitrate = 0;           // kg/ha, 0 between years
  float CompAmmonium = 0;          // kg/ha, carried from year to year
  double CompNitrifPotential = 0;  // kg/ha
  // Results of the last year.
  double CompMineralised = 0;   // kg/ha
  double CompUptake = 0;        // kg/ha
  double CompNitrified = 0;     // kg/ha
  float CompStreamNitrate = 0;  // kg/ha.yr
};

struct CompartmentModel {
  // Element 4 is kept but never used.
  std::array<Compartment, kCompartments + 1> comp{};
  double NitrifGrowth = 2;
};

// The four compartments as a new game starts them, and NitrifGrowth = 2.
void ResetCompartments(CompartmentModel& model);

// Advances all four compartments by one year in place.
void StepCompartments(CompartmentModel& model);

// Takes a harvest out of the vegetation: intensity (%) / 100 x factor x CompVegN, where the
// factor is 1 for whole trees and 0.7 for stems only.
void HarvestVegetation(Compartment& compartment, double intensityPercent, double wholeTreeFactor);

}  // namespace sylvandra
