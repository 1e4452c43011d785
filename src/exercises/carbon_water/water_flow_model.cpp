#include "exercises/carbon_water/water_flow_model.h"

#include <cmath>

#include "exercises/carbon_water/photosynthesis_model.h"
#include "platform/conversions.h"
#include "platform/portable_math.h"
#include "plot/utils.h"

namespace sylvandra {
namespace {

constexpr double kPi = 3.1416;
constexpr double kMaxPhotosynthesis = 8;       // umol/m2.s
constexpr double kLightHalfSaturation = 300;   // umol/m2.s
constexpr double kWaterCost = 110;             // mmol water per mmol C per kPa
constexpr double kEmptyStemPotential = -3;     // MPa
constexpr double kSoilStemConductance = 4000;  // mmol/h per MPa

// The stem water held at potential p: C (1 - p / -3).
double StemWaterAt(double stemStorage, double potential) {
  return stemStorage * (1 - potential / kEmptyStemPotential);
}

}  // namespace

HourlyClimate DayClimate(double parMax, double tMax, double tMin) {
  HourlyClimate climate;
  for (int h = 0; h <= kWaterFlowLastHour; ++h) {
    double angle = (h - 3) * 7.5 * kPi / 180;
    if (h < 3) angle = (h + 21) * 7.5 * kPi / 180;
    climate.HourTemp[h] = tMin + (tMax - tMin) * Sin(angle);
    climate.HourVPD[h] =
        SaturationVapourPressure(climate.HourTemp[h]) - SaturationVapourPressure(tMin);
    climate.HourPAR[h] = (5 < h && h < 19) ? parMax * Sin((h - 6) * 15 * kPi / 180) : 0;
  }
  return climate;
}

double PotentialPhotosynthesis(double par) {
  return kMaxPhotosynthesis * par / (par + kLightHalfSaturation) * 3600 / 1000;
}

double PotentialTranspiration(double potentialPhotosynthesis, double vpd) {
  return potentialPhotosynthesis * kWaterCost * vpd;
}

double ShownSum(double total, double add) {
  const double sum = total + add;
  // A sum too large to write out is carried as it is, for the caller to refuse.
  if (!std::isfinite(sum)) return sum;
  return StrictNumber(PlainText(sum), "total");
}

WaterFlowDay RunWaterFlowDay(const HourlyClimate& climate, const StemSoil& plant) {
  const double c = plant.stemStorage;
  WaterFlowDay day;
  day.initialStemWater = StemWaterAt(c, plant.matricPotential);
  double w = day.initialStemWater;
  double totalPsn = 0;
  double totalET = 0;
  for (int h = 0; h <= kWaterFlowLastHour; ++h) {
    WaterFlowHour& hour = day.hours[static_cast<size_t>(h)];
    const double psn = PotentialPhotosynthesis(climate.HourPAR[h]);
    const double demand = PotentialTranspiration(psn, climate.HourVPD[h]);
    const double trial = kEmptyStemPotential * (1 - (w - demand) / c);
    hour.osmoticLimited = trial < plant.osmoticCompared;
    hour.transpiration = hour.osmoticLimited ? w - StemWaterAt(c, plant.osmoticLimit()) : demand;
    hour.limitation = demand > 0 ? hour.transpiration / demand : 1;
    hour.photosynthesis = psn * hour.limitation;
    w = w - hour.transpiration;
    hour.xylemPotential = kEmptyStemPotential * (1 - w / c);
    double uptake = kSoilStemConductance * MaxOf(plant.matricPotential - hour.xylemPotential, 0);
    if (uptake > c - w) uptake = c - w;
    w = w + uptake;
    hour.uptake = uptake;
    hour.stemWater = w;

    totalPsn = ShownSum(totalPsn, hour.photosynthesis);
    totalET = ShownSum(totalET, hour.transpiration);
    if (hour.photosynthesis == 0) {
      totalPsn = Int(totalPsn);
      totalET = Int(totalET);
    }
  }
  day.totalPhotosynthesis = totalPsn;
  day.totalTranspiration = totalET;
  return day;
}

}  // namespace sylvandra
