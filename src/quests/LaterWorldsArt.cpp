#include "quests/LaterWorldsArt.h"

#include "quests/PlayOrder.h"
#include "quests/QuestObjects.h"

// The sprite sheets of worlds 2 to 6. Every quest shares the heads-up bar's slots; the rest is the
// quest's own (its source file's `art`), slot by slot, in the roles the drawing lines and key kinds
// rely on (7, 19 and 20 are key kinds, 9 to 11 doors, 34 the horn, bridge or a button, 38 the bar's
// push button, 39 a trap door or a trampoline).
namespace {

constexpr int kWorld4Slots = 40, kOtherSlots = 37;

// The heads-up bar, the choice panel and what every quest can have.
constexpr SlotArtRow kSharedRows[] = {
    {0, {"Art/Back2.bmp", 64, 64, kNoColourKey}},
    {1, {"Art/Weight2.bmp", 64, 64, kRedKey}},
    {2, {"Art/Frame2.bmp", 64, 32, kRedKey}},
    {3, {"Art/ButtonMenu.bmp", 64, 32, kNoColourKey}},
    {4, {"Art/Info.bmp", 16, 32, kNoColourKey}},
    {5, {"Art/Numbers7.bmp", 32, 32, kBlackKey}},
    {15, {"Art/Weight.bmp", 32, 32, kRedKey}},
    {17, {"Art/Teleporter.bmp", 32, 32, kBlackKey}},
    {25, {"Art/Particle2.bmp", 16, 16, kBlackKey}},
    {26, {"Art/Frame3.bmp", 128, 64, kNoColourKey}},
    {27, {"Art/Select.bmp", 32, 32, kRedKey}},
    {30, {"Art/Bubble.bmp", 64, 64, kBlackKey}},
    {31, {"Art/Health.bmp", 32, 32, kGreenKey}},
    {32, {"Art/Particle.bmp", 32, 32, kBlackKey}},
    {33, {"Art/Particle5.bmp", 32, 32, kRedKey}},
    // World 4's push button in the bar; the other worlds' sheets end before it.
    {38, {"Art/Button3.bmp", 64, 64, kRedKey}},
};

const SlotArt* find(std::span<const SlotArtRow> rows, int slot) {
  for (const SlotArtRow& row : rows)
    if (row.slot == slot) return &row.art;
  return nullptr;
}

}  // namespace

int laterWorldSheetSlots(int questNumber) {
  const int world = worldOfQuest(questNumber);
  if (world < 2) return 0;
  return world == 4 ? kWorld4Slots : kOtherSlots;
}

SlotArt laterWorldSlotArt(int questNumber, int slot) {
  if (slot < 0 || slot >= laterWorldSheetSlots(questNumber)) return {};
  // A quest's own picture wins over the shared one.
  if (const QuestObjects* q = questObjects(questNumber))
    if (const SlotArt* own = find(q->art, slot)) return *own;
  const SlotArt* shared = find(kSharedRows, slot);
  return shared ? *shared : SlotArt{};
}
