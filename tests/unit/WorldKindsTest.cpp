#include <gtest/gtest.h>

#include "platform/Clock.h"
#include "quests/QuestObjects.h"
#include "world/ChoicePanel.h"
#include "world/Dude.h"
#include "world/Kinds.h"
#include "world/WorldState.h"

namespace {
// A world and a dude standing at (x, y), proposing to move by (dx, dy).
struct Scene {
  WorldState w;
  Dude d;
  Scene() { w.reset(); }
  void at(int x, int y) {
    d.x = d.nextX = x;
    d.y = d.nextY = y;
  }
  void propose(int dx, int dy) {
    d.nextX = d.x + dx;
    d.nextY = d.y + dy;
  }
};

void addDoor(WorldState& w, int x, int y, uint8_t kind) {
  const int i = w.doorCount++;
  w.doorPresent[i] = 1;
  w.doorX[i] = x;
  w.doorY[i] = y;
  w.doorKeyKind[i] = kind;
  w.doorScaleX[i] = 1.4f;
}

void addBlock(WorldState& w, int x, int y, bool horizontal) {
  const int i = w.blockCount++;
  w.blockPresent[i] = 1;
  w.blockX[i] = x;
  w.blockY[i] = y;
  w.blockHorizontal[i] = horizontal ? 1 : 0;
  w.blockScaleX[i] = 1.1f;
}
}  // namespace

TEST(Doors, AVerticalMoveIntoADoorStopsAndSpendsEveryMatchingKey) {
  Scene s;
  addDoor(s.w, 100, 200, 7);
  s.w.keyKind[0] = 7;
  s.w.keyKind[3] = 7;
  s.w.keyHeld[0] = s.w.keyHeld[3] = 1;
  s.at(100, 243);  // just below the door, moving up into it
  s.propose(0, -2);
  collideDoors(s.w, s.d);
  EXPECT_EQ(s.d.nextY, 243);
  EXPECT_EQ(s.w.doorOpening[0], 1);
  EXPECT_EQ(s.w.keyHeld[0], 0);
  EXPECT_EQ(s.w.keyHeld[3], 0);
  EXPECT_EQ(s.w.sndKey, 1);
}

TEST(Doors, ASidewaysMoveIntoADoorDoesNotStop) {
  Scene s;
  addDoor(s.w, 100, 200, 7);
  s.at(60, 190);
  s.propose(3, 0);
  collideDoors(s.w, s.d);
  EXPECT_EQ(s.d.nextX, 63);
}

TEST(Doors, WithoutTheKeyTheBubbleNamesIt) {
  Scene s;
  addDoor(s.w, 100, 200, 19);
  s.w.keyKind[0] = 7;
  s.w.keyHeld[0] = 1;
  s.at(100, 243);
  s.propose(0, -2);
  collideDoors(s.w, s.d);
  EXPECT_EQ(s.w.bubbleKey2, 1);
  EXPECT_EQ(s.w.keyHeld[0], 1);
  EXPECT_EQ(s.w.doorPresent[0], 1);
}

TEST(Doors, OnlyAProposalInsideTheVerticalWindowStops) {
  // A door at (100, 200): a proposal from above stops for nextY 153 to 193, from below for 201 to
  // 241, and only while the current x lies between 72 and 144.
  const auto stops = [](int x, int nextY) {
    Scene s;
    addDoor(s.w, 100, 200, 7);
    s.d.x = s.d.nextX = x;
    s.d.y = 300;  // only the proposal is tested
    s.d.nextY = nextY;
    collideDoors(s.w, s.d);
    return s.d.nextY == 300;
  };
  EXPECT_FALSE(stops(100, 152));
  EXPECT_TRUE(stops(100, 153));
  EXPECT_TRUE(stops(100, 193));
  EXPECT_FALSE(stops(100, 194));
  EXPECT_FALSE(stops(100, 200));
  EXPECT_TRUE(stops(100, 201));
  EXPECT_TRUE(stops(100, 241));
  EXPECT_FALSE(stops(100, 242));
  EXPECT_FALSE(stops(71, 220));
  EXPECT_TRUE(stops(72, 220));
  EXPECT_TRUE(stops(144, 220));
  EXPECT_FALSE(stops(145, 220));
}

TEST(Doors, AnOpeningDoorLetsThroughAndOnlyTheFirstFourFinishOpening) {
  Scene s;
  for (int i = 0; i < 5; ++i) addDoor(s.w, 100 * i, 200, 7);
  s.w.doorOpening[0] = s.w.doorOpening[4] = 1;
  s.at(0, 243);
  s.propose(0, -2);
  collideDoors(s.w, s.d);
  EXPECT_EQ(s.d.nextY, 241);
  for (int tick = 0; tick < 20; ++tick) fadeDoors(s.w);
  EXPECT_EQ(s.w.doorPresent[0], 1);  // twenty steps reach 0.2, which is not below it
  fadeDoors(s.w);
  EXPECT_EQ(s.w.doorPresent[0], 0);
  EXPECT_EQ(s.w.doorOpening[0], 0);
  EXPECT_FLOAT_EQ(s.w.doorScaleX[0], 0.2f);
  EXPECT_EQ(s.w.doorOpening[4], 1);
  EXPECT_EQ(s.w.doorPresent[4], 1);
  EXPECT_FLOAT_EQ(s.w.doorScaleX[4], 1.4f);
}

TEST(Doors, TheFourthKindAsksForKey4AndItsKeyInSlotThreeIsTheSpecialKey) {
  Scene s;
  addDoor(s.w, 100, 200, 28);
  s.at(100, 243);
  s.propose(0, -2);
  collideDoors(s.w, s.d);
  EXPECT_EQ(s.w.bubbleShown, 1);
  EXPECT_EQ(s.w.bubbleKey4, 1);
  EXPECT_EQ(s.w.bubbleKey1 + s.w.bubbleKey2 + s.w.bubbleKey3, 0);
  s.w.keyKind[3] = 28;
  s.w.keyHeld[3] = 1;
  s.w.specialKeyHeld = 1;
  s.propose(0, -2);
  collideDoors(s.w, s.d);
  EXPECT_EQ(s.w.doorOpening[0], 1);
  EXPECT_EQ(s.w.keyHeld[3], 0);
  EXPECT_EQ(s.w.specialKeyHeld, 0);
  // Key4 is named only when no bubble is up yet; the other kinds are named regardless.
  Scene b;
  addDoor(b.w, 100, 200, 28);
  addDoor(b.w, 300, 200, 20);
  b.w.bubbleShown = b.w.bubbleHeart = 1;
  for (int x : {100, 300}) {
    b.at(x, 243);
    b.propose(0, -2);
    collideDoors(b.w, b.d);
  }
  EXPECT_EQ(b.w.bubbleKey4, 0);
  EXPECT_EQ(b.w.bubbleKey3, 1);
}

TEST(SpecialDoor, OnlyTheSpecialKeyOpensItAndItGoesAtOnce) {
  Scene s;
  s.w.specialDoorPresent = 1;
  s.w.specialDoorX = 100;
  s.w.specialDoorY = 200;
  s.w.keyKind[0] = 7;
  s.w.keyHeld[0] = 1;
  s.at(100, 246);
  s.propose(0, -2);  // 244 reaches it; an ordinary door there would let the dude pass
  collideSpecialDoor(s.w, s.d);
  EXPECT_EQ(s.d.nextY, 246);
  EXPECT_EQ(s.w.bubbleShown, 1);
  EXPECT_EQ(s.w.bubbleKey4, 1);
  EXPECT_EQ(s.w.keyHeld[0], 1);
  EXPECT_EQ(s.w.specialDoorPresent, 1);
  s.w.specialKeyHeld = 1;
  s.propose(0, -2);
  collideSpecialDoor(s.w, s.d);
  EXPECT_EQ(s.d.nextY, 246);  // stopped while it opens
  EXPECT_EQ(s.w.specialDoorPresent, 0);
  EXPECT_EQ(s.w.specialKeyHeld, 0);
  EXPECT_EQ(s.w.sndKey, 1);
  s.propose(0, -2);
  collideSpecialDoor(s.w, s.d);
  EXPECT_EQ(s.d.nextY, 244);
}

TEST(Blocks, AVanishingBlockStopsOnlyInItsOwnDirection) {
  Scene s;
  addBlock(s.w, 200, 200, false);  // stops vertical moves, even while vanishing
  s.w.blockVanishing[0] = 1;
  s.at(200, 260);
  s.propose(0, -10);
  collideBlocks(s.w, s.d);
  EXPECT_EQ(s.d.nextY, 260);
  Scene h;
  addBlock(h.w, 200, 200, true);  // stops horizontal moves, but not once vanishing
  h.w.blockVanishing[0] = 1;
  h.at(172, 200);
  h.propose(3, 0);
  collideBlocks(h.w, h.d);
  EXPECT_EQ(h.d.nextX, 175);
}

TEST(Blocks, AHammerBreaksTheBlockButTheDudeStopsThatFrame) {
  Scene s;
  addBlock(s.w, 200, 200, true);
  s.w.hammersHeld = 1;
  s.at(172, 200);
  s.propose(3, 0);
  collideBlocks(s.w, s.d);
  EXPECT_EQ(s.d.nextX, 172);
  EXPECT_EQ(s.w.blockPresent[0], 0);
  EXPECT_EQ(s.w.hammersHeld, 0);
  EXPECT_EQ(s.w.blockBurstActive, 1);
  s.propose(3, 0);
  collideBlocks(s.w, s.d);
  EXPECT_EQ(s.d.nextX, 175);
}

TEST(Blocks, TheTenthBlockNeverFadesInTheFirstWorlds) {
  Scene s;
  for (int i = 0; i < 10; ++i) addBlock(s.w, 10 * i, 0, true);
  s.w.blockVanishing[8] = s.w.blockVanishing[9] = 1;
  for (int t = 0; t < 40; ++t) fadeBlocks(s.w, 1);
  EXPECT_EQ(s.w.blockPresent[8], 0);
  EXPECT_EQ(s.w.blockPresent[9], 1);
  EXPECT_FLOAT_EQ(s.w.blockScaleX[9], 1.1f);
  for (int t = 0; t < 40; ++t) fadeBlocks(s.w, 4);
  EXPECT_EQ(s.w.blockPresent[9], 0);
}

TEST(Blocks, FadingStopsAtTheEndsOfTheScale) {
  Scene s;
  addBlock(s.w, 0, 0, true);
  addBlock(s.w, 50, 0, true);
  s.w.blockVanishing[0] = 1;
  s.w.blockScaleX[1] = 0.1f;
  s.w.blockAppearing[1] = 1;
  // Block 9 stands still in the first worlds whichever way it is told to go.
  s.w.blockPresent[9] = 1;
  s.w.blockScaleX[9] = 0.1f;
  s.w.blockAppearing[9] = 1;
  for (int tick = 0; tick < 16; ++tick) fadeBlocks(s.w, 1);
  EXPECT_EQ(s.w.blockPresent[0], 1);
  EXPECT_EQ(s.w.blockAppearing[1], 1);
  fadeBlocks(s.w, 1);
  EXPECT_EQ(s.w.blockPresent[0], 0);
  EXPECT_EQ(s.w.blockVanishing[0], 0);
  EXPECT_FLOAT_EQ(s.w.blockScaleX[0], 0.1f);
  EXPECT_EQ(s.w.blockPresent[1], 1);
  EXPECT_EQ(s.w.blockAppearing[1], 0);
  EXPECT_FLOAT_EQ(s.w.blockScaleX[1], 1.1f);
  EXPECT_EQ(s.w.blockAppearing[9], 1);
  EXPECT_FLOAT_EQ(s.w.blockScaleX[9], 0.1f);
}

TEST(Levers, AHeartIsPaidOncePerVisit) {
  Scene s;
  s.w.leverCount = 1;
  s.w.leverPresent[0] = 1;
  s.w.leverX[0] = 100;
  s.w.leverY[0] = 100;
  s.d.hearts = 2;
  s.at(100, 80);
  for (int frame = 0; frame < 5; ++frame) testLevers(s.w, s.d, true);
  EXPECT_EQ(s.d.hearts, 1);
  EXPECT_EQ(s.w.dudeAtLever[0], 1);
  s.at(300, 300);  // off and back on costs another heart
  testLevers(s.w, s.d, true);
  EXPECT_EQ(s.w.dudeAtLever[0], 0);
  s.at(100, 80);
  testLevers(s.w, s.d, true);
  EXPECT_EQ(s.d.hearts, 0);
  s.at(300, 300);
  testLevers(s.w, s.d, true);
  s.at(100, 80);
  testLevers(s.w, s.d, true);  // no heart left: the bubble asks for one, no panel
  EXPECT_EQ(s.w.dudeAtLever[0], 0);
  EXPECT_EQ(s.w.bubbleHeart, 1);
  EXPECT_EQ(s.d.hearts, 0);
}

TEST(Levers, InTheFourthWorldAVisitIsFree) {
  Scene s;
  s.w.leverCount = 1;
  s.w.leverPresent[0] = 1;
  s.w.leverX[0] = 100;
  s.w.leverY[0] = 100;
  s.d.hearts = 0;
  s.at(100, 80);
  testLevers(s.w, s.d, false);
  EXPECT_EQ(s.w.dudeAtLever[0], 1);
  EXPECT_EQ(s.w.bubbleHeart, 0);
  EXPECT_EQ(s.d.hearts, 0);
}

TEST(Levers, APositionRunsItsEffectsAndSoundsOnlyWhenItChanges) {
  static constexpr LeverEffect kAppear[] = {{Effect::BlockAppear, 1, 0, 0}, {Effect::BlockVanish, 0, 0, 0}};
  static constexpr LeverScript kScript[] = {{{{}, kAppear, {}}}};
  QuestObjects q{};
  q.leverScripts = kScript;
  Scene s;
  addBlock(s.w, 0, 0, true);
  addBlock(s.w, 50, 0, true);
  s.w.blockPresent[1] = 0;
  s.w.blockScaleX[1] = 0.1f;
  s.w.leverPosition[0] = 0;
  pullLever(s.w, q, 0, 2);
  EXPECT_EQ(s.w.leverPosition[0], 1);
  EXPECT_EQ(s.w.sndKey, 1);
  EXPECT_EQ(s.w.blockAppearing[1], 1);
  EXPECT_EQ(s.w.blockVanishing[0], 1);
  s.w.sndKey = 0;
  pullLever(s.w, q, 0, 2);
  EXPECT_EQ(s.w.sndKey, 0);
}

TEST(ChoicePanel, TheThreeChoiceZonesMeetEdgeToEdge) {
  WorldState w;
  const auto choiceAt = [&w](int x, int y) {
    panel::hover(w, x, y);
    return static_cast<int>(w.panelChoice);
  };
  EXPECT_EQ(choiceAt(334, 550), 0);
  EXPECT_EQ(choiceAt(335, 550), 1);
  EXPECT_EQ(choiceAt(407, 550), 1);
  EXPECT_EQ(choiceAt(408, 550), 2);
  EXPECT_EQ(choiceAt(484, 550), 2);
  EXPECT_EQ(choiceAt(485, 550), 3);
  EXPECT_EQ(choiceAt(557, 550), 3);
  EXPECT_EQ(choiceAt(558, 550), 0);
  EXPECT_EQ(choiceAt(400, 509), 0);
  EXPECT_EQ(choiceAt(400, 510), 1);
  EXPECT_EQ(choiceAt(400, 589), 1);
  EXPECT_EQ(choiceAt(400, 590), 0);
}

TEST(ChoicePanel, AClickSetsALeverOnlyOverAChoiceWhileTheDudeStandsThere) {
  static constexpr LeverEffect kVanish0[] = {{Effect::BlockVanish, 0, 0, 0}};
  static constexpr LeverEffect kVanish1[] = {{Effect::BlockVanish, 1, 0, 0}};
  static constexpr LeverScript kScripts[] = {{{{}, {}, kVanish0}}, {{{}, {}, kVanish1}}};
  QuestObjects q{};
  q.leverScripts = kScripts;
  Scene s;
  addBlock(s.w, 0, 0, true);
  addBlock(s.w, 50, 0, true);
  s.w.leverCount = 2;
  s.w.dudeAtLever[0] = 1;
  s.w.mouseClicked = 1;
  panel::hover(s.w, 600, 550);  // beside the zones
  panel::runScripts(s.w, s.d, &q);
  EXPECT_EQ(s.w.leverPosition[0], 0);
  panel::hover(s.w, 500, 550);
  s.w.mouseClicked = 0;  // hovering only highlights
  panel::runScripts(s.w, s.d, &q);
  EXPECT_EQ(s.w.leverPosition[0], 0);
  s.w.mouseClicked = 1;
  s.w.dudeAtLever[0] = 0;  // stepped off: no panel, no action
  panel::runScripts(s.w, s.d, &q);
  EXPECT_EQ(s.w.leverPosition[0], 0);
  EXPECT_EQ(s.w.blockVanishing[0], 0);
  s.w.dudeAtLever[0] = s.w.dudeAtLever[1] = 1;  // two levers at once: each runs its own script
  panel::runScripts(s.w, s.d, &q);
  EXPECT_EQ(s.w.leverPosition[0], 2);
  EXPECT_EQ(s.w.leverPosition[1], 2);
  EXPECT_EQ(s.w.blockVanishing[0], 1);
  EXPECT_EQ(s.w.blockVanishing[1], 1);
  EXPECT_EQ(s.w.sndKey, 1);
}

TEST(ChoicePanel, EveryLeverAndCatapultOfAQuestGivesItsChoice) {
  // A quest's fifth lever and third swing work like its first ones.
  static constexpr LeverEffect kVanish0[] = {{Effect::BlockVanish, 0, 0, 0}};
  static constexpr LeverScript kLevers[] = {{}, {}, {}, {}, {{{}, {}, kVanish0}}};
  static constexpr CatapultScript kThrows[] = {{}, {}, {{{}, {}, {145, 302, 310, false, 0, 0}}}};
  QuestObjects q{};
  q.leverScripts = kLevers;
  q.catapultScripts = kThrows;
  Scene s;
  addBlock(s.w, 0, 0, true);
  s.w.leverCount = 5;
  s.w.catapultCount = 3;
  s.w.dudeAtLever[4] = 1;
  int which = -1;
  ASSERT_TRUE(atLever(s.w, which));
  EXPECT_EQ(which, 4);
  s.w.mouseClicked = 1;
  panel::hover(s.w, 500, 550);
  panel::runScripts(s.w, s.d, &q);
  EXPECT_EQ(s.w.leverPosition[4], 2);
  EXPECT_EQ(s.w.blockVanishing[0], 1);

  s.w.dudeAtLever[4] = 0;
  s.w.dudeAtCatapult[2] = 1;
  s.w.weightsHeld = 1;
  ASSERT_TRUE(atCatapult(s.w, which));
  EXPECT_EQ(which, 2);
  panel::runScripts(s.w, s.d, &q);
  EXPECT_EQ(s.w.flightActive, 1);
  EXPECT_EQ(s.w.weightsHeld, 0);
}

TEST(Vases, OnlyThreeBurstsFlyAtOnce) {
  Scene s;
  s.w.hammersHeld = 4;
  s.w.vaseCount = 4;
  for (int v = 0; v < 4; ++v) {
    s.w.vasePresent[v] = 1;
    s.w.vaseX[v] = 100;
    s.w.vaseY[v] = 100;
  }
  for (int v = 0; v < 4; ++v) {
    s.at(60, 100);
    s.propose(20, 0);
    collideVases(s.w, s.d);
  }
  EXPECT_EQ(s.w.hammersHeld, 0);
  EXPECT_EQ(s.w.burstActive[0] + s.w.burstActive[1] + s.w.burstActive[2] + s.w.burstActive[3], 3);
  EXPECT_EQ(s.d.nextX, 80);  // with a hammer the dude walks on
}

TEST(Vases, WithoutAHammerAVaseIsAWallAndABrokenOneBurstsFromItsMiddle) {
  Scene s;
  s.w.vaseCount = 2;
  s.w.vasePresent[0] = s.w.vasePresent[1] = 1;
  s.w.vaseX[0] = 100;
  s.w.vaseX[1] = 300;
  s.w.vaseY[0] = s.w.vaseY[1] = 100;
  s.at(60, 100);
  s.propose(20, 0);
  collideVases(s.w, s.d);
  EXPECT_EQ(s.d.nextX, 60);
  EXPECT_EQ(s.w.vasePresent[0], 1);
  s.w.hammersHeld = 2;
  s.propose(20, 0);
  collideVases(s.w, s.d);
  EXPECT_EQ(s.w.sndSmash, 1);
  EXPECT_EQ(s.w.sndPot, 0);
  EXPECT_EQ(s.w.burstActive[0], 1);
  for (const BurstParticle& p : s.w.burst) {
    EXPECT_EQ(p.x[0], 116);
    EXPECT_EQ(p.y[0], 130);
  }
  s.w.sndSmash = 0;
  s.w.vasesArePots = 1;
  s.at(260, 100);
  s.propose(20, 0);
  collideVases(s.w, s.d);
  EXPECT_EQ(s.w.sndPot, 1);
  EXPECT_EQ(s.w.sndSmash, 0);
  EXPECT_EQ(s.w.burstActive[1], 1);
  EXPECT_EQ(s.w.burst[0].x[1], 315);  // the later bursts start a pixel further left
}

TEST(PickUps, AHammerIsReachedFurtherRightThanAKey) {
  Scene s;
  s.w.keyCount = 1;
  s.w.keyPresent[0] = 1;
  s.w.keyX[0] = 100;
  s.w.keyY[0] = 100;
  s.w.keyKind[0] = 7;
  s.w.hammerPresent[0] = 1;
  s.w.hammerX[0] = 100;
  s.w.hammerY[0] = 100;
  s.at(118, 100);
  pickUpKeys(s.w, s.d);
  pickUpHammers(s.w, s.d);
  EXPECT_EQ(s.w.keyHeld[0], 0);
  EXPECT_EQ(s.w.sndKey, 0);
  EXPECT_EQ(s.w.hammerPresent[0], 0);
  EXPECT_EQ(s.w.hammersHeld, 1);
  EXPECT_EQ(s.w.sndPick, 1);
  s.at(114, 100);
  pickUpKeys(s.w, s.d);
  EXPECT_EQ(s.w.keyPresent[0], 0);
  EXPECT_EQ(s.w.keyHeld[0], 1);
  EXPECT_EQ(s.w.sndKey, 1);
}

TEST(Bursts, ParticlesFlyByTheirOwnPacersAndEndPastTheirLimit) {
  Scene s;
  const BurstSteps steps{1, 2, 3, 4, 5, 6};  // the 30, 40, 60, 80, 110 and 130 steps
  s.w.machineBurstActive = s.w.blockBurstActive = 1;
  for (Particle& p : s.w.machineBurst) p = {100, 100};
  for (Particle& p : s.w.blockBurst) p = {100, 100};
  startGeneralBurst(s.w, 100, 100, 3);
  moveBursts(s.w, steps);
  EXPECT_EQ(s.w.machineBurst[3].x, 94);  // -130, -110
  EXPECT_EQ(s.w.machineBurst[3].y, 95);
  EXPECT_EQ(s.w.blockBurst[2].x, 105);  // +110, -30
  EXPECT_EQ(s.w.blockBurst[2].y, 99);
  EXPECT_EQ(s.w.burst[4].x[0], 97);  // -60, +130
  EXPECT_EQ(s.w.burst[4].y[0], 106);

  const BurstSteps one{1, 1, 1, 1, 1, 1};
  for (Particle& p : s.w.blockBurst) p = {1, 100};
  moveBursts(s.w, one);
  EXPECT_EQ(s.w.blockBurstActive, 1);  // at 0, not yet left of the screen
  moveBursts(s.w, one);
  EXPECT_EQ(s.w.blockBurstActive, 0);
  for (BurstParticle& p : s.w.burst) p.x[0] = -299;
  moveBursts(s.w, one);
  EXPECT_EQ(s.w.burstActive[0], 1);
  moveBursts(s.w, one);
  EXPECT_EQ(s.w.burstActive[0], 0);
}

TEST(Ledges, AnUpwardLedgeCanBeWalkedDownButNotUp) {
  Scene s;
  s.w.ledge[0] = {1, 100, 200, 60};
  s.at(110, 200);
  s.propose(0, -2);
  collideLedges(s.w, s.d, 1);
  EXPECT_EQ(s.d.nextY, 200);
  s.propose(0, 2);
  collideLedges(s.w, s.d, 1);
  EXPECT_EQ(s.d.nextY, 202);
  s.w.ledge[0].active = 0;  // switched off: free to go up
  s.propose(0, -2);
  collideLedges(s.w, s.d, 1);
  EXPECT_EQ(s.d.nextY, 198);
}

TEST(Flights, ALeftThrowRisesThenDropsToItsLandingPoint) {
  Scene s;
  s.at(420, 300);
  s.w.flightActive = 1;
  s.w.flightDirection = 1;
  s.w.flightLandX = 145;
  s.w.flightLandY = 302;
  s.w.flightTurnX = 310;
  int highest = 300, frames = 0;
  while (s.w.flightActive && frames++ < 1000) {
    fly(s.w, s.d, 2, nullptr);
    s.d.commit();
    highest = std::min(highest, s.d.y);
  }
  EXPECT_EQ(s.d.x, 145);
  EXPECT_EQ(s.d.y, 302);
  EXPECT_LT(highest, 250);
  EXPECT_EQ(s.w.vibrateState, 0);
}

TEST(Catapults, AThrowWithoutAWeightOnlyShowsTheWeightBubble) {
  static constexpr CatapultScript kThrows[] = {{{{145, 302, 310, false, 0, 0}, {400, 100, 200, true, 80, 300}, {}}}};
  QuestObjects q{};
  q.catapultScripts = kThrows;
  Scene s;
  s.w.weightsHeld = 0;
  throwFromCatapult(s.w, q, 0, 2);  // the plateau throw, refused
  EXPECT_EQ(s.w.bubbleWeight, 1);
  EXPECT_EQ(s.w.flightActive, 0);
  EXPECT_EQ(s.w.weightsHeld, 0);
  EXPECT_EQ(s.w.flightStage, 0);
  s.w.weightsHeld = 2;
  throwFromCatapult(s.w, q, 0, 1);
  EXPECT_EQ(s.w.flightActive, 1);
  EXPECT_EQ(s.w.flightStage, 0);
  EXPECT_EQ(s.w.weightsHeld, 1);
}

TEST(Machines, AHammerBurstsTheMachineWhileItsBallRollsOn) {
  Scene s;
  s.w.machinePresent = 1;
  s.w.machineX = 700;
  s.w.machineY = 380;
  s.w.ballRolling = 1;
  s.w.ballX = 300;
  s.at(676, 400);
  s.propose(2, 0);
  collideMachine(s.w, s.d);
  EXPECT_EQ(s.d.nextX, 676);  // no hammer: the machine is a wall
  EXPECT_EQ(s.w.machinePresent, 1);
  s.w.hammersHeld = 1;
  s.propose(2, 0);
  collideMachine(s.w, s.d);
  EXPECT_EQ(s.d.nextX, 678);
  EXPECT_EQ(s.w.machinePresent, 0);
  EXPECT_EQ(s.w.machineBurstActive, 1);
  EXPECT_EQ(s.w.hammersHeld, 0);
  EXPECT_EQ(s.w.sndSmash, 1);
  moveBall(s.w, 5);
  EXPECT_EQ(s.w.ballRolling, 1);
  EXPECT_EQ(s.w.ballX, 295);
}

TEST(Machines, ABallLeavesAfterSevenTicksAndABlockCanStopIt) {
  useVirtualClock(100);
  Scene s;
  s.w.machinePresent = 1;
  s.w.ballStartX = 750;
  s.w.ballStartY = 400;
  for (int frame = 0; frame < 40 && !s.w.ballRolling; ++frame) {
    runMachine(s.w);
    advanceVirtualClock();
  }
  useRealClock();
  ASSERT_EQ(s.w.ballRolling, 1);
  addBlock(s.w, 400, 390, true);  // quest 1's block 0 stops the ball
  s.w.ballX = 405;
  s.at(10, 10);
  hitBallsAndRocks(s.w, s.d, 1);
  EXPECT_EQ(s.w.ballRolling, 0);
  EXPECT_EQ(s.w.smashMuffled, 1);
  EXPECT_EQ(s.d.hearts, 1);
}

TEST(Rocks, ARockTakesAHeartAndOneOnTheGroundBreaksQuietly) {
  Scene s;
  s.w.rocksFalling = 1;
  s.w.rockCount = 2;
  s.w.rockColumnX = 15;
  s.w.rockPresent[0] = s.w.rockPresent[1] = 1;
  s.w.rockY[0] = 100;
  s.w.rockY[1] = 490;
  s.d.hearts = 1;
  s.at(15, 100);
  hitBallsAndRocks(s.w, s.d, 5);
  EXPECT_EQ(s.d.hearts, 0);
  EXPECT_EQ(s.w.rockPresent[0], 0);
  EXPECT_EQ(s.w.rockPresent[1], 0);
  EXPECT_EQ(s.w.smashMuffled, 1);
  moveRocks(s.w, 400);  // past the bottom, rocks come back from above
  EXPECT_EQ(s.w.rockY[1], 890 - 1500);
  EXPECT_EQ(s.w.rockPresent[1], 1);
}

TEST(Stores, TooFewCoinsShowTheBubbleAndABoughtOfferIsGone) {
  static constexpr StoreScript kStore[] = {{{{Gift::Hammer, 3, 0, 0}, {Gift::Heart, 1, 1, 0}, {Gift::Key, 3, -1, 0}}}};
  QuestObjects q{};
  q.storeScripts = kStore;
  Scene s;
  s.w.coinsHeld = 2;
  buy(s.w, s.d, q, 0, 1);
  EXPECT_EQ(s.w.bubbleCoin, 1);
  EXPECT_EQ(s.w.hammersHeld, 0);
  buy(s.w, s.d, q, 0, 2);
  EXPECT_EQ(s.d.hearts, 2);
  EXPECT_EQ(s.w.coinsHeld, 1);
  buy(s.w, s.d, q, 0, 2);  // sold out
  EXPECT_EQ(s.w.coinsHeld, 1);
  s.w.coinsHeld = 6;
  buy(s.w, s.d, q, 0, 3);  // a key is sold while it is not held
  EXPECT_EQ(s.w.keyHeld[0], 1);
  buy(s.w, s.d, q, 0, 3);
  EXPECT_EQ(s.w.coinsHeld, 3);
}

TEST(SuspiciousWalls, AWrongSignCostsAHeartAndTheRightOneOpens) {
  Scene s;
  s.w.suspWallCount = 1;
  s.w.suspWallPresent[0] = 1;
  s.w.suspWallAnswer[0] = 3;
  s.w.suspWallScale[0] = 1.4f;
  s.d.hearts = 1;
  EXPECT_FALSE(touchSign(s.w, s.d, 0, 1));
  EXPECT_EQ(s.d.hearts, 0);
  EXPECT_FALSE(touchSign(s.w, s.d, 0, 2));
  EXPECT_EQ(s.d.hearts, 255);  // no floor: the dude is out of hearts
  EXPECT_TRUE(touchSign(s.w, s.d, 0, 3));
  EXPECT_EQ(s.w.suspWallPresent[0], 0);
  for (int t = 0; t < 60; ++t) fadeSuspiciousWalls(s.w);
  EXPECT_FLOAT_EQ(s.w.suspWallScale[0], 0.0f);
  EXPECT_EQ(s.w.suspWallOpening[0], 0);
}

TEST(Teleporters, TheDudeDissolvesAndArrivesAtTheExit) {
  useVirtualClock(50);
  Scene s;
  s.w.teleporterCount = 1;
  s.w.teleporterX[0] = 100;
  s.w.teleporterY[0] = 100;
  s.w.teleporterExitX[0] = 500;
  s.w.teleporterExitY[0] = 300;
  s.at(105, 100);
  enterTeleporters(s.w, s.d);
  ASSERT_EQ(s.w.teleportState, 1);
  std::vector<int> frames;
  for (int frame = 0; frame < 20 && s.w.teleportState; ++frame) {
    animateTeleport(s.w, s.d);
    if (frames.empty() || frames.back() != s.d.frame) frames.push_back(s.d.frame);
    advanceVirtualClock();
  }
  useRealClock();
  EXPECT_EQ(s.d.nextX, 500);
  EXPECT_EQ(s.d.nextY, 300);
  EXPECT_EQ(frames, (std::vector<int>{0, 26, 27, 28, 26}));
}
