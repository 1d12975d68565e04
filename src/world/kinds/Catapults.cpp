#include <algorithm>

#include "quests/QuestObjects.h"
#include "world/Dude.h"
#include "world/Kinds.h"
#include "world/WorldState.h"

namespace {
enum Facing : uint8_t { kThrowsLeft = 1, kThrowsRight = 2 };
}  // namespace

void pickUpWeights(WorldState& w, const Dude& d) {
  for (int i = 0; i < w.weightCount; ++i) {
    if (!w.weightPresent[i]) continue;
    const int X = w.weightX[i], Y = w.weightY[i];
    const bool across = (X < d.x + 26 && d.x + 26 < X + 40) || (X + 6 < d.x && d.x < X + 22);
    if (across && Y < d.y + 48 && d.y < Y + 22) {
      w.weightPresent[i] = 0;
      w.weightsHeld += 1;
      w.sndPick = 1;
    }
  }
}

// The dude stands at the end that is thrown: the right end of a catapult throwing left. A record
// that throws neither way has no end to stand at.
void testCatapults(WorldState& w, const Dude& d) {
  for (int i = 0; i < w.catapultCount; ++i) {
    w.dudeAtCatapult[i] = 0;
    const uint8_t facing = w.catapultFacing[i];
    if (facing != kThrowsLeft && facing != kThrowsRight) continue;
    const int X = w.catapultX[i], Y = w.catapultY[i];
    if (!(Y < d.y + 40 && d.y < Y + 42)) continue;
    const int from = facing == kThrowsLeft ? X + 43 : X;
    const int to = facing == kThrowsLeft ? X + 83 : X + 40;
    if ((from < d.x + 26 && d.x + 26 < to) || (from < d.x && d.x < to)) w.dudeAtCatapult[i] = 1;
  }
}

// Every catapult of the quest brings up the panel, not only the first two: a quest with three swings
// would otherwise show one that takes the dude onto it and never throws.
bool atCatapult(const WorldState& w, int& catapult) {
  for (int i = 0; i < w.catapultCount && i < kMaxObjects; ++i)
    if (w.dudeAtCatapult[i]) {
      catapult = i;
      return true;
    }
  return false;
}

void throwFromCatapult(WorldState& w, const QuestObjects& q, int catapult, int choice) {
  if (catapult >= static_cast<int>(q.catapultScripts.size())) return;
  const Throw& t = q.catapultScripts[catapult].choice[choice - 1];
  w.flightLandX = t.landX;
  w.flightLandY = t.landY;
  w.flightTurnX = t.turnX;
  if (w.weightsHeld == 0) {
    w.bubbleShown = w.bubbleWeight = 1;
    return;
  }
  // Set per throw, so that a refused plateau throw cannot turn a later plain one into a plateau flight.
  w.flightStage = t.plateau ? 1 : 0;
  if (t.plateau) {
    w.flightMinY = t.minY;
    w.flightDropX = t.dropX;
  }
  w.catapultFrame = 1;
  w.weightsHeld -= 1;
  if (t.ontoTrampoline) w.bounceArmed = 1;
  w.flightActive = 1;
  w.flightDirection = w.catapultFacing[catapult] == kThrowsLeft ? kThrowsLeft : kThrowsRight;
}

namespace {
constexpr uint8_t kStraightUp = static_cast<uint8_t>(BounceWay::StraightUp);
constexpr int kBounceHeight = 100;

void endFlight(WorldState& w) {
  w.flightActive = w.catapultFrame = w.catapultFrame2 = w.vibrateState = 0;
  w.flightStage = 0;
}

// A flight to the right that ends on an armed trampoline goes on at once, the way the
// trampoline's setting points.
void bounceOn(WorldState& w, const QuestObjects* q) {
  if (!q || q->bounces.empty() || !w.bounceArmed) return;
  const Bounce& b = q->bounces[std::min<size_t>(w.trampolineSetting[0], q->bounces.size() - 1)];
  w.flightActive = 1;
  w.bounceArmed = 0;
  w.vibrateState = 1;
  w.flightDirection = static_cast<uint8_t>(b.way);
  w.flightLandY = b.landY;
  if (b.way != BounceWay::StraightUp) {
    w.flightLandX = b.landX;
    w.flightTurnX = b.turnX;
  }
}

// Straight up a little over the bounce height, then back down to the landing height.
void flyStraightUp(WorldState& w, Dude& d, int s) {
  if (w.bounceRise <= kBounceHeight) {
    w.bounceRise = static_cast<uint8_t>(w.bounceRise + s);
    d.nextY -= s;
  } else {
    d.nextY = std::min(d.nextY + s, w.flightLandY);
  }
  if (d.nextY == w.flightLandY) {
    w.bounceRise = 0;
    endFlight(w);
  }
}
}  // namespace

// The flight rises until the turning x, then drops to the landing height and slides to the
// landing point; quest 7's plateau flight rises to a ceiling and drops late.
void fly(WorldState& w, Dude& d, int s, const QuestObjects* q) {
  if (w.vibrateState == 0) w.vibrateState = 1;
  if (w.flightDirection == kStraightUp) {
    flyStraightUp(w, d, s);
    return;
  }
  if (w.flightDirection == kThrowsLeft) {
    d.nextX -= s;
    if (d.nextX < w.flightTurnX)
      d.nextY = std::min(d.nextY + s, w.flightLandY);
    else
      d.nextY -= s;
    if (d.nextX <= w.flightLandX) d.nextX = w.flightLandX;
  } else if (w.flightStage == 0) {
    d.nextX += s;
    if (d.nextX > w.flightTurnX)
      d.nextY = std::min(d.nextY + s, w.flightLandY);
    else
      d.nextY -= s;
    if (d.nextX >= w.flightLandX) d.nextX = w.flightLandX;
  } else {
    d.nextX += s;
    if (d.nextY >= w.flightMinY && d.nextX < w.flightTurnX) d.nextY -= s;
    if (d.nextX >= w.flightDropX) d.nextY = std::min(d.nextY + s, w.flightLandY);
    if (d.nextX >= w.flightLandX) d.nextX = w.flightLandX;
  }
  if (d.nextX == w.flightLandX && d.nextY == w.flightLandY) {
    endFlight(w);
    if (w.flightDirection == kThrowsRight) bounceOn(w, q);
  }
}
