#include "quests/LaterWorldsArt.h"

#include "quests/PlayOrder.h"

// The sprite sheets of worlds 2 to 6. Every quest shares the heads-up bar's slots; the rest is the
// quest's own, slot by slot, in the roles the drawing lines and key kinds rely on (7, 19 and 20 are
// key kinds, 9 to 11 doors, 34 the horn, bridge or a button, 38 the bar's push button, 39 a trap door
// or a trampoline).
namespace {

constexpr int kWorld4Slots = 40, kOtherSlots = 37;
constexpr uint32_t kNoKey = 0, kBlack = 0xFF000000, kRed = 0xFFFF0000, kGreen = 0xFF00FF00;

struct SlotRow {
  int quest;  // 0: every quest of worlds 2 to 6
  int slot;
  SlotArt art;
};

constexpr SlotArt art(const char* file, int16_t w, int16_t h, uint32_t key) { return {file, w, h, key}; }

constexpr SlotRow kRows[] = {
    // The heads-up bar, the choice panel and what every quest can have.
    {0, 0, art("Art/Back2.bmp", 64, 64, kNoKey)},
    {0, 1, art("Art/Weight2.bmp", 64, 64, kRed)},
    {0, 2, art("Art/Frame2.bmp", 64, 32, kRed)},
    {0, 3, art("Art/ButtonMenu.bmp", 64, 32, kNoKey)},
    {0, 4, art("Art/Info.bmp", 16, 32, kNoKey)},
    {0, 5, art("Art/Numbers7.bmp", 32, 32, kBlack)},
    {0, 15, art("Art/Weight.bmp", 32, 32, kRed)},
    {0, 17, art("Art/Teleporter.bmp", 32, 32, kBlack)},
    {0, 25, art("Art/Particle2.bmp", 16, 16, kBlack)},
    {0, 26, art("Art/Frame3.bmp", 128, 64, kNoKey)},
    {0, 27, art("Art/Select.bmp", 32, 32, kRed)},
    {0, 30, art("Art/Bubble.bmp", 64, 64, kBlack)},
    {0, 31, art("Art/Health.bmp", 32, 32, kGreen)},
    {0, 32, art("Art/Particle.bmp", 32, 32, kBlack)},
    {0, 33, art("Art/Particle5.bmp", 32, 32, kRed)},

    // Quest 31: the palace garden. Its ball is drawn from the coin's slot.
    {31, 6, art("Art/Ball.bmp", 64, 64, kRed)},
    {31, 8, art("Art/Food8.bmp", 32, 64, kBlack)},
    {31, 12, art("Art/TeleportPad3.bmp", 32, 16, kBlack)},
    {31, 18, art("Art/Vases7.bmp", 32, 64, kBlack)},
    {31, 34, art("Art/Button4.bmp", 64, 64, kRed)},
    {31, 39, art("Art/TrapDoor.bmp", 64, 32, kBlack)},

    // Quest 32: the palace hall.
    {32, 6, art("Art/Coin.bmp", 32, 32, kBlack)},
    {32, 8, art("Art/Dinner.bmp", 64, 32, kRed)},
    {32, 12, art("Art/TeleportPad4.bmp", 32, 16, kBlack)},
    {32, 16, art("Art/Hammer2.bmp", 32, 64, kRed)},
    {32, 18, art("Art/Vases21.bmp", 32, 64, kBlack)},
    {32, 21, art("Art/Lever2.bmp", 64, 64, kRed)},
    {32, 34, art("Art/Button5.bmp", 64, 64, kNoKey)},

    // Quest 33: the throne room.
    {33, 6, art("Art/Coin.bmp", 32, 32, kBlack)},
    {33, 7, art("Art/SuspiciousButton.bmp", 32, 32, kBlack)},
    {33, 9, art("Art/SuspiciousWall.bmp", 64, 64, kNoKey)},
    {33, 12, art("Art/TeleportPad7.bmp", 32, 16, kBlack)},
    {33, 13, art("Art/Block2.bmp", 32, 32, kBlack)},
    {33, 14, art("Art/Swing9.bmp", 64, 32, kBlack)},
    {33, 18, art("Art/Vases3.bmp", 32, 64, kBlack)},
    {33, 21, art("Art/Lever2.bmp", 64, 64, kRed)},
    {33, 22, art("Art/House2.bmp", 32, 64, kBlack)},
    {33, 34, art("Art/Horn.bmp", 64, 64, kRed)},
    {33, 39, art("Art/Trampoline.bmp", 64, 64, kBlack)},

    // Quest 34: the apple tree.
    {34, 6, art("Art/Coin.bmp", 32, 32, kBlack)},
    {34, 8, art("Art/Mushroom.bmp", 32, 64, kBlack)},
    {34, 12, art("Art/TeleportPad2.bmp", 32, 16, kBlack)},
    {34, 16, art("Art/Hammer3.bmp", 64, 64, kRed)},
    {34, 18, art("Art/Vases14.bmp", 32, 64, kBlack)},
    {34, 21, art("Art/Lever.bmp", 64, 64, kRed)},
    {34, 22, art("Art/House3.bmp", 32, 64, kBlack)},
    {34, 34, art("Art/Bridge2.bmp", 64, 64, kNoKey)},

    // Quest 35: on the way to the green dungeon.
    {35, 6, art("Art/Coin.bmp", 32, 32, kBlack)},
    {35, 7, art("Art/Key.bmp", 16, 32, kBlack)},
    {35, 8, art("Art/Cheese.bmp", 32, 64, kBlack)},
    {35, 9, art("Art/Door7.bmp", 32, 32, kBlack)},
    {35, 10, art("Art/Door5.bmp", 32, 32, kBlack)},
    {35, 11, art("Art/Door4.bmp", 32, 32, kBlack)},
    {35, 12, art("Art/TeleportPad4.bmp", 32, 16, kBlack)},
    {35, 13, art("Art/Block9.bmp", 32, 32, kBlack)},
    {35, 14, art("Art/Swing.bmp", 64, 32, kBlack)},
    {35, 16, art("Art/Hammer2.bmp", 32, 64, kRed)},
    {35, 18, art("Art/Vases13.bmp", 32, 64, kBlack)},
    {35, 19, art("Art/Key2.bmp", 16, 32, kBlack)},
    {35, 20, art("Art/Key3.bmp", 16, 32, kBlack)},
    {35, 21, art("Art/Lever.bmp", 64, 64, kRed)},
    {35, 22, art("Art/House2.bmp", 32, 64, kBlack)},
    {35, 34, art("Art/Bridge4.bmp", 64, 64, kNoKey)},
    {35, 39, art("Art/Trampoline.bmp", 64, 64, kBlack)},

    // Quest 36: the green dungeon.
    {36, 6, art("Art/Coin.bmp", 32, 32, kBlack)},
    {36, 8, art("Art/Food6.bmp", 32, 64, kBlack)},
    {36, 9, art("Art/Door13.bmp", 32, 32, kBlack)},
    {36, 12, art("Art/TeleportPad11.bmp", 32, 16, kBlack)},
    {36, 14, art("Art/Swing10.bmp", 64, 32, kBlack)},
    {36, 16, art("Art/Hammer6.bmp", 64, 64, kRed)},
    {36, 18, art("Art/Vases22.bmp", 32, 64, kBlack)},
    {36, 20, art("Art/Key3.bmp", 16, 32, kBlack)},
    {36, 21, art("Art/Lever6.bmp", 64, 64, kRed)},
    {36, 22, art("Art/House11.bmp", 32, 64, kBlack)},
    {36, 36, art("Art/Ladder.bmp", 32, 64, kRed)},
    {36, 39, art("Art/Trampoline2.bmp", 64, 32, kBlack)},

    // Quest 37: the gem of health.
    {37, 6, art("Art/Coin.bmp", 32, 32, kBlack)},
    {37, 7, art("Art/Key.bmp", 16, 32, kBlack)},
    {37, 8, art("Art/Food9.bmp", 32, 64, kBlack)},
    {37, 9, art("Art/Door8.bmp", 32, 32, kBlack)},
    {37, 12, art("Art/TeleportPad4.bmp", 32, 16, kBlack)},
    {37, 13, art("Art/Block23.bmp", 32, 32, kBlack)},
    {37, 18, art("Art/Vases3.bmp", 32, 64, kBlack)},
    {37, 21, art("Art/Lever6.bmp", 64, 64, kRed)},
    {37, 22, art("Art/House6.bmp", 32, 64, kBlack)},
    {37, 29, art("Art/Gem3.bmp", 64, 32, kBlack)},
    {37, 34, art("Art/Button5.bmp", 64, 64, kNoKey)},
    {37, 36, art("Art/Ladder.bmp", 32, 64, kRed)},

    // Quest 38: before the brown dungeon.
    {38, 6, art("Art/Coin.bmp", 32, 32, kBlack)},
    {38, 7, art("Art/Key.bmp", 16, 32, kBlack)},
    {38, 8, art("Art/Drink3.bmp", 32, 64, kBlack)},
    {38, 9, art("Art/Door7.bmp", 32, 32, kBlack)},
    {38, 12, art("Art/TeleportPad.bmp", 32, 16, kBlack)},
    {38, 21, art("Art/Lever5.bmp", 64, 64, kRed)},
    {38, 24, art("Art/Ball.bmp", 64, 64, kRed)},
    {38, 34, art("Art/Button5.bmp", 64, 64, kNoKey)},
    {38, 35, art("Art/Button4.bmp", 64, 64, kRed)},
    {38, 39, art("Art/TrapDoor.bmp", 64, 32, kBlack)},

    // Quest 39: the ladder down.
    {39, 6, art("Art/Coin.bmp", 32, 32, kBlack)},
    {39, 8, art("Art/Banana.bmp", 32, 64, kBlack)},
    {39, 10, art("Art/Door5.bmp", 32, 32, kBlack)},
    {39, 12, art("Art/TeleportPad8.bmp", 32, 16, kBlack)},
    {39, 16, art("Art/Hammer.bmp", 64, 64, kRed)},  // sold by the store
    {39, 18, art("Art/Vases20.bmp", 32, 64, kBlack)},
    {39, 19, art("Art/Key2.bmp", 16, 32, kBlack)},
    {39, 21, art("Art/Lever4.bmp", 64, 64, kRed)},
    {39, 22, art("Art/House12.bmp", 32, 64, kBlack)},

    // Quest 40: the bag of treasure.
    {40, 6, art("Art/Coin.bmp", 32, 32, kBlack)},
    {40, 8, art("Art/Chocolate.bmp", 32, 64, kBlack)},
    {40, 12, art("Art/TeleportPad2.bmp", 32, 16, kBlack)},
    {40, 13, art("Art/Block17.bmp", 32, 32, kBlack)},
    {40, 16, art("Art/Hammer.bmp", 64, 64, kRed)},
    {40, 21, art("Art/Lever.bmp", 64, 64, kRed)},
    {40, 22, art("Art/House9.bmp", 32, 64, kBlack)},
    {40, 34, art("Art/Bag.bmp", 64, 64, kBlack)},
};

constexpr SlotArt kPushButton = art("Art/Button3.bmp", 64, 64, kRed);
constexpr int kPushButtonSlot = 38;

}  // namespace

int laterWorldSheetSlots(int questNumber) {
  const int world = worldOfQuest(questNumber);
  if (world < 2) return 0;
  return world == 4 ? kWorld4Slots : kOtherSlots;
}

SlotArt laterWorldSlotArt(int questNumber, int slot) {
  if (slot < 0 || slot >= laterWorldSheetSlots(questNumber)) return {};
  if (slot == kPushButtonSlot) return kPushButton;
  // A quest's own row wins over the shared one.
  SlotArt shared{};
  for (const SlotRow& row : kRows) {
    if (row.slot != slot) continue;
    if (row.quest == questNumber) return row.art;
    if (row.quest == 0) shared = row.art;
  }
  return shared;
}
