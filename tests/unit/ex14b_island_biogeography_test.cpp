#include <gtest/gtest.h>

#include "exercises/population/ex14b_ask.h"
#include "unit/exercise_fixture.h"

namespace sylvandra {
namespace {

class Ex14bAskTest : public testing::ExerciseTest<Ex14bAsk> {};

TEST_F(Ex14bAskTest, ShowsTheIslandMapUntilReturn) {
  EXPECT_TRUE(program.form<outmap>().visible());
  click(w().Command1);
  EXPECT_FALSE(program.form<outmap>().visible());
  EXPECT_FALSE(w().visible());
}

}  // namespace
}  // namespace sylvandra
