#include "quests/PlayOrder.h"

namespace {
struct PlayOrderRow {
  uint8_t quest;
  bool awardsGem;
};

// The campaign from first to last: from Ilvy's palace in world 4 back and forth through the worlds
// to quest 5 in world 1. Nine quests each add one gem to her necklace.
constexpr PlayOrderRow kPlayOrder[kCampaignLength] = {
    {31, false}, {32, false}, {33, false}, {34, false}, {35, false},  //  1 to  5
    {36, false}, {37, true},  {38, false}, {39, false}, {40, false},  //  6 to 10
    {20, false}, {51, false}, {52, false}, {53, false}, {54, true},   // 11 to 15
    {1, true},   {2, false},  {3, false},  {4, false},  {21, false},  // 16 to 20
    {6, false},  {9, false},  {10, false}, {11, false}, {12, false},  // 21 to 25
    {13, true},  {15, false}, {57, true},  {23, false}, {22, false},  // 26 to 30
    {19, false}, {14, true},  {17, false}, {16, false}, {55, false},  // 31 to 35
    {56, false}, {58, false}, {59, false}, {60, true},  {41, false},  // 36 to 40
    {42, false}, {43, false}, {44, false}, {45, true},  {18, false},  // 41 to 45
    {8, false},  {7, false},  {24, false}, {25, true},  {5, false},   // 46 to 50
};

constexpr int kQuestsPerWorld = 10;
constexpr int kHighestQuest = 60;

// The row of a quest in the play order, or -1 when the order never reaches it.
int rowOfQuest(int questNumber) {
  for (int row = 0; row < kCampaignLength; ++row)
    if (kPlayOrder[row].quest == questNumber) return row;
  return -1;
}
}  // namespace

int worldOfQuest(int questNumber) {
  if (questNumber < 0 || questNumber > kHighestQuest) return 0;
  if (questNumber <= kQuestsPerWorld) return 1;  // quest 0 plays in world 1 too
  return (questNumber - 1) / kQuestsPerWorld + 1;
}

int questOrdinal(int questNumber) { return rowOfQuest(questNumber) + 1; }

bool questAwardsGem(int questNumber) {
  const int row = rowOfQuest(questNumber);
  return row >= 0 && kPlayOrder[row].awardsGem;
}

int nextQuest(int questNumber) {
  const int row = rowOfQuest(questNumber);
  if (row < 0 || row + 1 >= kCampaignLength) return 0;
  return kPlayOrder[row + 1].quest;
}
