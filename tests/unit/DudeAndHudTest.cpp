#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "HeadlessGame.h"
#include "game/GameApp.h"
#include "game/Scenes.h"
#include "persistence/GameRecord.h"
#include "platform/Clock.h"
#include "platform/Input.h"
#include "platform/InputSource.h"
#include "platform/KeyCodes.h"
#include "world/Dude.h"
#include "world/Hud.h"
#include "world/InGameMenu.h"
#include "world/QuestClock.h"
#include "world/WorldState.h"

namespace {

void place(Dude& d, int x, int y) {
  d.x = d.nextX = x;
  d.y = d.nextY = y;
  d.wallUpCount = d.wallDownCount = d.wallLeftCount = d.wallRightCount = 0;
}

// Makes a timer fire on its next call.
void expire(TimerPair& t) {
  t.state = 2;
  t.startMs = timeGetTime() - 100000;
}

struct Mouse {
  ScriptedInput source;
  InputSystem system;
  InputDevice device;
  Mouse() {
    system.Create(&source);
    device.Create(&system, kMouse, 1);
  }
  InputDevice& down(int button) {
    source.state.buttons[button] = 0x80;
    device.Poll();
    return device;
  }
};

}  // namespace

TEST(DudeIdle, BreathesUpAndDownAndLeavesAWalkFrameAtSeven) {
  Dude d;
  d.frame = 14;  // the last walking frame
  std::vector<int> frames;
  for (int i = 0; i < 17; ++i) {
    expire(d.idleTimer);
    d.animateIdle();
    frames.push_back(d.frame);
  }
  // From a walk frame the figure starts at the top of its breath; at 0 it jumps back to 1.
  EXPECT_EQ(frames, (std::vector<int>{7, 6, 5, 4, 3, 2, 1, 0, 1, 2, 3, 4, 5, 6, 7, 7, 6}));

  d.direction = Dude::kLeft;  // walking: no breathing
  expire(d.idleTimer);
  d.animateIdle();
  EXPECT_EQ(d.frame, 6);
}

TEST(DudeMoves, FieldEdgesAndWallEdgesAreExact) {
  Dude d;
  place(d, 10, 10);
  d.nextX = 0;
  d.nextY = 0;
  d.clampToField();
  EXPECT_EQ(d.nextX, 0);
  EXPECT_EQ(d.nextY, 0);
  d.nextX = 771;  // right edge on 800
  d.nextY = 449;  // bottom edge on 500
  d.clampToField();
  EXPECT_EQ(d.nextX, 771);
  EXPECT_EQ(d.nextY, 449);

  // A down wall lets the feet reach its line, not cross it.
  place(d, 100, 240);
  d.wallDown[0] = {90, 200, 300};
  d.wallDownCount = 1;
  d.nextY = 249;  // 249 + 51 = 300
  d.applyWalls();
  EXPECT_EQ(d.y, 249);
  d.nextY = 251;
  d.applyWalls();
  EXPECT_EQ(d.y, 249);
  // Only a figure that overlaps the wall's x range is stopped (strict on both ends).
  place(d, 61, 240);  // 61 + 29 = 90: touches X1 without overlapping
  d.wallDown[0] = {90, 200, 300};
  d.wallDownCount = 1;
  d.nextY = 255;
  d.applyWalls();
  EXPECT_EQ(d.y, 255);

  // A left wall spans the figure's rows y .. y + height - 1 against Y1 .. Y2 - 1.
  struct Row {
    int y;
    bool stopped;
  };
  for (const Row& row : {Row{149, false}, Row{150, true}, Row{259, true}, Row{260, false}}) {
    SCOPED_TRACE(row.y);
    place(d, 300, row.y);
    d.wallLeft[0] = {300, 200, 260};
    d.wallLeftCount = 1;
    d.nextX = 296;
    d.applyWalls();
    EXPECT_EQ(d.x, row.stopped ? 300 : 296);
  }
}

TEST(WorldGoal, EitherEdgeOfTheFigureMayEnterButBordersDoNot) {
  WorldState w;
  w.reset();
  const auto arm = [&] {
    w.goalActive = 1;
    w.questSolved = 0;
    w.goalX = 400;
    w.goalY = 100;
    w.goalWidth = 40;
    w.goalHeight = 30;
  };
  arm();
  w.testGoal(374, 100);  // x + 26 on the left border
  EXPECT_EQ(w.questSolved, 0);
  w.testGoal(400, 100);  // x on the left border, x + 26 inside
  EXPECT_EQ(w.questSolved, 1);
  arm();
  w.testGoal(440, 100);  // x on the right border
  w.testGoal(420, 55);   // y + 45 on the top border
  w.testGoal(420, 130);  // y on the bottom border
  EXPECT_EQ(w.questSolved, 0);
  w.testGoal(439, 56);  // only the left edge is inside
  EXPECT_EQ(w.questSolved, 1);
  w.questSolved = 0;
  w.testGoal(420, 110);  // solved once: the goal is disarmed
  EXPECT_EQ(w.questSolved, 0);
}

TEST(HudHearts, OnlyAHeartLostAtZeroRunsOut) {
  WorldState w;
  w.reset();
  Dude d;
  for (int hearts : {0, 11, 200}) {
    d.hearts = static_cast<uint8_t>(hearts);
    hud::drawHearts(w, d);
    EXPECT_EQ(d.menuState, Dude::kPlaying) << hearts;
  }
  d.hearts = 0;
  d.hearts -= 1;  // the wrap of an unguarded loss
  d.menuState = Dude::kMenuOpen;
  hud::drawHearts(w, d);
  EXPECT_EQ(d.menuState, Dude::kOutOfHearts);
}

TEST(HudBubble, ARepeatedRequestKeepsTheFirstTiming) {
  useVirtualClock(100);
  WorldState w;
  w.reset();
  w.bubbleShown = w.bubbleCoin = 1;
  w.animate();  // arms the bubble's second
  for (int i = 0; i < 5; ++i) {
    advanceVirtualClock();
    w.animate();
  }
  w.bubbleShown = w.bubbleHeart = 1;  // raised again half-way
  for (int i = 0; i < 5; ++i) {
    advanceVirtualClock();
    w.animate();
  }
  EXPECT_TRUE(w.bubbleShown);  // exactly one second: not yet
  advanceVirtualClock();
  w.animate();
  EXPECT_FALSE(w.bubbleShown);
  EXPECT_FALSE(w.bubbleCoin);
  EXPECT_FALSE(w.bubbleHeart);
  useRealClock();
}

TEST(HudButtons, RectanglesAndThePressedContinueFrame) {
  WorldState w;
  w.reset();
  EXPECT_TRUE(hud::overMenuButton(710, 564));
  EXPECT_TRUE(hud::overMenuButton(779, 599));
  EXPECT_FALSE(hud::overMenuButton(780, 570));
  EXPECT_FALSE(hud::overMenuButton(720, 563));
  EXPECT_TRUE(hud::overInfoButton(780, 564));
  EXPECT_TRUE(hud::overContinueButton(w, 320 + 255, 442 + 63));
  EXPECT_FALSE(hud::overContinueButton(w, 320 + 256, 450));
  EXPECT_FALSE(hud::overContinueButton(w, 400, 442 + 64));

  hud::hover(w, 400, 450);  // not solved: Continue is not hovered
  EXPECT_EQ(w.hudButtonHover, hud::kNone);
  w.questSolved = 2;  // solved under the menu still hovers
  hud::hover(w, 400, 450);
  EXPECT_EQ(w.hudButtonHover, hud::kContinue);
  EXPECT_EQ(w.continueButtonFrame, 1);
  w.continuePressed = 1;
  w.continueButtonFrame = 2;
  hud::hover(w, 100, 100);  // a pressed button keeps its pressed look off the button
  EXPECT_EQ(w.continueButtonFrame, 2);
}

TEST(InGameMenu, ButtonRectanglesCancelAndLatching) {
  Dude d;
  WorldState w;
  w.reset();
  d.menuState = Dude::kMenuOpen;
  menu::hover(d, 330 + 153, 110 + 76);
  EXPECT_EQ(d.menuButtonFrame[0], 1);  // Restart
  menu::hover(d, 330 + 154, 110 + 76);
  EXPECT_EQ(d.menuButtonFrame[0], 0);
  menu::hover(d, 400, 420);
  EXPECT_EQ(d.menuButtonFrame[4], 1);  // Quit
  EXPECT_EQ(d.menuButtonFrame[2], 0);

  {  // the right button works like the left; Restart leaves the mouse unlatched
    Mouse m;
    EXPECT_EQ(menu::click(d, w, m.down(1), 400, 150), menu::kRestart);
    EXPECT_TRUE(m.device.ButtonHit(1));
  }
  {  // the others latch it, so the click does not fall through to the next screen
    Mouse m;
    EXPECT_EQ(menu::click(d, w, m.down(0), 400, 340), menu::kSave);
    EXPECT_FALSE(m.device.ButtonHit(0));
  }
  {
    Mouse m;
    EXPECT_EQ(menu::click(d, w, m.down(0), 400, 40), menu::kCancel);
  }
  {  // out of hearts there is no Cancel; any click over a solved quest marks it as under the menu
    Mouse m;
    d.menuState = Dude::kOutOfHearts;
    w.questSolved = 1;
    EXPECT_EQ(menu::click(d, w, m.down(0), 400, 40), menu::kNothing);
    EXPECT_EQ(w.questSolved, 2);
  }
}

namespace {

// The real game, headless, playing quest 1 frame by frame in an empty directory.
class MenuFrame : public HeadlessGame {
 protected:
  void SetUp() override {
    HeadlessGame::SetUp();
    startQuest(1);
  }
  void key(uint8_t k, bool down) { input.state.keys[k] = down ? 0x80 : 0; }
};

}  // namespace

TEST_F(MenuFrame, EachPressOfEscapeOrBackspaceTogglesTheMenuOnce) {
  game.questTimerRunning = 1;  // as after the first arrow key
  frames(100);
  key(kKeyEscape, true);
  frames(1);
  ASSERT_EQ(dude().menuState, Dude::kMenuOpen);
  const uint32_t counted = game.questTimerTotal;
  EXPECT_GT(counted, 1500u);
  frames(200);  // held: no flicker, and the clock stands
  EXPECT_EQ(dude().menuState, Dude::kMenuOpen);
  key(kKeyRight, true);  // arrows neither move the dude nor start the clock under the menu
  const int x = dude().x;
  frames(100);
  key(kKeyRight, false);
  EXPECT_EQ(dude().x, x);
  EXPECT_EQ(game.questTimerTotal, counted);
  key(kKeyEscape, false);
  frames(1);
  EXPECT_EQ(dude().menuState, Dude::kMenuOpen);

  key(kKeyEscape, true);  // both keys in one frame make one change
  key(kKeyBackspace, true);
  frames(1);
  EXPECT_EQ(dude().menuState, Dude::kPlaying);
  key(kKeyEscape, false);
  key(kKeyBackspace, false);
  frames(1);
  key(kKeyBackspace, true);
  frames(1);
  EXPECT_EQ(dude().menuState, Dude::kMenuOpen);
}

TEST_F(MenuFrame, OutOfHeartsTheMenuKeyRestartsThroughTheBriefing) {
  dude().hearts = 255;
  frames(1);
  ASSERT_EQ(dude().menuState, Dude::kOutOfHearts);
  input.state.mouseX = 400;
  input.state.mouseY = 40;  // where Cancel would be
  input.state.buttons[0] = 0x80;
  frames(1);
  input.state.buttons[0] = 0;
  frames(1);
  EXPECT_EQ(dude().menuState, Dude::kOutOfHearts);
  key(kKeyEscape, true);
  frames(1);
  EXPECT_EQ(game.currentScene, QuestBriefingScene);
}

TEST_F(MenuFrame, ContinueLeftWhileHeldHandsOverToTheResult) {
  world().questSolved = 1;
  frames(1);
  input.state.mouseX = world().continueButtonX + 30;
  input.state.mouseY = world().continueButtonY + 30;
  input.state.buttons[0] = 0x80;
  frames(3);  // held on the button: nothing yet
  EXPECT_EQ(game.currentScene, WorldScene1);
  EXPECT_EQ(world().continueButtonFrame, 2);
  input.state.mouseX = 100;
  input.state.mouseY = 100;
  frames(1);
  EXPECT_EQ(game.currentScene, QuestResultScene);
}
