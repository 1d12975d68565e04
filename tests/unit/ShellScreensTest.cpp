#include <gtest/gtest.h>

#include <vector>

#include "HeadlessGame.h"
#include "game/MainMenuScreen.h"
#include "game/Panels.h"
#include "game/TitleScreen.h"
#include "platform/KeyCodes.h"

namespace {

// The title, the main menu, the credits and the quit dialog of the real game, headless on the
// virtual clock (16 ms a frame).
class ShellScreens : public HeadlessGame {
 protected:
  // Runs frames until the scene changes, at most `limit`; returns how many ran.
  int framesUntilLeaving(SceneRoutine scene, int limit) {
    int n = 0;
    while (game.currentScene == scene && n < limit) {
      frames(1);
      ++n;
    }
    return n;
  }
  // Frames run until the title has measured the machine, counted from the boot scene's first.
  int framesUntilMeasured() {
    int n = 1 + 22;  // the fixture's first frame and the input above
    while (game.sceneChange == 0 && n < 200) {
      frames(1);
      ++n;
    }
    return n;
  }
  void holdButton(bool down) { input.state.buttons[0] = down ? 0x80 : 0; }
};

constexpr int kHallOfFameX = 600, kHallOfFameY = 270;
constexpr int kCreditsX = 600, kCreditsY = 450;
constexpr int kNoX = 420, kNoY = 310;
constexpr int kYesX = 340, kYesY = 310;

}  // namespace

TEST_F(ShellScreens, TitleIgnoresInputUntilFiftyFramesAreMeasuredAndKeepsTheLowByteOfTheSum) {
  // Enter and a click during the measurement are not even read.
  for (int i = 0; i < 20; ++i) tap(kKeyEnter);
  click(400, 300);
  EXPECT_EQ(game.currentScene, BootScene);
  EXPECT_EQ(game.sceneChange, 0);

  // Fifty frames of 16 ms sum to about 400 halves: more than a byte holds, so only the low 8 bits
  // are kept.
  // The first frame has no frame time yet, so the fiftieth measurement comes on the 51st frame.
  EXPECT_EQ(framesUntilMeasured(), 51);
  const int sum = static_cast<int>(game.pacers[0]->reference);
  EXPECT_GT(sum, 255);
  EXPECT_EQ(record().machineSpeed, sum & 0xFF);
  EXPECT_EQ(game.titleScreen->rolling, 1);

  // The ball rolls once its pacers exist.
  const int ballStart = game.titleScreen->ballX;
  frames(10);
  EXPECT_LT(game.titleScreen->ballX, ballStart);

  StepPacer* measuring = game.pacers[0].get();
  tap(kKeyEnter);
  EXPECT_EQ(game.currentScene, MainMenuScene);
  EXPECT_FALSE(game.titleScreen);
  // The pacers outlive the title: the menu goes on with the measuring one.
  EXPECT_EQ(game.pacers[0].get(), measuring);
  frames(1);
  EXPECT_EQ(game.pacers[0].get(), measuring);
  EXPECT_TRUE(game.mainMenuScreen);
}

TEST_F(ShellScreens, TitleLeavesForTheMenuByItselfAfterEightSeconds) {
  // The scene clock started on the boot scene's first frame, at virtual time 0.
  framesUntilLeaving(BootScene, 1000);
  EXPECT_EQ(game.currentScene, MainMenuScene);
  // The clock was read one frame before the present that moved it on.
  const uint32_t leftAfter = timeGetTime() - 16 - game.sceneStartMs;
  EXPECT_GE(leftAfter, 8000u);
  EXPECT_LT(leftAfter, 8016u);
}

TEST_F(ShellScreens, EscapeOnTheTitleAsksToQuitAndNoMakesAFreshMenu) {
  frames(60);
  tap(kKeyEscape);
  EXPECT_EQ(game.currentScene, QuitScene);
  EXPECT_FALSE(game.titleScreen);
  frames(1);
  ASSERT_TRUE(game.quitDialog);
  EXPECT_FALSE(game.mainMenuScreen);

  click(kNoX, kNoY);
  EXPECT_EQ(game.currentScene, MainMenuScene);
  EXPECT_FALSE(game.quitDialog);
  frames(1);
  ASSERT_TRUE(game.mainMenuScreen);
  EXPECT_EQ(game.mainMenuScreen->letterCount, 1);
}

TEST_F(ShellScreens, EachCometStartsInTheFrameTheOneBeforeItPassesItsLine) {
  open(MainMenuScene);
  MainMenuScreen& menu = *game.mainMenuScreen;
  for (int n = 0; menu.cometY[0] <= 620 && n < 5000; ++n) frames(1);
  EXPECT_GT(menu.cometY[1], -100);
  EXPECT_LT(menu.cometX[1], 580);
  EXPECT_EQ(menu.cometY[2], -180);

  // Comet 4 waits for comet 3 to pass a line of its own, 610 rather than 620.
  for (int n = 0; menu.cometY[3] <= 610 && n < 5000; ++n) frames(1);
  ASSERT_GT(menu.cometY[3], 610);
  EXPECT_GT(menu.cometY[4], -180);
}

TEST_F(ShellScreens, SunPulseIsSixEvenStepsAndReturnsToWhereItStarted) {
  open(MainMenuScene);
  MainMenuScreen& menu = *game.mainMenuScreen;
  std::vector<int> xs;
  std::vector<uint32_t> at;
  int lastX = menu.sunX;
  for (int n = 0; xs.size() < 13 && n < 2000; ++n) {
    frames(1);
    if (menu.sunX != lastX) {
      lastX = menu.sunX;
      xs.push_back(lastX);
      at.push_back(timeGetTime());
    }
  }
  EXPECT_EQ(xs, (std::vector<int>{99, 98, 97, 98, 99, 100, 99, 98, 97, 98, 99, 100, 99}));
  EXPECT_EQ(menu.sunY, 179);
  // Phase 1 only starts the next interval: the step after the sun is back is no later than any other.
  for (size_t i = 1; i < at.size(); ++i) EXPECT_EQ(at[i] - at[i - 1], at[1] - at[0]) << "step " << i;
}

TEST_F(ShellScreens, CreditsOpenOverTheMenuWhichResumesWhereItWas) {
  open(MainMenuScene);
  frames(150);
  MainMenuScreen* menu = game.mainMenuScreen.get();
  click(kCreditsX, kCreditsY);
  EXPECT_EQ(game.currentScene, CreditsScene);
  const int cometY = menu->cometY[0];
  const int pillarY = menu->pillar1Y;
  frames(20);
  EXPECT_EQ(game.mainMenuScreen.get(), menu);
  EXPECT_EQ(menu->cometY[0], cometY);

  // Escape here goes back to the menu, not to the quit dialog.
  tap(kKeyEscape);
  EXPECT_EQ(game.currentScene, MainMenuScene);
  EXPECT_FALSE(game.creditsScreen);
  frames(2);
  EXPECT_EQ(game.currentScene, MainMenuScene);
  EXPECT_EQ(game.mainMenuScreen.get(), menu);
  EXPECT_GT(menu->cometY[0], cometY);
  EXPECT_LT(menu->pillar1Y, pillarY);
}

TEST_F(ShellScreens, MenuButtonsActOnReleaseOrWhenThePointerSlidesOff) {
  open(MainMenuScene);
  MainMenuScreen* menu = game.mainMenuScreen.get();

  // Held down on empty space and moved onto a button: that presses it; it acts on release.
  pointAt(100, 100);
  holdButton(true);
  frames(2);
  pointAt(kHallOfFameX, kHallOfFameY);
  frames(2);
  EXPECT_EQ(menu->buttonFrame[MainMenuScreen::kHallOfFame - 1], 2);
  EXPECT_EQ(game.currentScene, MainMenuScene);
  holdButton(false);
  frames(1);
  EXPECT_EQ(game.currentScene, HallOfFameScene);
  // Opened over the menu, which stays.
  EXPECT_EQ(game.mainMenuScreen.get(), menu);

  // Pressed and dragged off while still held: it acts at once.
  game.currentScene = MainMenuScene;
  frames(1);
  pointAt(kCreditsX, kCreditsY);
  holdButton(true);
  frames(1);
  pointAt(kCreditsX, kCreditsY + 40);
  frames(1);
  EXPECT_EQ(game.currentScene, CreditsScene);
  holdButton(false);
}

TEST_F(ShellScreens, StartNewGameAndEscapeFreeTheMenuAndItsPacers) {
  game.score = 500;
  game.gemCount = 4;
  open(MainMenuScene);
  click(600, 210);
  EXPECT_EQ(game.currentScene, NameEntryScene);
  EXPECT_EQ(game.score, 0u);
  EXPECT_EQ(game.gemCount, 0);
  EXPECT_FALSE(game.mainMenuScreen);
  for (auto& p : game.pacers) EXPECT_FALSE(p);

  open(MainMenuScene);
  frames(5);
  tap(kKeyEscape);
  EXPECT_EQ(game.currentScene, QuitScene);
  EXPECT_FALSE(game.mainMenuScreen);
  frames(1);
  EXPECT_EQ(game.sceneSeconds, 0u);  // the dialog starts with a fresh scene clock
}

TEST_F(ShellScreens, QuitDialogEnterQuitsEvenOverNoAndYesSlidOffStillQuits) {
  open(QuitScene);
  pointAt(kNoX, kNoY);
  frames(1);
  EXPECT_EQ(game.quitDialog->frames[QuitDialog::kNo - 1], 1);
  tap(kKeyEnter);
  EXPECT_TRUE(game.quitRequested());
}

TEST_F(ShellScreens, QuitDialogYesPressedAndSlidOffActsAtOnce) {
  open(QuitScene);
  pointAt(kYesX, kYesY);
  holdButton(true);
  frames(1);
  EXPECT_FALSE(game.quitRequested());
  pointAt(kYesX + 40, kYesY + 60);
  frames(1);
  EXPECT_TRUE(game.quitRequested());
  holdButton(false);
}

TEST_F(ShellScreens, QuitDialogFromAWorldGoesStraightBackWithTheQuestRestored) {
  game.questNumber = 31;
  record().worldReturn = 3;
  record().transferState = 1;
  game.restartMusic = 1;
  game.music.lastRequest = {};
  open(QuitScene);
  // The world's music gives way to the title music while the dialog shows.
  EXPECT_EQ(game.music.lastRequest.file, kTitleMusic);
  EXPECT_EQ(game.music.lastRequest.volume, 60);
  EXPECT_EQ(game.music.lastRequest.plays, 0);
  EXPECT_EQ(game.restartMusic, 0);

  tap(kKeyBackspace);
  EXPECT_EQ(game.currentScene, worldSceneOfQuest(31));
  EXPECT_EQ(record().worldReturn, 0);
  EXPECT_EQ(record().transferState, 2);
  EXPECT_FALSE(game.quitDialog);
  EXPECT_FALSE(game.mainMenuScreen);
  EXPECT_FALSE(game.quitRequested());
}
