#include "world/Collisions.h"

#include "world/Dude.h"
#include "world/Kinds.h"
#include "world/WorldState.h"

void collideProposedMove(WorldState& w, Dude& d, int world) {
  d.clampToField();
  collideBlocks(w, d);
  collideDoors(w, d);
  collideMachine(w, d);
  collideSpecialDoor(w, d);
  collideLedges(w, d, world);
  w.testGoal(d.nextX, d.nextY);
  collideVases(w, d);
  collideSuspiciousWalls(w, d);
  d.applyWalls();
}
