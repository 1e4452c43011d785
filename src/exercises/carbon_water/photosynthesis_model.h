// Leaf net photosynthesis and transpiration from foliar nitrogen, light, temperature and vapour
// pressure deficit, and the saturation vapour pressure of the worksheet.
//
// clang-format off
// Inputs: N foliar nitrogen (mg N / g leaf), PAR (umoles / m2 / sec), T temperature (C),
// D vapour pressure deficit (kPa); log10 x = ln x / ln 10.
//
//   specific leaf area           SLA  = 10^(1.85 log10 N - 0.2)                 cm2 / g
//   photosynthetic capacity      Amax = 10^(0.0167 + 1.5 log10 N) x 12 / 1000   mg C / g leaf / sec
//   light response               fL   = 1.2 PAR / (PAR + 17 N) - 0.1            (-0.1 in the dark)
//   net photosynthesis           Pn   = Amax x fL, then x fT, then x fD
//   temperature response         fT   = T (40 - T) / 400  for T > 0             (1 at 20 C, 0 at 40 C,
//                                                                               negative above; the
//                                                                               leaf stops at T <= 0)
//   vapour pressure response     fD   = 1 - D / (D + 1.6)
//   water use efficiency         WUE  = (4 / D) x 12 / 18                       mg C / g water
//   transpiration                E    = 1000 x (Pn / WUE)                       g water / g leaf
//   saturation vapour pressure   es   = 0.61078 exp(17.26939 T / (T + 237.3))   kPa
// clang-format on
//
// The functions keep the order of operations written here, so that their results match the
// displayed values to the last digit.
#pragma once

namespace sylvandra {

double SpecificLeafArea(double foliarN);
double PhotosyntheticCapacity(double foliarN);
// PAR at which the light response reaches half of its span: 17 N.
double LightHalfSaturation(double foliarN);
// Requires par + LightHalfSaturation(foliarN) != 0.
double LightResponse(double par, double foliarN);
double TemperatureResponse(double temperature);
double VapourPressureResponse(double vpd);
// The first stage of the efficiency, 4 / D; requires vpd != 0.
double WaterUseRatio(double vpd);
// The efficiency in carbon units from the ratio: ratio x 12 / 18.
double WaterUseEfficiency(double waterUseRatio);
// Requires waterUseEfficiency != 0.
double LeafTranspiration(double netPhotosynthesis, double waterUseEfficiency);
double SaturationVapourPressure(double temperature);

}  // namespace sylvandra
