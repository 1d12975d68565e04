#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <vector>

#include "HeadlessGame.h"
#include "game/GameApp.h"
#include "game/Scenes.h"
#include "persistence/GameRecord.h"
#include "persistence/LoadScreen.h"
#include "persistence/SaveGameCodec.h"
#include "persistence/SaveScreen.h"
#include "platform/Clock.h"
#include "platform/InputSource.h"
#include "platform/KeyCodes.h"
#include "quests/QuestPanel.h"

namespace {

// The briefing, result, save and load screens of the real game, headless on the virtual clock, in
// an empty directory with an empty Saves folder.
class CampaignScreens : public HeadlessGame {
 protected:
  // A further frame after the release lets a one-frame scene it opened run and the mouse latch
  // clear for the next click.
  void click(int x, int y) { HeadlessGame::click(x, y, 2); }
  void solved(int quest, uint8_t hearts, uint8_t seconds) {
    game.questNumber = static_cast<uint8_t>(quest);
    game.lastHeartsLeft = hearts;
    game.lastTimeLeft = seconds;
  }
  void writeSlot(int slot, uint32_t score, uint8_t quest) {
    SavedGame saved;
    saved.score = score;
    saved.questNumber = quest;
    ASSERT_TRUE(writeSlotFile(slot, saved));
  }
  static void unmark(const char* path) {
    std::fstream file(path, std::ios::in | std::ios::out | std::ios::binary);
    file.seekp(4 + 1113);
    file.put(0);
  }
};

constexpr int kContinueX = 400, kContinueY = 530;
constexpr int kAcceptX = 380, kAcceptY = 460;
constexpr int kSlotX = 527;
constexpr int slotY(int slot) { return 210 + 84 * (slot - 1); }

}  // namespace

TEST_F(CampaignScreens, ResultCountsItsPointsOnceAndStepsOnceWhenEnterAndReleaseCoincide) {
  game.score = 100;
  solved(37, 3, 42);
  open(QuestResultScene);
  frames(3);
  EXPECT_EQ(game.questPanel->points, 72);
  EXPECT_EQ(game.score, 172u);
  EXPECT_EQ(game.questPanel->ordinal, 7);

  pointAt(kContinueX, kContinueY);
  input.state.buttons[0] = 0x80;
  frames(1);
  EXPECT_EQ(game.questPanel->continueFrame, 2);
  input.state.buttons[0] = 0;
  tap(kKeyEnter);  // the release and Enter in one frame
  EXPECT_EQ(game.currentScene, QuestBriefingScene);
  EXPECT_EQ(game.questNumber, 38);
  EXPECT_EQ(game.gemCount, 1);
  frames(1);
  EXPECT_EQ(game.questPanel->ordinal, 8);
  EXPECT_EQ(game.questPanel->gemsShown, 1);
  EXPECT_EQ(game.score, 172u);
}

TEST_F(CampaignScreens, TheLastResultOpensTheEndingInsteadOfABriefing) {
  game.gemCount = 9;
  solved(5, 5, 100);
  open(QuestResultScene);
  tap(kKeyEnter);
  EXPECT_EQ(game.currentScene, MissionScene);
  EXPECT_EQ(record().missionMode, 2);
  EXPECT_EQ(record().campaignFinished, 0);
  EXPECT_EQ(game.questNumber, 5);
  EXPECT_EQ(game.gemCount, 9);
  EXPECT_FALSE(game.questPanel);
}

TEST_F(CampaignScreens, BriefingAcceptsOnADragOffButNotOnBackspace) {
  game.questNumber = 31;
  open(QuestBriefingScene);
  EXPECT_EQ(game.questPanel->ordinal, 1);
  tap(kKeyBackspace);
  EXPECT_EQ(game.currentScene, QuestBriefingScene);
  EXPECT_TRUE(game.questPanel);

  pointAt(kAcceptX, kAcceptY);
  input.state.buttons[0] = 0x80;
  frames(3);  // held: the pressed frame shows, nothing happens yet
  EXPECT_EQ(game.currentScene, QuestBriefingScene);
  EXPECT_EQ(game.questPanel->acceptFrame, 2);
  pointAt(kAcceptX, kAcceptY - 100);  // dragged off while still held
  frames(1);
  input.state.buttons[0] = 0;
  EXPECT_EQ(game.currentScene, WorldScene4);
  EXPECT_FALSE(game.questPanel);
  EXPECT_EQ(game.questNumber, 31);
}

TEST_F(CampaignScreens, ABriefingWhoseQuestNamesNoWorldStaysOnScreen) {
  game.questNumber = 61;
  open(QuestBriefingScene);
  EXPECT_EQ(game.questPanel->ordinal, 61);
  tap(kKeyEnter);
  EXPECT_EQ(game.currentScene, QuestBriefingScene);
  frames(2);
  EXPECT_EQ(game.currentScene, QuestBriefingScene);
  EXPECT_TRUE(game.questPanel);
}

TEST_F(CampaignScreens, SaveBeforeTheMenuAsksFirstAndNoWritesNothing) {
  game.questNumber = 3;
  record().saveBeforeMenu = 1;
  record().transferState = 5;
  open(SaveScene);
  click(kSlotX, slotY(1));  // the table is not up: slots do nothing
  EXPECT_EQ(game.currentScene, SaveScene);
  click(440, 340);  // No
  EXPECT_EQ(game.currentScene, MainMenuScene);
  EXPECT_EQ(record().transferState, 0);
  EXPECT_EQ(record().saveBeforeMenu, 0);
  EXPECT_FALSE(std::filesystem::exists("Saves/1.sav"));
}

TEST_F(CampaignScreens, SaveBeforeTheMenuYesSavesShowsSavedForASecondThenLeaves) {
  game.questNumber = 3;
  game.score = 149;
  record().saveBeforeMenu = 1;
  open(SaveScene);
  EXPECT_EQ(game.saveScreen->currentOrdinal, 18);
  click(350, 340);  // Yes
  EXPECT_EQ(record().saveBeforeMenu, 2);
  click(kSlotX, slotY(3));
  EXPECT_TRUE(std::filesystem::exists("Saves/3.sav"));
  EXPECT_EQ(game.currentScene, SaveScene);
  EXPECT_EQ(game.saveScreen->savedSlot, 3);
  frames(40);  // well under a second
  EXPECT_EQ(game.currentScene, SaveScene);
  frames(40);
  EXPECT_EQ(game.currentScene, MainMenuScene);
  EXPECT_EQ(record().transferState, 0);
}

TEST_F(CampaignScreens, APlainSaveKeepsItsTableAndEscapeResumesTheQuest) {
  game.questNumber = 3;
  open(SaveScene);
  click(kSlotX, slotY(2));
  EXPECT_EQ(game.saveScreen->savedSlot, 2);
  frames(70);
  EXPECT_EQ(game.currentScene, SaveScene);
  EXPECT_EQ(game.saveScreen->savedSlot, 0);
  EXPECT_EQ(game.saveScreen->rows.exists[1], 1);
  EXPECT_EQ(game.saveScreen->rows.ordinal[1], 18);
  tap(kKeyEscape);
  EXPECT_EQ(game.currentScene, WorldScene1);
  EXPECT_EQ(record().transferState, 2);
  EXPECT_FALSE(game.saveScreen);
}

// The save screen shows any file it can read; the load screen offers only marked ones, yet still
// reads the values of an unmarked file.
TEST_F(CampaignScreens, OnlyTheLoadScreenHidesAnUnmarkedFile) {
  writeSlot(2, 1234, 3);
  writeSlot(4, 777, 37);
  unmark("Saves/4.sav");

  open(SaveScene);
  EXPECT_EQ(std::vector<int>(game.saveScreen->rows.exists, game.saveScreen->rows.exists + 5),
            std::vector<int>({0, 1, 0, 1, 0}));
  tap(kKeyEscape);

  open(LoadScene);
  const SlotRows& rows = game.loadScreen->rows;
  EXPECT_EQ(std::vector<int>(rows.exists, rows.exists + 5), std::vector<int>({0, 1, 0, 0, 0}));
  EXPECT_EQ(rows.score[3], 777u);
  EXPECT_EQ(rows.ordinal[3], 7);
  click(kSlotX, slotY(4));  // Empty: the press is taken, nothing happens
  EXPECT_EQ(game.currentScene, LoadScene);
  EXPECT_EQ(game.loadScreen->loadingSlot, 0);

  pointAt(kSlotX, slotY(2));
  input.state.buttons[0] = 0x80;
  frames(1);
  input.state.buttons[0] = 0;
  frames(1);
  EXPECT_EQ(game.currentScene, SaveLoaderScene);
  EXPECT_EQ(game.loadScreen->loadingSlot, 2);
  frames(1);
  EXPECT_EQ(game.currentScene, WorldScene1);
  EXPECT_EQ(game.score, 1234u);
  EXPECT_EQ(game.questNumber, 3);
  EXPECT_EQ(record().transferState, 2);
  EXPECT_FALSE(game.loadScreen);
}
