#include "quests/QuestObjects.h"
#include "world/Kinds.h"
#include "world/WorldState.h"

namespace {
enum Anim : uint8_t { kShut = 0, kOpening = 1, kOpen = 2, kStillOpen = 3, kClosing = 4 };
constexpr uint8_t kOpenFrame = 3, kPastOpenFrame = 4;
}  // namespace

// One step every 100 ms: the door swings open over three steps, stays open for two more and
// swings shut again.
void animateTrapDoors(WorldState& w) {
  for (int i = 0; i < 2; ++i) {
    uint8_t& anim = w.trapDoorAnim[i];
    uint8_t& frame = w.trapDoorFrame[i];
    switch (anim) {
      case kOpening:
        if (++frame >= kPastOpenFrame) {
          frame = kOpenFrame;
          anim = kOpen;
        }
        break;
      case kOpen:
        anim = kStillOpen;
        break;
      case kStillOpen:
        anim = kClosing;
        break;
      case kClosing:
        if (frame == 0)
          anim = kShut;
        else
          --frame;
        break;
      default:
        break;
    }
  }
}

// A rolling ball that crosses its open trap door falls in.
void catchBalls(WorldState& w, const QuestObjects& q) {
  for (size_t i = 0; i < q.trapDoors.size() && i < 2; ++i) {
    const TrapDoorPlacement& door = q.trapDoors[i];
    if (w.trapDoorFrame[i] != kOpenFrame || door.ball > 2) continue;
    BallRef b = ballOf(w, door.ball);
    if (!b.rolling) continue;
    const int X = w.trapDoorX[i];
    if ((b.x + 1 < X + 40 && X + 20 < b.x + 29) || (b.x < X + 25 && X + 25 < b.x + 29)) {
      b.rolling = 0;
      w.ballFrame = 0;
      if (door.ledgeOnCatch >= 0 && door.ledgeOnCatch < kMaxLedges) w.ledge[door.ledgeOnCatch].active = 0;
    }
  }
}
