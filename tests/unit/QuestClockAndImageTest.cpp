#include <gtest/gtest.h>

#include "game/GameApp.h"
#include "platform/Clock.h"
#include "world/Dude.h"
#include "world/QuestClock.h"
#include "world/QuestImage.h"
#include "world/QuestScenery.h"
#include "world/WorldState.h"

namespace {
// Runs the clock step of `frames` frames of 100 virtual milliseconds.
void runFrames(GameApp& game, int frames) {
  for (int i = 0; i < frames; ++i) {
    questclock::run(game);
    advanceVirtualClock();
  }
}

class QuestClockTest : public ::testing::Test {
 protected:
  void SetUp() override { useVirtualClock(100); }
  void TearDown() override { useRealClock(); }
  GameApp game;
};
}  // namespace

TEST_F(QuestClockTest, CountsOnlyWhileRunning) {
  game.sceneClockRestart = 1;
  runFrames(game, 50);
  EXPECT_EQ(game.sceneSeconds, 0u);  // no arrow key yet
  game.questTimerRunning = 1;
  runFrames(game, 31);
  EXPECT_EQ(game.sceneSeconds, 3u);
  questclock::pause(game);  // the menu opens
  runFrames(game, 200);     // twenty seconds with the menu up
  EXPECT_EQ(game.sceneSeconds, 3u);
  game.questTimerRunning = 1;
  runFrames(game, 11);
  EXPECT_EQ(game.sceneSeconds, 4u);
  EXPECT_EQ(game.questTimerTotal, 4000u);
}

TEST_F(QuestClockTest, StopsAtTheTimeLimit) {
  game.questTimerRunning = 1;
  runFrames(game, 1600);
  EXPECT_EQ(game.sceneSeconds, 150u);
}

namespace {
struct Quest {
  GameApp game;
  Dude dude;
  QuestScenery scenery;
  WorldState world;
  LiveQuest live(bool signBytes) { return {dude, scenery, world, game, signBytes, false}; }
};
}  // namespace

TEST(QuestImage, NegativePositionsComeBackInWorldsOneAndTwo) {
  Quest before;
  before.world.rockY[0] = -40;
  before.world.ballX = -12;
  before.dude.y = 300;
  QuestImage image;
  captureQuest(before.live(true), image);
  EXPECT_EQ(image.rockY[0], 40);
  EXPECT_EQ(image.rockYSign[0], 1);
  Quest after;
  restoreQuest(after.live(true), image);
  EXPECT_EQ(after.world.rockY[0], -40);
  EXPECT_EQ(after.world.ballX, -12);
  EXPECT_EQ(after.dude.y, 300);
  EXPECT_EQ(image.rockYSign[0], 0);  // restoring clears the sign byte
}

TEST(QuestImage, LaterWorldsKeepNegativeValuesAndIgnoreSignBytes) {
  Quest before;
  before.world.rockY[2] = -40;
  QuestImage image;
  image.rockYSign[2] = 1;  // left over; worlds 3 to 6 never look at it
  captureQuest(before.live(false), image);
  EXPECT_EQ(image.rockY[2], -40);
  Quest after;
  restoreQuest(after.live(false), image);
  EXPECT_EQ(after.world.rockY[2], -40);
  EXPECT_EQ(image.rockYSign[2], 1);
}

TEST(QuestImage, ScalesComeBackWholeOrGone) {
  Quest before;
  before.world.blockScaleX[0] = 0.5f;  // half vanished
  before.world.blockVanishing[0] = 1;
  before.world.blockScaleX[1] = 0.05f;
  before.world.doorScaleX[0] = 0.6f;
  before.world.doorScaleX[1] = 0.05f;
  QuestImage image;
  captureQuest(before.live(true), image);
  Quest after;
  after.world.doorScaleX[0] = 1.4f;  // what the setup gave
  after.world.doorScaleX[1] = 1.4f;
  restoreQuest(after.live(true), image);
  EXPECT_FLOAT_EQ(after.world.blockScaleX[0], 1.1f);
  EXPECT_EQ(after.world.blockVanishing[0], 1);  // and it goes on vanishing
  EXPECT_FLOAT_EQ(after.world.blockScaleX[1], 0.0f);
  EXPECT_FLOAT_EQ(after.world.doorScaleX[0], 1.4f);
  EXPECT_FLOAT_EQ(after.world.doorScaleX[1], 0.0f);
}

TEST(QuestImage, TheClockAndTheDudeTravelWithTheImage) {
  Quest before;
  before.game.questTimerCarried = 12345;
  before.game.sceneSeconds = 12;
  before.dude.x = 321;
  before.dude.hearts = 3;
  before.dude.menuState = Dude::kMenuOpen;
  before.world.coinsHeld = 4;
  before.world.ledge[5].active = 1;
  QuestImage image;
  captureQuest(before.live(true), image);
  Quest after;
  after.game.questTimerRunning = 1;
  restoreQuest(after.live(true), image);
  EXPECT_EQ(after.game.questTimerCarried, 12345u);
  EXPECT_EQ(after.game.sceneSeconds, 12u);
  EXPECT_EQ(after.game.questTimerRunning, 0);
  EXPECT_EQ(after.dude.x, 321);
  EXPECT_EQ(after.dude.hearts, 3);
  EXPECT_EQ(after.dude.menuState, Dude::kMenuOpen);
  EXPECT_EQ(after.world.coinsHeld, 4);
  EXPECT_EQ(after.world.ledge[5].active, 1);
}

TEST(QuestImage, GatesComeBackAsTheyWereLeft) {
  // Quest 2's drawbridge starts at 0 and comes down to its open scale when the horn is taken.
  Quest before;
  before.scenery.gateScale = QuestScenery::kGateOpenScale;
  QuestImage image;
  captureQuest(before.live(true), image);
  Quest after;  // set up afresh: the bridge is up
  restoreQuest(after.live(true), image);
  EXPECT_FLOAT_EQ(after.scenery.gateScale, QuestScenery::kGateOpenScale);
  // A bridge not yet lowered stays up.
  before.scenery.gateScale = 0;
  captureQuest(before.live(true), image);
  Quest untouched;
  restoreQuest(untouched.live(true), image);
  EXPECT_FLOAT_EQ(untouched.scenery.gateScale, 0.0f);
  // A gate that stands from the start (quest 4's) keeps the setup's scale, or is gone.
  Quest standing;
  standing.scenery.gateScale = 2.0f;
  standing.scenery.gateClosing = 1;
  captureQuest(standing.live(true), image);
  Quest standingAfter;
  standingAfter.scenery.gateScale = 2.0f;
  restoreQuest(standingAfter.live(true), image);
  EXPECT_FLOAT_EQ(standingAfter.scenery.gateScale, 2.0f);
  standing.scenery.gateScale = 0;
  captureQuest(standing.live(true), image);
  Quest goneAfter;
  goneAfter.scenery.gateScale = 2.0f;
  restoreQuest(goneAfter.live(true), image);
  EXPECT_FLOAT_EQ(goneAfter.scenery.gateScale, 0.0f);
}

TEST(QuestImage, ALoadedClockSurvivesAPauseBeforeTheFirstStep) {
  // A loaded game comes back with its counted time; the information button or the menu pauses the
  // clock again before any arrow key.
  Quest before;
  before.game.questTimerCarried = 36000;
  QuestImage image;
  captureQuest(before.live(true), image);
  Quest after;
  restoreQuest(after.live(true), image);
  questclock::pause(after.game);
  after.game.questTimerCarry = 1;  // as a pause of a running clock would leave it
  questclock::run(after.game);
  EXPECT_EQ(after.game.questTimerCarried, 36000u);
}
