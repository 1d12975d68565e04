#include "world/Kinds.h"
#include "world/WorldState.h"

namespace {
// Which pacer step moves a particle, with its sign: every velocity is one of the pacers' rates.
enum Rate : int8_t { R0 = 0, R30 = 1, R40, R60, R80, R110, R130 };
struct Velocity {
  int8_t x, y;  // a Rate, negated for left or up
};
constexpr Velocity kMachine[kBurstParticles] = {{-R30, R40}, {-R80, -R110}, {-R40, -R30}, {-R130, -R110},
                                                {-R60, R30}, {-R110, R60},  {R0, R80}};
constexpr Velocity kBlock[kBurstParticles] = {{-R40, R40}, {-R80, -R110}, {R110, -R30}, {-R130, -R40},
                                              {R110, R30}, {-R110, R60},  {R0, R80}};
constexpr Velocity kGeneral[kBursts][kBurstParticles] = {
    {{-R30, -R80}, {R60, -R110}, {R110, -R130}, {-R80, R30}, {-R60, R130}, {R110, R60}, {R60, R30}},
    {{-R40, -R30}, {R130, -R30}, {R40, -R80}, {-R30, R60}, {-R60, R110}, {R130, R40}, {R30, R30}},
    {{-R110, -R30}, {R130, -R30}, {R40, -R80}, {-R30, R60}, {-R60, R110}, {R130, R40}, {R30, R30}},
    {{-R110, -R30}, {R130, -R30}, {R40, -R80}, {-R30, -R130}, {-R60, R110}, {R130, R40}, {R30, R30}},
};
// The falling rocks' bursts scatter upward and sideways from where they break.
constexpr Velocity kSpare[kBursts][kBurstParticles] = {
    {{-R40, -R80}, {R40, -R110}, {-R80, -R40}, {R80, -R60}, {-R30, -R130}, {R60, -R30}, {R0, -R60}},
    {{-R60, -R60}, {R60, -R80}, {-R110, -R30}, {R110, -R40}, {-R30, -R110}, {R30, -R130}, {R0, -R80}},
    {{-R30, -R80}, {R30, -R60}, {-R60, -R110}, {R60, -R30}, {-R80, -R40}, {R80, -R80}, {R0, -R110}},
    {{-R80, -R60}, {R80, -R60}, {-R40, -R130}, {R40, -R110}, {-R110, -R30}, {R110, -R40}, {R0, -R40}},
};
constexpr int kGeneralLimit = -300;

int stepOf(int8_t rate, const BurstSteps& s) {
  static_assert(R130 == 6);
  const int magnitude = rate < 0 ? -rate : rate;
  const int steps[7] = {0, s.s30, s.s40, s.s60, s.s80, s.s110, s.s130};
  return rate < 0 ? -steps[magnitude] : steps[magnitude];
}

void moveColumn(BurstParticle (&burst)[kBurstParticles], int k, const Velocity (&v)[kBurstParticles],
                const BurstSteps& s) {
  for (int i = 0; i < kBurstParticles; ++i) {
    burst[i].x[k] += stepOf(v[i].x, s);
    burst[i].y[k] += stepOf(v[i].y, s);
  }
}

void moveParticles(Particle (&burst)[kBurstParticles], const Velocity (&v)[kBurstParticles], const BurstSteps& s) {
  for (int i = 0; i < kBurstParticles; ++i) {
    burst[i].x += stepOf(v[i].x, s);
    burst[i].y += stepOf(v[i].y, s);
  }
}
}  // namespace

void startGeneralBurst(WorldState& w, int x, int y, int bursts) {
  for (int k = 0; k < bursts; ++k) {
    if (w.burstActive[k]) continue;
    w.burstActive[k] = 1;
    for (BurstParticle& p : w.burst) {
      p.x[k] = x;
      p.y[k] = y;
    }
    return;
  }
}

void moveBursts(WorldState& w, const BurstSteps& s) {
  if (w.machineBurstActive) {
    moveParticles(w.machineBurst, kMachine, s);
    if (w.machineBurst[0].x < 0) w.machineBurstActive = 0;
  }
  if (w.blockBurstActive) {
    moveParticles(w.blockBurst, kBlock, s);
    if (w.blockBurst[0].x < 0) w.blockBurstActive = 0;
  }
  for (int k = 0; k < kBursts; ++k) {
    if (w.burstActive[k]) {
      moveColumn(w.burst, k, kGeneral[k], s);
      if (w.burst[0].x[k] < kGeneralLimit) w.burstActive[k] = 0;
    }
    if (w.spareBurstActive[k]) {
      moveColumn(w.spareBurst, k, kSpare[k], s);
      if (w.spareBurst[0].x[k] < kGeneralLimit) w.spareBurstActive[k] = 0;
    }
  }
}
