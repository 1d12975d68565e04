#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <iterator>
#include <string>
#include <vector>

#include "quests/QuestLayout.h"
#include "quests/WalkSearch.h"
#include "world/Collisions.h"

namespace {

// The designed quests whose goal the dude cannot reach by walking alone from the start. Add a quest
// here once its objects are placed; a later change to its walls or objects that opens a walk to the
// goal then fails its test, which names the walk.
//
// World 1 leaves out:
// - quest 1: solved at the trader by handing over the gem; it has no goal area;
// - quest 5: the goal shaft's right-hand side passes door 0 and ledge 1 (right 465, up 436,
//   right 495, up 271, left 492, up 79 solves it, in the game too);
// Stepping onto a teleporter is walking too: the search follows it to its exit.
constexpr int kNoWalkQuests[] = {
    2, 3, 4, 6, 7, 8, 9, 10,  // world 1
    11, 12, 13, 14, 15, 16, 17, 18, 19, 20,  // world 2 (11 to 20)
    21, 22, 23, 24, 25,  // world 3 (21 to 30)
    31, 32, 33, 34, 35, 36, 37, 38, 39, 40,  // world 4
    41, 42, 43, 44, 45,  // world 5 (41 to 50)
    51, 52, 53, 54, 55, 56, 57, 58, 59, 60,  // world 6 (51 to 60)
};

std::string describe(const std::vector<WalkPoint>& path) {
  static constexpr const char* kNames[5] = {"", "right", "left", "up", "down"};
  std::string text;
  for (const WalkRun& run : straightRuns(path)) text += std::string(" ") + kNames[run.direction] + " " + std::to_string(run.end);
  return text;
}

// Takes every object that can stand in the dude's way off the field.
void clearObstacles(WorldState& w) {
  std::fill(std::begin(w.blockPresent), std::end(w.blockPresent), 0);
  std::fill(std::begin(w.doorPresent), std::end(w.doorPresent), 0);
  std::fill(std::begin(w.vasePresent), std::end(w.vasePresent), 0);
  std::fill(std::begin(w.suspWallPresent), std::end(w.suspWallPresent), 0);
  for (Ledge& l : w.ledge) l.active = 0;
  w.machinePresent = w.specialDoorPresent = 0;
}

class NoWalkTest : public testing::TestWithParam<int> {};

}  // namespace

TEST_P(NoWalkTest, NoWalkFromTheStartReachesTheGoal) {
  const int quest = GetParam();
  const QuestLayout* layout = questLayout(quest);
  ASSERT_TRUE(layout && layout->hasGoal) << "quest " << quest << " has no goal area to keep the dude from";
  const WalkResult walk = searchWalk(quest);
  EXPECT_FALSE(walk.stateChanged);
  if (walk.reached) ADD_FAILURE() << "quest " << quest << " is solved by walking:" << describe(searchWalk(quest, {.wantPath = true}).path);
}

INSTANTIATE_TEST_SUITE_P(DesignedQuests, NoWalkTest, testing::ValuesIn(kNoWalkQuests),
                         [](const testing::TestParamInfo<int>& info) { return "Quest" + std::to_string(info.param); });

// The search finds walks: without quest 7's obstacles its goal is reached, and every move of the path
// is one the game's collision rules let the dude make.
TEST(WalkSearch, FindsTheWalkOnceTheObstaclesAreGoneAndEachMoveIsTheGames) {
  WalkField field(7);
  ASSERT_FALSE(searchWalk(field).reached);
  clearObstacles(field.state);
  const WalkResult walk = searchWalk(field, {.wantPath = true});
  ASSERT_TRUE(walk.reached);
  EXPECT_FALSE(walk.stateChanged);
  ASSERT_GE(walk.path.size(), 2u);
  EXPECT_EQ(walk.path.front(), (WalkPoint{field.dude.x, field.dude.y}));
  EXPECT_LE(straightRuns(walk.path).size(), 6u);  // straight runs, not a staircase
  for (size_t i = 1; i < walk.path.size(); ++i) {
    const WalkPoint from = walk.path[i - 1], to = walk.path[i];
    ASSERT_EQ(std::abs(to.x - from.x) + std::abs(to.y - from.y), 1) << "move " << i;
    field.dude.x = from.x;
    field.dude.y = from.y;
    field.dude.nextX = to.x;
    field.dude.nextY = to.y;
    collideProposedMove(field.state, field.dude, field.world);
    const bool last = i + 1 == walk.path.size();
    EXPECT_EQ(field.state.questSolved != 0, last) << "move " << i;
    if (!last) {
      EXPECT_EQ((WalkPoint{field.dude.x, field.dude.y}), to) << "move " << i;
    }
  }
}

TEST(WalkSearch, ReachesAPositionToStandOnAndNotOneBehindTheObjects) {
  // Quest 3: the bottom floor is open to the right; the vase in the left shaft stops the walk up.
  const WalkResult along = searchWalk(3, {.to = WalkPoint{150, 440}, .wantPath = true});
  ASSERT_TRUE(along.reached);
  EXPECT_EQ(along.path.back(), (WalkPoint{150, 440}));
  EXPECT_EQ(along.path.size(), 131u);
  EXPECT_TRUE(searchWalk(3, {.to = WalkPoint{20, 414}}).reached);
  EXPECT_FALSE(searchWalk(3, {.to = WalkPoint{20, 413}}).reached);
  EXPECT_TRUE(searchWalk(3, {.objects = false, .to = WalkPoint{20, 413}}).reached);
}

TEST(WalkSearch, FollowsTeleportersToTheirExits) {
  // Quest 31: the vase bars the garden path; only the teleporter at its right end leads to the
  // button at the far end, and the fence's barrier still keeps the walk from the palace.
  EXPECT_TRUE(searchWalk(31, {.to = WalkPoint{40, 430}}).reached);
  // A search that wants its path leaves teleporters out, and then the vase stops it.
  EXPECT_FALSE(searchWalk(31, {.to = WalkPoint{40, 430}, .wantPath = true}).reached);
  EXPECT_FALSE(searchWalk(31).reached);
  WalkField open(31);
  open.state.ledge[0].active = 0;  // as after the ball is caught
  EXPECT_TRUE(searchWalk(open).reached);
}

// The game tests the goal before the vases, suspicious walls and invisible walls: a move that the
// walls then refuse still solves the quest, and so it ends the search.
TEST(WalkSearch, AMoveTheWallsRefuseStillMeetsTheGoal) {
  WalkField field(3);
  // Just above the bottom floor's ceiling (the wall at y 427, from x 89 on).
  field.state.goalX = 200;
  field.state.goalY = 380;
  field.state.goalWidth = 100;
  field.state.goalHeight = 47;
  const WalkResult walk = searchWalk(field, {.wantPath = true});
  ASSERT_TRUE(walk.reached);
  ASSERT_GE(walk.path.size(), 2u);
  EXPECT_EQ(walk.path.back().y, 426);
  EXPECT_EQ(walk.path[walk.path.size() - 2].y, 427);
}

// Held hammers break vases on the way; the search says so and leaves the field as it found it.
TEST(WalkSearch, ReportsACollisionThatChangesTheWorldAndUndoesIt) {
  WalkField field(3);
  EXPECT_FALSE(searchWalk(field).stateChanged);
  field.state.hammersHeld = 3;
  const std::vector<uint8_t> vases(std::begin(field.state.vasePresent), std::end(field.state.vasePresent));
  EXPECT_TRUE(searchWalk(field).stateChanged);
  EXPECT_EQ(field.state.hammersHeld, 3);
  EXPECT_EQ(std::vector<uint8_t>(std::begin(field.state.vasePresent), std::end(field.state.vasePresent)), vases);
  EXPECT_FALSE(searchWalk(field, {.objects = false}).stateChanged);
}
