#include <gtest/gtest.h>

#include <string>

#include "exercises/biogeochem/ex2a_ask.h"
#include "unit/exercise_fixture.h"

namespace sylvandra {
namespace {

class Ex2aAskTest : public testing::ExerciseTest<Ex2aAsk> {
 protected:
  struct Boxes {
    std::string mass, moles, equivalents;
    bool operator==(const Boxes&) const = default;
  };
  Boxes boxes() { return {w().Mass.text(), w().Moles.text(), w().Equivalents.text()}; }
};

TEST_F(Ex2aAskTest, TheTypedBoxOrElseTheMassDrivesTheConversion) {
  struct Case {
    int ion;
    const char* box;  // nullptr: the ion is picked and nothing typed
    const char* typed;
    Boxes expected;
  };
  const Case cases[] = {
      // NH4 (18 g, +1): 36 / 18 = 2 moles, 2 x 1 = 2 equivalents.
      {0, "Mass", "36", {"36", "2", "2"}},
      // NO3 (62 g, -1): 1 x 62 = 62 g, 1 x -1 = -1 equivalent.
      {1, "Moles", "1", {"62", "1", "-1"}},
      // Another ion recomputes from the mass first: 62 / 40 = 1.55 moles of Ca, x 2 = 3.1.
      {4, nullptr, nullptr, {"62", "1.55", "3.1"}},
      // 62 / 27 = 2.2962... cut to 2.296 moles of Al; 2.296 x 3 = 6.888 equivalents.
      {3, nullptr, nullptr, {"62", "2.296", "6.888"}},
      // 0.0005 x 62 x 1000 = 31 -> 0.031 g; -0.0005 x 1000 = -0.5, cut down to -1 -> -0.001.
      {1, "Moles", "0.0005", {"0.031", "0.0005", "-0.001"}},
      // Al (27 g, +3): 1 / 3 cut to 0.333 moles; 0.333 x 27 = 8.991 g from the cut moles.
      {3, "Equivalents", "1", {"8.991", "0.333", "1"}},
      // HCO3 (61 g, -1): 2.3 x 61 = 140.29999999999998, x 1000 cut to 140299 -> 140.299 g.
      {2, "Moles", "2.3", {"140.299", "2.3", "-2.3"}},
      // Ca (40 g, +2): 100 / 40 = 2.5 moles, 2.5 x 2 = 5 equivalents.
      {4, "Mass", "100", {"100", "2.5", "5"}},
      // K (39 g, +1): -3 equivalents / 1 = -3 moles, -3 x 39 = -117 g.
      {5, "Equivalents", "-3", {"-117", "-3", "-3"}},
      // An emptied box becomes "0"; with the other two reset every box shows "0".
      {0, "Moles", "", {"0", "0", "0"}},
      // The leading number decides that the box drives, the whole text is the number: " 9 " is 9.
      {0, "Mass", " 9 ", {" 9 ", "0.5", "0.5"}},
  };
  for (const Case& c : cases) {
    click(w().Element(c.ion));
    if (c.box) type(w().control(c.box), c.typed);
    EXPECT_EQ(boxes(), c.expected) << (c.box ? c.typed : "(ion only)") << " ion " << c.ion;
  }
  EXPECT_TRUE(host.failures.empty());
}

TEST_F(Ex2aAskTest, ABoxThatIsNotANumberChangesNothing) {
  type(w().Mass, "36");
  const Boxes before = boxes();
  type(w().Mass, "12abc");
  EXPECT_EQ(lastFailure(), "Mass (g): '12abc' is not a number");
  EXPECT_EQ(host.failures.back().window, "Ex2aAsk");
  EXPECT_EQ(boxes(), (Boxes{"12abc", before.moles, before.equivalents}));
  // A number too large to show: 1E308 / 18 x 1000 overflows.
  type(w().Mass, "1E308");
  EXPECT_EQ(host.failures.size(), 2u);
  EXPECT_EQ(boxes(), (Boxes{"1E308", before.moles, before.equivalents}));
}

}  // namespace
}  // namespace sylvandra
