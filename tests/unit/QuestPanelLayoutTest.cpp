#include <gtest/gtest.h>

#include <vector>

#include "quests/PlayOrder.h"
#include "quests/QuestPanel.h"
#include "quests/QuestPanelLayout.h"
#include "quests/QuestPictures.h"

namespace {
std::vector<int> xsOf(const DigitRow& row) { return {row.xs, row.xs + row.count}; }
std::vector<int> digitsOf(const DigitRow& row) { return {row.digits, row.digits + row.count}; }
using V = std::vector<int>;
}  // namespace

TEST(QuestPanelLayout, OrdinalDigitsAreSpacedByHand) {
  EXPECT_EQ(xsOf(ordinalDigits(1, 330)), V({357}));
  EXPECT_EQ(xsOf(ordinalDigits(10, 330)), V({330, 370}));
  EXPECT_EQ(xsOf(ordinalDigits(11, 330)), V({333, 373}));
  EXPECT_EQ(xsOf(ordinalDigits(20, 330)), V({331, 380}));
  const DigitRow ordinal37 = ordinalDigits(37, 330);
  EXPECT_EQ(xsOf(ordinal37), V({333, 380}));
  EXPECT_EQ(digitsOf(ordinal37), V({3, 7}));
  EXPECT_EQ(xsOf(ordinalDigits(100, 330)), V({352, 369, 388}));
}

// A row holds five digits; longer numbers must not spill into the positions beside them.
TEST(QuestPanelLayout, LongNumbersStayInsideTheirRow) {
  DigitRow row;
  for (int& x : row.xs) x = -7;
  splitDigits(4000000123u, row);
  EXPECT_EQ(digitsOf(row), V({0, 0, 1, 2, 3}));
  EXPECT_EQ(V(row.xs, row.xs + DigitRow::kMostDigits), V({-7, -7, -7, -7, -7}));
  const DigitRow ordinal = ordinalDigits(1234567, 330);
  EXPECT_EQ(digitsOf(ordinal), V({3, 4, 5}));
  EXPECT_EQ(xsOf(ordinal), V({352, 369, 388}));
  EXPECT_EQ(ordinalDigits(4321, 330).count, 3);
}

TEST(QuestPanelLayout, ScoreShowsItsLowestFiveDigitsCentred) {
  const DigitRow zero = scoreDigits(0);
  EXPECT_EQ(digitsOf(zero), V({0}));
  EXPECT_EQ(xsOf(zero), V({373}));
  EXPECT_EQ(xsOf(scoreDigits(72)), V({363, 382}));
  EXPECT_EQ(xsOf(scoreDigits(1000)), V({350, 369, 388, 407}));
  const DigitRow big = scoreDigits(123456);
  EXPECT_EQ(digitsOf(big), V({2, 3, 4, 5, 6}));
  EXPECT_EQ(xsOf(big), V({339, 358, 377, 396, 415}));
  EXPECT_EQ(digitsOf(scoreDigits(100007)), V({7}));
}

TEST(QuestPanelLayout, SecondsAndPointsShareTheirPlaces) {
  EXPECT_EQ(xsOf(resultDigits(7, 333)), V({376}));
  const DigitRow seconds = resultDigits(42, 333);
  EXPECT_EQ(digitsOf(seconds), V({4, 2}));
  EXPECT_EQ(xsOf(seconds), V({366, 383}));
  EXPECT_EQ(xsOf(resultDigits(200, 333)), V({355, 372, 391}));
  EXPECT_EQ(digitsOf(resultDigits(0, 333)), V({0}));
}

TEST(QuestPanelLayout, HeartsAreCentredAndOnlyOneToFiveAreDrawn) {
  int xs[5];
  ASSERT_EQ(heartPositions(1, xs), 1);
  EXPECT_EQ(xs[0], 370);
  ASSERT_EQ(heartPositions(2, xs), 2);
  EXPECT_EQ(V(xs, xs + 2), V({355, 385}));
  ASSERT_EQ(heartPositions(5, xs), 5);
  EXPECT_EQ(V(xs, xs + 5), V({310, 340, 370, 400, 430}));
  EXPECT_EQ(heartPositions(0, xs), 0);
  EXPECT_EQ(heartPositions(6, xs), 0);
}

TEST(QuestPanelLayout, PointsAreTenPerHeartPlusSecondsInOneByte) {
  EXPECT_EQ(questPoints(3, 42), 72);
  EXPECT_EQ(questPoints(0, 42), 42);
  EXPECT_EQ(questPoints(5, 150), 200);
  EXPECT_EQ(questPoints(11, 150), 4);  // 260 wraps
}

TEST(QuestPanelLayout, GemsShimmerUpAndDownRestingAtEachEnd) {
  uint8_t frame = 0, rising = 0;  // as a new panel starts
  std::vector<int> frames = {frame};
  for (int step = 0; step < 10; ++step) {
    stepGemFrame(frame, rising);
    frames.push_back(frame);
  }
  EXPECT_EQ(frames, V({0, 0, 1, 2, 3, 3, 2, 1, 0, 0, 1}));
}

TEST(QuestPanelLayout, EveryCampaignQuestHasAPictureAndAnOrdinalToShow) {
  for (int quest = kFirstQuest, steps = 0; quest && steps < kCampaignLength; quest = nextQuest(quest), ++steps) {
    EXPECT_NE(questPicture(quest), nullptr) << quest;
    EXPECT_EQ(shownOrdinal(quest), questOrdinal(quest));
  }
  EXPECT_EQ(questPicture(26), nullptr);
  EXPECT_EQ(questPicture(61), nullptr);
  EXPECT_EQ(shownOrdinal(27), 27);  // outside the order the quest number stands in
}
