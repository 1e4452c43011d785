#include "exercises/carbon_water/global_carbon_model.h"

#include <optional>

namespace sylvandra {

double EmissionFactor(int month, EmissionCourse course) {
  const double t = month;
  double g = t / kCarbonRampMonths;
  if (month > kCarbonRampMonths) {
    if (course == EmissionCourse::Held) g = 1;
    if (course == EmissionCourse::RampedDown) g = 1 - ((t - kCarbonRampMonths) / 1200) * 0.5;
  }
  return g;
}

GlobalCarbonRun RunGlobalCarbon(const GlobalCarbonInputs& inputs) {
  const CarbonTransferRates& r = inputs.rates;
  double T = inputs.initial.terrestrial;
  double A = inputs.initial.atmosphere;
  double S = inputs.initial.shallowOcean;
  double D = inputs.initial.deepOcean;
  double B = inputs.initial.oceanBiota;
  std::optional<double> saturatedASO;

  GlobalCarbonRun run;
  for (int t = 1; t <= kCarbonMonths; ++t) {
    const double L = inputs.landUse / 12 * EmissionFactor(t, inputs.landUseCourse);
    const double F = inputs.fossilFuel / 12 * EmissionFactor(t, inputs.fossilCourse);

    double uAT = r.AT / 12 * A;
    if (inputs.landUptakeSaturates && uAT > kSaturatedLandUptake) uAT = kSaturatedLandUptake;
    const double uTA = r.TA / 12 * T;
    if (inputs.landBalanceSaturates) uAT = uTA;
    double uAS = r.ASO / 12 * A;
    if (inputs.oceanUptakeSaturates && A > kSaturatedOceanUptakeAtmosphere) {
      if (!saturatedASO) {
        saturatedASO = inputs.saturatedOceanUptakeRate ? inputs.saturatedOceanUptakeRate() : r.ASO;
      }
      uAS = *saturatedASO / 12 * kSaturatedOceanUptakeAtmosphere;
    }
    const double uSA = r.SOA / 12 * S;
    double uSD = r.SODO / 12 * S;
    if (inputs.deepMixingSaturates && uSD > kSaturatedDeepMixing) uSD = kSaturatedDeepMixing;
    const double uSB = r.SOB / 12 * S;
    const double uBS = r.BSO / 12 * B;
    const double uDS = r.DOSO / 12 * D;
    const double uBD = r.BDO / 12 * B;

    T = T + uAT - uTA - L;
    A = A - uAT + uSA + uTA - uAS + L + F;
    S = S + uAS + uBS + uDS - uSA - uSB - uSD;
    D = D + uSD + uBD - uDS;
    B = B + uSB - uBS - uBD;

    if (t % 12 == 0) run.yearEnd[static_cast<size_t>(t / 12)] = {T, A, S, D, B};
    if (t == kCarbonRampMonths) run.atmosphere2000 = A;
    if (t == kCarbonMonths) run.atmosphere2100 = A;
  }
  return run;
}

}  // namespace sylvandra
