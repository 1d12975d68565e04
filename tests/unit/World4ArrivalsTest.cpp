#include <gtest/gtest.h>

#include <vector>

#include "quests/QuestObjects.h"
#include "world/Dude.h"
#include "world/Kinds.h"
#include "world/WorldState.h"

// The end of world 4 (quests 38 to 40) moves the dude between floors only by teleporters, and
// lever scripts re-aim them. An arrival that lands the dude on another entry, or inside a door,
// block or vase, leaves it bouncing or stuck; quest 38's balls wait for exact heights that only an
// arrival gives reliably.
namespace {

constexpr int kQuests[] = {38, 39, 40};
constexpr int kStep = 2;

struct Quest {
  WorldState w;
  Dude d;
  explicit Quest(int quest) {
    w.reset();
    w.setupQuest(quest);
    d.setupQuest(quest);
  }
  void at(Spot s) {
    d.x = d.nextX = s.x;
    d.y = d.nextY = s.y;
  }
  // Proposes a step and runs what stops the dude; true when it moved.
  bool steps(int dx, int dy) {
    const Spot from{d.x, d.y};
    d.nextX = d.x + dx;
    d.nextY = d.y + dy;
    d.clampToField();
    collideBlocks(w, d);
    collideDoors(w, d);
    collideVases(w, d);
    collideLedges(w, d, 4);
    d.applyWalls();
    const bool moved = d.x != from.x || d.y != from.y;
    at(from);
    return moved;
  }
};

// Every spot a teleporter can put the dude: the exits at the start and those levers set.
std::vector<Spot> arrivals(const QuestObjects& q) {
  std::vector<Spot> spots;
  for (const TeleporterPlacement& t : q.teleporters) spots.push_back({t.exitX, t.exitY});
  for (const LeverScript& script : q.leverScripts)
    for (auto choice : script.choice)
      for (const LeverEffect& e : choice)
        if (e.effect == Effect::TeleporterExit || e.effect == Effect::AllExits) spots.push_back({e.x, e.y});
  return spots;
}

}  // namespace

TEST(World4Arrivals, NoArrivalTriggersATeleporterOrLeavesTheDudeStuck) {
  for (int quest : kQuests) {
    const QuestObjects* q = questObjects(quest);
    ASSERT_NE(q, nullptr) << "quest " << quest;
    for (const Spot s : arrivals(*q)) {
      Quest world(quest);
      // Blocks that a lever brings in count too: the dude may arrive after any lever was set.
      for (int b = 0; b < world.w.blockCount; ++b) world.w.blockPresent[b] = 1;
      world.at(s);
      enterTeleporters(world.w, world.d);
      EXPECT_EQ(world.w.teleportState, 0) << "quest " << quest << ": arrival (" << s.x << ", " << s.y << ")";
      const bool free = world.steps(kStep, 0) || world.steps(-kStep, 0) || world.steps(0, kStep) || world.steps(0, -kStep);
      EXPECT_TRUE(free) << "quest " << quest << ": stuck at arrival (" << s.x << ", " << s.y << ")";
    }
  }
}

TEST(World4Arrivals, ABallWaitingForAHeightIsLetGoByAnArrivalAtIt) {
  for (int quest : kQuests) {
    const QuestObjects* q = questObjects(quest);
    ASSERT_NE(q, nullptr);
    const std::vector<Spot> spots = arrivals(*q);
    for (const BallPlacement& ball : q->balls) {
      if (ball.release != BallRelease::DudeYIs) continue;
      bool reached = false;
      for (const Spot s : spots) reached = reached || s.y == ball.value;
      EXPECT_TRUE(reached) << "quest " << quest << ": no arrival at y " << ball.value;
    }
  }
}

TEST(World4Arrivals, TheStartDoesNotLetABallGoBeforeTheFirstStep) {
  for (int quest : kQuests) {
    Quest world(quest);
    const QuestObjects* q = questObjects(quest);
    ASSERT_NE(q, nullptr);
    releaseBalls(world.w, world.d, *q);
    for (size_t i = 0; i < q->balls.size(); ++i)
      EXPECT_EQ(world.w.ballReleased[i], 0) << "quest " << quest << ": ball " << i + 1;
  }
}
