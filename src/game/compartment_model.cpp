#include "game/compartment_model.h"

#include "plot/utils.h"

namespace sylvandra {
namespace {

struct InitialValues {
  const char* forestType;
  double whc, area;
  const char* history;
  double precip, nDep, soilN, vegN, minRate, litterFrac, maxUptake, biomassRatio, demandFrac,
      nitrifPotential;
};

constexpr const char* kSlashFire = "Harvested heavily in 1835.  Severe slash fire in 1837.";
constexpr const char* kHarvested = "Harvested heavily in 1835.";

constexpr InitialValues kInitial[kCompartments] = {
    {"Pine", 10, 40, kSlashFire, 150, 9, 1200, 130, 0.02, 0.04, 60, 700, 0.2, 0.1},
    {"Aspen/Birch", 12, 60, kSlashFire, 100, 6, 2000, 200, 0.03, 0.04, 120, 500, 0.3, 0.1},
    {"Hemlock/Pine", 10, 45, kHarvested, 150, 9, 2700, 300, 0.02, 0.04, 60, 700, 0.2, 4},
    {"Beech/Maple/Birch", 12, 50, kHarvested, 100, 6, 3900, 550, 0.03, 0.04, 120, 500, 0.3, 4},
};

void StepOne(Compartment& c, double nitrifGrowth) {
  // Mineralisation and deposition.
  c.CompMineralised = c.CompSoilN * c.CompMinRate;
  c.CompSoilN -= c.CompMineralised;
  c.CompAmmonium = static_cast<float>(c.CompAmmonium + c.CompMineralised);
  c.CompNitrate = static_cast<float>(c.CompNitrate + c.CompNDep);

  // Available nitrogen; deposition keeps it above 0.
  const float available = c.CompAmmonium + c.CompNitrate;
  const double ammoniumShare = static_cast<double>(c.CompAmmonium) / available;

  // Litter.
  const double litter = c.CompVegN * c.CompLitterFrac;
  c.CompVegN -= litter;
  c.CompSoilN += 5 * litter;

  // Uptake.
  double uptake = MinOf(c.CompDemandFrac * c.CompVegN, available / 5.0);
  uptake = MinOf(uptake, c.CompMaxUptake / 5);
  if (5 * uptake < available) {
    c.CompAmmonium = static_cast<float>(c.CompAmmonium - 5 * uptake * ammoniumShare);
    c.CompNitrate = static_cast<float>(c.CompNitrate - 5 * uptake * (1 - ammoniumShare));
  } else {
    c.CompAmmonium = 0;
    c.CompNitrate = 0;
  }
  c.CompUptake = uptake;
  c.CompVegN += uptake;

  // Nitrification, limited by the ammonium left.
  double nitrified = c.CompNitrifPotential * nitrifGrowth;
  if (nitrified > c.CompAmmonium) nitrified = c.CompAmmonium;
  c.CompNitrified = nitrified;
  c.CompNitrate = static_cast<float>(c.CompNitrate + nitrified);
  c.CompAmmonium = static_cast<float>(c.CompAmmonium - nitrified);
  c.CompNitrifPotential = nitrified;
  if (c.CompNitrifPotential < kMinimumNitrifPotential) {
    c.CompNitrifPotential = kMinimumNitrifPotential;
  }

  // Whatever nitrate is left leaves with the stream.
  c.CompStreamNitrate = c.CompNitrate;
  c.CompNitrate = 0;
}

}  // namespace

void ResetCompartments(CompartmentModel& model) {
  model.NitrifGrowth = 2;
  for (int k = 0; k < kCompartments; ++k) {
    const InitialValues& v = kInitial[k];
    Compartment& c = model.comp[static_cast<size_t>(k)];
    c.CompForestType = v.forestType;
    c.CompWHC = v.whc;
    c.CompArea = v.area;
    c.CompHistory = v.history;
    c.CompPrecip = v.precip;
    c.CompNDep = v.nDep;
    c.CompSoilN = v.soilN;
    c.CompVegN = v.vegN;
    c.CompMinRate = v.minRate;
    c.CompLitterFrac = v.litterFrac;
    c.CompMaxUptake = v.maxUptake;
    c.CompBiomassRatio = v.biomassRatio;
    c.CompDemandFrac = v.demandFrac;
    c.CompNitrate = 0;
    c.CompAmmonium = 0;
    c.CompNitrifPotential = v.nitrifPotential;
  }
}

void StepCompartments(CompartmentModel& model) {
  for (int k = 0; k < kCompartments; ++k) {
    StepOne(model.comp[static_cast<size_t>(k)], model.NitrifGrowth);
  }
}

void HarvestVegetation(Compartment& compartment, double intensityPercent, double wholeTreeFactor) {
  compartment.CompVegN -= intensityPercent / 100 * wholeTreeFactor * compartment.CompVegN;
}

}  // namespace sylvandra
