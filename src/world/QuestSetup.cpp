#include <algorithm>
#include <optional>

#include "quests/QuestLayout.h"
#include "quests/QuestObjects.h"
#include "world/WorldState.h"

namespace {

// Copies a list of spots into a kind's present flags and positions; returns the count.
template <size_t N>
uint8_t placeSpots(std::span<const Spot> from, uint8_t (&present)[N], int (&x)[N], int (&y)[N]) {
  const size_t n = std::min(from.size(), N);
  for (size_t i = 0; i < n; ++i) {
    present[i] = 1;
    x[i] = from[i].x;
    y[i] = from[i].y;
  }
  return static_cast<uint8_t>(n);
}

void placeKeys(WorldState& w, std::span<const KeyPlacement> keys) {
  w.keyCount = static_cast<uint8_t>(std::min<size_t>(keys.size(), kMaxObjects));
  for (int i = 0; i < w.keyCount; ++i) {
    w.keyKind[i] = keys[i].kind;
    w.keyPresent[i] = keys[i].onField ? 1 : 0;
    w.keyX[i] = keys[i].x;
    w.keyY[i] = keys[i].y;
  }
}

void placeDoors(WorldState& w, std::span<const DoorPlacement> doors) {
  w.doorCount = static_cast<uint8_t>(std::min<size_t>(doors.size(), kMaxObjects));
  for (int i = 0; i < w.doorCount; ++i) {
    w.doorPresent[i] = doors[i].keyKind ? 1 : 0;
    w.doorX[i] = doors[i].x;
    w.doorY[i] = doors[i].y;
    w.doorKeyKind[i] = doors[i].keyKind;
    w.doorScaleX[i] = 1.4f;
  }
}

void placeBlocks(WorldState& w, std::span<const BlockPlacement> blocks) {
  w.blockCount = static_cast<uint8_t>(std::min<size_t>(blocks.size(), kMaxBlocks));
  for (int i = 0; i < w.blockCount; ++i) {
    w.blockPresent[i] = blocks[i].presentAtStart ? 1 : 0;
    w.blockX[i] = blocks[i].x;
    w.blockY[i] = blocks[i].y;
    w.blockHorizontal[i] = blocks[i].horizontal ? 1 : 0;
    w.blockScaleX[i] = blocks[i].presentAtStart ? 1.1f : 0.1f;
  }
}

void placeLeversAndCatapults(WorldState& w, const QuestObjects& q) {
  w.leverCount = static_cast<uint8_t>(std::min<size_t>(q.levers.size(), kMaxObjects));
  for (int i = 0; i < w.leverCount; ++i) {
    w.leverPresent[i] = 1;
    w.leverX[i] = q.levers[i].x;
    w.leverY[i] = q.levers[i].y;
    w.leverPosition[i] = q.levers[i].position;
  }
  w.catapultCount = static_cast<uint8_t>(std::min<size_t>(q.catapults.size(), kMaxObjects));
  for (int i = 0; i < w.catapultCount; ++i) {
    w.catapultPresent[i] = 1;
    w.catapultX[i] = q.catapults[i].x;
    w.catapultY[i] = q.catapults[i].y;
    w.catapultFacing[i] = q.catapults[i].facing;
  }
}

void placeTeleportersAndLedges(WorldState& w, const QuestObjects& q) {
  w.teleporterCount = static_cast<uint8_t>(std::min<size_t>(q.teleporters.size(), kMaxTeleporters));
  for (int i = 0; i < w.teleporterCount; ++i) {
    const TeleporterPlacement& t = q.teleporters[i];
    w.teleporterX[i] = t.x;
    w.teleporterY[i] = t.y;
    w.teleporterExitX[i] = t.exitX;
    w.teleporterExitY[i] = t.exitY;
  }
  for (const LedgePlacement& l : q.ledges) {
    if (l.index >= kMaxLedges) continue;
    w.ledge[l.index] = {static_cast<uint8_t>(l.active ? 1 : 0), l.x, l.y, l.width};
  }
  if (q.movablePad) {
    w.movablePadX = q.movablePad->x;
    w.movablePadY = q.movablePad->y;
  }
}

void placeWalls(WorldState& w, std::span<const SuspWallPlacement> walls) {
  w.suspWallCount = static_cast<uint8_t>(std::min<size_t>(walls.size(), kMaxObjects));
  for (int i = 0; i < w.suspWallCount; ++i) {
    w.suspWallPresent[i] = 1;
    w.suspWallX[i] = walls[i].x;
    w.suspWallY[i] = walls[i].y;
    w.suspWallAnswer[i] = walls[i].answer;
    w.suspWallScale[i] = walls[i].scale;
  }
}

// A single object stands where the quest puts it, if the quest has one.
void placeOne(const std::optional<Spot>& spot, uint8_t& present, int& x, int& y) {
  if (!spot) return;
  present = 1;
  x = spot->x;
  y = spot->y;
}

void placeSingles(WorldState& w, const QuestObjects& q) {
  for (size_t s = 0; s < std::min<size_t>(q.stores.size(), kMaxStores); ++s) {
    w.storePresent[s] = 1;
    w.storeX[s] = q.stores[s].x;
    w.storeY[s] = q.stores[s].y;
  }
  placeOne(q.gem, w.gemPresent, w.gemX, w.gemY);
  placeOne(q.specialDoor, w.specialDoorPresent, w.specialDoorX, w.specialDoorY);
  placeOne(q.trader, w.traderPresent, w.traderX, w.traderY);
  placeOne(q.horn, w.hornPresent, w.hornX, w.hornY);
  if (q.machine) {
    w.machinePresent = 1;
    w.machineX = q.machine->x;
    w.machineY = q.machine->y;
    w.ballStartX = q.machine->ballStartX;
    w.ballStartY = q.machine->ballStartY;
  }
  w.rockColumnX = q.rockColumnX;
  w.rockCount = static_cast<uint8_t>(std::min<size_t>(q.rockY.size(), kMaxObjects));
  for (int i = 0; i < w.rockCount; ++i) {
    w.rockPresent[i] = 1;
    w.rockY[i] = q.rockY[i];
  }
  w.rocksFalling = q.rocksFalling ? 1 : 0;
  w.foodScale = q.foodScale;
  w.keyScale = q.keyScale;
  w.coinsHeld = q.coinsHeld;
  w.hammersHeld = q.hammersHeld;
  w.weightsHeld = q.weightsHeld;
  w.vasesArePots = q.vasesArePots ? 1 : 0;
  if (q.continueButton) {
    w.continueButtonX = q.continueButton->x;
    w.continueButtonY = q.continueButton->y;
  }
}

void placeWorld4Kinds(WorldState& w, const QuestObjects& q) {
  w.buttonCount = placeSpots(q.buttons, w.buttonPresent, w.buttonX, w.buttonY);
  w.trapDoorCount = static_cast<uint8_t>(std::min<size_t>(q.trapDoors.size(), 2));
  for (int i = 0; i < w.trapDoorCount; ++i) {
    w.trapDoorX[i] = q.trapDoors[i].x;
    w.trapDoorY[i] = q.trapDoors[i].y;
  }
  w.trampolineCount = static_cast<uint8_t>(std::min<size_t>(q.trampolines.size(), kMaxObjects));
  for (int i = 0; i < w.trampolineCount; ++i) {
    w.trampolinePresent[i] = 1;
    w.trampolineX[i] = q.trampolines[i].x;
    w.trampolineY[i] = q.trampolines[i].y;
    w.trampolineSetting[i] = q.trampolines[i].setting;
  }
  // Every ball waits rolling where it lies until the quest's script releases it.
  for (size_t i = 0; i < q.balls.size() && i < kWorld4Balls; ++i) {
    BallRef b = ballOf(w, static_cast<int>(i));
    b.rolling = 1;
    b.x = q.balls[i].x;
    b.y = q.balls[i].y;
  }
  if (!q.balls.empty()) {
    w.ballStartX = w.ballX;
    w.ballStartY = w.ballY;
  }
  w.ballRollsLeft = q.ballRollsLeft ? 1 : 0;
  w.ballRollsRight = q.ballRollsRight ? 1 : 0;
}

}  // namespace

void WorldState::setupQuest(int quest) {
  if (const QuestLayout* layout = questLayout(quest); layout && layout->hasGoal) {
    goalActive = 1;
    goalX = layout->goal.x;
    goalY = layout->goal.y;
    goalWidth = layout->goal.width;
    goalHeight = layout->goal.height;
  }
  const QuestObjects* q = questObjects(quest);
  if (!q) return;
  coinCount = placeSpots(q->coins, coinPresent, coinX, coinY);
  foodCount = placeSpots(q->food, foodPresent, foodX, foodY);
  weightCount = placeSpots(q->weights, weightPresent, weightX, weightY);
  placeSpots(q->hammers, hammerPresent, hammerX, hammerY);
  vaseCount = placeSpots(q->vases, vasePresent, vaseX, vaseY);
  ladderCount = placeSpots(q->ladders, ladderPresent, ladderX, ladderY);
  placeKeys(*this, q->keys);
  placeDoors(*this, q->doors);
  placeBlocks(*this, q->blocks);
  placeLeversAndCatapults(*this, *q);
  placeTeleportersAndLedges(*this, *q);
  placeWalls(*this, q->suspiciousWalls);
  placeSingles(*this, *q);
  placeWorld4Kinds(*this, *q);
}
