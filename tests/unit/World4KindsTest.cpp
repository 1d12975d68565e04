#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "platform/Audio.h"
#include "platform/Clock.h"
#include "quests/QuestObjects.h"
#include "world/Dude.h"
#include "world/Kinds.h"
#include "world/WorldRules.h"
#include "world/WorldState.h"

// World 4's kinds: the push button, trap doors, the three balls, trampoline bounces and the moving
// ladder, at the edges of their rules.

namespace {

struct VirtualClock {
  explicit VirtualClock(uint32_t msPerFrame) { useVirtualClock(msPerFrame); }
  ~VirtualClock() { useRealClock(); }
};

struct Field {
  WorldState w;
  Dude d;
  QuestObjects q{};
  Field() { w.reset(); }
  void at(int x, int y) {
    d.x = d.nextX = x;
    d.y = d.nextY = y;
  }
};

constexpr int kPushZone = 2, kOtherZone = 1;

// One frame of the push button: the pointer over `zone`, a click or not, then the sounds served.
// Counts the frames that sounded the key sound.
struct PushFrames {
  SoundEffect sound;
  int sounded = 0;
  void frame(Field& f, int zone, bool click) {
    f.w.panelChoice = static_cast<uint8_t>(zone);
    f.w.mouseClicked = click ? 1 : 0;
    runPushButton(f.w, f.d, f.q);
    sound.lastRequest = {};
    f.w.serveSounds(sound, worldRules(4));
    if (sound.lastRequest.file == "Data/Key.wav") ++sounded;
  }
};

TEST(PushButton, SoundsOncePerPressAndIsReadyAgainOnceThePointerRestsOverIt) {
  Field f;
  f.q.pushAction = PushAction::OpenTrapDoor;
  PushFrames p;
  p.frame(f, kPushZone, true);
  EXPECT_EQ(f.w.pushButtonFrame, 2);
  EXPECT_EQ(f.w.pushButtonState, 2);
  EXPECT_EQ(p.sounded, 1);
  // Clicking again before the pointer rests over the button presses it without a sound.
  p.frame(f, kPushZone, true);
  EXPECT_EQ(p.sounded, 1);
  // Away from the button nothing re-arms it; the first frame over it without a click does.
  p.frame(f, kOtherZone, false);
  EXPECT_EQ(f.w.pushButtonState, 2);
  EXPECT_EQ(f.w.pushButtonFrame, 0);
  p.frame(f, kPushZone, false);
  EXPECT_EQ(f.w.pushButtonState, 0);
  EXPECT_EQ(f.w.pushButtonFrame, 1);
  EXPECT_EQ(p.sounded, 1);
  p.frame(f, kPushZone, true);
  EXPECT_EQ(p.sounded, 2);
}

TEST(PushButton, DoesNothingDuringAFlightOrOutsideItsZone) {
  Field f;
  f.q.pushAction = PushAction::OpenTrapDoor;
  PushFrames p;
  f.w.flightActive = 1;
  p.frame(f, kPushZone, true);
  EXPECT_EQ(f.w.trapDoorAnim[0], 0);
  f.w.flightActive = 0;
  p.frame(f, kOtherZone, true);
  EXPECT_EQ(f.w.trapDoorAnim[0], 0);
  p.frame(f, kPushZone, true);
  EXPECT_EQ(f.w.trapDoorAnim[0], 1);
}

TEST(PushButton, ReleasesTheGateOnTheFirstPressAndSoundsItOnce) {
  Field f;
  f.q.pushAction = PushAction::ReleaseGate;
  f.w.ledge[0].active = 1;
  SoundEffect sound;
  f.w.panelChoice = kPushZone;
  f.w.mouseClicked = 1;
  runPushButton(f.w, f.d, f.q);
  EXPECT_EQ(f.w.gateSwitch, 1);
  EXPECT_EQ(f.w.ledge[0].active, 0);
  EXPECT_EQ(f.w.trapDoorAnim[0], 1);
  EXPECT_TRUE(pushSoundedWithGateSwitch(f.w));  // the frame opens the grate as it sounds the press
  f.w.serveSounds(sound, worldRules(4));
  EXPECT_FALSE(pushSoundedWithGateSwitch(f.w));
}

TEST(PushButton, OpensTheTrapDoorOfTheDudesLevel) {
  Field f;
  f.q.pushAction = PushAction::TrapDoorByHeight;
  f.w.panelChoice = kPushZone;
  f.w.mouseClicked = 1;
  f.at(100, 399);
  runPushButton(f.w, f.d, f.q);
  EXPECT_EQ(f.w.trapDoorAnim[0], 1);
  EXPECT_EQ(f.w.trapDoorAnim[1], 0);
  f.w.pushButtonState = 0;
  f.at(100, 400);
  runPushButton(f.w, f.d, f.q);
  EXPECT_EQ(f.w.trapDoorAnim[1], 1);
}

// Ticks the trap doors every 100 ms until door 0 is shut again; returns the frames it showed.
std::vector<int> trapDoorCycle(WorldState& w) {
  std::vector<int> frames;
  for (int tick = 0; tick < 30 && w.trapDoorAnim[0]; ++tick) {
    animateTrapDoors(w);
    frames.push_back(w.trapDoorFrame[0]);
  }
  return frames;
}

TEST(TrapDoors, OpenAndCloseWithinAboutASecond) {
  WorldState w;
  w.reset();
  w.trapDoorAnim[0] = 1;
  const std::vector<int> frames = trapDoorCycle(w);
  EXPECT_EQ(frames, (std::vector<int>{1, 2, 3, 3, 3, 3, 2, 1, 0, 0}));
  EXPECT_EQ(w.trapDoorAnim[0], 0);
  // Four ticks open out of ten: about 0.4 of a one-second swing.
  EXPECT_EQ(std::count(frames.begin(), frames.end(), 3), 4);
}

TEST(TrapDoors, CatchOnlyTheirRollingBallAndOnlyWhileOpen) {
  Field f;
  const TrapDoorPlacement doors[] = {{180, 435, 0, 0}};
  f.q.trapDoors = doors;
  f.w.trapDoorCount = 1;
  f.w.trapDoorX[0] = 180;
  f.w.ledge[0].active = 1;
  f.w.ballRolling = 1;
  f.w.ballX = 190;
  f.w.trapDoorFrame[0] = 2;  // still opening
  catchBalls(f.w, f.q);
  EXPECT_EQ(f.w.ballRolling, 1);
  f.w.trapDoorFrame[0] = 3;
  f.w.ballX = 219;  // just past the hole
  catchBalls(f.w, f.q);
  EXPECT_EQ(f.w.ballRolling, 1);
  f.w.ballX = 218;
  catchBalls(f.w, f.q);
  EXPECT_EQ(f.w.ballRolling, 0);
  EXPECT_EQ(f.w.ledge[0].active, 0);  // where the hole was, the way is free
}

TEST(ThreeBalls, WaitUntilTheirQuestReleasesThem) {
  VirtualClock clock(16);
  Field f;
  // Quest 31's ball goes once the dude is left of it; quest 38's first once the dude leaves x 70,
  // the others when the dude stands at y 312 and y 184.
  const BallPlacement balls[] = {{495, 444, BallRelease::DudeLeftOfBall, 0},
                                 {100, 312, BallRelease::DudeYIs, 312},
                                 {100, 184, BallRelease::DudeYIs, 184}};
  f.q.balls = balls;
  f.q.ballRollsLeft = true;
  f.w.setupQuest(0);
  f.w.ballRolling = 1;
  f.w.ballX = f.w.ballStartX = 495;
  f.w.ballRollsLeft = 1;
  f.w.moreBallRolling[0] = f.w.moreBallRolling[1] = 1;
  f.w.moreBallX[0] = f.w.moreBallX[1] = 100;
  f.at(495, 300);
  releaseBalls(f.w, f.d, f.q);
  moveThreeBalls(f.w, 2);
  EXPECT_EQ(f.w.ballX, 495);  // a waiting ball stays put
  f.at(494, 313);
  releaseBalls(f.w, f.d, f.q);
  moveThreeBalls(f.w, 2);
  EXPECT_EQ(f.w.ballX, 493);
  EXPECT_EQ(f.w.moreBallX[0], 100);
  f.at(494, 312);
  releaseBalls(f.w, f.d, f.q);
  moveThreeBalls(f.w, 2);
  EXPECT_EQ(f.w.moreBallX[0], 102);  // balls 2 and 3 roll right
  EXPECT_EQ(f.w.moreBallX[1], 100);
  // A released ball keeps rolling when the condition no longer holds, and is gone past the edge.
  f.at(494, 400);
  f.w.moreBallX[0] = 809;
  releaseBalls(f.w, f.d, f.q);
  moveThreeBalls(f.w, 2);
  EXPECT_EQ(f.w.moreBallRolling[0], 0);

  const BallPlacement first[] = {{300, 444, BallRelease::DudeXNot, 70}};
  Field g;
  g.q.balls = first;
  g.at(70, 445);
  releaseBalls(g.w, g.d, g.q);
  EXPECT_EQ(g.w.ballReleased[0], 0);
  g.at(71, 445);
  releaseBalls(g.w, g.d, g.q);
  EXPECT_EQ(g.w.ballReleased[0], 1);
}

TEST(ThreeBalls, EachRollingBallTakesAHeart) {
  Field f;
  f.at(300, 420);
  f.d.hearts = 2;
  f.w.moreBallRolling[1] = 1;
  f.w.moreBallX[1] = 290;
  f.w.moreBallY[1] = 420;
  hitMoreBalls(f.w, f.d);
  EXPECT_EQ(f.d.hearts, 1);
  EXPECT_EQ(f.w.moreBallRolling[1], 0);
  EXPECT_EQ(f.w.sndSmash, 1);
}

// A catapult flight to the right that lands on the trampoline at (300, 434).
void throwOntoTrampoline(Field& f, uint8_t direction) {
  f.at(100, 434);
  f.w.flightActive = 1;
  f.w.flightDirection = direction;
  f.w.flightLandX = direction == 2 ? 300 : 50;
  f.w.flightLandY = 434;
  f.w.flightTurnX = direction == 2 ? 200 : 80;
  f.w.bounceArmed = 1;
}

std::vector<int> flyUntilLanded(Field& f, int step, int& flights) {
  std::vector<int> heights;
  flights = 1;
  for (int frame = 0; frame < 3000 && f.w.flightActive; ++frame) {
    const uint8_t before = f.w.vibrateState;
    fly(f.w, f.d, step, &f.q);
    if (before == 2 && f.w.vibrateState == 1) ++flights;  // a bounce asks for the sound again
    f.d.commit();
    heights.push_back(f.d.y);
  }
  return heights;
}

TEST(Trampolines, SettingOneBouncesStraightUpALittleOverAHundredPixelsAndBack) {
  Field f;
  const Bounce bounces[] = {{BounceWay::Right, 762, 434, 725}, {BounceWay::StraightUp, 0, 434, 0},
                            {BounceWay::Left, 501, 445, 570}};
  f.q.bounces = bounces;
  f.w.trampolineSetting[0] = 1;
  throwOntoTrampoline(f, 2);
  f.w.vibrateState = 2;
  int flights = 0;
  const std::vector<int> heights = flyUntilLanded(f, 3, flights);
  EXPECT_EQ(f.w.flightActive, 0);
  EXPECT_EQ(f.d.x, 300);
  EXPECT_EQ(f.d.y, 434);
  EXPECT_EQ(flights, 2);  // the throw and the bounce each sound
  EXPECT_EQ(f.w.bounceArmed, 0);
  EXPECT_EQ(f.w.bounceRise, 0);
  // The highest point of the bounce, measured from the trampoline.
  int lowestAfterLanding = 434;
  bool landed = false;
  for (int y : heights) {
    if (y == 434) landed = true;
    if (landed) lowestAfterLanding = std::min(lowestAfterLanding, y);
  }
  EXPECT_GT(434 - lowestAfterLanding, 100);
  EXPECT_LE(434 - lowestAfterLanding, 104);
}

TEST(Trampolines, OnlyFlightsToTheRightBounce) {
  Field f;
  const Bounce bounces[] = {{BounceWay::Right, 750, 434, 580}};
  f.q.bounces = bounces;
  throwOntoTrampoline(f, 1);
  int flights = 0;
  flyUntilLanded(f, 3, flights);
  EXPECT_EQ(f.d.x, 50);
  EXPECT_EQ(f.w.flightActive, 0);
  EXPECT_EQ(f.w.bounceArmed, 1);  // the flag stays for a later flight to the right

  Field g;
  g.q.bounces = bounces;
  throwOntoTrampoline(g, 2);
  flyUntilLanded(g, 3, flights);
  EXPECT_EQ(g.d.x, 750);
  EXPECT_EQ(g.d.y, 434);
  EXPECT_EQ(g.w.bounceArmed, 0);
}

TEST(Trampolines, AThrowAimedAtOneArmsTheBounceOnlyWhenItHappens) {
  Field f;
  const CatapultScript scripts[] = {{{Throw{300, 434, 200, false, 0, 0, true}, Throw{}, Throw{}}}};
  f.q.catapultScripts = scripts;
  f.w.catapultFacing[0] = 2;
  throwFromCatapult(f.w, f.q, 0, 1);  // no weight: refused
  EXPECT_EQ(f.w.bounceArmed, 0);
  f.w.weightsHeld = 1;
  throwFromCatapult(f.w, f.q, 0, 1);
  EXPECT_EQ(f.w.bounceArmed, 1);
  EXPECT_EQ(f.w.flightActive, 1);
}

TEST(MovingLadder, GoesRoundItsFourStopsOpeningOnlyTheLedgeWhereItStands) {
  Field f;
  const LadderStop cycle[] = {{385, 380, 3}, {148, 180, 0}, {392, 196, 1}, {666, 192, 2}};
  f.q.ladderCycle = cycle;
  f.q.pushAction = PushAction::CycleLadder;
  f.w.ladderCount = 1;
  f.w.ladderX[0] = 385;
  f.w.ladderY[0] = 380;
  f.w.panelChoice = kPushZone;
  const int expected[][3] = {{148, 180, 0}, {392, 196, 1}, {666, 192, 2}, {385, 380, 3}, {148, 180, 0}};
  for (const auto& stop : expected) {
    f.w.mouseClicked = 0;
    runPushButton(f.w, f.d, f.q);  // hovered first
    f.w.mouseClicked = 1;
    runPushButton(f.w, f.d, f.q);
    EXPECT_EQ(f.w.ladderX[0], stop[0]);
    EXPECT_EQ(f.w.ladderY[0], stop[1]);
    for (int l = 0; l < 4; ++l) EXPECT_EQ(f.w.ledge[l].active, l == stop[2] ? 0 : 1) << "ledge " << l;
  }
  // Holding the click on a pressed button does not move it on again.
  f.w.mouseClicked = 1;
  runPushButton(f.w, f.d, f.q);
  EXPECT_EQ(f.w.ladderX[0], 148);
}

}  // namespace
