// Quest 40, "Find the bag of treasure!": the bag waits in the vault at the top of a narrow shaft
// closed by two blocks. Each of the three levers clears one block and sets another in its place:
// the middle hall's lever clears the shaft's lower block, but only the east room's lever clears
// the upper one, and that lever shuts the east room's gate behind the dude. The two hammers break
// what the levers leave standing; the teleporters are the way round a gate.
#include "quests/QuestKit.h"
#include "quests/QuestRegistry.h"

using namespace questkit;

namespace {

// Walls, start and goal.

// The vault (x 330 to 500, y 40 to 160) stands on the shaft (x 395 to 440) that rises from the
// middle floor (ceiling 250; the west room 230) to its floor. The middle floor's rooms step down
// from west to east; the bottom floor (ceiling 400) steps down from its west end to the middle and
// up again at its east end.
constexpr HorizontalWall kUp[] = {{330, 500, 40}, {0, 200, 230}, {200, 395, 250}, {440, 800, 250}, {0, 800, 400}};
constexpr HorizontalWall kDown[] = {
    {330, 395, 160}, {440, 500, 160},                   // the vault's floor
    {0, 200, 341},   {200, 560, 351}, {560, 740, 361},  // the middle floor's rooms
    {740, 800, 331},                                    // the east room's coin nook
    {0, 100, 460},   {100, 300, 480}, {300, 700, 490},  // the bottom floor
    {700, 800, 470},
};
constexpr VerticalWall kLeft[] = {{330, 40, 160}, {395, 160, 250}, {200, 341, 351},
                                  {560, 351, 361}, {100, 460, 480}, {300, 480, 490}};
constexpr VerticalWall kRight[] = {{500, 40, 160}, {440, 160, 250}, {200, 230, 250},
                                   {740, 331, 361}, {700, 470, 490}, {800, 250, 361}};
constexpr DudeLayout kDude{85, 290, 0, kUp, kDown, kLeft, kRight};
constexpr QuestLayout kLayout{40, kDude, true, {374, 70, 76, 32}};

// Objects, scripts and drawing.

// Arrival spots: the west room, the bottom floor's two rooms and the middle hall.
constexpr Spot kWestRoom{130, 290}, kBottomWest{150, 420}, kBottomEast{400, 420}, kMiddleHall{300, 290};

constexpr Spot kCoins[] = {{180, 300}, {200, 420}, {240, 420}, {745, 300}, {470, 300}};
constexpr Spot kFood[] = {{160, 250}};
constexpr Spot kHammers[] = {{660, 290}, {520, 400}};
constexpr Spot kStores[] = {{45, 262}};

// Blocks 0 to 5 stand at the start; 6 appears only when the middle hall's lever sets it.
enum : uint8_t { kWestGate, kEastGate, kShaftLow, kShaftHigh, kBottomGate, kNookGate, kWestGate2 };
constexpr BlockPlacement kBlocks[] = {
    {215, 250, kHorizontal, kPresent},  // the west room's gate
    {545, 257, kHorizontal, kPresent},  // the east room's gate
    {390, 196, kVertical, kPresent},    // the shaft, low
    {390, 142, kVertical, kPresent},    // the shaft, high
    {290, 400, kHorizontal, kPresent},  // between the bottom floor's rooms
    {715, 250, kHorizontal, kPresent},  // before the coin nook
    {247, 250, kHorizontal, kAbsent},   // a second west gate
};
constexpr LeverPlacement kLevers[] = {{110, 236, 0}, {320, 256, 0}, {604, 256, 0}};
constexpr TeleporterPlacement kTeleporters[] = {
    {10, 250, kBottomWest.x, kBottomWest.y},  // 0: the west room, down
    {30, 390, kWestRoom.x, kWestRoom.y},      // 1: the bottom floor's west room, back up
    {745, 380, kMiddleHall.x, kMiddleHall.y}, // 2: the bottom floor's east room, up to the hall
    {770, 260, kBottomEast.x, kBottomEast.y}, // 3: the coin nook, down
};

// West room's lever: its gate, or the gate between the bottom floor's rooms.
constexpr LeverEffect kWestShut[] = {appear(kWestGate), appear(kBottomGate)};
constexpr LeverEffect kWestOpen[] = {vanish(kWestGate), appear(kBottomGate)};
constexpr LeverEffect kBottomOpen[] = {vanish(kBottomGate), appear(kWestGate)};
// Middle hall's lever: the shaft's lower block, or the east gate.
constexpr LeverEffect kHallShut[] = {appear(kEastGate), appear(kShaftLow), vanish(kWestGate2)};
constexpr LeverEffect kHallShaft[] = {vanish(kShaftLow), appear(kWestGate2), appear(kEastGate)};
constexpr LeverEffect kHallEast[] = {vanish(kEastGate), appear(kShaftLow), vanish(kWestGate2)};
// East room's lever: the shaft's upper block, which shuts the east gate, or the coin nook.
constexpr LeverEffect kEastShut[] = {appear(kShaftHigh), appear(kNookGate)};
constexpr LeverEffect kEastShaft[] = {vanish(kShaftHigh), appear(kEastGate), appear(kNookGate)};
constexpr LeverEffect kEastNook[] = {vanish(kNookGate), appear(kShaftHigh)};
constexpr LeverScript kLeverScripts[] = {
    {{kWestShut, kWestOpen, kBottomOpen}},
    {{kHallShut, kHallShaft, kHallEast}},
    {{kEastShut, kEastShaft, kEastNook}},
};
constexpr StoreScript kStoreScripts[] = {
    {{once(Gift::Heart, 1, 0), once(Gift::Hammer, 3, 1), once(Gift::None, 0, 2)}},
};

constexpr DrawLine exitPad(Spot s) { return picture(12, s.x - 5, s.y + 42, 1.4f, 1.4f); }

constexpr DrawLine kDrawing[] = {
    picture(34, 380, 52, 0.9f, 0.9f),  // the bag of treasure in the vault
    kTeleporterPads,
    exitPad(kWestRoom),
    exitPad(kBottomWest),
    exitPad(kBottomEast),
    exitPad(kMiddleHall),
    each(Draw::Coins, 6, 0.7f, 0.7f),
    each(Draw::Food, 8, 1.0f, 1.0f),
    each(Draw::Hammers, 16, 0.8f, 0.8f),
    each(Draw::Levers, 21, 0.7f, 0.7f),
    each(Draw::Stores, 22, 1.3f, 1.0f),
    each(Draw::Blocks, 13, 1.1f, 1.7f),
    kTeleporterBeams,
};

// The quest's pictures, slot by slot.
constexpr SlotArtRow kArt[] = {
    {6, {"Art/Coin.bmp", 32, 32, kBlackKey}},
    {8, {"Art/Chocolate.bmp", 32, 64, kBlackKey}},
    {12, {"Art/TeleportPad2.bmp", 32, 16, kBlackKey}},
    {13, {"Art/Block17.bmp", 32, 32, kBlackKey}},
    {16, {"Art/Hammer.bmp", 64, 64, kRedKey}},
    {21, {"Art/Lever.bmp", 64, 64, kRedKey}},
    {22, {"Art/House9.bmp", 32, 64, kBlackKey}},
    {34, {"Art/Bag.bmp", 64, 64, kBlackKey}},
};

constexpr QuestObjects kObjects = [] {
  QuestObjects q{};
  q.quest = 40;
  q.coins = kCoins;
  q.food = kFood;
  q.hammers = kHammers;
  q.blocks = kBlocks;
  q.levers = kLevers;
  q.teleporters = kTeleporters;
  q.stores = kStores;
  q.foodScale = 1.0f;
  q.leverScripts = kLeverScripts;
  q.storeScripts = kStoreScripts;
  q.drawing = kDrawing;
  q.art = kArt;
  return q;
}();

}  // namespace

constexpr QuestContent kQuest40{&kLayout, &kObjects};
