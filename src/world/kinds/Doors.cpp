#include "world/Dude.h"
#include "world/Kinds.h"
#include "world/WorldState.h"

namespace {
constexpr uint8_t kKindKey = 7, kKindKey2 = 19, kKindKey3 = 20, kKindSpecial = 28;
constexpr int kInventorySlotsForDoors = 4;

bool touchesDoor(int X, int Y, const Dude& d) {
  const bool vertically = (Y < d.nextY + 48 && d.nextY + 51 < Y + 45) || (Y < d.nextY && d.nextY < Y + 42);
  return vertically && X < d.x + 29 && d.x < X + 45;
}

// Without the right key the thought bubble names the one that is missing.
void askForKey(WorldState& w, uint8_t kind) {
  if (kind == kKindKey) w.bubbleKey1 = w.bubbleShown = 1;
  if (kind == kKindKey3) w.bubbleKey3 = w.bubbleShown = 1;
  if (kind == kKindKey2) w.bubbleKey2 = w.bubbleShown = 1;
  if (!w.bubbleShown) w.bubbleKey4 = w.bubbleShown = 1;
}
}  // namespace

void pickUpKeys(WorldState& w, const Dude& d) {
  for (int i = 0; i < w.keyCount; ++i) {
    if (!w.keyPresent[i]) continue;
    const int X = w.keyX[i], Y = w.keyY[i];
    const bool across = (X < d.x + 26 && d.x + 26 < X + 40) || (X + 6 < d.x && d.x < X + 15);
    if (across && Y < d.y + 45 && d.y < Y + 22) {
      w.keyPresent[i] = 0;
      w.keyHeld[i] = 1;
      w.sndKey = 1;
    }
  }
}

void collideDoors(WorldState& w, Dude& d) {
  w.doorOpenedNow = 0;
  for (int i = 0; i < w.doorCount; ++i) {
    if (!w.doorPresent[i] || w.doorOpening[i] || !touchesDoor(w.doorX[i], w.doorY[i], d)) continue;
    d.nextX = d.x;
    d.nextY = d.y;
    for (int k = 0; k < kInventorySlotsForDoors; ++k) {
      if (!w.keyHeld[k] || w.keyKind[k] != w.doorKeyKind[i]) continue;
      w.doorOpening[i] = 1;
      w.doorOpenedNow = 1;
      w.keyHeld[k] = 0;
      w.sndKey = 1;
      if (k == 3 && w.keyKind[k] == kKindSpecial) w.specialKeyHeld = 0;
    }
    if (!w.doorOpenedNow) askForKey(w, w.doorKeyKind[i]);
  }
}

void collideSpecialDoor(WorldState& w, Dude& d) {
  if (!w.specialDoorPresent) return;
  const int X = w.specialDoorX, Y = w.specialDoorY;
  const bool vertically = (Y < d.nextY + 48 && d.nextY + 51 < Y + 48) || (Y < d.nextY && d.nextY < Y + 45);
  if (!vertically || !(X < d.x + 29 && d.x < X + 45)) return;
  d.nextX = d.x;
  d.nextY = d.y;
  if (w.specialKeyHeld) {
    w.specialKeyHeld = 0;
    w.specialDoorPresent = 0;
    w.sndKey = 1;
  } else {
    w.bubbleShown = 1;
    w.bubbleKey4 = 1;
  }
}

void fadeDoors(WorldState& w) {
  for (int i = 0; i < kInventorySlotsForDoors; ++i) {
    if (!w.doorOpening[i]) continue;
    w.doorScaleX[i] -= 0.06f;
    if (w.doorScaleX[i] < 0.2f) {
      w.doorScaleX[i] = 0.2f;
      w.doorOpening[i] = 0;
      w.doorPresent[i] = 0;
    }
  }
}
