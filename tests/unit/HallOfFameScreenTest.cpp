#include <gtest/gtest.h>

#include "persistence/HallOfFameScreen.h"

TEST(HallOfFameScores, DigitsAreLaidOutByTheirCount) {
  int digits[5], xs[5];
  ASSERT_EQ(hallScoreDigits(10000, 2, digits, xs), 5);
  EXPECT_EQ(xs[0], 359);
  EXPECT_EQ(xs[1], 373);
  EXPECT_EQ(xs[4], 424);
  hallScoreDigits(10000, 0, digits, xs);
  EXPECT_EQ(xs[0], 358);
  hallScoreDigits(20000, 0, digits, xs);
  EXPECT_EQ(xs[0], 356);
  ASSERT_EQ(hallScoreDigits(7, 1, digits, xs), 1);
  EXPECT_EQ(digits[0], 7);
  EXPECT_EQ(xs[0], 389);
  ASSERT_EQ(hallScoreDigits(0, 1, digits, xs), 1);
  EXPECT_EQ(digits[0], 0);
}

TEST(HallOfFameScores, OnlyTheLowestFiveDigitsAreShown) {
  int digits[5], xs[5];
  ASSERT_EQ(hallScoreDigits(1234567, 0, digits, xs), 5);
  EXPECT_EQ(digits[0], 3);
  EXPECT_EQ(digits[4], 7);
  ASSERT_EQ(hallScoreDigits(100042, 0, digits, xs), 2);
  EXPECT_EQ(digits[0], 4);
  EXPECT_EQ(xs[0], 380);
}
