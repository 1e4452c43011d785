#include <gtest/gtest.h>

#include <string>

#include "exercises/carbon_water/ex12_ask.h"
#include "exercises/carbon_water/photosynthesis_model.h"
#include "platform/program.h"
#include "unit/test_host.h"

namespace sylvandra {
namespace {

// ---- The model on numbers ----

TEST(PhotosynthesisModel, LeafPropertiesFollowFoliarNitrogen) {
  // 10^1.65 and 10^1.5167 x 12 / 1000 at N = 10.
  EXPECT_NEAR(SpecificLeafArea(10), 44.6683592150963, 1e-12);
  EXPECT_NEAR(PhotosyntheticCapacity(10), 0.394349455989845, 1e-14);
  // At N = 1 both logarithms vanish: 10^-0.2 and 10^0.0167 x 0.012.
  EXPECT_NEAR(SpecificLeafArea(1), 0.630957344480193, 1e-14);
  EXPECT_NEAR(PhotosyntheticCapacity(1), 0.0124704247497624, 1e-15);
}

TEST(PhotosynthesisModel, LightResponseSaturatesAndRespiresInTheDark) {
  EXPECT_DOUBLE_EQ(LightHalfSaturation(10), 170);
  EXPECT_NEAR(LightResponse(1800, 10), 0.996446700507614, 1e-14);
  EXPECT_EQ(LightResponse(0, 10), -0.1);
  // At PAR = 17 N the response is half of its span: 1.2 / 2 - 0.1.
  EXPECT_NEAR(LightResponse(170, 10), 0.5, 1e-15);
}

TEST(PhotosynthesisModel, TemperatureResponseIsOneAtTwentyDegrees) {
  EXPECT_EQ(TemperatureResponse(20), 1.0);
  EXPECT_EQ(TemperatureResponse(40), 0.0);
  EXPECT_EQ(TemperatureResponse(10), 0.75);
  EXPECT_EQ(TemperatureResponse(45), -0.5625);
}

TEST(PhotosynthesisModel, WaterUseAndTranspiration) {
  EXPECT_NEAR(VapourPressureResponse(1), 1.6 / 2.6, 1e-15);
  EXPECT_EQ(VapourPressureResponse(0), 1.0);
  EXPECT_EQ(WaterUseRatio(2), 2.0);
  EXPECT_NEAR(WaterUseEfficiency(WaterUseRatio(1)), 2.66666666666667, 1e-14);
  EXPECT_NEAR(LeafTranspiration(0.392, 2.666), 147.036759189797, 1e-11);
}

TEST(PhotosynthesisModel, SaturationVapourPressure) {
  EXPECT_EQ(SaturationVapourPressure(0), 0.61078);
  EXPECT_NEAR(SaturationVapourPressure(20), 2.33809384193744, 1e-13);
  EXPECT_NEAR(SaturationVapourPressure(-10), 0.285709294277278, 1e-14);
}

// ---- The window ----

class EX12AskTest : public ::testing::Test {
 protected:
  EX12AskTest() : program(host), w(program.form<EX12Ask>()) {}

  void Execute() { program.click(w.Command1); }
  struct Results {
    std::string sla, netPsn, wue, transpiration;
    bool operator==(const Results&) const = default;
  };
  Results results() const {
    return {w.SLA.text(), w.NetPsn.text(), w.WUE.text(), w.Transpiration.text()};
  }
  // Runs with bad input and checks that only a failure naming the field came of it.
  void ExpectRefused(const std::string& message) {
    const Results before = results();
    host.failures.clear();
    Execute();
    ASSERT_EQ(host.failures.size(), 1u);
    EXPECT_EQ(host.failures[0].window, "EX12Ask");
    EXPECT_EQ(host.failures[0].message, message);
    EXPECT_EQ(results(), before);
  }

  testing::TestHost host;
  Program program;
  EX12Ask& w;
};

TEST_F(EX12AskTest, StartsWithDesignedInputsAndEmptyYellowResults) {
  EXPECT_EQ(w.caption(), "Calculate Net Photosynthesis");
  EXPECT_EQ(w.FoliarN.text(), "10");
  EXPECT_EQ(w.PAR.text(), "1800");
  EXPECT_EQ(w.Temperature.text(), "20");
  EXPECT_EQ(w.VPD.text(), "0");
  EXPECT_EQ(w.VPDTemp.text(), "0");
  EXPECT_EQ(w.VPDNo.value(), 1);
  EXPECT_EQ(w.VPDYes.value(), 0);
  for (Control* result : {&w.SLA, &w.NetPsn, &w.WUE, &w.Transpiration, &w.VP}) {
    EXPECT_EQ(result->text(), "") << result->name();
    EXPECT_EQ(result->backColor(), kResultYellow) << result->name();
  }
  EXPECT_EQ(w.FoliarN.backColor(), kWhite);
  EXPECT_EQ(w.Command1.caption(), "Execute");
  EXPECT_EQ(w.Command2.caption(), "Return");
  EXPECT_EQ(w.VPDCalc.caption(), "Calculate");
}

TEST_F(EX12AskTest, DefaultsGiveTheWorkedExample) {
  Execute();
  EXPECT_TRUE(host.failures.empty());
  // Fmt6 of 44.668...: " 44.66" and one blank; Fmt5 of 0.3929... read back and multiplied by 1.
  EXPECT_EQ(results(), (Results{" 44.66 ", "0.392", "infinte", "0"}));
}

TEST_F(EX12AskTest, WithoutTemperatureTheCutNetPhotosynthesisStays) {
  program.type(w.Temperature, "");
  Execute();
  EXPECT_EQ(w.NetPsn.text(), " .392 ");
  EXPECT_EQ(w.WUE.text(), "infinte");
}

TEST_F(EX12AskTest, VapourPressureDeficitWithoutResponse) {
  program.type(w.VPD, "1");
  Execute();
  // 4 x 12 / 18 cut to " 2.666"; 1000 x 0.392 / 2.666 = 147.0367... cut to " 147.0".
  EXPECT_EQ(results(), (Results{" 44.66 ", "0.392", " 2.666 ", " 147.0 "}));
}

TEST_F(EX12AskTest, VapourPressureDeficitWithResponse) {
  program.type(w.VPD, "1");
  program.click(w.VPDYes);
  EXPECT_EQ(w.VPDNo.value(), 0);
  Execute();
  // 0.392 x 1.6 / 2.6 in full; 1000 x 0.241230769230769 / 2.666 = 90.484...
  EXPECT_EQ(results(), (Results{" 44.66 ", "0.241230769230769", " 2.666 ", " 90.48 "}));
  // Without a deficit the response is not applied.
  program.type(w.VPD, "0");
  Execute();
  EXPECT_EQ(results(), (Results{" 44.66 ", "0.392", "infinte", "0"}));
}

TEST_F(EX12AskTest, NoNetUptakeMeansNoTranspiration) {
  program.type(w.VPD, "1");
  program.type(w.PAR, "0");
  Execute();
  // 0.39435 x -0.1 cut to "-.039", then the factor 1 at 20 C.
  EXPECT_EQ(results(), (Results{" 44.66 ", "-0.039", "0", "0"}));

  program.type(w.PAR, "1800");
  for (const char* temperature : {"0", "-5"}) {
    program.type(w.Temperature, temperature);
    Execute();
    EXPECT_EQ(results(), (Results{" 44.66 ", "0", "0", "0"})) << temperature;
  }
  program.type(w.Temperature, "45");
  Execute();
  EXPECT_EQ(results(), (Results{" 44.66 ", "-0.2205", "0", "0"}));
  // 30 C: factor 0.75.
  program.type(w.Temperature, "30");
  Execute();
  EXPECT_EQ(w.NetPsn.text(), "0.294");
}

TEST_F(EX12AskTest, OtherNitrogenAndLight) {
  // N = 20: SLA = 10^(1.85 log10 20 - 0.2) = 161.03...; Amax x fL = 1.1154 x 0.61429 = 0.68517
  // cut to " .685".
  program.type(w.FoliarN, "20");
  program.type(w.PAR, "500");
  program.type(w.Temperature, "25");
  program.type(w.VPD, "2");
  Execute();
  // T factor 25 x 15 / 400 = 0.9375 applied to 0.685: 0.6421875; WUE 4 / 2 x 12 / 18 = 1.333...
  // cut to " 1.333"; transpiration 1000 x 0.6421875 / 1.333 = 481.76... cut to " 481.7".
  EXPECT_EQ(results(), (Results{" 161.0 ", "0.6421875", " 1.333 ", " 481.7 "}));
}

TEST_F(EX12AskTest, NetPhotosynthesisAtTheCompensationPointReadsAsZero) {
  // N = 11, PAR = 17 = 17 N / 11: 1.2 x 17 / 204 - 0.1 leaves only rounding noise (-1.4E-17).
  // Its exponent form must not be cut to a number such as "-6.31" (the next step would carry it).
  program.type(w.FoliarN, "11");
  program.type(w.PAR, "17");
  program.type(w.Temperature, "");
  Execute();
  EXPECT_EQ(w.NetPsn.text(), "-.000 ");
  program.type(w.Temperature, "20");
  program.type(w.VPD, "1");
  Execute();
  EXPECT_EQ(results(), (Results{" 53.28 ", "0", "0", "0"}));
}

TEST_F(EX12AskTest, InputsThatCannotBeComputedAreRefusedAndChangeNothing) {
  Execute();
  program.type(w.FoliarN, "abc");
  ExpectRefused("Foliar N: 'abc' is not a number");
  program.type(w.FoliarN, "");
  ExpectRefused("Foliar N: '' is not a number");
  program.type(w.FoliarN, "0");
  ExpectRefused("Foliar N: must be greater than 0 (got '0')");
  program.type(w.FoliarN, "-3");
  ExpectRefused("Foliar N: must be greater than 0 (got '-3')");
  program.type(w.FoliarN, "10");
  program.type(w.PAR, "bright");
  ExpectRefused("PAR: 'bright' is not a number");
  program.type(w.PAR, "-170");
  ExpectRefused("PAR: the light response divides by zero when PAR is -17 x Foliar N (got '-170')");
  program.type(w.PAR, "1800");
  program.click(w.VPDYes);
  program.type(w.VPD, "-1.6");
  ExpectRefused("VPD: the vapour pressure response divides by zero at -1.6 (got '-1.6')");
  // Fields still hold the results of the first run.
  EXPECT_EQ(results(), (Results{" 44.66 ", "0.392", "infinte", "0"}));
}

TEST_F(EX12AskTest, FailureHalfWayPutsEveryResultBack) {
  Execute();
  // 4 / 100000 x 12 / 18 shows as " .0000": the transpiration would divide by zero.
  program.type(w.VPD, "100000");
  ExpectRefused(
      "Transpiration: division by zero (Water Use Efficiency shows 0 for a VPD of '100000')");
  // A specific leaf area beyond what a field can show (about 2.8E+16 for N = 1E9).
  program.type(w.VPD, "0");
  program.type(w.FoliarN, "1E9");
  Execute();
  ASSERT_EQ(host.failures.size(), 2u);
  EXPECT_EQ(host.failures.back().message.rfind("Specific Leaf Area: the result 2.81", 0), 0u)
      << host.failures.back().message;
  EXPECT_EQ(results(), (Results{" 44.66 ", "0.392", "infinte", "0"}));
  program.type(w.FoliarN, "10");
  // A temperature too large to compute with.
  program.type(w.VPD, "0");
  program.type(w.Temperature, "1E200");
  const Results before = results();
  Execute();
  ASSERT_FALSE(host.failures.empty());
  EXPECT_EQ(host.failures.back().message.rfind("Net Photosynthesis: ", 0), 0u)
      << host.failures.back().message;
  EXPECT_EQ(results(), before);
}

TEST_F(EX12AskTest, WorksheetGivesSaturationVapourPressure) {
  program.click(w.VPDCalc);
  EXPECT_EQ(w.VP.text(), " .6107 ");
  program.type(w.VPDTemp, "20");
  program.click(w.VPDCalc);
  EXPECT_EQ(w.VP.text(), " 2.338 ");
  // An empty temperature does nothing; text that is not a number is refused.
  program.type(w.VPDTemp, "");
  program.click(w.VPDCalc);
  EXPECT_EQ(w.VP.text(), " 2.338 ");
  EXPECT_TRUE(host.failures.empty());
  program.type(w.VPDTemp, "warm");
  program.click(w.VPDCalc);
  ASSERT_EQ(host.failures.size(), 1u);
  EXPECT_EQ(host.failures[0].message, "Worksheet Temperature: 'warm' is not a number");
  program.type(w.VPDTemp, "-237.3");
  program.click(w.VPDCalc);
  ASSERT_EQ(host.failures.size(), 2u);
  EXPECT_EQ(w.VP.text(), " 2.338 ");
  // Below -237.3 C the pressure is too large to show: the temperature typed is named.
  program.type(w.VPDTemp, "-240");
  program.click(w.VPDCalc);
  ASSERT_EQ(host.failures.size(), 3u);
  EXPECT_EQ(host.failures[2].message,
            "Worksheet Temperature: '-240' gives a vapour pressure too large to show");
  EXPECT_EQ(w.VP.text(), " 2.338 ");
}

TEST_F(EX12AskTest, ReturnHidesTheWindowAndKeepsItsFields) {
  w.setVisible(true);
  program.type(w.FoliarN, "12");
  Execute();
  program.click(w.Command2);
  EXPECT_FALSE(w.visible());
  EXPECT_EQ(program.form<EX12Ask>().FoliarN.text(), "12");
  EXPECT_EQ(w.NetPsn.text(), program.form<EX12Ask>().NetPsn.text());
}

}  // namespace
}  // namespace sylvandra
