#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "exercises/carbon_water/ex9_ask.h"
#include "exercises/carbon_water/global_carbon_model.h"
#include "plot/plot_record.h"
#include "unit/exercise_fixture.h"

// Model rows name only the inputs they set; GCC 12 still warns about the members they leave out.
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

namespace sylvandra {
namespace {

// ---- The model on numbers ----

constexpr CarbonPools kPools{2190, 555, 1020, 38100, 3};  // T, A, S, D, B as designed
constexpr CarbonPools kRich{2190, 1200, 1020, 38100, 3};  // more carbon in the air
constexpr CarbonPools kRicher{2190, 1155, 1020, 38100, 3};
constexpr auto kT = &CarbonPools::terrestrial, kA = &CarbonPools::atmosphere,
               kS = &CarbonPools::shallowOcean, kD = &CarbonPools::deepOcean,
               kB = &CarbonPools::oceanBiota;
constexpr auto kHeld = EmissionCourse::Held, kDown = EmissionCourse::RampedDown;
// A yearly rate of 0.12 moves 1 % of its source a month: the sink gains 1 - 0.99^12 of it.
constexpr double kYearLoss = 0.11361512828387077;

TEST(GlobalCarbonModel, EmissionsTransfersAndSaturation) {
  struct Case {
    const char* what;
    int year;
    double CarbonPools::*pool;
    double expected;
    GlobalCarbonInputs in;
  };
  // clang-format off
  const Case cases[] = {
      // 12 Gt C a year is t / 2400 in month t: 555 + (1 + ... + 2400) / 2400 = 555 + 1200.5;
      // by month 3600, 555 + 3601 x 3600 / 2 / 2400 = 555 + 2700.75.
      {"fossil", 200, kA, 1755.5, {.initial = kPools, .fossilFuel = 12}},
      {"fossil growing", 300, kA, 3255.75, {.initial = kPools, .fossilFuel = 12}},
      // Held: 1755.5 + 1200 months of 1. Ramped down: 1755.5 + sum of 1 - k / 2400 over
      // k = 1..1200 = 1755.5 + 1200 - 300.25.
      {"held", 300, kA, 2955.5, {.initial = kPools, .fossilFuel = 12, .fossilCourse = kHeld}},
      {"down", 300, kA, 2655.25, {.initial = kPools, .fossilFuel = 12, .fossilCourse = kDown}},
      // Land use leaves the land: 2190 - (1200.5 + 1200). Each emission keeps its own course:
      // 555 + (1200.5 + 1200) + (1200.5 + 899.75).
      {"land use", 300, kT, -210.5, {.initial = kPools, .landUse = 12, .landUseCourse = kHeld}},
      {"both", 300, kA, 5055.75, {.initial = kPools, .fossilFuel = 12, .landUse = 12,
                                  .fossilCourse = kHeld, .landUseCourse = kDown}},
      // One transfer at 0.12 a year: the sink after a year holds sink + source x kYearLoss.
      {"AT", 1, kT, 2190 + 555 * kYearLoss, {.initial = kPools, .rates = {.AT = 0.12}}},
      {"TA", 1, kA, 555 + 2190 * kYearLoss, {.initial = kPools, .rates = {.TA = 0.12}}},
      {"ASO", 1, kS, 1020 + 555 * kYearLoss, {.initial = kPools, .rates = {.ASO = 0.12}}},
      {"SOA", 1, kA, 555 + 1020 * kYearLoss, {.initial = kPools, .rates = {.SOA = 0.12}}},
      {"SOB", 1, kB, 3 + 1020 * kYearLoss, {.initial = kPools, .rates = {.SOB = 0.12}}},
      {"BSO", 1, kS, 1020 + 3 * kYearLoss, {.initial = kPools, .rates = {.BSO = 0.12}}},
      {"SODO", 1, kD, 38100 + 1020 * kYearLoss, {.initial = kPools, .rates = {.SODO = 0.12}}},
      {"DOSO", 1, kS, 1020 + 38100 * kYearLoss, {.initial = kPools, .rates = {.DOSO = 0.12}}},
      {"BDO", 1, kD, 38100 + 3 * kYearLoss, {.initial = kPools, .rates = {.BDO = 0.12}}},
      // AT 1.2 would take 120 a month; saturated, the single-precision 50 / 12 =
      // 4.166666507720947: 1200 - 12 x 4.166666507720947.
      {"ATF", 1, kA, 1150.0000019073486,
       {.initial = kRich, .rates = {.AT = 1.2}, .landUptakeSaturates = true}},
      // The land takes up what it releases, whatever AT says: the air keeps its 555.
      {"TAF", 300, kA, 555,
       {.initial = kPools, .rates = {.AT = 0.5, .TA = 0.12}, .landBalanceSaturates = true}},
      // ASO 1.2 on at most 555: ten months of 55.5 take 1155 to 600, the eleventh to 544.5; at
      // or below 555 the whole pool counts again: 544.5 x 0.9 = 490.05.
      {"ASOF", 1, kA, 490.05,
       {.initial = kRicher, .rates = {.ASO = 1.2}, .oceanUptakeSaturates = true}},
      // SODO 1.2 would move 102 a month; saturated 90 / 12 = 7.5: 1020 - 12 x 7.5.
      {"SODOF", 1, kS, 930,
       {.initial = kPools, .rates = {.SODO = 1.2}, .deepMixingSaturates = true}},
  };
  // clang-format on
  for (const Case& c : cases) {
    const double got = RunGlobalCarbon(c.in).yearEnd[static_cast<size_t>(c.year)].*c.pool;
    EXPECT_NEAR(got, c.expected, 1e-12 * (1 + std::fabs(c.expected))) << c.what;
  }
}

// ---- The window ----

class EX9AskTest : public testing::ExerciseTest<EX9Ask> {
 protected:
  void Execute() { click(w().Command1); }
  // The two headings and the two values under them.
  std::vector<Mark> printed() {
    return testing::MarksWhere(marks(), [](const Mark& m) {
      return m.kind == MarkKind::Text && (m.y1 == 5000 || m.y1 == 5300);
    });
  }
  // Only a failure with `message` comes of the run: the step series and the drawing stay.
  void ExpectRefused(Control& field, const std::string& text, const std::string& message) {
    const SeriesData steps = program.state<StepSeries>().StepY;
    const size_t marksBefore = marks().size();
    const std::vector<std::string> textsBefore = texts();
    host.failures.clear();
    type(field, text);
    Execute();
    ASSERT_EQ(host.failures.size(), 1u) << text;
    EXPECT_EQ(host.failures[0].message, message);
    EXPECT_TRUE(program.state<StepSeries>().StepY == steps) << text;
    EXPECT_EQ(marks().size(), marksBefore);
    EXPECT_EQ(texts(), textsBefore);
  }
};

TEST_F(EX9AskTest, HiddenFillInValuesGivesTheEmissionCasesUnderTheirHeadings) {
  EXPECT_FALSE(w().Command3.visible());
  click(w().Command3);
  struct Case {
    const char *fossil, *landUse;
    int tick;  // in both pairs: -1 neither, 0 "Control", 1 "Ramp Down"
    const char *in2000, *in2100;
  };
  // Fmt7b keeps 7 characters of the Str text: 555.964972... shows " 555.96".
  const Case cases[] = {
      {"0", "0", -1, " 555.96 ", " 556.01 "},    // balanced: 555.965, 556.012
      {"6", "1.5", 0, " 613.21 ", " 629.14 "},   // 613.2148, 629.1427
      {"6", "1.5", 1, " 613.21 ", " 605.62 "},   // 613.2148, 605.6260
      {"6", "1.5", -1, " 613.21 ", " 652.65 "},  // 613.2148, 652.6593
  };
  for (const Case& c : cases) {
    type(w().FFAmt, c.fossil);
    type(w().DevegAmt, c.landUse);
    for (int i = 0; i < 2; ++i) {
      w().FFCon(i).setValue(i == c.tick);
      w().DevegCon(i).setValue(i == c.tick);
    }
    Execute();
    const std::vector<Mark> p = printed();
    ASSERT_EQ(p.size(), 4u) << lastFailure();
    EXPECT_EQ(p[0].text + "|" + p[1].text + "|" + p[2].text + "|" + p[3].text,
              std::string("Year 2000 CO2 =|Year 2100 CO2|") + c.in2000 + "|" + c.in2100);
    // Each line's second item starts in the same print column, past the first heading.
    EXPECT_EQ(p[0].x1, 1000);
    EXPECT_EQ(p[2].x1, 1000);
    EXPECT_GT(p[1].x1, 1000 + output().surface().TextWidth(p[0].text));
    EXPECT_EQ(p[3].x1, p[1].x1);
  }
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
    // Each click toggles its own box and clears the other one: (0 1), (1 0), (0 0).
    const int after[][2] = {{1, 0}, {0, 1}, {1, 0}, {0, 0}};
    const int clicked[] = {0, 1, 0, 0};
    for (int k = 0; k < 4; ++k) {
      click((*pair)(clicked[k]));
      EXPECT_EQ((*pair)(0).value(), after[k][0]) << k;
      EXPECT_EQ((*pair)(1).value(), after[k][1]) << k;
    }
  }
}

TEST_F(EX9AskTest, UnreadableOrRunawayInputLeavesThePreviousRun) {
  // No transfers, no emissions: the air stays at 555 and never needs the saturated ASO.
  type(w().ASOF, "Y");
  type(w().ASO, "");
  Execute();
  ASSERT_TRUE(host.failures.empty()) << lastFailure();
  EXPECT_EQ(printed().at(3).text, "    555 ");

  click(w().Command3);
  type(w().FFAmt, "6");
  Execute();
  ExpectRefused(w().ASO, "0.16396 per year",
                "Atmosphere-Shallow Oceans: '0.16396 per year' is not a number");
  type(w().ASO, "0.16396");
  ExpectRefused(w().DevegAmt, "1.5 Gt", "Land Use Change: '1.5 Gt' is not a number");
  type(w().DevegAmt, "0");
  ExpectRefused(w().FFAmt, "", "Fossil Fuel Inputs: '' is not a number");
  type(w().FFAmt, "6");
  // BSO 30 and BDO 3.3333 take 2.5 + 0.2778 of the biota a month: it swings by -1.78 a month,
  // 3 x 1.78^n passes the largest double near n = 1232 (year 103) and takes every pool with it.
  ExpectRefused(w().BSO, "30", "Atmosphere: the pool grows too large to compute by year 103");
}

}  // namespace
}  // namespace sylvandra
