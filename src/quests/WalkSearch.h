#pragma once
#include <optional>
#include <vector>

#include "world/Dude.h"
#include "world/WorldState.h"

// Where the dude can get by walking alone. Every one-pixel move meets the field's edge, the quest's
// objects and its invisible walls under the game's own collision rules, with nothing in the dude's
// hands: blocks, closed doors, the special door, vases, machines, suspicious walls and active ledges
// stop it as they stand at the start. Nothing is picked up, and no catapult, lever or store is
// used; a teleporter's pad counts as plain floor.

struct WalkPoint {
  int x, y;
  bool operator==(const WalkPoint&) const = default;
};

// A quest's world and dude as the quest starts (no art: collisions need none), the dude holding
// nothing. Tests may change the objects before searching.
struct WalkField {
  explicit WalkField(int quest);
  int quest;
  int world;  // the world that plays the quest, which picks the ledges tested
  WorldState state;
  Dude dude;
};

struct WalkOptions {
  bool objects = true;            // false: only the field's edges and the invisible walls
  std::optional<WalkPoint> from = std::nullopt;  // instead of the dude's start
  std::optional<WalkPoint> to = std::nullopt;    // a position to stand on, instead of the quest's goal
  bool wantPath = false;
};

struct WalkResult {
  bool reached = false;
  // When asked for: the positions from the start to the target, one pixel apart, with as few steps
  // as possible. For the goal the last is the proposed position that met it: the game tests the goal
  // before the vases, suspicious walls and invisible walls, which may then refuse that move.
  std::vector<WalkPoint> path;
  int positionsVisited = 0;
  // A collision changed the quest's objects during the search (one can only when the dude holds
  // something): the answer is then not to be trusted.
  bool stateChanged = false;
};

// Searches the field's positions breadth first. The field is left as it was found.
WalkResult searchWalk(WalkField& field, const WalkOptions& options = {});
// The same on a fresh field of the quest.
WalkResult searchWalk(int quest, const WalkOptions& options = {});

// A straight stretch of a path: its direction and the coordinate along it where it ends.
struct WalkRun {
  Dude::Direction direction;
  int end;
};
std::vector<WalkRun> straightRuns(const std::vector<WalkPoint>& path);
