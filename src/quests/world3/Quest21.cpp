// Quest 21, "Find the shield of lightning!": the shield lies beyond the fourth of four gates that
// stand in a row along the forest's upper clearings. The clearings and the forest floor below are
// cut into pockets by trees, crates and teleporters; every pocket is left by a teleporter or by an
// axe stroke. The keys lie a pocket apart from their gates, so the way zigzags: the blue key in the
// west glade opens the first gate (coins and the second axe), the coins buy the royal key at the
// hut by the start, the royal key opens the second gate (the gold key), the gold key the far east
// gate (the orange key), and the orange key the shield's gate. Two axes lie in the forest; the
// third stroke must be bought, and an axe spent on the wrong tree can lose the quest.
#include "quests/QuestKit.h"
#include "quests/QuestRegistry.h"

using namespace questkit;

namespace {

// Walls, start and goal.

// Three floors: the gates' alcoves along the top (each as wide as its gate, the shield's open to
// the north), the upper clearing (the dude's top at y 246 to 272) and the forest floor (y 426 to
// 449), joined by three paths down the bank: the west one under a crate, the middle one to the
// foot of a tree, the east one under a crate. The clearing's ceiling lies just below the
// teleporters' reach, and so does the floor's, so that no one slips past a teleporter.
constexpr HorizontalWall kUp[] = {
    {0, 136, 246},   {196, 340, 246}, {395, 526, 246}, {597, 740, 246},  // the upper clearing's back
    {0, 136, 426},   {196, 526, 426}, {597, 740, 426},                   // the forest floor's bank
    {136, 196, 100}, {340, 395, 110}, {740, 800, 100},                   // the ends of the alcoves
};
constexpr HorizontalWall kDown[] = {{0, 136, 323}, {196, 526, 323}, {597, 740, 323}};  // the clearing's edge
constexpr VerticalWall kLeft[] = {
    {136, 100, 246}, {340, 110, 246}, {526, 0, 246}, {740, 100, 246},  // the alcoves
    {136, 323, 426}, {526, 323, 426}, {740, 323, 426},                 // the paths down the bank
};
constexpr VerticalWall kRight[] = {
    {196, 100, 246}, {395, 110, 246}, {597, 0, 246},  // the alcoves (the east one ends at the field's edge)
    {196, 323, 426}, {597, 323, 426},                 // the paths down the bank
};
constexpr DudeLayout kDude{154, 440, 0, kUp, kDown, kLeft, kRight};
constexpr QuestLayout kLayout{21, kDude, true, {526, 130, 71, 30}};

// Objects, scripts and drawing.

// Key kinds: the royal key the hut sells takes the special key's kind (its gate asks for it with
// that picture).
constexpr uint8_t kBlue = kKey2, kGold = kKey, kOrange = kKey3, kRoyal = kSpecialKey;
constexpr uint8_t kRoyalKeySlot = 3;

// Where each teleporter sets the dude down: on the pads of the glade (MA), the upper clearing
// (MB), the shield's clearing (MC), the start (BA), the floor's middle (BB) and the east end (BD).
constexpr Spot kAtGlade{151, 259}, kAtClearing{351, 259}, kAtShieldGate{545, 259};
constexpr Spot kAtStart{151, 439}, kAtFloorMiddle{351, 439}, kAtEastEnd{750, 439};

// Ten coins is all a quest can hold: the middle path down the bank has one.
constexpr Spot kCoins[] = {
    {756, 172},                                      // behind the east gate, beside the orange key
    {756, 448}, {756, 418},                          // at the east end of the floor
    {357, 266},                                      // on the upper clearing's pad
    {357, 449},                                      // on the floor's middle pad
    {550, 380},                                      // down the bank below the shield's gate
    {140, 123}, {150, 123}, {160, 123}, {170, 123},  // behind the first gate
};
constexpr Spot kFood[] = {{697, 442}};  // the mushroom at the east end
constexpr Spot kAxes[] = {
    {151, 148},  // behind the first gate
    {151, 384},  // above the start, under the crate
};
// Trees: the upper clearing's six, then the floor's four.
constexpr Spot kTrees[] = {
    {88, 250}, {203, 250}, {486, 250}, {594, 250}, {645, 250}, {748, 250},
    {203, 430}, {486, 430}, {541, 430}, {594, 430},
};
constexpr KeyPlacement kKeys[] = {
    onField(62, 273, kBlue),    // in the west glade, behind a tree
    onField(361, 166, kGold),   // behind the second gate
    onField(759, 130, kOrange), // behind the east gate
    soldByStore(kRoyal),        // the hut by the start sells it
};
constexpr DoorPlacement kDoors[] = {{146, 199, kBlue}, {538, 199, kOrange}, {345, 199, kRoyal}, {745, 199, kGold}};
// The crates over the west and east paths down the bank.
constexpr BlockPlacement kCrates[] = {{150, 323, kVertical, kPresent}, {748, 333, kVertical, kPresent}};
constexpr Spot kHuts[] = {{646, 430}, {88, 430}};
constexpr TeleporterPlacement kTeleporters[] = {
    {10, 260, kAtStart.x, kAtStart.y},                // the west glade's, home
    {276, 440, kAtClearing.x, kAtClearing.y},         // the floor middle's west one, up
    {430, 440, kAtStart.x, kAtStart.y},               // the floor middle's east one, home
    {10, 440, kAtGlade.x, kAtGlade.y},                // the start's, up to the glade
    {276, 260, kAtEastEnd.x, kAtEastEnd.y},           // the clearing's west one, to the east end
    {430, 260, kAtFloorMiddle.x, kAtFloorMiddle.y},   // the clearing's east one, down
    {692, 260, kAtShieldGate.x, kAtShieldGate.y},     // beside the east gate, to the shield's gate
};

// The hut at the east end sells axes; the one by the start the royal key and an axe.
constexpr StoreScript kStoreScripts[] = {
    {{once(Gift::Hammer, 2, 0), once(Gift::Heart, 1, 1), once(Gift::Hammer, 2, 2)}},
    {{once(Gift::Heart, 1, 3), keyOnce(Gift::SpecialKey, 3, 4, kRoyalKeySlot), once(Gift::Hammer, 2, 5)}},
};

constexpr DrawLine pad(Spot s) { return picture(12, s.x, s.y, 1.4f, 1.4f); }

constexpr DrawLine kDrawing[] = {
    // The arrival pads, then the pad under each teleporter.
    pad({146, 296}), pad({346, 296}), pad({540, 296}), pad({346, 476}), pad({745, 476}), pad({146, 476}),
    pad({5, 296}), pad({271, 476}), pad({425, 476}), pad({5, 476}), pad({271, 296}), pad({425, 296}),
    pad({687, 296}),
    picture(34, 543, 125, 0.8f, 0.8f),  // the shield
    each(Draw::Stores, 22, 1.3f, 1.0f),
    each(Draw::Coins, 6, 0.7f, 0.7f),
    each(Draw::Food, 8, 0.8f, 0.8f),
    each(Draw::Hammers, 16, 0.7f, 0.7f),
    each(Draw::Keys, kBlue, 1.0f, 1.0f),
    each(Draw::Keys, kGold, 1.0f, 1.0f),
    each(Draw::Keys, kOrange, 1.0f, 1.0f),
    one(Draw::Doors, 32, 0, 1.4f, 1.4f),
    one(Draw::Doors, 24, 1, 1.4f, 1.4f),
    one(Draw::Doors, 9, 2, 1.4f, 1.4f),
    one(Draw::Doors, 11, 3, 1.4f, 1.4f),
    each(Draw::Blocks, 13, 1.1f, 1.7f),
    each(Draw::Vases, 18, 1.2f, 1.1f),
    kTeleporterBeams,
};

// The quest's pictures, slot by slot.
constexpr SlotArtRow kArt[] = {
    {6, {"Art/Coin.bmp", 32, 32, kBlackKey}},
    {7, {"Art/Key.bmp", 16, 32, kBlackKey}},
    {8, {"Art/Mushroom.bmp", 32, 64, kBlackKey}},
    {9, {"Art/Door4.bmp", 32, 32, kBlackKey}},
    {11, {"Art/Door5.bmp", 32, 32, kBlackKey}},
    {12, {"Art/TeleportPad3.bmp", 32, 16, kBlackKey}},
    {13, {"Art/Block14.bmp", 32, 32, kBlackKey}},
    {16, {"Art/Axe2.bmp", 64, 64, kRedKey}},
    {18, {"Art/Tree7.bmp", 32, 64, kBlackKey}},
    {19, {"Art/Key2.bmp", 16, 32, kBlackKey}},
    {20, {"Art/Key6.bmp", 16, 32, kBlackKey}},
    {22, {"Art/House.bmp", 32, 64, kBlackKey}},
    {24, {"Art/Door8.bmp", 32, 32, kBlackKey}},
    {28, {"Art/Key4.bmp", 16, 32, kBlackKey}},
    {32, {"Art/Door7.bmp", 32, 32, kBlackKey}},
    {34, {"Art/Shield.bmp", 32, 64, kBlackKey}},
};

constexpr QuestObjects kObjects = [] {
  QuestObjects q{};
  q.quest = 21;
  q.coins = kCoins;
  q.food = kFood;
  q.hammers = kAxes;
  q.vases = kTrees;
  q.keys = kKeys;
  q.doors = kDoors;
  q.blocks = kCrates;
  q.teleporters = kTeleporters;
  q.stores = kHuts;
  q.foodScale = 0.8f;
  q.keyScale = 1.0f;
  q.storeScripts = kStoreScripts;
  q.drawing = kDrawing;
  q.art = kArt;
  return q;
}();

}  // namespace

constexpr QuestContent kQuest21{&kLayout, &kObjects};
