#include <gtest/gtest.h>

#include <string>

#include "exercises/biogeochem/ex2b_ask.h"
#include "unit/exercise_fixture.h"

namespace sylvandra {
namespace {

class Ex2bAskTest : public testing::ExerciseTest<Ex2bAsk> {
 protected:
  struct Outputs {
    std::string al, hco3;
    bool operator==(const Outputs&) const = default;
  };
  Outputs outputs() { return {w().Al.text(), w().HCO3.text()}; }
};

TEST_F(Ex2bAskTest, EquilibriaAtEachArrowAndTypedPh) {
  struct Case {
    const char* pH;  // "" clicks the arrow of `arrow` instead
    int arrow;
    const char* pCO2;
    Outputs expected;
  };
  const Case cases[] = {
      // Arrow 1 is pH 4: 10^8.75 x (10^-4)^3 x 10^6 = 10^2.75 = 562.34; no pCO2, no bicarbonate.
      {"", 1, "", {"562.3", ""}},
      // Arrow 2 is pH 5: 10^-0.25 = 0.562 -> 0.6.
      {"", 2, "", {"0.6", ""}},
      // Arrow 0 is pH 3: 10^5.75 = 562341.33; bicarbonate 10^-7.81 x 0.00035 / 10^-3 x 10^6
      // = 0.0054 -> 0.0.
      {"", 0, "0.00035", {"562341.3", "0.0"}},
      // pH 7: aluminium 10^-6.25 -> 0.0; bicarbonate 1.5488E-8 x 0.00035 / 10^-7 x 10^6 = 54.21.
      {"7", 0, "0.00035", {"0.0", "54.2"}},
      // Arrow 5 is pH 8: ten times the bicarbonate of pH 7, 542.09 -> 542.1.
      {"", 5, "0.00035", {"0.0", "542.1"}},
      // Ten times the pCO2: ten times 54.21 at pH 7.
      {"7", 0, "0.0035", {"0.0", "542.1"}},
  };
  for (const Case& c : cases) {
    type(w().pCO2, c.pCO2);
    if (c.pH[0] == '\0') {
      click(w().Arrow(c.arrow));
      EXPECT_EQ(w().pH.text(), std::to_string(c.arrow + 3));
    } else {
      type(w().pH, c.pH);
      click(w().Calculate);
    }
    EXPECT_EQ(outputs(), c.expected) << "pH '" << w().pH.text() << "' pCO2 '" << c.pCO2 << "'";
  }
  EXPECT_TRUE(host.failures.empty());
}

TEST_F(Ex2bAskTest, OnlyArrowsCalculateAndPco2RecalculateTheOutputs) {
  // An empty pH leaves the outputs as they were, whatever pCO2 does.
  type(w().pCO2, "0.00035");
  EXPECT_TRUE(host.messages.empty());
  click(w().Calculate);
  EXPECT_EQ(outputs(), (Outputs{"", ""}));
  // Calculate itself says how to give a pH; typing in pCO2 does not.
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].prompt,
            "Type a soil pH first, or click one of the arrows over the pH scale.");
  click(w().Arrow(4));  // pH 7
  const Outputs atSeven{"0.0", "54.2"};
  EXPECT_EQ(outputs(), atSeven);
  // Typing a pH alone changes nothing; a change of pCO2 recalculates with it.
  type(w().pH, "4");
  EXPECT_EQ(outputs(), atSeven);
  type(w().pCO2, "0.00036");
  // 10^-7.81 x 0.00036 / 10^-4 x 10^6 = 0.0558 -> 0.1.
  EXPECT_EQ(outputs(), (Outputs{"562.3", "0.1"}));
  type(w().pH, "");
  type(w().pCO2, "0.00035");
  EXPECT_EQ(outputs(), (Outputs{"562.3", "0.1"}));
  EXPECT_EQ(host.messages.size(), 1u);
}

TEST_F(Ex2bAskTest, PhValuesThatCannotBeComputedChangeNothing) {
  type(w().pCO2, "0.00035");
  click(w().Arrow(4));
  const Outputs before = outputs();
  struct Case {
    const char* pH;
    const char* pCO2;
    const char* failure;
  };
  const Case cases[] = {
      {"12abc", "0.00035", "pH: '12abc' is not a number"},
      // (10^120)^3 overflows.
      {"-120", "0.00035", "pH: '-120' gives too much aluminium to compute"},
      // 10^-400 is 0 in a double.
      {"400", "0.00035", "pH: '400' leaves no hydrogen ions to divide the bicarbonate by"},
      // 10^-7.81 x 1E303 / 10^-8 x 10^6 overflows; left in pCO2 for the arrow below.
      {"8", "1E303", "pCO2: '1E303' gives too much bicarbonate to compute"},
  };
  for (const Case& c : cases) {
    type(w().pH, "");
    type(w().pCO2, c.pCO2);
    type(w().pH, c.pH);
    host.failures.clear();
    click(w().Calculate);
    ASSERT_EQ(host.failures.size(), 1u) << c.pH;
    EXPECT_EQ(lastFailure(), c.failure);
    EXPECT_EQ(outputs(), before);
  }
  // An arrow whose result cannot be shown leaves the typed pH in place.
  type(w().pH, "6.5");
  host.failures.clear();
  click(w().Arrow(5));
  EXPECT_EQ(lastFailure(), "pCO2: '1E303' gives too much bicarbonate to compute");
  EXPECT_EQ(w().pH.text(), "6.5");
  EXPECT_EQ(outputs(), before);
}

}  // namespace
}  // namespace sylvandra
