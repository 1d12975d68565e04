#include "quests/QuestObjects.h"
#include "world/Dude.h"
#include "world/Kinds.h"
#include "world/WorldState.h"

namespace {
constexpr int kGoneLeft = -50, kGoneRight = 810;

bool released(const BallPlacement& b, int ballX, const Dude& d) {
  switch (b.release) {
    case BallRelease::DudeLeftOfBall: return d.x < ballX;
    case BallRelease::DudeXNot: return d.x != b.value;
    case BallRelease::DudeYIs: return d.y == b.value;
    case BallRelease::Never: return false;
  }
  return false;
}
}  // namespace

// World 4's quest scripts let each waiting ball go once its condition holds.
void releaseBalls(WorldState& w, const Dude& d, const QuestObjects& q) {
  for (size_t i = 0; i < q.balls.size() && i < kWorld4Balls; ++i) {
    if (w.ballReleased[i]) continue;
    if (released(q.balls[i], ballOf(w, static_cast<int>(i)).x, d)) w.ballReleased[i] = 1;
  }
}

// Ball 1 rolls the way its flags say, balls 2 and 3 roll right; each only once released.
void moveThreeBalls(WorldState& w, int s) {
  if (w.ballReleased[0]) moveBallByFlags(w, s);
  for (int i = 0; i < kWorld4Balls - 1; ++i) {
    if (!w.moreBallRolling[i] || !w.ballReleased[i + 1]) continue;
    w.moreBallX[i] += s;
    if (w.moreBallX[i] > kGoneRight) w.moreBallRolling[i] = 0;
  }
}

// Worlds 2 to 6 without world 4's balls: the quest's flags say which way the machine's ball rolls.
void moveBallByFlags(WorldState& w, int s) {
  if (!w.ballRolling) return;
  if (w.ballJustSpawned) {
    w.ballJustSpawned = 0;
    w.ballX = w.ballStartX;
  }
  if (w.ballRollsLeft) {
    w.ballX -= s;
    if (w.ballX < kGoneLeft) w.ballRolling = 0;
  }
  if (w.ballRollsRight) {
    w.ballX += s;
    if (w.ballX > kGoneRight) w.ballRolling = 0;
  }
}

void hitMoreBalls(WorldState& w, Dude& d) {
  for (int i = 0; i < kWorld4Balls - 1; ++i)
    if (w.moreBallRolling[i] && hitByBall(w, d, w.moreBallX[i], w.moreBallY[i])) w.moreBallRolling[i] = 0;
}
