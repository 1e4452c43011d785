#include "exercises/carbon_water/photosynthesis_model.h"

#include <cmath>

#include "platform/portable_math.h"
#include "plot/utils.h"

namespace sylvandra {

double SpecificLeafArea(double foliarN) {
  return Pow(10.0, 1.85 * Log10(foliarN) - 0.2);
}

double PhotosyntheticCapacity(double foliarN) {
  return Pow(10.0, 0.0167 + 1.5 * Log10(foliarN)) * 12 / 1000;
}

double LightHalfSaturation(double foliarN) {
  return 17 * foliarN;
}

double LightResponse(double par, double foliarN) {
  return 1.2 * par / (par + LightHalfSaturation(foliarN)) - 0.1;
}

double TemperatureResponse(double temperature) {
  return temperature * (40 - temperature) / 400;
}

double VapourPressureResponse(double vpd) {
  return 1 - vpd / (vpd + 1.6);
}

double WaterUseRatio(double vpd) {
  return 4 / vpd;
}

double WaterUseEfficiency(double waterUseRatio) {
  return waterUseRatio * 12 / 18;
}

double LeafTranspiration(double netPhotosynthesis, double waterUseEfficiency) {
  return 1000 * (netPhotosynthesis / waterUseEfficiency);
}

double SaturationVapourPressure(double temperature) {
  return 0.61078 * Exp(17.26939 * temperature / (temperature + 237.3));
}

}  // namespace sylvandra
