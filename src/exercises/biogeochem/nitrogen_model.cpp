#include "exercises/biogeochem/nitrogen_model.h"

#include <cmath>

#include "platform/conversions.h"
#include "platform/portable_math.h"
#include "plot/utils.h"

namespace sylvandra {

bool IsHarvestYear(int year, double interval) {
  return interval != 0 && Int(year / interval) * interval == year;
}

NitrogenRun RunNitrogenModel(const NitrogenInputs& in) {
  NitrogenRun run;
  float soil = in.soil, veg = in.veg, nh4 = in.nh4, no3 = in.no3;
  float n = 1.0F, k = 0.0F;
  for (int y = 1; y <= kNitrogenYears; ++y) {
    if (IsHarvestYear(y, in.harvestInterval)) {
      veg = Single((1 - in.harvestIntensity / 100) * veg);
    }

    const float litter = Single(in.litter * veg);
    veg = Single(veg - litter);

    const float mineralised = Single(in.mineralisation * soil);
    soil = Single(static_cast<double>(soil) - mineralised + litter);
    nh4 = Single(nh4 + static_cast<double>(mineralised));

    float nitrified = Single(in.nitrifierGrowth * n);
    if (static_cast<double>(nh4) * k < nitrified) nitrified = Single(static_cast<double>(nh4) * k);
    n = nitrified;
    nh4 = Single(static_cast<double>(nh4) - nitrified);
    no3 = Single(static_cast<double>(no3) + nitrified);
    if (nitrified < 0.001) n = Single(0.001);

    no3 = Single(no3 + in.deposition);

    const double divisor = static_cast<double>(veg) + in.halfSaturation;
    if (divisor == 0) {
      run.zeroHalfSaturationYear = y;
      return run;
    }
    const float potential = Single(in.maxUptake * veg / divisor);
    const float available = Single(static_cast<double>(no3) + nh4);
    float fraction;
    if (available >= potential) {
      k = Single(0.7);
      fraction = available == 0 ? 0.0F : Single(static_cast<double>(potential) / available);
    } else {
      fraction = 1.0F;
      k = Single(0.7 * Pow(static_cast<double>(available) / potential - 0.4, 4));
    }
    const float uptake = Single(static_cast<double>(available) * fraction);
    veg = Single(static_cast<double>(veg) + uptake);
    nh4 = Single((1 - static_cast<double>(fraction)) * nh4);
    no3 = Single((1 - static_cast<double>(fraction)) * no3);

    const float leached = Single(in.leach * no3);
    no3 = Single(static_cast<double>(no3) - leached);

    for (float v :
         {soil, veg, nh4, no3, n, k, litter, mineralised, nitrified, potential, uptake, leached}) {
      if (!std::isfinite(v)) {
        run.overflowYear = y;
        return run;
      }
    }
    run.series[1][y] = uptake;
    run.series[2][y] = veg;
    run.series[3][y] = litter;
    run.series[4][y] = soil;
    run.series[5][y] = mineralised;
    run.series[6][y] = nitrified + 0.02;
    run.series[7][y] = in.depositionShown;
    run.series[8][y] = leached + 0.01;
  }
  return run;
}

SeriesValues NitrogenScales(const SeriesData& series) {
  SeriesValues scales{};
  for (int i = 1; i <= 5; ++i) {
    double top = 0;
    for (int y = 1; y <= kNitrogenYears; ++y) top = MaxOf(series[i][y], top);
    top *= 1.1;
    if (top <= 1) top = 1;
    const double unit = Pow(10.0, Int(Log10(top)));
    scales[i] = unit * (Int(top / unit) + 1);
  }
  scales[6] = scales[7] = scales[8] = scales[5];
  return scales;
}

}  // namespace sylvandra
