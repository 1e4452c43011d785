// A five-box model of the global carbon cycle: atmosphere (A), land ecosystems (T), shallow
// ocean (S), deep ocean (D) and ocean biota (B), in Gt C, run with a monthly step for 300 years
// (months t = 1..3600; year 200 ends at month 2400 and stands for the year 2000, year 300 for
// 2100).
//
// Emissions, Gt C per month, grow linearly to the yearly amount / 12 at month 2400:
//   g(t) = t / 2400 for t <= 2400; after it
//     growing:     g = t / 2400                           (1.5 at month 3600)
//     held:        g = 1
//     ramped down: g = 1 - ((t - 2400) / 1200) x 0.5     (0.5 at month 3600)
//   land use  L = landUse / 12 x g(t)     fossil fuel  F = fossilFuel / 12 x g(t)
//
// Monthly transfers, each a yearly rate (fraction per year) / 12 times its source pool:
//   uAT = AT/12 A   (land uptake; saturated: at most 50/12, a single-precision constant)
//   uTA = TA/12 T   (saturated land balance: the land takes up exactly uTA, uAT = uTA)
//   uAS = ASO/12 A  (saturated ocean uptake: while A > 555, uAS = ASO/12 x 555)
//   uSA = SOA/12 S
//   uSD = SODO/12 S (saturated mixing: at most 90/12, a single-precision constant)
//   uSB = SOB/12 S, uBS = BSO/12 B, uDS = DOSO/12 D, uBD = BDO/12 B
// and every pool changes by its inflows less its outflows, all from last month's pools:
//   T += uAT - uTA - L
//   A += uSA + uTA + L + F - uAT - uAS
//   S += uAS + uBS + uDS - uSA - uSB - uSD
//   D += uSD + uBD - uDS
//   B += uSB - uBS - uBD
// Land-use carbon leaves the land and enters the atmosphere; fossil carbon only enters it.
#pragma once

#include <array>
#include <functional>

namespace sylvandra {

inline constexpr int kCarbonMonths = 3600;
inline constexpr int kCarbonYears = kCarbonMonths / 12;
inline constexpr int kCarbonRampMonths = 2400;  // emissions reach the given rate (year 2000)
inline constexpr double kSaturatedLandUptake = 50.0f / 12.0f;   // Gt C/month, single precision
inline constexpr double kSaturatedDeepMixing = 90.0f / 12.0f;   // Gt C/month, single precision
inline constexpr double kSaturatedOceanUptakeAtmosphere = 555;  // Gt C

// How an emission goes on after month 2400.
enum class EmissionCourse { Growing, Held, RampedDown };

struct CarbonPools {
  double terrestrial = 0;   // T
  double atmosphere = 0;    // A
  double shallowOcean = 0;  // S
  double deepOcean = 0;     // D
  double oceanBiota = 0;    // B
};

// Yearly fractions of the source pool: AT atmosphere to land, TA land to atmosphere, ASO
// atmosphere to shallow ocean, and so on.
struct CarbonTransferRates {
  double AT = 0, TA = 0, ASO = 0, SOA = 0, SOB = 0, BSO = 0, SODO = 0, DOSO = 0, BDO = 0;
};

struct GlobalCarbonInputs {
  CarbonPools initial;
  CarbonTransferRates rates;
  bool landUptakeSaturates = false;   // uAT capped at 50/12
  bool landBalanceSaturates = false;  // uAT = uTA
  bool oceanUptakeSaturates = false;  // uAS from at most 555 Gt C of atmosphere
  bool deepMixingSaturates = false;   // uSD capped at 90/12
  double fossilFuel = 0;              // Gt C/yr reached at month 2400
  double landUse = 0;                 // Gt C/yr reached at month 2400
  EmissionCourse fossilCourse = EmissionCourse::Growing;
  EmissionCourse landUseCourse = EmissionCourse::Growing;
  // The ASO rate used while the ocean uptake is saturated, asked for on the first month that
  // needs it (never when the atmosphere stays at or below 555). Unset: rates.ASO.
  std::function<double()> saturatedOceanUptakeRate;
};

struct GlobalCarbonRun {
  std::array<CarbonPools, kCarbonYears + 1> yearEnd{};  // [1..300]: pools after month 12 y
  double atmosphere2000 = 0;                            // A after month 2400
  double atmosphere2100 = 0;                            // A after month 3600
};

// g(t) of the emission course.
double EmissionFactor(int month, EmissionCourse course);

// Runs the 3600 months. A failure thrown by saturatedOceanUptakeRate ends the run.
GlobalCarbonRun RunGlobalCarbon(const GlobalCarbonInputs& inputs);

}  // namespace sylvandra
