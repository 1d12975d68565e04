#include <gtest/gtest.h>

#include "platform/Input.h"
#include "platform/KeyCodes.h"
#include "world/Dude.h"
#include "world/WorldState.h"

namespace {
// Puts the dude at (x, y) with no walls.
void place(Dude& d, int x, int y) {
  d.x = d.nextX = x;
  d.y = d.nextY = y;
  d.wallUpCount = d.wallDownCount = d.wallLeftCount = d.wallRightCount = 0;
}

struct Keys {
  ScriptedInput source;
  InputSystem system;
  InputDevice keyboard;
  Keys() {
    system.Create(&source);
    keyboard.Create(&system, kKeyboard, 1);
  }
  const InputDevice& press(std::initializer_list<uint8_t> keys) {
    for (uint8_t k : keys) source.state.keys[k] = 0x80;
    keyboard.Poll();
    return keyboard;
  }
};
}  // namespace

TEST(DudeArrows, LastMatchingArrowWins) {
  Dude d;
  Keys keys;
  EXPECT_TRUE(d.readArrows(keys.press({kKeyLeft, kKeyDown})));
  EXPECT_EQ(d.direction, Dude::kDown);
  Keys keys2;
  d.readArrows(keys2.press({kKeyRight, kKeyPad8}));
  EXPECT_EQ(d.direction, Dude::kUp);
  Keys keys3;
  d.readArrows(keys3.press({kKeyRight, kKeyLeft}));
  EXPECT_EQ(d.direction, Dude::kLeft);
  // Held arrows are never latched: they count on every frame.
  d.readArrows(keys3.press({}));
  EXPECT_EQ(d.direction, Dude::kLeft);
}

TEST(DudeArrows, TheMenuStopsTheDude) {
  Dude d;
  place(d, 100, 100);
  d.menuState = Dude::kMenuOpen;
  Keys keys;
  EXPECT_FALSE(d.readArrows(keys.press({kKeyRight})));
  d.step(5);
  EXPECT_EQ(d.nextX, 100);
}

TEST(DudeMoves, TheTwoAxesRevertIndependentlyAtTheFieldEdge) {
  Dude d;
  place(d, 5, 100);
  d.nextX = -3;
  d.nextY = 104;
  d.clampToField();
  EXPECT_EQ(d.nextX, 5);
  EXPECT_EQ(d.nextY, 104);
  place(d, 771, 449);
  d.nextX = 772;  // 772 + 29 > 800
  d.nextY = 450;  // 450 + 51 > 500
  d.clampToField();
  EXPECT_EQ(d.nextX, 771);
  EXPECT_EQ(d.nextY, 449);
}

TEST(DudeMoves, AWallOnlyStopsACrossing) {
  Dude d;
  place(d, 100, 200);
  d.wallUp[0] = {80, 150, 200};
  d.wallUpCount = 1;
  d.nextY = 198;  // standing on the line: cannot move up across it
  d.applyWalls();
  EXPECT_EQ(d.y, 200);
  d.nextY = 203;  // but can move down
  d.applyWalls();
  EXPECT_EQ(d.y, 203);
  place(d, 100, 190);  // already past the line: not pushed back
  d.wallUp[0] = {80, 150, 200};
  d.wallUpCount = 1;
  d.nextY = 185;
  d.applyWalls();
  EXPECT_EQ(d.y, 185);
  place(d, 160, 200);  // beside the wall: free to go
  d.wallUp[0] = {80, 130, 200};
  d.wallUpCount = 1;
  d.nextY = 190;
  d.applyWalls();
  EXPECT_EQ(d.y, 190);
}

TEST(DudeMoves, SideWallsStopTheEdgeThatWouldCross) {
  Dude d;
  place(d, 300, 100);
  d.wallLeft[0] = {300, 90, 160};
  d.wallLeftCount = 1;
  d.wallRight[0] = {360, 90, 160};
  d.wallRightCount = 1;
  d.nextX = 297;
  d.applyWalls();
  EXPECT_EQ(d.x, 300);
  d.nextX = 331;  // 331 + 29 = 360: touching the right wall is allowed
  d.applyWalls();
  EXPECT_EQ(d.x, 331);
  d.nextX = 333;
  d.applyWalls();
  EXPECT_EQ(d.x, 331);
}

TEST(DudeAnimation, WalkRunsBackAndForthInsideItsRange) {
  Dude d;
  d.direction = Dude::kRight;
  std::vector<int> frames;
  for (int i = 0; i < 9; ++i) {
    d.walkTimer.state = 2;
    d.walkTimer.startMs = timeGetTime() - 1000;
    d.animateWalk();
    frames.push_back(d.frame);
  }
  EXPECT_EQ(frames, (std::vector<int>{13, 14, 15, 15, 14, 13, 12, 12, 13}));
}

TEST(WorldGoal, EnteringTheGoalRectangleSolvesTheQuest) {
  WorldState w;
  w.reset();
  w.goalActive = 1;
  w.goalX = 639;
  w.goalY = 168;
  w.goalWidth = 49;
  w.goalHeight = 20;
  w.testGoal(600, 168);  // the figure's right part (x + 26) is still left of the goal
  EXPECT_EQ(w.questSolved, 0);
  w.testGoal(639, 188);  // just below
  EXPECT_EQ(w.questSolved, 0);
  w.testGoal(614, 150);  // x + 26 = 640 is inside
  EXPECT_EQ(w.questSolved, 1);
  EXPECT_EQ(w.goalActive, 0);
}
