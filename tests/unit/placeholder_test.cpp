#include <gtest/gtest.h>
TEST(Build, Compiles) { EXPECT_EQ(1, 1); }
