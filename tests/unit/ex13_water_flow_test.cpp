#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "exercises/carbon_water/ex13_ask.h"
#include "exercises/carbon_water/water_flow_model.h"
#include "plot/plot_record.h"
#include "unit/exercise_fixture.h"

namespace sylvandra {
namespace {

// ---- The model on numbers ----

TEST(WaterFlowModel, DayClimateHourByHour) {
  const HourlyClimate c = DayClimate(1400, 27, 13);
  struct Hour {
    int h;
    double par, temperature, vpd;
  } const hours[] = {
      // Before hour 3 the angle runs from 21 x 7.5 = 157.5 degrees: 13 + 14 x 0.382683; es(T)
      // - es(13) = 2.110681 - 1.497674.
      {0, 0, 18.357484909824734, 0.6130053258312642},
      // The lowest temperature, sin 0: the air is at its dew point.
      {3, 0, 13, 0},
      // Light at 90 degrees of a pi of 3.1416: 1400 x 0.99999999999325; 13 + 14 x sin 67.5.
      {12, 1399.9999999905551, 25.934328214693668, 1.8504271517961242},
      // The highest temperature: 13 + 14 x 0.99999999999325; es(27) - es(13) = 3.565001 -
      // 1.497674; light 1400 x sin 135 = 1400 x 0.707103.
      {15, 989.944039214842, 26.999999999905555, 2.067326860771024},
      // Light at 180 degrees: 1400 x sin(3.1416) = 1400 x -7.3464E-6.
      {18, -0.010284974288679296, 25.93428885571378, 1.8504193583111415},
      // From hour 19 the light is 0 whatever the sine; 13 + 14 x sin 120 = 13 + 14 x 0.866023.
      {19, 0, 25.124321369589097, 1.69334648515378},
  };
  for (const Hour& e : hours) {
    EXPECT_NEAR(c.HourPAR[e.h], e.par, 1e-9) << e.h;
    EXPECT_NEAR(c.HourTemp[e.h], e.temperature, 1e-12) << e.h;
    EXPECT_NEAR(c.HourVPD[e.h], e.vpd, 1e-12) << e.h;
  }
  // 8 x 300 / 600 x 3600 / 1000 mmol/m2.h at the half-saturating light; 14.4 x 110 x 2 kPa.
  EXPECT_DOUBLE_EQ(PotentialPhotosynthesis(300), 14.4);
  EXPECT_DOUBLE_EQ(PotentialTranspiration(14.4, 2), 3168);
}

TEST(WaterFlowModel, TotalsCarryTheirFullText) {
  // 0.1 + 0.2 is 0.30000000000000004, shown and read back as 0.3; 1/3 keeps 15 digits.
  EXPECT_EQ(ShownSum(0.1, 0.2), 0.3);
  EXPECT_EQ(ShownSum(1.0 / 3, 0), 0.333333333333333);
}

TEST(WaterFlowModel, WaterLimitedDays) {
  struct Case {
    const char* name;
    double osmotic, matric, capacity;
    double totalPsn, totalET;       // as the fields end
    int firstLimited, lastLimited;  // hours with P1 < Os; -1 for none
    int hour;                       // the hour looked at
    double aet, limitation, xylem, uptake, stem;
  } const cases[] = {
      // W0 = 30000 (1 - -0.5 / -3) = 25000. Hour 15, the stem at its lowest: it starts at
      // 17903.505 and gives E = 5026.134, so XylP = -3 (1 - 12877.371 / 30000) = -1.7122629;
      // U = 4000 x 1.2122629 = 4849.052. Sums of A 233.068 and of AET 43276.03.
      {"defaults", -2, -0.5, 30000, 233, 43276, -1, -1,  //
       15, 5026.134374344954, 1, -1.7122629394645228, 4849.051757858091, 17726.422363212863},
      // W0 = 2500 refills to the full 3000 in hour 7. Hour 8: E = 2373.04 would take the stem
      // below the limit 3000 (1 - -2 / -3) = 1000, so AET = 3000 - 1000 = 2000, D = 2000 /
      // 2373.0361 = 0.8428022; U = 4000 x (-0.5 - -2) = 6000, at most 3000 - 1000. Sums of A
      // 124.503, of AET 21456.34.
      {"small stem", -2, -0.5, 3000, 124, 21456, 8, 17,  //
       8, 2000, 0.8428021631414662, -2, 2000, 3000},
      // W0 = 30000 x 0.5 = 15000. Hour 9 starts at 13051.8247: AET = 13051.8247 - 10000 =
      // 3051.8247, D = 3051.8247 / 3147.2045 = 0.9696938; U = 4000 x 0.5 = 2000. Sums of A
      // 135.06, of AET 22881.2.
      {"dry soil", -2, -1.5, 30000, 135, 22881, 9, 17,  //
       9, 3051.8247363031805, 0.9696938038575026, -2, 2000, 12000},
      // The soil holds the stem at the osmotic limit: W0 = 10000, nothing above it to give, so
      // AET, D and A are 0 all day; hour 18's tiny negative A (-0.000987) and AET (-0.201)
      // are the only sums, cut to -1 at hour 19.
      {"stem at the limit", -2, -2, 30000, -1, -1, 7, 17,  //
       12, 0, 0, -2, 0, 10000},
  };
  const HourlyClimate climate = DayClimate(1400, 27, 13);
  for (const Case& c : cases) {
    const WaterFlowDay day = RunWaterFlowDay(climate, {.stemStorage = c.capacity,
                                                       .matricPotential = c.matric,
                                                       .osmoticCompared = c.osmotic,
                                                       .osmoticLimit = [&] { return c.osmotic; }});
    EXPECT_EQ(day.totalPhotosynthesis, c.totalPsn) << c.name;
    EXPECT_EQ(day.totalTranspiration, c.totalET) << c.name;
    std::vector<int> limited;
    for (int h = 0; h <= kWaterFlowLastHour; ++h) {
      if (day.hours[h].osmoticLimited) limited.push_back(h);
    }
    std::vector<int> expected;
    for (int h = c.firstLimited; h >= 0 && h <= c.lastLimited; ++h) expected.push_back(h);
    EXPECT_EQ(limited, expected) << c.name;
    const WaterFlowHour& hour = day.hours[c.hour];
    EXPECT_NEAR(hour.transpiration, c.aet, 1e-9) << c.name;
    EXPECT_NEAR(hour.limitation, c.limitation, 1e-12) << c.name;
    EXPECT_NEAR(hour.photosynthesis,
                PotentialPhotosynthesis(climate.HourPAR[c.hour]) * c.limitation, 1e-9)
        << c.name;
    EXPECT_NEAR(hour.xylemPotential, c.xylem, 1e-9) << c.name;
    EXPECT_NEAR(hour.uptake, c.uptake, 1e-9) << c.name;
    EXPECT_NEAR(hour.stemWater, c.stem, 1e-9) << c.name;
  }
}

// ---- The window ----

class EX13AskTest : public testing::ExerciseTest<EX13Ask> {
 protected:
  struct Shown {
    std::string totPsn, totET;
    std::vector<std::string> texts;
    double par12 = 0;
    double plottedPar12 = 0;  // the plot record, which the hidden sine button draws from
    bool operator==(const Shown&) const = default;
  };
  Shown shown() {
    return {w().TotPsn.text(), w().TotET.text(), texts(),
            program.state<HourlyClimate>().HourPAR[12], program.state<PlotRecord>().PlotY[1][13]};
  }
};

TEST_F(EX13AskTest, InputsThatCannotBeComputedAreRefusedAndChangeNothing) {
  struct Refusal {
    const char* field;
    const char* text;
    const char* button;  // "Execute" or "Command2"
    const char* message;
  } const refusals[] = {
      {"Tmin", "cold", "Execute", "Minimum Temperature: 'cold' is not a number"},
      {"Tmax", "27 C", "Command2", "Maximum Temperature: '27 C' is not a number"},
      {"PARMax", "", "Command2", "PAR: '' is not a number"},
      {"StemStorage", "lots", "Execute", "Stem Capacity: 'lots' is not a number"},
      {"StemStorage", "0", "Execute", "Stem Capacity: '0' gives a division by zero"},
      {"MatPot", "wet", "Execute", "Matric Potential: 'wet' is not a number"},
      // es(1E308) overflows: no hour of the climate may be a number that cannot be shown.
      {"Tmax", "1e308", "Command2", "VPD at hour 0: the result is too large to show"},
      // The stem would start at 30000 x (1 - 1E308 / 3) mmol, beyond any number.
      {"MatPot", "-1e308", "Execute", "Total ET: the result is too large to show"},
      // The day can be computed (its totals differ from the designed day's), but not drawn.
      {"PARMax", "1e305", "Execute", "PAR: the values are too large to draw"},
      {"Tmin", "1e306", "Command2", "Tc: the values are too large to draw"},
  };
  click(w().Execute);
  const Shown before = shown();
  ASSERT_EQ(before.totPsn, "233");
  for (const Refusal& r : refusals) {
    Control& field = w().control(r.field);
    const std::string designed = field.text();
    type(field, r.text);
    host.failures.clear();
    click(w().control(r.button));
    ASSERT_EQ(host.failures.size(), 1u) << r.message;
    EXPECT_EQ(host.failures[0].window, "EX13Ask");
    EXPECT_EQ(host.failures[0].message, r.message);
    EXPECT_EQ(shown(), before) << r.message;
    type(field, designed);
  }
}

TEST_F(EX13AskTest, ASmallStemReachesTheOsmoticLimit) {
  click(w().Execute);
  EXPECT_EQ(w().TotPsn.text(), "233");
  // "-2 MPa" is no number to compare with: refused, the results stay.
  type(w().OsmPot, "-2 MPa");
  click(w().Execute);
  EXPECT_EQ(lastFailure(), "Osmotic Potential: '-2 MPa' is not a number");
  EXPECT_EQ(w().TotPsn.text(), "233");
  // A small stem reaches the limit at hour 8.
  type(w().StemStorage, "3000");
  type(w().OsmPot, "-2");
  click(w().Execute);
  EXPECT_EQ(w().TotPsn.text(), "124");
  EXPECT_EQ(w().TotET.text(), "21456");
}

TEST_F(EX13AskTest, ClimateIsKeptProgramWide) {
  type(w().PARMax, "700");
  click(w().Command2);
  // 700 x sin(90 degrees of 3.1416).
  EXPECT_NEAR(program.state<HourlyClimate>().HourPAR[12], 700, 1e-6);
}

TEST_F(EX13AskTest, HiddenSineButtonDrawsTheDailySine) {
  EXPECT_FALSE(w().Command3.visible());
  EXPECT_EQ(w().Command3.caption(), "Sin function");
  click(w().Command3);
  const std::vector<std::string> t = texts();
  // The legend: one series; its maximum sin(90 degrees of 3.1416) = 0.99999999999325 cut to 6
  // characters of its text " .999999...". The sine at 180 degrees (-7.3E-6) goes below 0, so
  // the frame reaches 10 percent below: y labels -10 + 11 i, from "-10" to " 100".
  auto has = [&t](const std::string& s) { return std::find(t.begin(), t.end(), s) != t.end(); };
  for (const char* text : {"sine", " .9999", "-10", " 1", " 100"}) EXPECT_TRUE(has(text)) << text;
  EXPECT_FALSE(has("PAR"));
  EXPECT_TRUE(output().visible());
}

}  // namespace
}  // namespace sylvandra
