#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "exercises/biogeochem/decay_model.h"
#include "exercises/biogeochem/ex41_ask.h"
#include "unit/exercise_fixture.h"

namespace sylvandra {
namespace {

TEST(DecayStep, OneMonthOfEachKindOfPool) {
  struct Case {
    const char* what;
    DecayPools A, Nn;
    DecayPools expectedA, expectedNn;
    double expectedNet;
  };
  const Case cases[] = {
      // Extractives 100 g with 2 g N: d = 6.67, Nd = 0.02 x 6.67 = 0.1334; t = 0.2 d = 1.334
      // carries 0.02 x 1.334 = 0.02668 N; im = 0.1 x 0.3 x (6.67 - 1.334) = 0.16008, so
      // N1 = 2 - 0.1334 + 0.16008 = 2.02668. The passive pool, now 2.334 g with 0.12668 g N,
      // loses 0.00042 of both: 2.33301972 g, 0.1266267944 g N (Nd 0.0000532056).
      // net = 0.1334 - 0.02668 - 0.16008 + 0.0000532056.
      {"extractives",
       {0, 100, 0, 0, 1},
       {0, 2, 0, 0, 0.1},
       {0, 93.33, 0, 0, 2.33301972},
       {0, 2.02668, 0, 0, 0.1266267944},
       -0.0533067944},
      // Lignocellulose 300 g with 1.05 g N: d = 0.01667 x 300 = 5.001, Nd = 0.0035 d =
      // 0.0175035; t = 0.10002 carries 0.00035007 N; im = 0.1 x 0.05 x 4.90098 = 0.0245049,
      // N3 = 1.05 - 0.0175035 + 0.0245049 = 1.0570014. Passive pool 0.001 + 0.10002 = 0.10102 g,
      // 0.0001 + 0.00035007 = 0.00045007 g N, less 0.00042 of each.
      {"lignocellulose",
       {0, 0, 0, 300, 0.001},
       {0, 0, 0, 1.05, 0.0001},
       {0, 0, 0, 294.999, 0.10102 * (1 - 0.00042)},
       {0, 0, 0, 1.0570014, 0.00045007 * (1 - 0.00042)},
       0.0175035 - 0.00035007 - 0.0245049 + 0.00045007 * 0.00042},
      // Empty pools are passed over and keep their nitrogen; only the passive pool decays:
      // 1 x 0.00042 g with 0.1 x 0.00042 = 0.000042 g N mineralised.
      {"empty litter pools",
       {0, 0, 0, 0, 1},
       {0, 0.5, 0.001, 0.3, 0.1},
       {0, 0, 0, 0, 0.99958},
       {0, 0.5, 0.001, 0.3, 0.099958},
       0.000042},
  };
  for (const Case& c : cases) {
    DecayPools A = c.A;
    DecayPools Nn = c.Nn;
    double net = 99;  // set to 0 on entry
    DecayStep(A, Nn, net);
    for (size_t p = 1; p <= 4; ++p) {
      EXPECT_NEAR(A[p], c.expectedA[p], 1e-12) << c.what << " A(" << p << ")";
      EXPECT_NEAR(Nn[p], c.expectedNn[p], 1e-12) << c.what << " Nn(" << p << ")";
    }
    EXPECT_NEAR(net, c.expectedNet, 1e-12) << c.what;
  }
}

class Ex41AskTest : public testing::ExerciseTest<Ex41Ask> {
 protected:
  std::vector<std::string> table() {
    std::vector<std::string> lines;
    for (const Mark& m : program.form<Outpt2>().surface().marks()) lines.push_back(m.text);
    return lines;
  }
};

TEST_F(Ex41AskTest, PrintsTheRowsInFixedPitchAndRefusesLitterOfNoMass) {
  click(w().Command2);
  Outpt2& output = program.form<Outpt2>();
  EXPECT_TRUE(output.visible());
  const std::vector<std::string> printed = table();
  EXPECT_EQ(printed, LitterTable(450, 400, 150, 7));
  // The heading in the window's font, the rows in a fixed pitch.
  const std::vector<Mark>& printedMarks = output.surface().marks();
  EXPECT_EQ(printedMarks[0].font, output.font());
  for (size_t row = 1; row < printedMarks.size(); ++row)
    EXPECT_EQ(printedMarks[row].font.family, FontFamily::Mono) << row;

  // No litter at all: refused, and the last table stays.
  for (Control* field : {&w().E, &w().C, &w().L}) type(*field, "0");
  click(w().Command2);
  EXPECT_EQ(lastFailure(),
            "Extractives, Cellulose and Lignin add up to 0 g: there is no litter to share the "
            "nitrogen among");
  EXPECT_EQ(table(), printed);
}

}  // namespace
}  // namespace sylvandra
