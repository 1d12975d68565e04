#include "world/Dude.h"
#include "world/Kinds.h"
#include "world/WorldState.h"

void collideVases(WorldState& w, Dude& d) {
  for (int v = 0; v < w.vaseCount; ++v) {
    if (!w.vasePresent[v]) continue;
    const int X = w.vaseX[v], Y = w.vaseY[v];
    const bool across = (X < d.nextX + 26 && d.nextX + 26 < X + 32) || (X < d.nextX && d.nextX < X + 32);
    if (!across || !(Y < d.nextY + 45 && d.nextY < Y + 64)) continue;
    if (w.hammersHeld == 0) {
      d.nextX = d.x;
      d.nextY = d.y;
      continue;
    }
    // A hammer breaks the vase and the dude walks on in the same frame.
    w.vasePresent[v] = 0;
    w.hammersHeld -= 1;
    if (w.vasesArePots)
      w.sndPot = 1;
    else
      w.sndSmash = 1;
    for (int k = 0; k < 3; ++k) {
      if (w.burstActive[k]) continue;
      w.burstActive[k] = 1;
      for (BurstParticle& p : w.burst) {
        p.x[k] = X + (k == 0 ? 16 : 15);
        p.y[k] = Y + 30;
      }
      break;
    }
  }
}

void pickUpHammers(WorldState& w, const Dude& d) {
  for (int k = 0; k < kMaxHammers; ++k) {
    if (!w.hammerPresent[k]) continue;
    const int X = w.hammerX[k], Y = w.hammerY[k];
    const bool across = (X < d.x + 26 && d.x + 26 < X + 40) || (X + 6 < d.x && d.x < X + 22);
    if (across && Y < d.y + 45 && d.y < Y + 22) {
      w.hammerPresent[k] = 0;
      w.hammersHeld += 1;
      w.sndPick = 1;
    }
  }
}
