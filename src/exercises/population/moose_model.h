// Moose and wolves on an island, in yearly steps from 1880: a plant resource with logistic
// growth, a moose herd (adults and calves, mean body weight, total body mass) introduced in a
// given year, a wolf pack introduced later, and optional moose hunting. Births and deaths follow
// body condition, the mean weight's place between the minimum and maximum weights.
//
// Each year, in this order:
//   plants   Pl := max(Pl, 2); Pl += r Pl (K - Pl) / K x F; Ptot = 640000 Pl
//   moose    arrive in their year (400 kg each); while adults are present:
//            c = max((Mw - min) / (max - min), 0.05); calves += c r Ma F; a fraction matures;
//            they eat e = min(q / (q + 0.8), q) of the plants, q = need / Ptot, where the need
//            per animal is (max - Mw) + respiration; the mass gains what is eaten less the
//            respiration; a fraction min(exp(-3c) F, 0.95) dies; weights above the maximum are
//            cut to it, and below the minimum the herd shrinks until the survivors weigh it
//   wolves   arrive in their year at their maximum weight; while moose are present they breed
//            (at most `wolfrmax` a year), kill the fraction min(need / moose mass, 1) of the
//            herd, live on what they killed less their respiration, and a fraction
//            min(exp(-2.3 cw) F, 0.95) dies
//   hunting  after the first hunting year, a quota of 1 or more animals or a fraction of the herd
//
// F is the random factor 2R u + (1 - R) with u drawn from the generator, one draw each for plant
// growth, moose births, moose deaths, wolf births and wolf deaths (only when that step runs);
// R = 0 gives F = 1 exactly.
//
// Plants in g/m2, weights in kg, moose mass in kg, animals in numbers, respiration in kg per
// animal and year. A herd or pack never goes negative: starvation below zero weight removes the
// whole herd, and wolves kill nothing when no moose mass is left.
#pragma once

#include <functional>
#include <vector>

namespace sylvandra {

inline constexpr double kMooseFirstYear = 1880;
inline constexpr double kPlantFloor = 2;            // g/m2
inline constexpr double kIslandArea = 640000;       // area factor
inline constexpr double kMooseArrivalWeight = 400;  // kg

struct MooseParameters {
  double plantRate = 0.5, plantCapacity = 30, plantInitial = 1;
  double mooseRate = 0.5, mooseMaturation = 0.3, mooseRespiration = 1500;
  double mooseMaxWeight = 500, mooseMinWeight = 200;
  double mooseInitial = 2, mooseYear = 1905;
  double wolfRate = 1, wolfMaxBirths = 5, wolfRespiration = 500;
  double wolfMaxWeight = 80, wolfMinWeight = 40;
  double wolfInitial = 0, wolfYear = 1945;
  double hunt = 0;          // a quota when 1 or more, else a fraction of the herd
  double huntAfter = 1945;  // hunting happens in the years after this one
  double years = 20;        // years simulated, t = 1 .. years
  double randomFactor = 0;  // R, 0..1
};

struct MooseYear {
  double year = 0;  // 1880 + t
  double plants = 0, moose = 0, mooseWeight = 0;
  double wolves = 0, wolfWeight = 0, killed = 0, hunted = 0;
  bool quotaTookAll = false;  // the hunting quota was larger than the herd
};

// One entry per year run. `rnd` gives the uniform draws in [0, 1) of the random factor.
std::vector<MooseYear> RunMooseWolves(const MooseParameters& p, const std::function<double()>& rnd);

}  // namespace sylvandra
