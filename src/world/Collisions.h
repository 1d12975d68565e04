#pragma once

class WorldState;
class Dude;

// The dude's proposed move (nextX, nextY) meets the field's edge, the quest's objects, the goal and
// the invisible walls, in the game's order; what is left of it becomes the dude's position. The
// goal is tested before the vases, suspicious walls and invisible walls, so a move they refuse can
// still solve the quest. `world` picks the ledges that world tests.
void collideProposedMove(WorldState& w, Dude& d, int world);
