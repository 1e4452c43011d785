#include "exercises/carbon_water/canopy_model.h"

#include <cctype>
#include <cmath>

#include "exercises/carbon_water/photosynthesis_model.h"
#include "platform/portable_math.h"
#include "plot/utils.h"

namespace sylvandra {
namespace {

// The hours of a day over the hours of light, as the respiration of a whole day is charged
// against the light hours; kept in single precision (1.7142857).
const double kDayOverLightHours = static_cast<double>(24.0f / 14.0f);

}  // namespace

const std::array<CanopySpecies, kCanopySpecies + 1>& CanopySpeciesTable() {
  static const std::array<CanopySpecies, kCanopySpecies + 1> table = {{
      {"", 0, 0, 0},
      {"Maple", 0.49, -1.5, 150},
      {"Birch", 0.75, -1.5, 300},
      {"Aspen", 1.1, -1.9, 450},
      {"Hemlock", 0.25, -2, 50},
      {"Spruce", 0.05, -1.5, 50},
      {"Juniper", 0.3, -5, 850},
      {"Oak", 0.71, -2.2, 300},
      {"Ninebark", 0.4, -3.1, 200},
  }};
  return table;
}

int CanopySpeciesIndex(std::string_view name) {
  for (int s = 1; s <= kCanopySpecies; ++s) {
    if (name == CanopySpeciesTable()[static_cast<size_t>(s)].name) return s;
  }
  return 0;
}

std::string CompleteSpeciesName(std::string_view typed) {
  if (typed.empty()) return "";
  const char first = static_cast<char>(std::toupper(static_cast<unsigned char>(typed.front())));
  for (int s = 1; s <= kCanopySpecies; ++s) {
    const char* name = CanopySpeciesTable()[static_cast<size_t>(s)].name;
    if (name[0] == first) return name;
  }
  return "";
}

double CanopyWaterCost(double tmax, double tmin) {
  const double daytime = (3 * tmax + tmin) / 4;
  const double vpd = SaturationVapourPressure(daytime) - SaturationVapourPressure(tmin);
  return 110 * vpd;
}

std::vector<CanopyLayer> BuildCanopy(double par, double waterCost,
                                     const std::vector<int>& species) {
  std::vector<CanopyLayer> layers;
  for (size_t i = 0; i < species.size(); ++i) {
    const CanopySpecies& s = CanopySpeciesTable()[static_cast<size_t>(species[i])];
    const double light = par * Exp(-0.6 * static_cast<double>(i));
    CanopyLayer layer;
    layer.species = species[i];
    layer.potential = s.maxPsn * light / (light + s.lightHalfSat) * 1.15;
    layer.demand = layer.potential * waterCost;
    layers.push_back(layer);
  }
  return layers;
}

double RainFactor(double proportion, const std::function<double()>& rnd) {
  if (proportion == 0) return 1;
  const double q = 10 * proportion;
  if (rnd() < 1 / q) return q * ((2 * rnd() - 1) * proportion + 1);
  return 0;
}

CanopyRun RunCanopy(const std::vector<CanopyLayer>& layers, double precip, double proportion,
                    const std::function<double()>& rnd) {
  CanopyRun run;
  double water = kSoilWaterStart;
  double potential = kSoilPotentialStart;
  for (int d = 1; d <= kCanopyDays; ++d) {
    const double rain = precip * RainFactor(proportion, rnd);
    water += rain;
    double dayWater = 0;
    double dayPsn = 0;
    for (size_t i = 0; i < layers.size(); ++i) {
      const CanopyLayer& layer = layers[i];
      const CanopySpecies& s = CanopySpeciesTable()[static_cast<size_t>(layer.species)];
      const double supply = MaxOf(0, 100 * (potential - s.minWaterPotential));
      const double use = supply < layer.demand ? supply : layer.demand;
      const double psn =
          layer.potential * use / layer.demand - s.respiration() * kDayOverLightHours;
      water -= use;
      run.netPsn[i + 1] += psn;
      run.waterUse[i + 1] += use;
      dayPsn += psn;
      dayWater += use;
    }
    double drainage = 0;
    if (water > kSoilFieldCapacity) {
      drainage = 0.5 * (water - kSoilFieldCapacity);
      water = kSoilFieldCapacity - drainage;
    }
    potential = -0.1 - 5 * (1 - water / kSoilFieldCapacity);
    run.water[static_cast<size_t>(d)] = water;
    run.potential[static_cast<size_t>(d)] = potential;
    run.drainage[static_cast<size_t>(d)] = drainage;
    run.rain[static_cast<size_t>(d)] = rain;
    run.dayWaterUse[static_cast<size_t>(d)] = dayWater;
    run.dayNetPsn[static_cast<size_t>(d)] = dayPsn;
  }
  return run;
}

}  // namespace sylvandra
