#include "quests/WalkSearch.h"

#include <algorithm>
#include <array>
#include <cstdint>

#include "quests/PlayOrder.h"
#include "world/Collisions.h"
#include "world/Kinds.h"

namespace {

constexpr int kW = Dude::kFieldWidth, kH = Dude::kFieldHeight;
// Right, left, up, down.
constexpr int kDx[4] = {1, -1, 0, 0}, kDy[4] = {0, 0, -1, 1};

bool onField(WalkPoint p) { return p.x >= 0 && p.x < kW && p.y >= 0 && p.y < kH; }
int cellOf(WalkPoint p) { return p.y * kW + p.x; }
WalkPoint pointOf(int cell) { return {cell % kW, cell / kW}; }

// The four directions, `first` (when there is one) before the others.
std::array<int, 4> directionsFrom(int first) {
  std::array<int, 4> order{0, 1, 2, 3};
  if (first > 0) std::rotate(order.begin(), order.begin() + first, order.begin() + first + 1);
  return order;
}

struct Step {
  WalkPoint to;
  bool metGoal;
};

// One move of (dx, dy) from `at` under the game's rules. A met goal is made active again, so that
// the one goal test serves every move of the search.
Step stepFrom(WalkField& f, bool objects, bool keepPath, WalkPoint at, int dx, int dy) {
  Dude& d = f.dude;
  WorldState& w = f.state;
  d.x = at.x;
  d.y = at.y;
  d.nextX = at.x + dx;
  d.nextY = at.y + dy;
  if (objects) {
    collideProposedMove(w, d, f.world);
  } else {
    d.clampToField();
    w.testGoal(d.nextX, d.nextY);
    d.applyWalls();
  }
  const bool met = w.questSolved != 0;
  if (met) {
    w.questSolved = 0;
    w.goalActive = 1;
  }
  // Stepping onto a teleporter is walking too: the dude comes out at its exit. (A path through a
  // teleporter cannot be traced back step by step, so a search that wants its path leaves them out.)
  if (objects && !keepPath) {
    enterTeleporters(w, d);
    if (w.teleportState) {
      w.teleportState = 0;
      return {{w.teleportExitX, w.teleportExitY}, met};
    }
  }
  return {{d.x, d.y}, met};
}

// What the collisions write for the frame's display and panels without changing what stops the
// dude: thought bubbles, "standing at a suspicious wall", "a door opened now". They go back to
// their values before the search.
void restoreFeedback(WorldFields& w, const WorldFields& before) {
  w.bubbleShown = before.bubbleShown;
  w.bubbleKey1 = before.bubbleKey1;
  w.bubbleKey2 = before.bubbleKey2;
  w.bubbleKey3 = before.bubbleKey3;
  w.bubbleKey4 = before.bubbleKey4;
  w.doorOpenedNow = before.doorOpenedNow;
  w.teleportExitX = before.teleportExitX;
  w.teleportExitY = before.teleportExitY;
  std::copy(std::begin(before.dudeAtSuspWall), std::end(before.dudeAtSuspWall), std::begin(w.dudeAtSuspWall));
}

class Search {
 public:
  Search(WalkField& f, const WalkOptions& o) : f_(f), o_(o), seen_(kW * kH / 64 + 1) {
    if (o.wantPath) depth_.assign(kW * kH, -1);
  }

  void run(WalkPoint start, WalkResult& r) {
    if (!onField(start)) return;
    visit(start, 0);
    // On the first frame the dude stands still, and the goal is tested where it stands.
    if (o_.to ? start == *o_.to : stepFrom(f_, o_.objects, o_.wantPath, start, 0, 0).metGoal) return finish(start, -1, start, r);
    for (size_t head = 0; head < queue_.size(); ++head) {
      const WalkPoint at = pointOf(queue_[head]);
      for (int dir = 0; dir < 4; ++dir) {
        const Step s = stepFrom(f_, o_.objects, o_.wantPath, at, kDx[dir], kDy[dir]);
        if (!o_.to && s.metGoal) return finish(at, dir, {at.x + kDx[dir], at.y + kDy[dir]}, r);
        if (s.to == at || !onField(s.to) || isSeen(s.to)) continue;
        visit(s.to, o_.wantPath ? depth_[queue_[head]] + 1 : 0);
        if (o_.to && s.to == *o_.to) return finish(s.to, dir, s.to, r);
      }
    }
    r.positionsVisited = static_cast<int>(queue_.size());
  }

 private:
  WalkField& f_;
  const WalkOptions& o_;
  std::vector<uint64_t> seen_;
  std::vector<int> depth_;  // moves from the start, kept only when a path is asked for
  std::vector<int> queue_;

  bool isSeen(WalkPoint p) const {
    const int c = cellOf(p);
    return seen_[c / 64] >> (c % 64) & 1;
  }
  void visit(WalkPoint p, int depth) {
    const int c = cellOf(p);
    seen_[c / 64] |= uint64_t{1} << (c % 64);
    if (!depth_.empty()) depth_[c] = depth;
    queue_.push_back(c);
  }

  // `last` is where the target was met, `standing` the position it was met from by a move in `dir`.
  void finish(WalkPoint standing, int dir, WalkPoint last, WalkResult& r) {
    r.reached = true;
    r.positionsVisited = static_cast<int>(queue_.size());
    if (!o_.wantPath) return;
    r.path = traceBack(standing, dir);
    if (!(last == standing)) r.path.push_back(last);
  }

  // Walks back from `end` along moves that each come from one step nearer the start, keeping the
  // direction as long as it can, so that the path turns seldom.
  std::vector<WalkPoint> traceBack(WalkPoint end, int dir) {
    std::vector<WalkPoint> path{end};
    for (WalkPoint at = end; depth_[cellOf(at)] > 0; path.push_back(at)) {
      if (!stepBack(at, dir)) return {};  // cannot happen while the rules depend only on the positions
    }
    std::reverse(path.begin(), path.end());
    return path;
  }

  // Moves `at` to a position one step nearer the start that a move in some direction leads from.
  bool stepBack(WalkPoint& at, int& dir) {
    const int wanted = depth_[cellOf(at)] - 1;
    for (const int d : directionsFrom(dir)) {
      const WalkPoint from{at.x - kDx[d], at.y - kDy[d]};
      if (!onField(from) || depth_[cellOf(from)] != wanted) continue;
      if (!(stepFrom(f_, o_.objects, o_.wantPath, from, kDx[d], kDy[d]).to == at)) continue;
      at = from;
      dir = d;
      return true;
    }
    return false;
  }
};

}  // namespace

WalkField::WalkField(int quest) : quest(quest), world(worldOfQuest(quest)) {
  state.reset();
  state.setupQuest(quest);
  state.questNumber = static_cast<uint8_t>(quest);
  dude.setupQuest(quest);
  // Walking alone: no hammer breaks a block, vase or machine, no key opens a door.
  state.hammersHeld = 0;
  std::fill(std::begin(state.keyHeld), std::end(state.keyHeld), 0);
  state.specialKeyHeld = 0;
}

WalkResult searchWalk(WalkField& field, const WalkOptions& options) {
  const WorldFields before = field.state;
  const WalkPoint dudeAt{field.dude.x, field.dude.y};
  WalkResult result;
  Search(field, options).run(options.from.value_or(dudeAt), result);
  restoreFeedback(field.state, before);
  result.stateChanged = !(static_cast<const WorldFields&>(field.state) == before);
  static_cast<WorldFields&>(field.state) = before;
  field.dude.x = field.dude.nextX = dudeAt.x;
  field.dude.y = field.dude.nextY = dudeAt.y;
  return result;
}

WalkResult searchWalk(int quest, const WalkOptions& options) {
  WalkField field(quest);
  return searchWalk(field, options);
}

std::vector<WalkRun> straightRuns(const std::vector<WalkPoint>& path) {
  std::vector<WalkRun> runs;
  for (size_t i = 1; i < path.size(); ++i) {
    const WalkPoint from = path[i - 1], to = path[i];
    const bool across = to.x != from.x;
    const Dude::Direction d = across ? (to.x > from.x ? Dude::kRight : Dude::kLeft) : (to.y < from.y ? Dude::kUp : Dude::kDown);
    if (runs.empty() || runs.back().direction != d) runs.push_back({d, 0});
    runs.back().end = across ? to.x : to.y;
  }
  return runs;
}
