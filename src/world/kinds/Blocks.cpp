#include "world/Dude.h"
#include "world/Kinds.h"
#include "world/WorldState.h"

namespace {
// How many blocks fade in each world: 0 to 8 in worlds 1 to 3, 0 to 11 in world 4, 0 to 9 after.
int fadingBlocks(int world) { return world <= 3 ? 9 : world == 4 ? 12 : 10; }

bool hitsBlock(const WorldState& w, const Dude& d, int j) {
  const int X = w.blockX[j], Y = w.blockY[j];
  if (w.blockHorizontal[j]) {
    if (!w.blockPresent[j] || w.blockVanishing[j]) return false;
    const bool across = (d.nextX + 26 > X && d.nextX + 29 < X + 35) || (d.nextX > X && d.nextX < X + 32);
    return across && d.y + 51 > Y && d.y < Y + 54;
  }
  if (!w.blockPresent[j]) return false;
  const bool across = (d.nextY + 51 > Y && d.nextY + 51 < Y + 54) || (d.nextY > Y && d.nextY < Y + 54);
  return across && d.x + 26 > X && d.x < X + 35;
}
}  // namespace

void collideBlocks(WorldState& w, Dude& d) {
  for (int j = 0; j < w.blockCount; ++j) {
    if (!hitsBlock(w, d, j)) continue;
    d.nextX = d.x;
    d.nextY = d.y;
    if (w.hammersHeld == 0) continue;
    // The hammer breaks the block; the dude still stops for this frame.
    w.hammersHeld -= 1;
    w.blockBurstActive = 1;
    w.sndSmash = 1;
    w.blockPresent[j] = 0;
    for (Particle& p : w.blockBurst) p = {w.blockX[j] + 10, w.blockY[j] + 10};
  }
}

void fadeBlocks(WorldState& w, int world) {
  for (int j = 0; j < fadingBlocks(world); ++j) {
    if (w.blockVanishing[j]) {
      w.blockScaleX[j] -= 0.06f;
      if (w.blockScaleX[j] < 0.1f) {
        w.blockScaleX[j] = 0.1f;
        w.blockVanishing[j] = 0;
        w.blockPresent[j] = 0;
      }
    }
    if (w.blockAppearing[j]) {
      w.blockScaleX[j] += 0.06f;
      if (w.blockScaleX[j] > 1.1f) {
        w.blockScaleX[j] = 1.1f;
        w.blockAppearing[j] = 0;
      }
    }
  }
}
