#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <vector>

#include "HeadlessGame.h"
#include "game/GameApp.h"
#include "game/InformationScreen.h"
#include "game/Scenes.h"
#include "persistence/GameRecord.h"
#include "persistence/MissionScreen.h"
#include "persistence/NameEntryScreen.h"
#include "platform/Clock.h"
#include "platform/InputSource.h"
#include "platform/KeyCodes.h"

namespace {

// The help, name entry and mission screens of the real game, headless on the virtual clock, in an
// empty directory with an empty Saves folder.
class FrontEndScreens : public HeadlessGame {
 protected:
  static std::vector<int> codes(const uint8_t* name) { return std::vector<int>(name, name + kNameSlots); }
  static std::vector<int> padded(std::vector<int> head) {
    head.resize(kNameSlots, 0);
    return head;
  }
};

constexpr int kClearX = 150, kClearY = 420;

}  // namespace

TEST_F(FrontEndScreens, InformationArrowsHoverAndPressOnDifferentRectangles) {
  open(InformationScene);
  InformationScreen& info = *game.informationScreen;
  // Left of the left arrow's picture: not highlighted, yet a press turns the page back.
  pointAt(12, 30);
  frames(1);
  EXPECT_EQ(info.frames[InformationScreen::kPrevious - 1], 0);
  click(12, 30);
  EXPECT_EQ(info.page, 3);
  // At its right edge: highlighted, but a press does nothing.
  pointAt(44, 30);
  frames(1);
  EXPECT_EQ(info.frames[InformationScreen::kPrevious - 1], 1);
  click(44, 30);
  EXPECT_EQ(info.page, 3);
  click(80, 30);  // next page wraps from the last to the first
  EXPECT_EQ(info.page, 0);
}

TEST_F(FrontEndScreens, InformationOpenedFromAWorldReturnsToItWithTheQuestRestored) {
  game.questNumber = 31;
  record().worldReturn = 2;
  open(InformationScene);
  tap(kKeyEscape);
  EXPECT_EQ(game.currentScene, worldSceneOfQuest(31));
  EXPECT_EQ(record().worldReturn, 0);
  EXPECT_EQ(record().transferState, 2);
  EXPECT_FALSE(game.informationScreen);

  // Opened from the menu, Backspace goes back to the menu and restores nothing.
  record().transferState = 0;
  open(InformationScene);
  tap(kKeyBackspace);
  EXPECT_EQ(game.currentScene, MainMenuScene);
  EXPECT_EQ(record().transferState, 0);
}

TEST_F(FrontEndScreens, NameEntryTakesOneEditPerFrameAndClearActsOnThePress) {
  open(NameEntryScene);
  NameEntryScreen& entry = *game.nameEntryScreen;
  tap(kKeyA);
  input.state.keys[kKeyLeftShift] = 0x80;
  tap(kKeyJ);
  input.state.keys[kKeyLeftShift] = 0;
  EXPECT_EQ(codes(entry.name), padded({2, 45, 1}));

  // Clear pressed with a letter in the same frame: the line empties and the letter is used up.
  pointAt(kClearX, kClearY);
  input.state.buttons[0] = 0x80;
  input.state.keys[kKeyB] = 0x80;
  frames(1);
  EXPECT_EQ(codes(entry.name), padded({1}));
  input.state.buttons[0] = 0;
  frames(2);
  input.state.keys[kKeyB] = 0;
  frames(1);
  EXPECT_EQ(codes(entry.name), padded({1}));

  tap(kKeyPad0);  // delete on an empty line
  EXPECT_EQ(codes(entry.name), padded({1}));
}

TEST_F(FrontEndScreens, NameEntryEscapeKeepsTheOldNameAndEnterStoresEvenAnEmptyOne) {
  std::memset(record().playerName, 7, kNameSlots);
  record().missionMode = 0;
  open(NameEntryScene);
  tap(kKeyZ);
  tap(kKeyEscape);
  EXPECT_EQ(game.currentScene, MainMenuScene);
  EXPECT_EQ(record().missionMode, 1);
  EXPECT_EQ(record().playerName[0], 7);

  open(NameEntryScene);
  tap(kKeyEnter);
  EXPECT_EQ(game.currentScene, MissionScene);
  EXPECT_EQ(codes(record().playerName), padded({1}));
  EXPECT_EQ(record().missionMode, 1);
}

TEST_F(FrontEndScreens, MissionClickAnywhereLeavesOnlyBeforeContinueShows) {
  record().missionMode = 1;
  open(MissionScene);
  ASSERT_EQ(game.missionScreen->page, 1);
  click(20, 20);
  EXPECT_EQ(game.currentScene, QuestBriefingScene);
  EXPECT_EQ(game.questNumber, 31);

  record().missionMode = 1;
  open(MissionScene);
  game.missionScreen->continueShown = 1;
  click(20, 20);
  EXPECT_EQ(game.currentScene, MissionScene);
  ASSERT_TRUE(game.missionScreen);
  click(400, 431);  // Continue answers from y 430, also on the first page
  EXPECT_EQ(game.currentScene, QuestBriefingScene);
}

TEST_F(FrontEndScreens, TheEndingEntersTheScoreAndWritesTheFileOnceOnItsFirstFrame) {
  for (int i = 0; i < kHallEntries; ++i) {
    record().hallUsed[i] = 1;
    record().hallScore[i] = 9000 - 1000 * i;
  }
  record().madeHallOfFame = 0;
  game.score = 1200;  // no place in a full table
  record().missionMode = 2;
  open(MissionScene);
  EXPECT_FALSE(std::filesystem::exists(kHallOfFameFile));
  tap(kKeyEnter);
  EXPECT_EQ(record().missionMode, 3);
  EXPECT_EQ(game.currentScene, MissionScene);

  frames(1);
  ASSERT_EQ(game.missionScreen->page, 3);
  EXPECT_EQ(record().candidateScore, 1200u);
  EXPECT_EQ(std::filesystem::file_size(kHallOfFameFile), 129u);
  EXPECT_EQ(record().madeHallOfFame, 0);
  EXPECT_EQ(record().hallScore[4], 5000u);
  std::filesystem::remove(kHallOfFameFile);
  frames(5);
  EXPECT_FALSE(std::filesystem::exists(kHallOfFameFile));

  tap(kKeyEscape);
  EXPECT_EQ(game.currentScene, HallOfFameScene);
  EXPECT_EQ(record().missionMode, 0);
}
