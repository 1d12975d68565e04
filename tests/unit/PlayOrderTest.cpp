#include <gtest/gtest.h>

#include <set>

#include "game/GameApp.h"
#include "persistence/GameRecord.h"
#include "quests/Campaign.h"
#include "quests/PlayOrder.h"

namespace {
const std::set<int> kGemQuests = {37, 54, 1, 13, 57, 14, 60, 45, 25};

class CampaignTest : public ::testing::Test {
 protected:
  void SetUp() override { game.gameRecord = std::make_unique<GameRecord>(); }
  // Accepts the result of `quest` and returns the quest briefed next.
  int accept(int quest) {
    game.questNumber = static_cast<uint8_t>(quest);
    advanceQuest(game);
    return game.questNumber;
  }
  GameApp game;
};
}  // namespace

TEST(PlayOrder, OrdinalsArePlacesInTheOrderNotQuestNumbers) {
  EXPECT_EQ(questOrdinal(kFirstQuest), 1);
  EXPECT_EQ(questOrdinal(37), 7);
  EXPECT_EQ(questOrdinal(20), 11);
  EXPECT_EQ(questOrdinal(1), 16);
  EXPECT_EQ(questOrdinal(25), 49);
  EXPECT_EQ(questOrdinal(kLastQuest), kCampaignLength);
  for (const int unreached : {0, 26, 30, 46, 50, 61, 255}) EXPECT_EQ(questOrdinal(unreached), 0) << unreached;
}

TEST(PlayOrder, WorldsAreChosenByTens) {
  EXPECT_EQ(worldOfQuest(0), 1);
  EXPECT_EQ(worldOfQuest(10), 1);
  EXPECT_EQ(worldOfQuest(11), 2);
  EXPECT_EQ(worldOfQuest(20), 2);
  EXPECT_EQ(worldOfQuest(21), 3);
  EXPECT_EQ(worldOfQuest(30), 3);  // never played, but still world 3
  EXPECT_EQ(worldOfQuest(31), 4);
  EXPECT_EQ(worldOfQuest(50), 5);
  EXPECT_EQ(worldOfQuest(60), 6);
  EXPECT_EQ(worldOfQuest(61), 0);
  EXPECT_EQ(worldOfQuest(255), 0);
}

TEST(PlayOrder, ExactlyTheNineGemQuestsAwardAGem) {
  for (int quest = 0; quest <= 255; ++quest) EXPECT_EQ(questAwardsGem(quest), kGemQuests.count(quest) == 1) << quest;
}

TEST_F(CampaignTest, GemsAreAddedWhenTheirResultIsAccepted) {
  EXPECT_EQ(accept(37), 38);
  EXPECT_EQ(game.gemCount, 1);
  EXPECT_EQ(questOrdinal(38), 8);
  EXPECT_EQ(accept(38), 39);
  EXPECT_EQ(game.gemCount, 1);
  // Quests 54 and 1 follow each other and both award one.
  EXPECT_EQ(accept(54), 1);
  EXPECT_EQ(accept(1), 2);
  EXPECT_EQ(game.gemCount, 3);
}

TEST_F(CampaignTest, TheLastQuestEndsTheCampaignAndStays) {
  game.gemCount = 8;
  EXPECT_EQ(accept(25), kLastQuest);
  EXPECT_EQ(game.gemCount, 9);
  EXPECT_FALSE(game.gameRecord->campaignFinished);
  EXPECT_EQ(accept(kLastQuest), kLastQuest);
  EXPECT_EQ(game.gemCount, 9);
  EXPECT_TRUE(game.gameRecord->campaignFinished);
}

TEST_F(CampaignTest, WalkingTheWholeOrderVisitsFiftyQuestsAndWinsNineGems) {
  game.questNumber = kFirstQuest;
  std::set<int> visited;
  for (int step = 0; step < 2 * kCampaignLength && !game.gameRecord->campaignFinished; ++step) {
    const int quest = game.questNumber;
    EXPECT_EQ(questOrdinal(quest), step + 1);
    EXPECT_NE(worldOfQuest(quest), 0);
    visited.insert(quest);
    advanceQuest(game);
  }
  EXPECT_TRUE(game.gameRecord->campaignFinished);
  EXPECT_EQ(visited.size(), static_cast<size_t>(kCampaignLength));
  EXPECT_EQ(game.questNumber, kLastQuest);
  EXPECT_EQ(game.gemCount, 9);
  EXPECT_EQ(nextQuest(kLastQuest), 0);
}

TEST_F(CampaignTest, AQuestOutsideTheOrderIsBriefedAgain) {
  EXPECT_EQ(accept(27), 27);
  EXPECT_EQ(accept(61), 61);
  EXPECT_EQ(game.gemCount, 0);
  EXPECT_FALSE(game.gameRecord->campaignFinished);
}
