#include "world/Dude.h"
#include "world/Kinds.h"
#include "world/WorldState.h"

namespace {
constexpr int kRockCycle = 1500;
constexpr int kRockGround = 480;

void burstRock(WorldState& w, int i) {
  for (int k = 0; k < kBursts; ++k) {
    if (w.spareBurstActive[k]) continue;
    w.spareBurstActive[k] = 1;
    for (BurstParticle& p : w.spareBurst) {
      p.x[k] = w.rockColumnX + 10;
      p.y[k] = w.rockY[i] + 10;
    }
    return;
  }
}

void smashBall(WorldState& w) {
  w.ballRolling = 0;
  startGeneralBurst(w, w.ballX + 10, w.ballY + 10, 4);
}

// Quests 1 and 5 have blocks that stop the ball.
bool blockStopsBall(const WorldState& w, int quest, int block) {
  if (quest == 1) return block == 0;
  if (quest == 5) return block == 1 || block == 6;
  return false;
}
}  // namespace

// A new ball leaves about two seconds after the last one has gone.
void runMachine(WorldState& w) {
  if (!w.machinePresent || w.ballRolling || !w.machineTimer.fires(300)) return;
  w.machineTicks += 1;
  if (w.machineTicks >= 2) w.machineFrame ^= 1;
  if (w.machineTicks > 6) {
    w.machineTicks = 0;
    w.ballJustSpawned = 1;
    w.ballX = w.ballStartX;
    w.ballY = w.ballStartY;
    w.ballRolling = 1;
  }
}

void moveBall(WorldState& w, int step) {
  if (!w.ballRolling) return;
  if (w.ballJustSpawned) {
    w.ballJustSpawned = 0;
    w.ballX = w.ballStartX;
  }
  w.ballX -= step;
  if (w.ballX < -50) w.ballRolling = 0;
}

void moveRocks(WorldState& w, int step) {
  if (!w.rocksFalling) return;
  for (int i = 0; i < w.rockCount; ++i) {
    w.rockY[i] += step;
    if (w.rockY[i] > 800) {
      w.rockY[i] -= kRockCycle;
      w.rockPresent[i] = 1;
    }
  }
}

bool hitByBall(WorldState& w, Dude& d, int ballX, int ballY) {
  const bool across = (d.x + 24 > ballX + 1 && d.x + 26 < ballX + 46) || (d.x > ballX + 1 && d.x < ballX + 44);
  if (!across || !(d.y + 45 > ballY + 1 && d.y < ballY + 43)) return false;
  w.sndSmash = 1;
  d.hearts -= 1;
  startGeneralBurst(w, ballX + 10, ballY + 10, 4);
  return true;
}

void hitBallsAndRocks(WorldState& w, Dude& d, int quest) {
  // Only a rolling ball breaks on a block: a broken one stays where it broke until the machine sends
  // the next, and must not smash again every frame meanwhile.
  for (int j = 0; j < w.blockCount && w.ballRolling; ++j) {
    if (!blockStopsBall(w, quest, j) || !w.blockPresent[j]) continue;
    if (w.ballX < w.blockX[j] + 20 && w.ballX + 30 > w.blockX[j]) {
      w.sndSmash = w.smashMuffled = 1;
      smashBall(w);
    }
  }
  if (w.ballRolling && hitByBall(w, d, w.ballX, w.ballY)) w.ballRolling = 0;
  if (!w.rocksFalling || w.rockCount == 0) return;
  for (int i = 0; i < w.rockCount; ++i) {
    if (!w.rockPresent[i]) continue;
    if (d.x + 24 > w.rockColumnX && d.x < w.rockColumnX + 25 && d.y + 45 > w.rockY[i] + 1 && d.y < w.rockY[i] + 20) {
      w.sndSmash = 1;
      d.hearts -= 1;
      w.rockPresent[i] = 0;
      burstRock(w, i);
    } else if (w.rockY[i] > kRockGround) {
      w.sndSmash = w.smashMuffled = 1;
      w.rockPresent[i] = 0;
      burstRock(w, i);
    }
  }
}

void collideMachine(WorldState& w, Dude& d) {
  if (!w.machinePresent) return;
  const int X = w.machineX, Y = w.machineY;
  const bool across = (X < d.nextX + 26 && d.nextX + 26 < X + 35) || (X < d.nextX && d.nextX < X + 35);
  if (!across || !(Y < d.nextY + 45 && d.nextY < Y + 70)) return;
  if (w.hammersHeld == 0) {
    d.nextX = d.x;
    d.nextY = d.y;
    return;
  }
  w.machineBurstActive = 1;
  w.machinePresent = 0;
  w.hammersHeld -= 1;
  w.sndSmash = 1;
  for (Particle& p : w.machineBurst) p = {X + 14, Y + 26};
}

// In a rock quest the rocks stop for good once block 0 is gone.
void stopRocksWithoutBlock0(WorldState& w) {
  if (w.rocksFalling && !w.blockPresent[0]) w.rocksFalling = 0;
}
