// One day, hour by hour, of water flowing from the soil through the stem to the air. The day's
// climate is built from three numbers; the plant transpires from the water stored in its stem,
// and the stem refills from the soil.
//
// Climate, hour h = 0..24 (angles in radians with pi taken as 3.1416, so a sine at 180 degrees
// is slightly negative, about -7.3E-6):
//
//   temperature     T(h)   = Tmin + (Tmax - Tmin) sin((h - 3) x 7.5 x 3.1416 / 180)     C
//                            (h + 21 in place of h - 3 before hour 3: lowest at hour 3,
//                            highest at hour 15)
//   vapour deficit  VPD(h) = es(T(h)) - es(Tmin)                  kPa (Tmin is the dew point)
//   light           PAR(h) = PARmax sin((h - 6) x 15 x 3.1416 / 180)  for 5 < h < 19, else 0
//                                                                  umol/m2.s
//   photosynthesis  Psn    = 8 PAR / (PAR + 300) x 3600 / 1000     mmol C/m2.h (potential)
//   transpiration   E      = Psn x 110 x VPD                        mmol water/m2.h (demand)
//
// es is the saturation vapour pressure of photosynthesis_model.h.
//
// The water-limited day, C the stem storage capacity (mmol), Ms the soil matric potential and
// Os the leaf osmotic potential (MPa). The stem potential is -3 MPa when the stem is empty and
// 0 when full; it starts in equilibrium with the soil, W = C (1 - Ms / -3). Each hour:
//
//   trial potential   P1  = -3 (1 - (W - E) / C)
//   transpiration     AET = E, or W - C (1 - Os / -3) when P1 < Os (only the water above the
//                     osmotic limit is given up)
//   limitation        D   = AET / E when E > 0, else 1;  photosynthesis A = Psn x D
//   stem              W   = W - AET;  stem potential XylP = -3 (1 - W / C)
//   uptake            U   = 4000 x MaxOf(Ms - XylP, 0), at most C - W;  W = W + U
//
// The day's totals run as a field shows them: after each hour the sum is carried as its full
// text (15 significant digits), and an hour without photosynthesis (A exactly 0, the night)
// cuts both totals to their whole numbers.
//
// The functions keep the order of operations written here, so that their results match the
// displayed values to the last digit.
#pragma once

#include <array>
#include <functional>

namespace sylvandra {

inline constexpr int kWaterFlowLastHour = 24;  // hours 0..24
inline constexpr int kWaterFlowHours = kWaterFlowLastHour + 1;

using HourValues = std::array<double, kWaterFlowHours>;  // indexed by hour 0..24

// The day's hourly climate, shared by the climate graph and the water-limited day; lives in the
// program object (program.state<HourlyClimate>()).
struct HourlyClimate {
  HourValues HourPAR{};   // umol/m2.s
  HourValues HourTemp{};  // C
  HourValues HourVPD{};   // kPa
};

HourlyClimate DayClimate(double parMax, double tMax, double tMin);
double PotentialPhotosynthesis(double par);
double PotentialTranspiration(double potentialPhotosynthesis, double vpd);

struct StemSoil {
  double stemStorage = 0;      // C, mmol; not 0
  double matricPotential = 0;  // Ms, MPa
  double osmoticCompared = 0;  // Os as compared with the trial potential, MPa
  // Os where the limit binds and the water above it is worked out. Called only then, so that a
  // text that cannot be read strictly stops the day only when the day needs it.
  std::function<double()> osmoticLimit{};
};

struct WaterFlowHour {
  double transpiration = 0;     // AET, mmol/m2.h
  double limitation = 0;        // D
  double photosynthesis = 0;    // A, mmol/m2.h
  double xylemPotential = 0;    // XylP, MPa, after transpiring
  double stemWater = 0;         // W at the end of the hour, mmol
  double uptake = 0;            // U, mmol
  bool osmoticLimited = false;  // P1 < Os
};

struct WaterFlowDay {
  double initialStemWater = 0;  // mmol
  std::array<WaterFlowHour, kWaterFlowHours> hours{};
  double totalPhotosynthesis = 0;  // as the total field shows it at the end
  double totalTranspiration = 0;
};

WaterFlowDay RunWaterFlowDay(const HourlyClimate& climate, const StemSoil& plant);

// A running total carried in a field: the sum written as its full text and read back. A sum
// that is not a finite number is returned as it is.
double ShownSum(double total, double add);

}  // namespace sylvandra
