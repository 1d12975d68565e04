#include "world/Dude.h"
#include "world/Kinds.h"
#include "world/WorldState.h"

void collideSuspiciousWalls(WorldState& w, Dude& d) {
  for (int j = 0; j < w.suspWallCount; ++j) {
    if (!w.suspWallPresent[j] && !w.suspWallOpening[j]) continue;
    const int X = w.suspWallX[j], Y = w.suspWallY[j];
    w.dudeAtSuspWall[j] = 0;
    const bool blocks = (X + 10 < d.nextX + 26 && d.nextX + 26 < X + 80) || (X + 10 < d.nextX && d.nextX < X + 80);
    if (w.suspWallPresent[j] && blocks && Y + 2 < d.nextY + 45 && d.nextY < Y + 60) {
      d.nextX = d.x;
      d.nextY = d.y;
    }
    // Touching counts within a margin around the blocking box.
    const bool near = (X < d.nextX + 26 && d.nextX + 26 < X + 90) || (X < d.nextX && d.nextX < X + 90);
    if (near && Y < d.nextY + 45 && d.nextY < Y + 70) w.dudeAtSuspWall[j] = 1;
  }
}

void fadeSuspiciousWalls(WorldState& w) {
  for (int j = 0; j < 2; ++j) {
    if (!w.suspWallOpening[j]) continue;
    w.suspWallScale[j] -= 0.03f;
    if (w.suspWallScale[j] < 0.1f) {
      w.suspWallScale[j] = 0;
      w.suspWallOpening[j] = 0;
      w.dudeAtSuspWall[j] = 0;
    }
  }
}

bool atSuspiciousWall(const WorldState& w, int& wall) {
  for (int j = 0; j < 2; ++j)
    if (w.dudeAtSuspWall[j]) {
      wall = j;
      return true;
    }
  return false;
}

bool touchSign(WorldState& w, Dude& d, int wall, int sign) {
  if (w.suspWallAnswer[wall] != sign) {
    d.hearts -= 1;
    return false;
  }
  if (w.suspWallPresent[wall]) w.sndKey = 1;
  w.suspWallOpening[wall] = 1;
  w.suspWallPresent[wall] = 0;
  return true;
}
