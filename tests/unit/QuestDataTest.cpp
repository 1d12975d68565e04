#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <iterator>
#include <queue>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "quests/PlayOrder.h"
#include "quests/QuestLayout.h"
#include "quests/QuestTexts.h"
#include "quests/WorldArt.h"
#include "platform/Clock.h"
#include "world/QuestScenery.h"

namespace {

constexpr int kFieldWidth = 800, kFieldHeight = 500, kScreenWidth = 800, kScreenHeight = 600;
constexpr int kDudeWidth = 29, kDudeHeight = 51;
constexpr int kMaxWallsPerList = 20;  // the Dude's wall arrays hold no more
constexpr int kTextHeight = 30;

using Position = std::pair<int, int>;

// The dude's move from `from` towards `to` after the field clamp and the static walls.
Position settle(const DudeLayout& dude, Position from, Position to) {
  auto [x, y] = from;
  auto [nextX, nextY] = to;
  if (nextX < 0 || nextX + kDudeWidth > kFieldWidth) nextX = x;
  if (nextY < 0 || nextY + kDudeHeight > kFieldHeight) nextY = y;
  for (const HorizontalWall& w : dude.up) {
    if (nextX + kDudeWidth > w.x1 && nextX < w.x2 && nextY < w.y && y >= w.y) nextY = y;
  }
  for (const HorizontalWall& w : dude.down) {
    const int bottom = y + kDudeHeight, nextBottom = nextY + kDudeHeight;
    if (nextX + kDudeWidth > w.x1 && nextX < w.x2 && nextBottom > w.y && bottom <= w.y) nextY = y;
  }
  for (const VerticalWall& w : dude.left) {
    if (nextY + kDudeHeight - 1 >= w.y1 && nextY < w.y2 && nextX < w.x && x >= w.x) nextX = x;
  }
  for (const VerticalWall& w : dude.right) {
    const int right = x + kDudeWidth, nextRight = nextX + kDudeWidth;
    const bool alongside = nextY + kDudeHeight - 1 >= w.y1 && nextY < w.y2;
    if (alongside && nextRight > w.x && right <= w.x) nextX = x;
  }
  return {nextX, nextY};
}

// How many positions the dude reaches on foot from its start, walls only, counting up to `limit`.
int positionsReachable(const DudeLayout& dude, int limit) {
  const Position start{dude.startX, dude.startY};
  std::set<Position> seen{start};
  std::queue<Position> open;
  open.push(start);
  const Position steps[] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};
  while (!open.empty() && int(seen.size()) < limit) {
    const Position at = open.front();
    open.pop();
    for (auto [dx, dy] : steps) {
      const Position next = settle(dude, at, {at.first + dx, at.second + dy});
      if (seen.insert(next).second) open.push(next);
    }
  }
  return int(seen.size());
}

std::vector<const QuestLayout*> world1Layouts() {
  std::vector<const QuestLayout*> layouts;
  for (int quest = 1; quest <= 10; ++quest) layouts.push_back(questLayout(quest));
  return layouts;
}

// The quests in the order the campaign plays them.
std::vector<int> campaignQuests() {
  std::vector<int> quests;
  for (int quest = kFirstQuest; quest != 0 && quests.size() <= kCampaignLength;) {
    quests.push_back(quest);
    quest = nextQuest(quest);
  }
  return quests;
}

bool isOpaque(uint32_t colour) { return colour >> 24 == 0xFF; }

// A rough width of a line of story text: the game's fonts average a little under 9 pixels a
// character, and the tightest rectangles leave about 8.
int estimatedTextWidth(const char* text) { return int(std::strlen(text)) * 8; }

bool isPowerOfTwoFrame(int size) { return size == 16 || size == 32 || size == 64 || size == 128; }

}  // namespace

TEST(QuestLayouts, World1HoldsItsTenQuestsAndNothingElse) {
  for (int quest = 1; quest <= 10; ++quest) {
    const QuestLayout* layout = questLayout(quest);
    ASSERT_NE(layout, nullptr) << "quest " << quest;
    EXPECT_EQ(layout->quest, quest);
  }
  for (int quest : {-1, 0, 30, 61, 255}) EXPECT_EQ(questLayout(quest), nullptr) << quest;
}

TEST(QuestLayouts, WallsAreSegmentsInsideTheField) {
  for (const QuestLayout* layout : world1Layouts()) {
    const DudeLayout& dude = layout->dude;
    SCOPED_TRACE("quest " + std::to_string(layout->quest));
    for (auto list : {dude.up, dude.down}) {
      EXPECT_LE(list.size(), size_t(kMaxWallsPerList));
      for (const HorizontalWall& w : list) {
        EXPECT_TRUE(0 <= w.x1 && w.x1 < w.x2 && w.x2 <= kFieldWidth)
            << w.x1 << "-" << w.x2 << ", " << w.y;
        EXPECT_TRUE(0 <= w.y && w.y <= kFieldHeight)
            << w.x1 << "-" << w.x2 << ", " << w.y;
      }
    }
    for (auto list : {dude.left, dude.right}) {
      EXPECT_LE(list.size(), size_t(kMaxWallsPerList));
      for (const VerticalWall& w : list) {
        EXPECT_TRUE(0 <= w.y1 && w.y1 < w.y2 && w.y2 <= kFieldHeight)
            << w.x << ", " << w.y1 << "-" << w.y2;
        EXPECT_TRUE(0 <= w.x && w.x <= kFieldWidth)
            << w.x << ", " << w.y1 << "-" << w.y2;
      }
    }
  }
}

TEST(QuestLayouts, TheWallRuleStopsOnlyCrossingsInItsOwnDirection) {
  const HorizontalWall ceiling[] = {{100, 200, 300}};
  const VerticalWall rightStop[] = {{400, 0, 500}};
  const DudeLayout dude{150, 300, 1, ceiling, {}, {}, rightStop};
  EXPECT_EQ(settle(dude, {150, 300}, {150, 299}), Position(150, 300));  // up across the ceiling
  EXPECT_EQ(settle(dude, {150, 250}, {150, 251}), Position(150, 251));  // down through it
  EXPECT_EQ(settle(dude, {70, 300}, {70, 299}), Position(70, 299));     // beside its end
  EXPECT_EQ(settle(dude, {371, 100}, {372, 100}), Position(371, 100));  // right edge onto x 400
  EXPECT_EQ(settle(dude, {372, 100}, {371, 100}), Position(371, 100));  // and back
}

TEST(QuestLayouts, TheDudeStartsInsideTheFieldFreeOfItsWalls) {
  for (const QuestLayout* layout : world1Layouts()) {
    const DudeLayout& dude = layout->dude;
    SCOPED_TRACE("quest " + std::to_string(layout->quest));
    const int left = dude.startX, top = dude.startY;
    const int right = left + kDudeWidth, bottom = top + kDudeHeight;
    EXPECT_TRUE(left >= 0 && right <= kFieldWidth && top >= 0 && bottom <= kFieldHeight);
    EXPECT_GE(dude.hearts, 1);
    // A wall through the figure would let it walk one way only: a sign of a mistyped number.
    for (auto list : {dude.up, dude.down}) {
      for (const HorizontalWall& w : list) {
        EXPECT_FALSE(w.x1 < right && left < w.x2 && top < w.y && w.y < bottom)
            << w.x1 << "-" << w.x2 << ", " << w.y;
      }
    }
    for (auto list : {dude.left, dude.right}) {
      for (const VerticalWall& w : list) {
        EXPECT_FALSE(w.y1 < bottom && top < w.y2 && left < w.x && w.x < right)
            << w.x << ", " << w.y1 << "-" << w.y2;
      }
    }
  }
}

TEST(QuestLayouts, TheDudeHasRoomToWalkFromItsStart) {
  constexpr int kRoom = 3000;  // a pocket of 50 by 60 positions, far more than a trap would leave
  for (const QuestLayout* layout : world1Layouts()) {
    EXPECT_GE(positionsReachable(layout->dude, kRoom), kRoom) << "quest " << int(layout->quest);
  }
}

TEST(QuestLayouts, GoalsLieInsideTheFieldAndOnlyTheTraderQuestHasNone) {
  for (const QuestLayout* layout : world1Layouts()) {
    SCOPED_TRACE("quest " + std::to_string(layout->quest));
    if (layout->quest == 1) {
      EXPECT_FALSE(layout->hasGoal);  // solved at the trader
      continue;
    }
    ASSERT_TRUE(layout->hasGoal);
    const GoalArea& goal = layout->goal;
    EXPECT_TRUE(goal.width > 0 && goal.height > 0);
    EXPECT_TRUE(goal.x >= 0 && goal.y >= 0 && goal.x + goal.width <= kFieldWidth &&
                goal.y + goal.height <= kFieldHeight);
  }
}

TEST(QuestTexts, EveryCampaignQuestHasAGoalAndASolvedMessage) {
  ASSERT_EQ(campaignQuests().size(), size_t(kCampaignLength));
  for (int quest : campaignQuests()) {
    const TextLine* goal = goalLine(quest);
    const SolvedMessage* message = solvedMessage(quest);
    ASSERT_NE(goal, nullptr) << "quest " << quest;
    ASSERT_NE(message, nullptr) << "quest " << quest;
    EXPECT_EQ(message->quest, quest);
  }
  for (int quest : {0, 26, 30, 46, 50, 61, -1}) {
    EXPECT_EQ(goalLine(quest), nullptr) << quest;
    EXPECT_EQ(solvedMessage(quest), nullptr) << quest;
  }
}

TEST(QuestTexts, GoalLinesFitTheirRectanglesOnScreen) {
  for (int quest : campaignQuests()) {
    const TextLine& goal = *goalLine(quest);
    SCOPED_TRACE("quest " + std::to_string(quest));
    ASSERT_NE(goal.text, nullptr);
    EXPECT_TRUE(goal.x >= 0 && goal.x + goal.width <= kScreenWidth);
    EXPECT_TRUE(goal.y >= 0 && goal.y + kTextHeight <= kScreenHeight);
    EXPECT_LE(estimatedTextWidth(goal.text), goal.width) << '"' << goal.text << '"';
    EXPECT_TRUE(isOpaque(goal.colour));
  }
}

TEST(QuestTexts, SolvedMessagesStayInTheBarInsideTheirFrame) {
  constexpr int kBarTop = 500, kFrameWidth = 128;
  for (int quest : campaignQuests()) {
    const SolvedMessage& message = *solvedMessage(quest);
    SCOPED_TRACE("quest " + std::to_string(quest));
    const int frameRight = message.frameX + int(kFrameWidth * message.frameScale);
    EXPECT_TRUE(message.frameX >= 0 && frameRight <= kScreenWidth);
    ASSERT_TRUE(message.lineCount >= 1 && message.lineCount <= 3);
    int previousY = kBarTop - 1;
    for (int i = 0; i < message.lineCount; ++i) {
      const TextLine& line = message.lines[i];
      ASSERT_NE(line.text, nullptr);
      EXPECT_GT(std::strlen(line.text), 0u);
      EXPECT_GT(line.y, previousY) << "lines run from top to bottom";
      previousY = line.y;
      EXPECT_LE(line.y + kTextHeight, kScreenHeight);
      EXPECT_GE(line.x, message.frameX) << '"' << line.text << '"';
      EXPECT_LE(line.x + estimatedTextWidth(line.text), frameRight) << '"' << line.text << '"';
      EXPECT_LE(estimatedTextWidth(line.text), line.width) << '"' << line.text << '"';
      EXPECT_TRUE(isOpaque(line.colour));
    }
    if (message.continuePlace == ContinuePlace::Fixed) {
      EXPECT_TRUE(message.continueX > 0 && message.continueX < kScreenWidth);
      EXPECT_TRUE(message.continueY > 0 && message.continueY < kScreenHeight);
    }
    if (message.pictureSlot != -1) {
      EXPECT_TRUE(message.pictureSlot >= 0 && message.pictureSlot < 35);
      EXPECT_TRUE(message.pictureX >= message.frameX && message.pictureX < frameRight);
      EXPECT_TRUE(message.pictureY >= kBarTop && message.pictureY < kScreenHeight);
      EXPECT_GT(message.pictureScale, 0.0f);
    }
  }
}

TEST(QuestArt, EveryLoadedSlotIsAWellFormedBitmap) {
  constexpr uint32_t kKeys[] = {0, 0xFF000000, 0xFFFF0000, 0xFF00FF00};
  for (int quest = 1; quest <= 10; ++quest) {
    for (int slot = 0; slot < worldSheetSlots(quest); ++slot) {
      const SlotArt art = worldSlotArt(quest, slot);
      SCOPED_TRACE("quest " + std::to_string(quest) + " slot " + std::to_string(slot));
      if (!art.file) {
        EXPECT_TRUE(art.frameWidth == 0 && art.frameHeight == 0 && art.colourKey == 0);
        continue;
      }
      const std::string file = art.file;
      EXPECT_EQ(file.rfind("Art/", 0), 0u) << file;
      EXPECT_EQ(file.substr(file.size() - 4), ".bmp") << file;
      EXPECT_EQ(file.find('\\'), std::string::npos) << file;
      EXPECT_TRUE(isPowerOfTwoFrame(art.frameWidth) && isPowerOfTwoFrame(art.frameHeight)) << file;
      EXPECT_TRUE(std::find(std::begin(kKeys), std::end(kKeys), art.colourKey) != std::end(kKeys));
    }
  }
}

TEST(QuestArt, SharedSlotsAreLoadedByEveryQuestButCoinsAndWeightsSkipQuest3) {
  // The bar, the timer, the buttons, digits, teleporters, the choice panel and hearts, plus the
  // slots whose row gives every quest some file.
  for (int slot : {0, 2, 3, 4, 5, 8, 12, 13, 14, 16, 17, 21, 26, 27, 30, 31, 33}) {
    for (int quest = 1; quest <= 10; ++quest) {
      EXPECT_NE(worldSlotArt(quest, slot).file, nullptr) << "quest " << quest << " slot " << slot;
    }
  }
  for (int slot : {1, 6, 15}) {
    EXPECT_EQ(worldSlotArt(3, slot).file, nullptr) << slot;
    for (int quest : {1, 2, 4, 5, 6, 7, 8, 9, 10}) {
      EXPECT_NE(worldSlotArt(quest, slot).file, nullptr) << "quest " << quest << " slot " << slot;
    }
  }
}

TEST(QuestArt, ExceptionsInTheSlotTableKeepTheirOwnSizeAndKey) {
  struct Cell {
    int quest, slot;
    const char* file;
    int width, height;
    uint32_t key;
  };
  const Cell cells[] = {
      {4, 7, "Art/SuspiciousButton.bmp", 32, 32, 0xFF000000},
      {6, 34, "Art/Rocks2.bmp", 32, 32, 0xFF000000},
      {3, 8, "Art/Dinner.bmp", 64, 32, 0xFFFF0000},
      {3, 12, "Art/TeleportPad3.bmp", 32, 16, 0xFF000000},  // size and key from the row
      {6, 13, "Art/Block3.bmp", 32, 32, 0},
      {10, 13, "Art/Block6.bmp", 32, 32, 0xFF000000},
      {7, 18, "Art/Vases4.bmp", 32, 64, 0xFF000000},
      {9, 24, "Art/Dinner.bmp", 64, 32, 0xFFFF0000},
      {4, 25, "Art/Particle6.bmp", 16, 16, 0xFFFF0000},
      {8, 9, "Art/Bridge.bmp", 64, 64, 0},
  };
  for (const Cell& cell : cells) {
    const SlotArt art = worldSlotArt(cell.quest, cell.slot);
    SCOPED_TRACE("quest " + std::to_string(cell.quest) + " slot " + std::to_string(cell.slot));
    ASSERT_NE(art.file, nullptr);
    EXPECT_STREQ(art.file, cell.file);
    EXPECT_EQ(art.frameWidth, cell.width);
    EXPECT_EQ(art.frameHeight, cell.height);
    EXPECT_EQ(art.colourKey, cell.key);
  }
  // Quests the row does not name leave the slot empty.
  EXPECT_EQ(worldSlotArt(2, 7).file, nullptr);
  EXPECT_EQ(worldSlotArt(1, 34).file, nullptr);
  EXPECT_EQ(worldSlotArt(3, 22).file, nullptr);
}

TEST(QuestArt, SheetsHave35SlotsOr37ForTheRockQuestsAndNothingBeyond) {
  // The later worlds' sheets all carry the bar; world 4's adds the push button and trap doors.
  EXPECT_EQ(worldSheetSlots(11), 37);
  EXPECT_EQ(worldSheetSlots(31), 40);
  EXPECT_EQ(worldSheetSlots(61), 0);
  EXPECT_NE(worldSlotArt(11, 0).file, nullptr);
  EXPECT_STREQ(worldSlotArt(31, 38).file, "Art/Button3.bmp");
  EXPECT_STREQ(worldSlotArt(31, 6).file, "Art/Ball.bmp");  // quest 31 draws its ball from the coin's slot
  EXPECT_STREQ(worldSlotArt(32, 6).file, "Art/Coin.bmp");
  for (int quest = 1; quest <= 10; ++quest) {
    const bool rocks = quest >= 5 && quest <= 7;
    EXPECT_EQ(worldSheetSlots(quest), rocks ? 37 : 35) << "quest " << quest;
  }
  EXPECT_EQ(worldSheetSlots(0), 0);
  EXPECT_EQ(worldSlotArt(1, 35).file, nullptr);  // the rock slots exist only in quests 5 to 7
  EXPECT_NE(worldSlotArt(5, 36).file, nullptr);
  EXPECT_EQ(worldSlotArt(5, 37).file, nullptr);
  EXPECT_EQ(worldSlotArt(1, -1).file, nullptr);
  EXPECT_EQ(worldSlotArt(0, 0).file, nullptr);
}

namespace {
struct VirtualClock {
  explicit VirtualClock(uint32_t msPerFrame) { useVirtualClock(msPerFrame); }
  ~VirtualClock() { useRealClock(); }
};
}  // namespace

// Quest 2's horn lowers the drawbridge first; only a bridge that is fully down lifts the portcullis,
// which must stop exactly at its top, however the frame steps fall.
TEST(QuestScenery, Quest2DrawbridgeComesDownBeforeThePortcullisRisesToItsTop) {
  VirtualClock clock(10);
  QuestScenery scenery;
  scenery.setupQuest(2);
  ASSERT_EQ(scenery.propBY, 154);
  ASSERT_EQ(scenery.gateScale, 0.0f);
  scenery.fadeActive = 1;  // the horn was taken
  int frames = 0;
  for (; scenery.fadeActive && frames < 10000; ++frames) {
    advanceVirtualClock();
    scenery.animate();
    scenery.movePortcullis(5, 2);
    EXPECT_LE(scenery.gateScale, 0.9f);
    if (scenery.fadeActive) {
      EXPECT_EQ(scenery.propBY, 154) << "the portcullis waits for the bridge";
    }
  }
  EXPECT_FLOAT_EQ(scenery.gateScale, 0.9f);
  EXPECT_GT(frames, 45) << "one step of 0.02 per 30 ms at most";
  ASSERT_EQ(scenery.portcullisMoving, 1);
  int previousY = scenery.propBY;
  for (frames = 0; scenery.portcullisMoving && frames < 1000; ++frames) {
    scenery.movePortcullis(5, 2);
    EXPECT_LT(scenery.propBY, previousY);
    previousY = scenery.propBY;
  }
  EXPECT_EQ(scenery.propBY, 98);
  scenery.movePortcullis(5, 2);
  EXPECT_EQ(scenery.propBY, 98);
}

// Quest 11's horn slides the door up behind the pyramid's wall the same way, after the gate
// animation; quest 2's portcullis must not move with it, nor the door in any other quest.
TEST(QuestScenery, Quest11DoorSlidesUpToItsTopOnlyAfterTheGateAnimation) {
  VirtualClock clock(10);
  QuestScenery scenery;
  scenery.setupQuest(11);
  ASSERT_EQ(scenery.propAX, 380);
  ASSERT_EQ(scenery.propAY, 240);
  const int portcullisY = scenery.propBY;
  scenery.fadeActive = 1;  // the horn was taken
  int frames = 0;
  for (; scenery.fadeActive && frames < 10000; ++frames) {
    advanceVirtualClock();
    scenery.animate();
    scenery.movePortcullis(5, 11);
    if (scenery.fadeActive) {
      EXPECT_EQ(scenery.propAY, 240) << "the door waits for the gate animation";
    }
  }
  ASSERT_EQ(scenery.portcullisMoving, 1);
  for (frames = 0; scenery.portcullisMoving && frames < 1000; ++frames) scenery.movePortcullis(7, 11);
  EXPECT_EQ(scenery.propAY, 98);
  EXPECT_EQ(scenery.propBY, portcullisY);

  // The same flag in a quest without a rising prop moves nothing.
  QuestScenery other;
  other.setupQuest(12);
  other.portcullisMoving = 1;
  const int ay = other.propAY, by = other.propBY;
  other.movePortcullis(5, 12);
  EXPECT_EQ(other.propAY, ay);
  EXPECT_EQ(other.propBY, by);
  EXPECT_EQ(other.portcullisMoving, 1);
}

// Quest 4's gates start tall and, once the horn sounds, shrink until they vanish; nothing rises.
TEST(QuestScenery, Quest4GatesShrinkFromTwiceTheirHeightUntilTheyVanish) {
  VirtualClock clock(10);
  QuestScenery scenery;
  scenery.setupQuest(4);
  ASSERT_FLOAT_EQ(scenery.gateScale, 2.0f);
  ASSERT_EQ(scenery.gateClosing, 1);
  scenery.animate();  // nothing runs before the horn
  EXPECT_FLOAT_EQ(scenery.gateScale, 2.0f);
  scenery.fadeActive = 1;
  float previous = scenery.gateScale;
  for (int frames = 0; scenery.fadeActive && frames < 10000; ++frames) {
    advanceVirtualClock();
    scenery.animate();
    scenery.movePortcullis(5, 4);
    EXPECT_LE(scenery.gateScale, previous);
    if (scenery.gateScale > 0) {
      EXPECT_GE(scenery.gateScale, 0.19f);
    }
    previous = scenery.gateScale;
  }
  EXPECT_EQ(scenery.gateScale, 0.0f);
  EXPECT_EQ(scenery.portcullisMoving, 0);
  EXPECT_EQ(scenery.timeLimit, 150);
}
