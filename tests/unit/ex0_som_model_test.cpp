#include <gtest/gtest.h>

#include <cmath>

#include "exercises/carbon_water/som_model.h"

namespace sylvandra {
namespace {

TEST(SomModelTest, WorkedCaseReachesEquilibriumInYear165) {
  const SomRun run = RunSomBalance(100, 50, 0.05);
  EXPECT_EQ(run.points, 300);
  EXPECT_FALSE(run.tooLarge);
  EXPECT_EQ(run.equilibriumYear, 165);
  EXPECT_EQ(run.pool[1], 100);
  EXPECT_DOUBLE_EQ(run.pool[2], 0.95 * 100 + 50);
  EXPECT_NEAR(run.pool[300], 999.9998033923, 1e-9);
  // Year 165 is the first whose change is below 0.01 g/m2.
  EXPECT_GE(std::fabs(run.pool[165] - run.pool[164]), 0.01);
  EXPECT_LT(std::fabs(run.pool[166] - run.pool[165]), 0.01);
}

TEST(SomModelTest, WithoutTurnoverThePoolGrowsByTheInputEveryYear) {
  const SomRun run = RunSomBalance(100, 50, 0);
  EXPECT_EQ(run.equilibriumYear, 0);
  EXPECT_EQ(run.pool[300], 100 + 299 * 50);
}

TEST(SomModelTest, FullTurnoverReplacesThePoolByTheInput) {
  EXPECT_EQ(RunSomBalance(100, 50, 1).equilibriumYear, 2);
  EXPECT_EQ(RunSomBalance(50, 50, 1).equilibriumYear, 1);
  EXPECT_EQ(RunSomBalance(50.005, 50, 1).equilibriumYear, 1);
  EXPECT_EQ(RunSomBalance(50.02, 50, 1).equilibriumYear, 2);
  EXPECT_EQ(RunSomBalance(100, 50, 1).pool[2], 50);
}

TEST(SomModelTest, APoolAtItsSteadyStateIsInEquilibriumAtOnce) {
  EXPECT_EQ(RunSomBalance(1000, 50, 0.05).equilibriumYear, 1);
  EXPECT_EQ(RunSomBalance(0, 0, 0.3).equilibriumYear, 1);
}

TEST(SomModelTest, LargePoolsReachTheAbsoluteTestLater) {
  const int small = RunSomBalance(10, 5, 0.05).equilibriumYear;
  const int large = RunSomBalance(10000, 5000, 0.05).equilibriumYear;
  EXPECT_GT(small, 0);
  EXPECT_GT(large, small);
}

TEST(SomModelTest, APoolGrowingPastTheLimitStopsTheRunWithFiniteValues) {
  const SomRun run = RunSomBalance(100, 50, -1000);
  ASSERT_TRUE(run.tooLarge);
  ASSERT_GT(run.points, 1);
  ASSERT_LT(run.points, 300);
  for (int t = 1; t <= run.points; ++t) EXPECT_LE(std::fabs(run.pool[t]), kSomLargestPool);
  // The next value would have passed the limit.
  EXPECT_GT(std::fabs(1001 * run.pool[run.points] + 50), kSomLargestPool);
  for (int t = run.points + 1; t <= 300; ++t) EXPECT_EQ(run.pool[t], 0);

  // A pool that grows by a factor of 6 a year stays within range for the whole run.
  const SomRun fast = RunSomBalance(100, 50, -5);
  EXPECT_FALSE(fast.tooLarge);
  EXPECT_EQ(fast.points, 300);
  EXPECT_TRUE(std::isfinite(fast.pool[300]));

  const SomRun alternating = RunSomBalance(100, 50, 1e6);
  EXPECT_TRUE(alternating.tooLarge);
  EXPECT_TRUE(RunSomBalance(2e300, 0, 0).tooLarge);
  EXPECT_EQ(RunSomBalance(2e300, 0, 0).points, 0);
}

}  // namespace
}  // namespace sylvandra
