#include "quests/WorldArt.h"

#include "quests/LaterWorldsArt.h"

#include <initializer_list>

namespace {

constexpr int kFirstWorld1Quest = 1, kLastWorld1Quest = 10;
constexpr int kSheetSlots = 35, kSheetSlotsWithRocks = 37;

constexpr uint32_t kNoKey = 0, kBlack = 0xFF000000, kRed = 0xFFFF0000, kGreen = 0xFF00FF00;

// A set of world-1 quests, one bit per quest number.
using QuestSet = uint16_t;
constexpr QuestSet in(std::initializer_list<int> quests) {
  QuestSet set = 0;
  for (int quest : quests) set |= QuestSet(1u << quest);
  return set;
}
constexpr QuestSet kAll = in({1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
constexpr QuestSet allBut(int quest) { return kAll & ~in({quest}); }
// Stands last in a slot's rows: every quest no earlier row of the slot named.
constexpr QuestSet kOthers = kAll;

struct SlotRow {
  int slot;
  QuestSet quests;
  SlotArt art;
};

// The first row that names both the slot and the quest decides; a quest no row names leaves the
// slot empty. The slot numbers are roles the drawing and the key kinds rely on.
constexpr SlotRow kRows[] = {
    {0, kAll, {"Art/Back2.bmp", 64, 64, kNoKey}},
    {1, allBut(3), {"Art/Weight2.bmp", 64, 64, kRed}},
    {2, kAll, {"Art/Frame2.bmp", 64, 32, kRed}},
    {3, kAll, {"Art/ButtonMenu.bmp", 64, 32, kNoKey}},
    {4, kAll, {"Art/Info.bmp", 16, 32, kNoKey}},
    {5, kAll, {"Art/Numbers7.bmp", 32, 32, kBlack}},
    {6, allBut(3), {"Art/Coin.bmp", 32, 32, kBlack}},

    {7, in({1, 5, 6, 7, 8, 9, 10}), {"Art/Key.bmp", 16, 32, kBlack}},
    {7, in({4}), {"Art/SuspiciousButton.bmp", 32, 32, kBlack}},

    {8, in({1}), {"Art/Mushroom.bmp", 32, 64, kBlack}},
    {8, in({2}), {"Art/Drink.bmp", 32, 64, kBlack}},
    {8, in({5}), {"Art/Ham.bmp", 32, 64, kBlack}},
    {8, in({7}), {"Art/Bowl.bmp", 32, 64, kBlack}},
    {8, in({8}), {"Art/Fish.bmp", 32, 64, kBlack}},
    {8, in({9}), {"Art/Chocolate.bmp", 32, 64, kBlack}},
    {8, in({10}), {"Art/Bowl2.bmp", 32, 64, kBlack}},
    {8, in({4}), {"Art/Drink2.bmp", 32, 64, kRed}},
    {8, in({3}), {"Art/Dinner.bmp", 64, 32, kRed}},
    {8, in({6}), {"Art/Dinner2.bmp", 64, 32, kRed}},

    {9, in({1, 9, 10}), {"Art/Door.bmp", 32, 32, kNoKey}},
    {9, in({5, 6}), {"Art/Door7.bmp", 32, 32, kBlack}},
    {9, in({4}), {"Art/SuspiciousWall.bmp", 64, 64, kNoKey}},
    {9, in({8}), {"Art/Bridge.bmp", 64, 64, kNoKey}},

    {10, in({1, 2, 5, 6, 8, 9}), {"Art/Door4.bmp", 32, 32, kBlack}},
    {10, in({4}), {"Art/Vases.bmp", 32, 64, kBlack}},
    {10, in({10}), {"Art/Vases3.bmp", 32, 64, kBlack}},

    {11, in({1, 2, 5, 6, 7, 8, 9, 10}), {"Art/Door5.bmp", 32, 32, kBlack}},
    {11, in({4}), {"Art/Door6.bmp", 32, 32, kBlack}},

    {12, in({3}), {"Art/TeleportPad3.bmp", 32, 16, kBlack}},
    {12, in({4}), {"Art/TeleportPad2.bmp", 32, 16, kBlack}},
    {12, kOthers, {"Art/TeleportPad.bmp", 32, 16, kBlack}},

    {13, in({1, 2, 5, 8, 9}), {"Art/Block.bmp", 32, 32, kBlack}},
    {13, in({3}), {"Art/Vases.bmp", 32, 64, kBlack}},
    {13, in({4}), {"Art/Block2.bmp", 32, 32, kBlack}},
    {13, in({6}), {"Art/Block3.bmp", 32, 32, kNoKey}},
    {13, in({7}), {"Art/Block4.bmp", 32, 32, kNoKey}},
    {13, in({10}), {"Art/Block6.bmp", 32, 32, kBlack}},

    {14, in({4}), {"Art/Swing2.bmp", 64, 32, kBlack}},
    {14, in({7}), {"Art/Swing3.bmp", 64, 32, kBlack}},
    {14, kOthers, {"Art/Swing.bmp", 64, 32, kBlack}},

    {15, allBut(3), {"Art/Weight.bmp", 32, 32, kRed}},

    {16, in({1, 3, 4, 8, 9, 10}), {"Art/Hammer.bmp", 64, 64, kRed}},
    {16, in({2, 5}), {"Art/Hammer2.bmp", 32, 64, kRed}},
    {16, in({6, 7}), {"Art/Hammer3.bmp", 64, 64, kRed}},

    {17, kAll, {"Art/Teleporter.bmp", 32, 32, kBlack}},

    {18, in({1, 8}), {"Art/Gem1.bmp", 32, 32, kBlack}},
    {18, in({5, 6}), {"Art/Clue.bmp", 32, 32, kRed}},
    {18, in({7}), {"Art/Vases4.bmp", 32, 64, kBlack}},
    {18, in({10}), {"Art/Dinner.bmp", 64, 32, kRed}},

    {19, in({1, 2, 5, 6, 7, 8, 9, 10}), {"Art/Key2.bmp", 16, 32, kBlack}},

    {20, in({1, 5, 6, 9, 10}), {"Art/Key3.bmp", 16, 32, kBlack}},
    {20, in({7}), {"Art/Dinner.bmp", 64, 32, kRed}},
    {20, in({8}), {"Art/Dinner2.bmp", 64, 32, kRed}},

    {21, in({10}), {"Art/Lever2.bmp", 64, 64, kRed}},
    {21, kOthers, {"Art/Lever.bmp", 64, 64, kRed}},

    {22, in({1, 2, 5, 6, 8, 9}), {"Art/House.bmp", 32, 64, kBlack}},
    {22, in({4}), {"Art/House2.bmp", 32, 64, kBlack}},
    {22, in({7}), {"Art/House3.bmp", 32, 64, kBlack}},
    {22, in({10}), {"Art/House4.bmp", 32, 64, kBlack}},

    {23, in({1, 5, 7, 8, 10}), {"Art/Machine.bmp", 32, 64, kRed}},
    {23, in({9}), {"Art/Door8.bmp", 32, 32, kBlack}},

    {24, in({1, 5, 7, 8, 10}), {"Art/Ball.bmp", 64, 64, kRed}},
    {24, in({9}), {"Art/Dinner.bmp", 64, 32, kRed}},

    {25, in({1, 5, 6, 8, 9}), {"Art/Particle2.bmp", 16, 16, kBlack}},
    {25, in({3, 4}), {"Art/Particle6.bmp", 16, 16, kRed}},
    {25, in({7}), {"Art/Particle9.bmp", 16, 16, kRed}},
    {25, in({10}), {"Art/Particle12.bmp", 16, 16, kRed}},

    {26, kAll, {"Art/Frame3.bmp", 128, 64, kNoKey}},
    {27, kAll, {"Art/Select.bmp", 32, 32, kRed}},
    {28, in({1, 5, 6, 8, 9, 10}), {"Art/Key4.bmp", 16, 32, kBlack}},
    {29, in({1, 5, 7, 8, 9, 10}), {"Art/Herb.bmp", 32, 64, kBlack}},

    {30, in({10}), {"Art/Bubble2.bmp", 64, 64, kBlack}},
    {30, kOthers, {"Art/Bubble.bmp", 64, 64, kBlack}},

    {31, kAll, {"Art/Health.bmp", 32, 32, kGreen}},
    {32, in({1, 5, 6, 8, 9}), {"Art/Particle.bmp", 32, 32, kBlack}},

    {33, in({1, 2, 3, 5, 8, 9}), {"Art/Particle5.bmp", 32, 32, kRed}},
    {33, in({4}), {"Art/Particle7.bmp", 32, 32, kRed}},
    {33, in({6}), {"Art/Particle8.bmp", 32, 32, kRed}},
    {33, in({7}), {"Art/Particle10.bmp", 32, 32, kRed}},
    {33, in({10}), {"Art/Particle11.bmp", 32, 32, kRed}},

    {34, in({2, 8, 9, 10}), {"Art/Horn.bmp", 64, 64, kRed}},
    {34, in({4}), {"Art/Horn2.bmp", 64, 64, kRed}},
    {34, in({5, 6, 7}), {"Art/Rocks2.bmp", 32, 32, kBlack}},

    // Only the sheets of the rock quests reach these two slots.
    {35, in({5, 6, 7}), {"Art/Rocks3.bmp", 16, 16, kBlack}},
    {36, in({5, 6, 7}), {"Art/Ladder.bmp", 32, 64, kRed}},
};

bool isWorld1Quest(int quest) { return quest >= kFirstWorld1Quest && quest <= kLastWorld1Quest; }

}  // namespace

int worldSheetSlots(int questNumber) {
  if (!isWorld1Quest(questNumber)) return laterWorldSheetSlots(questNumber);
  return in({5, 6, 7}) & (1u << questNumber) ? kSheetSlotsWithRocks : kSheetSlots;
}

SlotArt worldSlotArt(int questNumber, int slot) {
  if (!isWorld1Quest(questNumber)) return laterWorldSlotArt(questNumber, slot);
  if (slot < 0 || slot >= worldSheetSlots(questNumber)) return {};
  for (const SlotRow& row : kRows) {
    if (row.slot == slot && (row.quests & (1u << questNumber))) return row.art;
  }
  return {};
}
