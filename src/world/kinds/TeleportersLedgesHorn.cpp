#include "world/Dude.h"
#include "world/Kinds.h"
#include "world/WorldState.h"

namespace {
enum Teleport : uint8_t { kTeleportIdle = 0, kTriggered = 1, kAnimating = 2 };
constexpr uint8_t kTeleportFirstFrame = 25, kTeleportLastFrame = 28, kArrivalFrame = 26;

// Which ledge records each world tests, for each crossing it stops (-1 ends a list).
struct LedgeTests {
  int8_t up[4], down[4], left[2], right[2];
};
constexpr LedgeTests kLedgeTests[7] = {
    {{-1}, {-1}, {-1, -1}, {-1, -1}},
    {{0, 1, 2, -1}, {4, 5, 6, -1}, {-1, -1}, {-1, -1}},
    {{0, 1, 2, -1}, {4, 5, 6, -1}, {-1, -1}, {-1, -1}},
    {{0, 1, 2, 3}, {4, 5, 6, 7}, {8, 9}, {10, 11}},
    {{0, 1, 2, -1}, {4, 5, 6, -1}, {8, 9}, {10, 11}},
    {{0, 1, 2, -1}, {4, 5, 6, -1}, {-1, -1}, {-1, -1}},
    {{0, 1, 2, -1}, {4, 5, 6, -1}, {8, -1}, {10, -1}},
};
}  // namespace

void enterTeleporters(WorldState& w, const Dude& d) {
  if (w.teleportState != kTeleportIdle) return;
  for (int i = 0; i < w.teleporterCount; ++i) {
    const int X = w.teleporterX[i], Y = w.teleporterY[i];
    const bool across = (X < d.x && d.x < X + 15) || (X + 16 < d.x + 26 && d.x + 26 < X + 30);
    if (across && Y + 30 < d.y + 45 && d.y < Y + 42) {
      w.teleportState = kTriggered;
      w.teleportExitX = w.teleporterExitX[i];
      w.teleportExitY = w.teleporterExitY[i];
    }
  }
}

// The figure dissolves over three frames, is put at the exit and reappears.
void animateTeleport(WorldState& w, Dude& d) {
  if (w.teleportState == kTeleportIdle) return;
  if (w.teleportTimer.state == 1) w.sndTeleport = 1;
  if (!w.teleportTimer.fires(100)) return;
  if (w.teleportState == kTriggered) {
    w.teleportState = kAnimating;
    d.frame = kTeleportFirstFrame;
  }
  if (!w.teleportArrived) {
    d.frame += 1;
    if (d.frame > kTeleportLastFrame) {
      d.nextX = w.teleportExitX;
      d.nextY = w.teleportExitY;
      w.teleportArrived = 1;
    }
  }
  if (w.teleportArrived) {
    d.frame -= 1;
    d.nextX = w.teleportExitX;
    d.nextY = w.teleportExitY;
    w.teleportArrived = 0;
    w.teleportState = kTeleportIdle;
    d.frame = kArrivalFrame;
  }
}

void collideLedges(WorldState& w, Dude& d, int world) {
  const LedgeTests& tests = kLedgeTests[world >= 1 && world <= 6 ? world : 1];
  const auto alongX = [&](const Ledge& l) { return l.x < d.nextX + 29 && d.nextX < l.x + l.width; };
  const auto alongY = [&](const Ledge& l) { return l.y < d.nextY + 51 && d.nextY < l.y + l.width; };
  for (int8_t i : tests.up) {
    if (i < 0) break;
    const Ledge& l = w.ledge[i];
    if (l.active && alongX(l) && d.nextY < l.y && d.y >= l.y) d.nextY = d.y;
  }
  for (int8_t i : tests.down) {
    if (i < 0) break;
    const Ledge& l = w.ledge[i];
    if (l.active && alongX(l) && l.y < d.nextY + 51 && l.y >= d.y + 51) d.nextY = d.y;
  }
  for (int8_t i : tests.left) {
    if (i < 0) break;
    const Ledge& l = w.ledge[i];
    if (l.active && alongY(l) && d.nextX < l.x && d.x >= l.x) d.nextX = d.x;
  }
  for (int8_t i : tests.right) {
    if (i < 0) break;
    const Ledge& l = w.ledge[i];
    if (l.active && alongY(l) && l.x < d.nextX + 29 && l.x >= d.x + 29) d.nextX = d.x;
  }
}

// Only a horn lying in the world (1) is picked up: world 4 marks a horn whose passage has opened
// with 2, and that one must not be taken again every frame.
void pickUpHorn(WorldState& w, const Dude& d, bool opensPassage) {
  if (w.hornPresent != 1) return;
  const int X = w.hornX, Y = w.hornY;
  const bool across = (X < d.x + 26 && d.x + 26 < X + 45) || (X < d.x && d.x < X + 45);
  if (!across || !(Y - 20 < d.y + 45 && d.y < Y + 10)) return;
  w.hornPresent = 0;
  w.ledge[0].active = 0;
  if (opensPassage) {
    w.hornShown = 1;
    w.sndPick = 1;
  } else {
    w.hornTaken = 1;
  }
}
