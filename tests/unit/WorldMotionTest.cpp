#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <vector>

#include "platform/Clock.h"
#include "quests/QuestObjects.h"
#include "world/Dude.h"
#include "world/Kinds.h"
#include "world/WorldState.h"

// Teleports, ledges, the horn, catapult flights, machines, balls and rocks: the edges of their
// rules, and the quest data that leans on them.

namespace {

// A world of one quest (or an empty one) and a dude standing at (x, y).
struct Field {
  WorldState w;
  Dude d;
  explicit Field(int quest = 0) {
    w.reset();
    if (quest) w.setupQuest(quest);
  }
  void at(int x, int y) {
    d.x = d.nextX = x;
    d.y = d.nextY = y;
  }
  void propose(int dx, int dy) {
    d.nextX = d.x + dx;
    d.nextY = d.y + dy;
  }
};

// Runs the virtual clock for one test, whatever way it ends.
struct VirtualClock {
  explicit VirtualClock(uint32_t msPerFrame) { useVirtualClock(msPerFrame); }
  ~VirtualClock() { useRealClock(); }
};

void addTeleporter(WorldState& w, int x, int y, int exitX, int exitY) {
  const int i = w.teleporterCount++;
  w.teleporterX[i] = x;
  w.teleporterY[i] = y;
  w.teleporterExitX[i] = exitX;
  w.teleporterExitY[i] = exitY;
}

// Flies until the flight ends (or gives up), returning the heights passed through.
std::vector<int> flyToTheEnd(Field& f, int step) {
  std::vector<int> heights;
  for (int frame = 0; frame < 2000 && f.w.flightActive; ++frame) {
    fly(f.w, f.d, step, nullptr);
    f.d.commit();
    heights.push_back(f.d.y);
  }
  return heights;
}

}  // namespace

TEST(Teleports, TheSoundIsAskedForOncePerPeriodAndTheExitOnAnotherEntryTeleportsAgain) {
  VirtualClock clock(50);
  Field f;
  addTeleporter(f.w, 100, 100, 300, 100);
  addTeleporter(f.w, 295, 100, 600, 50);  // its entry holds the first one's exit
  f.at(105, 100);
  enterTeleporters(f.w, f.d);
  ASSERT_EQ(f.w.teleportState, 1);
  int sounds = 0, frames = 0;
  for (; frames < 40 && f.w.teleportState; ++frames) {
    enterTeleporters(f.w, f.d);  // standing on the entry again changes nothing while one runs
    EXPECT_EQ(f.w.teleportExitX, 300);
    animateTeleport(f.w, f.d);
    sounds += f.w.sndTeleport;
    f.w.sndTeleport = 0;
    advanceVirtualClock();
  }
  EXPECT_EQ(sounds, 4);
  f.d.commit();
  EXPECT_EQ(f.d.x, 300);
  EXPECT_EQ(f.d.frame, 26);
  animateTeleport(f.w, f.d);  // idle: no more sound
  EXPECT_EQ(f.w.sndTeleport, 0);
  enterTeleporters(f.w, f.d);
  EXPECT_EQ(f.w.teleportState, 1);
  EXPECT_EQ(f.w.teleportExitX, 600);
  EXPECT_EQ(f.w.teleportExitY, 50);
}

TEST(Teleports, OfOverlappingEntriesTheLastOneWinsAndTheEntryHasSharpEdges) {
  Field f;
  addTeleporter(f.w, 100, 100, 300, 100);
  addTeleporter(f.w, 98, 100, 700, 400);
  f.at(105, 100);
  enterTeleporters(f.w, f.d);
  EXPECT_EQ(f.w.teleportExitX, 700);

  Field g;
  addTeleporter(g.w, 100, 100, 300, 100);
  // (x, y) and whether it enters: x strictly inside (100, 115) or x + 26 inside (116, 130), which
  // together is x inside (90, 115); y strictly inside (85, 142).
  const struct {
    int x, y;
    bool enters;
  } kSpots[] = {{100, 100, true}, {101, 100, true}, {114, 100, true}, {115, 100, false}, {91, 100, true},
                {90, 100, false},  {103, 100, true}, {101, 85, false},  {101, 86, true},   {101, 141, true},
                {101, 142, false}};
  for (const auto& s : kSpots) {
    g.w.teleportState = 0;
    g.at(s.x, s.y);
    enterTeleporters(g.w, g.d);
    EXPECT_EQ(g.w.teleportState, s.enters ? 1 : 0) << s.x << ", " << s.y;
  }
}

TEST(Ledges, EachWorldConsultsOnlyItsOwnRecords) {
  // The records each world tests; any other record is ignored whatever its flag.
  const std::set<int> kTested[7] = {
      {}, {0, 1, 2, 4, 5, 6}, {0, 1, 2, 4, 5, 6}, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11},
      {0, 1, 2, 4, 5, 6, 8, 9, 10, 11}, {0, 1, 2, 4, 5, 6}, {0, 1, 2, 4, 5, 6, 8, 10},
  };
  for (int world = 1; world <= 6; ++world) {
    for (int record = 0; record < kMaxLedges; ++record) {
      SCOPED_TRACE(testing::Message() << "world " << world << ", ledge " << record);
      Field f;
      f.at(100, 200);
      if (record < 4) {  // stops the way up: the dude stands on its line
        f.w.ledge[record] = {1, 90, 200, 60};
        f.propose(0, -2);
      } else if (record < 8) {  // stops the way down: the dude's feet touch its line
        f.w.ledge[record] = {1, 90, 251, 60};
        f.propose(0, 2);
      } else if (record < 10) {  // stops the way left: the dude's left edge on it
        f.w.ledge[record] = {1, 100, 180, 100};
        f.propose(-2, 0);
      } else {  // stops the way right: the dude's right edge on it
        f.w.ledge[record] = {1, 129, 180, 100};
        f.propose(2, 0);
      }
      const int wantX = f.d.nextX, wantY = f.d.nextY;
      collideLedges(f.w, f.d, world);
      const bool stopped = f.d.nextX != wantX || f.d.nextY != wantY;
      EXPECT_EQ(stopped, kTested[world].count(record) == 1);
    }
  }
}

TEST(Ledges, DownwardAndSidewaysLedgesStopOnlyACrossingOfTheirLine) {
  Field f;
  f.w.ledge[4] = {1, 100, 300, 60};
  const struct {
    int x, y;
    bool stopped;
  } kDown[] = {{100, 249, true},  {72, 249, true},   {71, 249, false}, {159, 249, true},
               {160, 249, false}, {100, 250, false}, {100, 240, false}};
  for (const auto& s : kDown) {
    f.at(s.x, s.y);
    f.propose(0, 2);
    collideLedges(f.w, f.d, 1);
    EXPECT_EQ(f.d.nextY, s.stopped ? s.y : s.y + 2) << s.x << ", " << s.y;
  }
  f.at(100, 249);  // the way back up is free
  f.propose(0, -2);
  collideLedges(f.w, f.d, 1);
  EXPECT_EQ(f.d.nextY, 247);

  Field g;
  g.w.ledge[8] = {1, 300, 100, 100};   // no way left past x 300
  g.w.ledge[10] = {1, 400, 100, 100};  // no way right past x 400
  g.at(300, 150);
  g.propose(-2, 0);
  collideLedges(g.w, g.d, 3);
  EXPECT_EQ(g.d.nextX, 300);
  g.at(301, 150);  // right of the line, the move ends on it
  g.propose(-1, 0);
  collideLedges(g.w, g.d, 3);
  EXPECT_EQ(g.d.nextX, 300);
  g.at(371, 150);
  g.propose(2, 0);
  collideLedges(g.w, g.d, 3);
  EXPECT_EQ(g.d.nextX, 371);
  g.at(371, 49);  // the dude's feet at the ledge's top: no overlap
  g.propose(2, 0);
  collideLedges(g.w, g.d, 3);
  EXPECT_EQ(g.d.nextX, 373);
  g.at(371, 200);  // its head at the ledge's bottom end: no overlap either
  g.propose(2, 0);
  collideLedges(g.w, g.d, 3);
  EXPECT_EQ(g.d.nextX, 373);
}

TEST(Ledges, Quest8BridgeOpensTheCliffItSpans) {
  Field f(8);
  const QuestObjects& q = *questObjects(8);
  // At the start the bridge spans the lower cliff; the upper one (ledge 5 at y 150) stops the way down.
  f.at(80, 99);
  f.propose(0, 2);
  collideLedges(f.w, f.d, 1);
  EXPECT_EQ(f.d.nextY, 99);
  pullLever(f.w, q, 0, 2);
  EXPECT_EQ(f.w.ladderX[0], 75);
  EXPECT_EQ(f.w.ladderY[0], 150);
  f.propose(0, 2);
  collideLedges(f.w, f.d, 1);
  EXPECT_EQ(f.d.nextY, 101);
  // ...and the lower cliff (ledge 4 at y 360) closes behind it.
  f.at(80, 309);
  f.propose(0, 2);
  collideLedges(f.w, f.d, 1);
  EXPECT_EQ(f.d.nextY, 309);
}

TEST(Horn, TakingItOpensLedge0AndTellsTheSceneryOnce) {
  Field f(2);  // the horn lies at (150, 455)
  ASSERT_EQ(f.w.ledge[0].active, 1);
  const struct {
    int x, y;
    bool takes;
  } kSpots[] = {{124, 420, false}, {125, 390, false}, {194, 420, true}, {195, 420, false}, {125, 464, true}};
  for (const auto& s : kSpots) {
    f.at(s.x, s.y);
    pickUpHorn(f.w, f.d, false);
    EXPECT_EQ(f.w.hornPresent, s.takes ? 0 : 1) << s.x << ", " << s.y;
    if (!s.takes) continue;
    EXPECT_EQ(f.w.ledge[0].active, 0);
    EXPECT_EQ(f.w.hornTaken, 1);
    f.w.hornPresent = 1;  // lay it back for the next spot
    f.w.ledge[0].active = 1;
    f.w.hornTaken = 0;
  }
  f.at(125, 391);
  pickUpHorn(f.w, f.d, false);
  ASSERT_EQ(f.w.hornTaken, 1);
  f.w.hornTaken = 0;
  pickUpHorn(f.w, f.d, false);  // gone: standing there again does nothing
  EXPECT_EQ(f.w.hornTaken, 0);
}

TEST(Catapults, EachFacingHasItsOwnEndToStandAtAndNoFacingHasNone) {
  Field f;
  f.w.catapultCount = 1;
  f.w.catapultX[0] = 420;
  f.w.catapultY[0] = 300;
  const struct {
    uint8_t facing;
    int x, y;
    bool at;
  } kSpots[] = {
      // Throwing left: x + 26 or x strictly inside (463, 503).
      {1, 437, 300, false}, {1, 438, 300, true}, {1, 502, 300, true}, {1, 503, 300, false},
      // Throwing right: x + 26 or x strictly inside (420, 460).
      {2, 394, 300, false}, {2, 395, 300, true}, {2, 459, 300, true}, {2, 460, 300, false},
      // Either way y strictly inside (260, 342).
      {2, 420, 260, false}, {2, 420, 261, true}, {2, 420, 341, true}, {2, 420, 342, false},
      // A record that throws neither way.
      {0, 420, 300, false}, {0, 470, 300, false}, {3, 420, 300, false},
  };
  for (const auto& s : kSpots) {
    f.w.catapultFacing[0] = s.facing;
    f.w.dudeAtCatapult[0] = 1;  // cleared by the test whenever the dude is elsewhere
    f.at(s.x, s.y);
    testCatapults(f.w, f.d);
    EXPECT_EQ(f.w.dudeAtCatapult[0], s.at ? 1 : 0) << int(s.facing) << ": " << s.x << ", " << s.y;
  }
}

TEST(Catapults, AThrowTakesItsCatapultsWayAndScript) {
  Field f(6);  // catapult 0 throws right, catapult 1 left
  const QuestObjects& q = *questObjects(6);
  f.w.weightsHeld = 2;
  throwFromCatapult(f.w, q, 1, 2);
  EXPECT_EQ(f.w.flightDirection, 1);
  EXPECT_EQ(f.w.flightLandX, 387);
  EXPECT_EQ(f.w.flightLandY, 222);
  EXPECT_EQ(f.w.flightTurnX, 520);
  EXPECT_EQ(f.w.catapultFrame, 1);
  EXPECT_EQ(f.w.weightsHeld, 1);
  f.w.flightActive = 0;
  throwFromCatapult(f.w, q, 0, 3);
  EXPECT_EQ(f.w.flightDirection, 2);
  EXPECT_EQ(f.w.flightLandX, 500);
  EXPECT_EQ(f.w.flightTurnX, 300);
  EXPECT_EQ(f.w.weightsHeld, 0);
}

TEST(Flights, TheTurningPointStillRisesAndTheLandingClampsBothWays) {
  Field f;
  f.at(100, 300);
  f.w.flightActive = 1;
  f.w.flightDirection = 2;
  f.w.flightLandX = 128;  // overshot by the last step, then held
  f.w.flightLandY = 310;
  f.w.flightTurnX = 110;
  EXPECT_EQ(flyToTheEnd(f, 5), (std::vector<int>{295, 290, 295, 300, 305, 310}));
  EXPECT_EQ(f.d.x, 128);
  EXPECT_EQ(f.w.flightActive, 0);

  Field g;
  g.at(200, 300);
  g.w.flightActive = 1;
  g.w.flightDirection = 1;
  g.w.flightLandX = 170;
  g.w.flightLandY = 300;  // landing at the launch height: the drop stops there and slides
  g.w.flightTurnX = 190;
  EXPECT_EQ(flyToTheEnd(g, 5), (std::vector<int>{295, 290, 295, 300, 300, 300}));
  EXPECT_EQ(g.d.x, 170);
}

TEST(Flights, Quest7PlateauThrowRisesToItsCeilingFliesLevelAndDropsLate) {
  Field f(7);
  const QuestObjects& q = *questObjects(7);
  f.w.flightStage = 1;  // a stale plateau flag: a plain throw clears it
  throwFromCatapult(f.w, q, 0, 1);
  EXPECT_EQ(f.w.flightStage, 0);
  EXPECT_EQ(f.w.flightDirection, 1);
  f.w.flightActive = 0;

  throwFromCatapult(f.w, q, 1, 3);
  ASSERT_EQ(f.w.flightActive, 1);
  EXPECT_EQ(f.w.flightStage, 1);
  EXPECT_EQ(f.w.flightDirection, 2);
  EXPECT_EQ(f.w.flightMinY, -41);
  EXPECT_EQ(f.w.flightDropX, 650);
  EXPECT_EQ(f.w.weightsHeld, 0);
  f.at(40, 50);
  std::vector<int> xs, ys;
  for (int frame = 0; frame < 2000 && f.w.flightActive; ++frame) {
    fly(f.w, f.d, 3, nullptr);
    if (frame == 0) {
      EXPECT_EQ(f.w.vibrateState, 1);
      f.w.vibrateState = 2;  // played: never asked for again during this flight
    } else if (f.w.flightActive) {
      EXPECT_EQ(f.w.vibrateState, 2);
    }
    f.d.commit();
    xs.push_back(f.d.x);
    ys.push_back(f.d.y);
  }
  ASSERT_EQ(f.w.flightActive, 0);
  EXPECT_EQ(f.d.x, 750);
  EXPECT_EQ(f.d.y, 50);
  EXPECT_EQ(f.w.flightStage, 0);
  EXPECT_EQ(f.w.vibrateState, 0);
  EXPECT_EQ(f.w.catapultFrame, 0);
  // It rises 3 a step until it is above -41, then holds that height until x 650.
  for (size_t i = 1; i < xs.size(); ++i) {
    if (xs[i] < 650) { EXPECT_LE(ys[i], ys[i - 1]) << "x " << xs[i]; }
    if (xs[i] < 650 && ys[i - 1] < -41) { EXPECT_EQ(ys[i], ys[i - 1]) << "x " << xs[i]; }
  }
  EXPECT_EQ(*std::min_element(ys.begin(), ys.end()), -43);
}

TEST(Machines, TheMachineBlinksFromItsSecondTickAndRestsWhileItsBallRolls) {
  VirtualClock clock(100);
  Field f;
  f.w.machinePresent = 1;
  f.w.ballStartX = 655;
  f.w.ballStartY = 455;
  std::vector<int> framesAtTicks;
  int lastTicks = 0;
  for (int frame = 0; frame < 100 && !f.w.ballRolling; ++frame) {
    runMachine(f.w);
    if (f.w.machineTicks != lastTicks || f.w.ballRolling) framesAtTicks.push_back(f.w.machineFrame);
    lastTicks = f.w.machineTicks;
    advanceVirtualClock();
  }
  ASSERT_EQ(f.w.ballRolling, 1);
  EXPECT_EQ(framesAtTicks, (std::vector<int>{0, 1, 0, 1, 0, 1, 0}));
  EXPECT_EQ(f.w.machineTicks, 0);
  EXPECT_EQ(f.w.ballX, 655);
  EXPECT_EQ(f.w.ballY, 455);
  for (int frame = 0; frame < 50; ++frame) {
    runMachine(f.w);
    advanceVirtualClock();
  }
  EXPECT_EQ(f.w.machineTicks, 0);
  moveBall(f.w, 4);  // the first move starts from the machine's spot
  EXPECT_EQ(f.w.ballX, 651);
  EXPECT_EQ(f.w.ballJustSpawned, 0);
  f.w.ballX = -50;
  moveBall(f.w, 0);
  EXPECT_EQ(f.w.ballRolling, 1);  // gone only below -50
  moveBall(f.w, 1);
  EXPECT_EQ(f.w.ballRolling, 0);
}

TEST(Balls, Quest5BlocksOneAndSixBreakTheBallOnceAndOtherBlocksLetItPass) {
  Field f(5);
  f.at(700, 100);
  f.w.ballRolling = 1;
  f.w.ballY = 455;
  f.w.ballX = 300;  // over block 2, which is no stop
  hitBallsAndRocks(f.w, f.d, 5);
  EXPECT_EQ(f.w.ballRolling, 1);
  f.w.ballX = 135;  // reaching block 6 at x 120
  hitBallsAndRocks(f.w, f.d, 5);
  EXPECT_EQ(f.w.ballRolling, 0);
  EXPECT_EQ(f.w.sndSmash, 1);
  EXPECT_EQ(f.w.smashMuffled, 1);
  EXPECT_EQ(f.w.burstActive[0], 1);
  EXPECT_EQ(f.w.burst[0].x[0], 145);
  EXPECT_EQ(f.w.burst[0].y[0], 465);
  f.w.sndSmash = f.w.smashMuffled = 0;
  hitBallsAndRocks(f.w, f.d, 5);  // the broken ball lies there: no second smash
  EXPECT_EQ(f.w.sndSmash, 0);
  EXPECT_EQ(f.w.burstActive[1], 0);

  f.w.blockPresent[6] = 0;  // without block 6 the ball rolls on to block 1 at x 85
  f.w.ballRolling = 1;
  hitBallsAndRocks(f.w, f.d, 5);
  EXPECT_EQ(f.w.ballRolling, 1);
  f.w.ballX = 104;
  hitBallsAndRocks(f.w, f.d, 5);
  EXPECT_EQ(f.w.ballRolling, 0);
  f.w.ballRolling = 1;  // the same blocks stop nothing in another quest
  hitBallsAndRocks(f.w, f.d, 2);
  EXPECT_EQ(f.w.ballRolling, 1);
}

TEST(Balls, TheBallHitsTheDudeInsideItsOwnBox) {
  const struct {
    int x, y;
    bool hit;
  } kSpots[] = {{277, 400, false}, {278, 400, true}, {343, 400, true}, {344, 400, false},
                {300, 356, false}, {300, 357, true}, {300, 442, true}, {300, 443, false}};
  for (const auto& s : kSpots) {
    Field f;
    f.d.hearts = 2;
    f.w.ballRolling = 1;
    f.w.ballX = 300;
    f.w.ballY = 400;
    f.at(s.x, s.y);
    hitBallsAndRocks(f.w, f.d, 3);
    EXPECT_EQ(f.d.hearts, s.hit ? 1 : 2) << s.x << ", " << s.y;
    EXPECT_EQ(f.w.ballRolling, s.hit ? 0 : 1);
    EXPECT_EQ(f.w.burstActive[0], s.hit ? 1 : 0);
    EXPECT_EQ(f.w.smashMuffled, 0);
  }
}

TEST(Rocks, RockBurstsUseTheSecondBankAndTheRocksStopForGoodWithoutBlock0) {
  Field f(5);
  f.at(700, 100);
  ASSERT_EQ(f.w.rocksFalling, 1);
  f.w.rockY[0] = 481;  // on the ground
  hitBallsAndRocks(f.w, f.d, 5);
  EXPECT_EQ(f.w.rockPresent[0], 0);
  EXPECT_EQ(f.w.spareBurstActive[0], 1);
  EXPECT_EQ(f.w.burstActive[0], 0);
  EXPECT_EQ(f.w.spareBurst[0].x[0], 25);
  EXPECT_EQ(f.w.spareBurst[0].y[0], 491);
  f.w.spareBurstActive[1] = f.w.spareBurstActive[2] = f.w.spareBurstActive[3] = 1;
  f.w.rockY[1] = 490;  // every burst of the bank is flying: the rock breaks unseen
  hitBallsAndRocks(f.w, f.d, 5);
  EXPECT_EQ(f.w.rockPresent[1], 0);
  EXPECT_EQ(f.w.spareBurst[0].y[1], 0);
  f.w.rockY[2] = 480;  // not yet down
  hitBallsAndRocks(f.w, f.d, 5);
  EXPECT_EQ(f.w.rockPresent[2], 1);

  stopRocksWithoutBlock0(f.w);
  EXPECT_EQ(f.w.rocksFalling, 1);
  f.w.blockPresent[0] = 0;
  stopRocksWithoutBlock0(f.w);
  EXPECT_EQ(f.w.rocksFalling, 0);
  f.w.blockPresent[0] = 1;  // the block coming back does not start them again
  stopRocksWithoutBlock0(f.w);
  moveRocks(f.w, 10);
  EXPECT_EQ(f.w.rocksFalling, 0);
  EXPECT_EQ(f.w.rockY[2], 480);
}
