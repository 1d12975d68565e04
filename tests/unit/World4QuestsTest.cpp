#include <gtest/gtest.h>

#include <map>
#include <set>
#include <utility>
#include <vector>

#include "quests/PlayOrder.h"
#include "quests/QuestObjects.h"
#include "quests/QuestRegistry.h"

namespace {

std::vector<const QuestObjects*> world4() {
  std::vector<const QuestObjects*> quests;
  for (const QuestContent* quest : registeredQuests())
    if (worldOfQuest(quest->objects->quest) == 4) quests.push_back(quest->objects);
  return quests;
}

const LedgePlacement* ledgeRecord(const QuestObjects& q, int index) {
  for (const LedgePlacement& ledge : q.ledges)
    if (ledge.index == index) return &ledge;
  return nullptr;
}

// The teleporter test of the pick-up pass, for a dude standing at (x, y).
bool onTeleporter(const TeleporterPlacement& t, int x, int y) {
  const bool across = (t.x < x && x < t.x + 15) || (t.x + 16 < x + 26 && x + 26 < t.x + 30);
  return across && t.y + 30 < y + 45 && y < t.y + 42;
}

// What an effect acts on, so that the three positions of a lever can be compared.
std::pair<int, int> target(const LeverEffect& e) {
  if (e.effect == Effect::BlockVanish) return {int(Effect::BlockAppear), e.index};
  if (e.effect == Effect::LedgeOff) return {int(Effect::LedgeOn), e.index};
  return {int(e.effect), e.index};
}

}  // namespace

// The bounce of each trampoline setting is fixed for these quests; a swapped landing point would send
// the dude somewhere the layout never meant.
TEST(World4Quests, TrampolinesBounceAsTheQuestsAreDescribed) {
  struct Row {
    int quest;
    Bounce bounces[3];
  };
  const Row rows[] = {
      {35, {{BounceWay::Right, 762, 434, 725}, {BounceWay::StraightUp, 0, 434, 0}, {BounceWay::Left, 501, 445, 570}}},
      {36, {{BounceWay::Right, 760, 155, 755}, {BounceWay::StraightUp, 0, 155, 0}, {BounceWay::Left, 565, 250, 600}}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(testing::Message() << "quest " << row.quest);
    const QuestObjects* q = questObjects(row.quest);
    ASSERT_NE(q, nullptr);
    ASSERT_EQ(q->bounces.size(), 3u);
    ASSERT_FALSE(q->trampolines.empty());
    for (int s = 0; s < 3; ++s) {
      EXPECT_EQ(q->bounces[s].way, row.bounces[s].way) << "setting " << s;
      EXPECT_EQ(q->bounces[s].landY, row.bounces[s].landY) << "setting " << s;
      if (row.bounces[s].way == BounceWay::StraightUp) continue;
      EXPECT_EQ(q->bounces[s].landX, row.bounces[s].landX) << "setting " << s;
      EXPECT_EQ(q->bounces[s].turnX, row.bounces[s].turnX) << "setting " << s;
    }
    // Only a throw to the right bounces; the straight-up bounce comes down where the throw landed.
    int throwsOnto = 0;
    for (size_t c = 0; c < q->catapults.size(); ++c)
      for (const Throw& t : q->catapultScripts[c].choice) {
        if (!t.ontoTrampoline) continue;
        ++throwsOnto;
        EXPECT_EQ(q->catapults[c].facing, 2);
        EXPECT_EQ(t.landY, row.bounces[1].landY);
      }
    EXPECT_EQ(throwsOnto, 1);
  }
}

TEST(World4Quests, Quest37LadderGoesRoundItsFourStopsFromItsRest) {
  const QuestObjects* q = questObjects(37);
  ASSERT_NE(q, nullptr);
  EXPECT_EQ(q->pushAction, PushAction::CycleLadder);
  const LadderStop stops[] = {{385, 380, 3}, {148, 180, 0}, {392, 196, 1}, {666, 192, 2}};
  ASSERT_EQ(q->ladderCycle.size(), 4u);
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(q->ladderCycle[i].x, stops[i].x) << i;
    EXPECT_EQ(q->ladderCycle[i].y, stops[i].y) << i;
    EXPECT_EQ(q->ladderCycle[i].ledgeOff, stops[i].ledgeOff) << i;
  }
  // At rest only ledge 3 is off, as a press would leave it; every stop has its ledge record.
  ASSERT_EQ(q->ladders.size(), 1u);
  EXPECT_EQ(q->ladders[0].x, stops[0].x);
  EXPECT_EQ(q->ladders[0].y, stops[0].y);
  for (int l = 0; l < 4; ++l) {
    const LedgePlacement* ledge = ledgeRecord(*q, l);
    ASSERT_NE(ledge, nullptr) << "ledge " << l;
    EXPECT_EQ(ledge->active, l != 3) << "ledge " << l;
  }
}

// A teleporter whose exit lies on another entry sends the dude on at once, and one that lands it
// on its own entry traps it in a loop.
TEST(World4Quests, NoTeleporterLandsTheDudeOnATeleporter) {
  for (const QuestObjects* q : world4()) {
    SCOPED_TRACE(testing::Message() << "quest " << int(q->quest));
    for (const TeleporterPlacement& from : q->teleporters)
      for (const TeleporterPlacement& entry : q->teleporters)
        EXPECT_FALSE(onTeleporter(entry, from.exitX, from.exitY)) << from.exitX << ", " << from.exitY;
  }
}

TEST(World4Quests, LeversActOnWhatExistsAndStartWhereTheirObjectsStand) {
  const std::set<int> tested = {0, 1, 2, 4, 5, 6, 8, 9, 10, 11};
  for (const QuestObjects* q : world4()) {
    SCOPED_TRACE(testing::Message() << "quest " << int(q->quest));
    ASSERT_EQ(q->leverScripts.size(), q->levers.size());
    for (const LedgePlacement& ledge : q->ledges) {
      // Ledge 3 is never tested in world 4; only the ladder's rest may name it.
      const bool rest = ledge.index == 3 && !q->ladderCycle.empty();
      EXPECT_TRUE(tested.count(ledge.index) || rest) << "ledge " << int(ledge.index);
    }
    // An object that two levers move (quest 40's east gate) may be left as it is by one of them.
    std::map<std::pair<int, int>, std::set<size_t>> leversOf;
    for (size_t i = 0; i < q->levers.size(); ++i)
      for (int c = 0; c < 3; ++c)
        for (const LeverEffect& e : q->leverScripts[i].choice[c]) leversOf[target(e)].insert(i);
    const auto ownTargets = [&](const std::span<const LeverEffect>& effects) {
      std::set<std::pair<int, int>> own;
      for (const LeverEffect& e : effects)
        if (leversOf[target(e)].size() == 1) own.insert(target(e));
      return own;
    };
    for (size_t i = 0; i < q->levers.size(); ++i) {
      SCOPED_TRACE(testing::Message() << "lever " << i);
      const std::set<std::pair<int, int>> first = ownTargets(q->leverScripts[i].choice[0]);
      for (int c = 0; c < 3; ++c) {
        std::set<std::pair<int, int>> targets;
        for (const LeverEffect& e : q->leverScripts[i].choice[c]) {
          targets.insert(target(e));
          switch (e.effect) {
            case Effect::BlockAppear:
            case Effect::BlockVanish: EXPECT_LT(size_t(e.index), q->blocks.size()); break;
            case Effect::MoveLadder: EXPECT_LT(size_t(e.index), q->ladders.size()); break;
            case Effect::LedgeOn:
            case Effect::LedgeOff: EXPECT_NE(ledgeRecord(*q, e.index), nullptr) << "ledge " << int(e.index); break;
            case Effect::TrampolineSetting:
              EXPECT_LT(size_t(e.index), q->trampolines.size());
              EXPECT_TRUE(e.x >= 0 && e.x <= 2);
              break;
            default: break;
          }
        }
        EXPECT_EQ(ownTargets(q->leverScripts[i].choice[c]), first) << "position " << c;
      }
      // What the lever shows at the start is what stands in the world.
      for (const LeverEffect& e : q->leverScripts[i].choice[q->levers[i].position]) {
        if (e.effect == Effect::MoveLadder) {
          EXPECT_EQ(q->ladders[e.index].x, e.x);
          EXPECT_EQ(q->ladders[e.index].y, e.y);
        }
        if (e.effect == Effect::LedgeOn || e.effect == Effect::LedgeOff) {
          EXPECT_EQ(ledgeRecord(*q, e.index)->active, e.effect == Effect::LedgeOn) << "ledge " << int(e.index);
        }
        if (e.effect == Effect::TrampolineSetting) {
          EXPECT_EQ(q->trampolines[e.index].setting, e.x);
        }
      }
    }
  }
}
