#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "exercises/carbon_water/ex9_ask.h"
#include "exercises/carbon_water/global_carbon_model.h"
#include "plot/plot_record.h"
#include "unit/exercise_fixture.h"

namespace sylvandra {
namespace {

// ---- The model on numbers ----

// The designed pools (T 2190, A 555, S 1020, D 38100, B 3), no transfers, no emissions.
GlobalCarbonInputs DesignedPools() {
  GlobalCarbonInputs in;
  in.initial = {2190, 555, 1020, 38100, 3};
  return in;
}

// A yearly rate of 0.12 moves 1 % of its source a month: after a year the source keeps 0.99^12
// = 0.886384871716129 and the sink gains the source x 0.113615128283871.
constexpr double kYearLoss = 0.11361512828387077;

TEST(GlobalCarbonModel, EmissionsTransfersAndSaturation) {
  using Read = std::function<double(const GlobalCarbonRun&)>;
  const auto pool = [](int year, double CarbonPools::*which) -> Read {
    return
        [=](const GlobalCarbonRun& run) { return run.yearEnd[static_cast<size_t>(year)].*which; };
  };
  const Read in2000 = [](const GlobalCarbonRun& run) { return run.atmosphere2000; };
  const Read in2100 = [](const GlobalCarbonRun& run) { return run.atmosphere2100; };
  struct Case {
    const char* what;
    std::function<void(GlobalCarbonInputs&)> setUp;
    Read read;
    double expected;
  };
  const Case cases[] = {
      // 12 Gt C a year is t / 2400 Gt C in month t: 555 + (1 + ... + 2400) / 2400 = 555 + 1200.5.
      {"fossil fuel growing, 2000", [](auto& in) { in.fossilFuel = 12; }, in2000, 1755.5},
      // 555 + (1 + ... + 3600) / 2400 = 555 + 3601 x 3600 / 2 / 2400 = 555 + 2700.75.
      {"fossil fuel growing, 2100", [](auto& in) { in.fossilFuel = 12; }, in2100, 3255.75},
      // 1755.5 + 1200 months of 1.
      {"fossil fuel held, 2100",
       [](auto& in) {
         in.fossilFuel = 12;
         in.fossilCourse = EmissionCourse::Held;
       },
       in2100, 2955.5},
      // 1755.5 + sum over k = 1..1200 of (1 - k / 2400) = 1755.5 + 1200 - 300.25.
      {"fossil fuel ramped down, 2100",
       [](auto& in) {
         in.fossilFuel = 12;
         in.fossilCourse = EmissionCourse::RampedDown;
       },
       in2100, 2655.25},
      // Land use leaves the land: 2190 - (1200.5 + 1200).
      {"land use held, land in year 300",
       [](auto& in) {
         in.landUse = 12;
         in.landUseCourse = EmissionCourse::Held;
       },
       pool(300, &CarbonPools::terrestrial), -210.5},
      // Each emission follows its own course: 555 + (1200.5 + 1200) + (1200.5 + 899.75).
      {"land use ramped down, fossil fuel held",
       [](auto& in) {
         in.landUse = 12;
         in.landUseCourse = EmissionCourse::RampedDown;
         in.fossilFuel = 12;
         in.fossilCourse = EmissionCourse::Held;
       },
       in2100, 5055.75},
      // One transfer at 0.12 a year: sink after a year = sink + source x 0.113615128283871.
      {"AT: atmosphere to land", [](auto& in) { in.rates.AT = 0.12; },
       pool(1, &CarbonPools::terrestrial), 2190 + 555 * kYearLoss},
      {"TA: land to atmosphere", [](auto& in) { in.rates.TA = 0.12; },
       pool(1, &CarbonPools::atmosphere), 555 + 2190 * kYearLoss},
      {"ASO: atmosphere to shallow ocean", [](auto& in) { in.rates.ASO = 0.12; },
       pool(1, &CarbonPools::shallowOcean), 1020 + 555 * kYearLoss},
      {"SOA: shallow ocean to atmosphere", [](auto& in) { in.rates.SOA = 0.12; },
       pool(1, &CarbonPools::atmosphere), 555 + 1020 * kYearLoss},
      {"SOB: shallow ocean to biota", [](auto& in) { in.rates.SOB = 0.12; },
       pool(1, &CarbonPools::oceanBiota), 3 + 1020 * kYearLoss},
      {"BSO: biota to shallow ocean", [](auto& in) { in.rates.BSO = 0.12; },
       pool(1, &CarbonPools::shallowOcean), 1020 + 3 * kYearLoss},
      {"SODO: shallow to deep ocean", [](auto& in) { in.rates.SODO = 0.12; },
       pool(1, &CarbonPools::deepOcean), 38100 + 1020 * kYearLoss},
      {"DOSO: deep to shallow ocean", [](auto& in) { in.rates.DOSO = 0.12; },
       pool(1, &CarbonPools::shallowOcean), 1020 + 38100 * kYearLoss},
      {"BDO: biota to deep ocean", [](auto& in) { in.rates.BDO = 0.12; },
       pool(1, &CarbonPools::deepOcean), 38100 + 3 * kYearLoss},
      // AT 1.2 would take 0.1 x 1200 = 120 a month; saturated it takes the single-precision
      // 50 / 12 = 4.166666507720947: 1200 - 12 x 4.166666507720947.
      {"saturated land uptake",
       [](auto& in) {
         in.initial.atmosphere = 1200;
         in.rates.AT = 1.2;
         in.landUptakeSaturates = true;
       },
       pool(1, &CarbonPools::atmosphere), 1150.0000019073486},
      // The land takes up what it releases (2190 x 0.01 a month), whatever AT says.
      {"saturated land balance",
       [](auto& in) {
         in.rates.AT = 0.5;
         in.rates.TA = 0.12;
         in.landBalanceSaturates = true;
       },
       pool(300, &CarbonPools::atmosphere), 555},
      // ASO 1.2 from at most 555: 10 months of 55.5 take 1155 to 600, month 11 to 544.5; at or
      // below 555 the whole pool counts again: 544.5 x 0.9 = 490.05.
      {"saturated ocean uptake",
       [](auto& in) {
         in.initial.atmosphere = 1155;
         in.rates.ASO = 1.2;
         in.oceanUptakeSaturates = true;
       },
       pool(1, &CarbonPools::atmosphere), 490.05},
      // SODO 1.2 would move 102 a month; saturated 90 / 12 = 7.5: 1020 - 12 x 7.5.
      {"saturated deep mixing",
       [](auto& in) {
         in.rates.SODO = 1.2;
         in.deepMixingSaturates = true;
       },
       pool(1, &CarbonPools::shallowOcean), 930},
      // Transfers only move carbon: 2190 + 555 + 1020 + 38100 + 3 in year 300.
      {"transfers conserve carbon",
       [](auto& in) {
         in.rates = {0.09009, 0.02283, 0.16396, 0.08922, 0.04902, 13.333, 0.08824, 0.00263, 3.3333};
       },
       [](const GlobalCarbonRun& run) {
         const CarbonPools& p = run.yearEnd[kCarbonYears];
         return p.terrestrial + p.atmosphere + p.shallowOcean + p.deepOcean + p.oceanBiota;
       },
       41868},
  };
  for (const Case& c : cases) {
    GlobalCarbonInputs in = DesignedPools();
    c.setUp(in);
    EXPECT_NEAR(c.read(RunGlobalCarbon(in)), c.expected, 1e-12 * (1 + std::fabs(c.expected)))
        << c.what;
  }
}

// ---- The window ----

class EX9AskTest : public testing::ExerciseTest<EX9Ask> {
 protected:
  void Execute() { click(w().Command1); }
  std::vector<Mark> printedMarks() {
    return testing::MarksWhere(marks(), [](const Mark& m) {
      return m.kind == MarkKind::Text && (m.y1 == 5000 || m.y1 == 5300);
    });
  }
  // Runs with the given input and checks that only a failure with `message` came of it: the
  // step series, the drawing and the field texts stay as the previous run left them.
  void ExpectRefused(Control& field, const std::string& text, const std::string& message) {
    const SeriesData stepsBefore = program.state<StepSeries>().StepY;
    const size_t marksBefore = marks().size();
    const std::vector<std::string> textsBefore = texts();
    host.failures.clear();
    type(field, text);
    Execute();
    ASSERT_EQ(host.failures.size(), 1u) << text;
    EXPECT_EQ(host.failures[0].window, "EX9Ask");
    EXPECT_EQ(host.failures[0].message, message);
    EXPECT_TRUE(program.state<StepSeries>().StepY == stepsBefore) << text;
    EXPECT_EQ(marks().size(), marksBefore);
    EXPECT_EQ(texts(), textsBefore);
    EXPECT_EQ(field.text(), text);
  }
};

TEST_F(EX9AskTest, HiddenFillInValuesGivesTheCoursesEmissionCases) {
  EXPECT_FALSE(w().Command3.visible());
  click(w().Command3);
  EXPECT_EQ(w().AT.text(), "0.09009");
  EXPECT_EQ(w().BDO.text(), "3.3333");
  struct Case {
    const char* fossil;
    const char* landUse;
    int tick;  // -1 neither, 0 "Control", 1 "Ramp Down", in both pairs
    const char* in2000;
    const char* in2100;
  };
  // Fmt7b keeps the first 7 characters of the Str text: 555.964972... gives " 555.96".
  const Case cases[] = {
      {"0", "0", -1, " 555.96 ", " 556.01 "},    // balanced rates: 555.965, 556.012
      {"6", "1.5", 0, " 613.21 ", " 629.14 "},   // 613.2148, 629.1427
      {"6", "1.5", 1, " 613.21 ", " 605.62 "},   // 613.2148, 605.6260
      {"6", "1.5", -1, " 613.21 ", " 652.65 "},  // 613.2148, 652.6593
  };
  for (const Case& c : cases) {
    type(w().FFAmt, c.fossil);
    type(w().DevegAmt, c.landUse);
    for (ControlArray* pair : {&w().FFCon, &w().DevegCon}) {
      for (int i = 0; i < 2; ++i) (*pair)(i).setValue(i == c.tick ? 1 : 0);
    }
    Execute();
    ASSERT_TRUE(host.failures.empty()) << lastFailure();
    const std::vector<Mark> printed = printedMarks();
    ASSERT_EQ(printed.size(), 4u);
    EXPECT_EQ(printed[2].text, c.in2000) << c.fossil << " " << c.tick;
    EXPECT_EQ(printed[3].text, c.in2100) << c.fossil << " " << c.tick;
  }
}

TEST_F(EX9AskTest, EachSecondItemStartsInTheSameColumnAsItsHeading) {
  Execute();
  const std::vector<Mark> printed = printedMarks();
  ASSERT_EQ(printed.size(), 4u);
  EXPECT_EQ(printed[0].text, "Year 2000 CO2 =");
  EXPECT_EQ(printed[1].text, "Year 2100 CO2");
  // No transfers: 555 + 0 emissions in both years.
  EXPECT_EQ(printed[2].text, "    555 ");
  EXPECT_EQ(printed[3].text, "    555 ");
  EXPECT_EQ(printed[0].x1, 1000);
  EXPECT_EQ(printed[2].x1, 1000);
  EXPECT_GT(printed[1].x1, 1000 + output().surface().TextWidth(printed[0].text));
  EXPECT_EQ(printed[3].x1, printed[1].x1);
}

TEST_F(EX9AskTest, SwitchesShowYOrNAndPairsTickAtMostOne) {
  const std::pair<const char*, const char*> typed[] = {
      {"y", "Y"}, {"Y", "Y"}, {"x", "N"}, {"yes", "N"}, {"", ""}};
  for (Control* field : {&w().ATF, &w().TAF, &w().ASOF, &w().SODOF}) {
    for (const auto& [text, shown] : typed) {
      type(*field, text);
      EXPECT_EQ(field->text(), shown) << field->name() << " '" << text << "'";
    }
  }
  for (ControlArray* pair : {&w().FFCon, &w().DevegCon}) {
    click((*pair)(0));
    click((*pair)(1));
    EXPECT_EQ((*pair)(0).value(), 0);
    EXPECT_EQ((*pair)(1).value(), 1);
    click((*pair)(0));
    EXPECT_EQ((*pair)(0).value(), 1);
    EXPECT_EQ((*pair)(1).value(), 0);
    click((*pair)(0));
    EXPECT_EQ((*pair)(0).value(), 0);
    EXPECT_EQ((*pair)(1).value(), 0);
  }
}

TEST_F(EX9AskTest, UnreadableOrRunawayInputLeavesThePreviousRun) {
  click(w().Command3);
  type(w().FFAmt, "6");
  Execute();
  ASSERT_TRUE(host.failures.empty()) << lastFailure();

  ExpectRefused(w().DevegAmt, "1.5 Gt", "Land Use Change: '1.5 Gt' is not a number");
  type(w().DevegAmt, "0");
  ExpectRefused(w().FFAmt, "", "Fossil Fuel Inputs: '' is not a number");
  type(w().FFAmt, "6");
  // Under saturation ASO is read as it stands, once the atmosphere passes 555.
  type(w().ASOF, "Y");
  ExpectRefused(w().ASO, "0.16396 per year",
                "Atmosphere-Shallow Oceans: '0.16396 per year' is not a number");
  // BSO 30 with BDO 3.3333 takes 2.5 + 0.2778 times the biota each month: the biota swings by
  // a factor of 1 - 2.7778 = -1.78 a month, 3 x 1.78^n passes the largest double (1.8E+308)
  // near n = 1232, within year 103, and every pool is caught up in it by the end of that year;
  // the atmosphere is checked first.
  type(w().ASO, "0.16396");
  ExpectRefused(w().BSO, "30", "Atmosphere: the pool grows too large to compute by year 103");
}

TEST_F(EX9AskTest, AnUnreadableOceanRateMattersOnlyOnceUptakeSaturates) {
  // No transfers and no emissions: the atmosphere stays at 555 and never saturates.
  type(w().ASOF, "Y");
  type(w().ASO, "abc");
  Execute();
  EXPECT_TRUE(host.failures.empty()) << lastFailure();
  EXPECT_EQ(printedMarks().at(3).text, "    555 ");
}

}  // namespace
}  // namespace sylvandra
