// The compartment nitrogen model, one year at a time from the starting values of a new game.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "game/compartment_model.h"

namespace sylvandra {
namespace {

struct YearCase {
  std::string name;
  int k;
  // What happens to the compartment before the year checked (after the restart values).
  std::function<void(Compartment&, double growth)> before;
  double soilN, vegN, uptake, nitrified, streamNitrate, ammonium, potential;
};

const auto kNothing = [](Compartment&, double) {};

TEST(ForestCompartmentModel, OneYearFromTheStartingValues) {
  const YearCase cases[] = {
      // Compartment 3: M = 3900 x 0.03 = 117; NH4 117, NO3 6, A 123. L = 550 x 0.04 = 22:
      // veg 528, soil 3783 + 110 = 3893. U = min(0.3 x 528 = 158.4, 123 / 5 = 24.6, 120 / 5 = 24)
      // = 24 (the ceiling). 5U = 120 < 123: NH4 = 117 - 120 x 117/123 = 2.853659,
      // NO3 = 6 - 120 x 6/123 = 0.146341. veg 552. N = min(4 x 2 = 8, 2.853659) = 2.853659;
      // stream 0.146341 + 2.853659 = 3.0; NH4 0; potential raised from 2.85 to 4.
      {"ceiling limited", 3, kNothing, 3893, 552, 24, 2.853658, 3.0, 0, 4},
      // Compartment 0: M = 1200 x 0.02 = 24; NH4 24, NO3 9, A 33. L = 130 x 0.04 = 5.2: veg
      // 124.8, soil 1176 + 26 = 1202. U = min(0.2 x 124.8 = 24.96, 33 / 5 = 6.6, 60 / 5 = 12)
      // = 6.6: 5U = A, both pools emptied, nothing nitrified (potential 0.1 x 2 capped by NH4 0),
      // stream 0; veg 124.8 + 6.6 = 131.4; potential 0 raised to 4.
      {"available nitrogen limited", 0, kNothing, 1202, 131.4, 6.6, 0, 0, 0, 4},
      // Compartment 2: M = 2700 x 0.02 = 54; NH4 54, NO3 9, A 63. L = 12: veg 288, soil
      // 2646 + 60 = 2706. U = min(57.6, 12.6, 60 / 5 = 12) = 12; 5U = 60: NH4 = 54 - 60 x 6/7 =
      // 2.571429, NO3 = 9 - 60/7 = 0.428571; N = 2.571429; stream 3.0; veg 300.
      {"second forest type", 2, kNothing, 2706, 300, 12, 2.571428, 3.0, 0, 4},
      // Compartment 3, second year (after the first above: soil 3893, veg 552, NH4 0):
      // M = 3893 x 0.03 = 116.79; A = 122.79. L = 22.08: veg 529.92, soil 3776.21 + 110.4 =
      // 3886.61. U = min(158.976, 24.558, 24) = 24; 5U = 120 leaves 2.79 in the ratio
      // 116.79 : 6: NH4 2.653670, NO3 0.136330; N = min(8, 2.653670); stream 2.79; veg 553.92.
      {"second year", 3,
       [](Compartment& c, double g) {
         CompartmentModel one;
         one.comp[0] = c;
         one.NitrifGrowth = g;
         StepCompartments(one);
         c = one.comp[0];
       },
       3886.61, 553.92, 24, 2.653670, 2.79, 0, 4},
      // Compartment 3 after its first year, 95 % of the vegetation harvested as whole trees:
      // veg 552 - 0.95 x 552 = 27.6. Then M = 116.79, A = 122.79; L = 1.104: veg 26.496;
      // U = min(0.3 x 26.496 = 7.9488, 24.558, 24) = 7.9488 (demand); 5U = 39.744 taken in the
      // ratio 116.79 : 6 (s = 0.9511361): NH4 = 116.79 - 37.801955 = 78.988045, NO3 = 6 -
      // 1.942045 = 4.057955. N = min(8, 78.988) = 8: stream 12.057955, NH4 70.988045 carried,
      // potential 8. veg 26.496 + 7.9488 = 34.4448.
      {"after a heavy harvest", 3,
       [](Compartment& c, double g) {
         CompartmentModel one;
         one.comp[0] = c;
         one.NitrifGrowth = g;
         StepCompartments(one);
         c = one.comp[0];
         HarvestVegetation(c, 95, 1);
       },
       3781.73, 34.4448, 7.9488, 8, 12.057955, 70.988045, 8},
  };
  for (const YearCase& t : cases) {
    SCOPED_TRACE(t.name);
    CompartmentModel model;
    ResetCompartments(model);
    // Only compartment t.k is checked; stepping it alone or with the others is the same.
    CompartmentModel alone;
    alone.NitrifGrowth = model.NitrifGrowth;
    alone.comp[0] = model.comp[static_cast<size_t>(t.k)];
    t.before(alone.comp[0], alone.NitrifGrowth);
    StepCompartments(alone);
    const Compartment& c = alone.comp[0];
    EXPECT_NEAR(c.CompSoilN, t.soilN, 1e-9);
    EXPECT_NEAR(c.CompVegN, t.vegN, 1e-9);
    EXPECT_NEAR(c.CompUptake, t.uptake, 1e-9);
    EXPECT_NEAR(c.CompNitrified, t.nitrified, 2e-6);
    EXPECT_NEAR(c.CompStreamNitrate, t.streamNitrate, 5e-6);
    EXPECT_NEAR(c.CompAmmonium, t.ammonium, 1e-5);
    EXPECT_EQ(c.CompNitrifPotential, t.potential);
    EXPECT_EQ(c.CompNitrate, 0.0f);
  }
}

}  // namespace
}  // namespace sylvandra
