// Quest 39, "Go down the ladder.": three floors of the brown dungeon with the ladder down in the
// top floor's west room. Five doors and two keys: the hub's store sells a key, a hammer for the
// vase before the ladder and a heart. The middle floor's own way up costs two doors, one key more
// than the coins can buy; the hub lever aims the hub's teleporter straight at the top floor instead.
#include "quests/QuestKit.h"
#include "quests/QuestRegistry.h"

using namespace questkit;

namespace {

// Walls, start and goal.

// Three floors joined only by teleporters: the top floor (dude y 100 to 140, the ladder room and
// the east end taller), the middle floor (250 to 290, the west end and the east hub taller) and the
// bottom floor (409 to 449, the start room and the east end taller). Doors stand in the low parts,
// where they close the whole passage.
constexpr HorizontalWall kUp[] = {
    {0, 240, 60}, {240, 680, 100}, {680, 800, 60},    // top floor
    {0, 160, 220}, {160, 495, 250}, {495, 800, 210},  // middle floor
    {0, 300, 360}, {300, 700, 409}, {700, 800, 370},  // bottom floor
};
constexpr HorizontalWall kDown[] = {{0, 800, 191}, {0, 800, 341}};
constexpr VerticalWall kLeft[] = {
    {0, 60, 191}, {0, 220, 341}, {0, 360, 500},  // the dungeon's west wall on each floor
    {680, 60, 100}, {495, 210, 250}, {700, 370, 409},
};
constexpr VerticalWall kRight[] = {{240, 60, 100}, {160, 220, 250}, {300, 360, 409}};
constexpr DudeLayout kDude{110, 445, 0, kUp, kDown, kLeft, kRight};
constexpr QuestLayout kLayout{39, kDude, true, {50, 76, 30, 81}};

// Objects, scripts and drawing.

// Arrival spots: the start room, the hub and the top floor's corridor.
constexpr Spot kStartRoom{200, 400}, kHub{560, 250}, kTopFloor{560, 110};

constexpr Spot kCoins[] = {{160, 380}, {240, 420}, {470, 425}, {510, 300}, {360, 268}};
constexpr Spot kFood[] = {{20, 396}};
// Key 0 lies in the start room, key 1 between the top floor's two doors; the store sells key 2.
constexpr KeyPlacement kKeys[] = {onField(60, 380, kKey2), onField(330, 110, kKey2), soldByStore(kKey2)};
// A: start room to the bottom corridor. B: hub to the middle room, E: middle room to the west end.
// C and D: the top corridor to the ladder room.
constexpr DoorPlacement kDoors[] = {
    {330, 408, kKey2}, {440, 249, kKey2}, {180, 249, kKey2}, {400, 99, kKey2}, {260, 99, kKey2}};
constexpr Spot kVases[] = {{150, 80}};
constexpr Spot kStores[] = {{630, 262}};
constexpr LeverPlacement kLevers[] = {{560, 405, 0}, {700, 240, 0}};
constexpr TeleporterPlacement kTeleporters[] = {
    {745, 420, kStartRoom.x, kStartRoom.y},  // 0: bottom floor's east end, aimed by lever 0
    {60, 260, kTopFloor.x, kTopFloor.y},     // 1: middle floor's west end, up
    {755, 260, kStartRoom.x, kStartRoom.y},  // 2: the hub's, aimed by lever 1
    {745, 110, kHub.x, kHub.y},              // 3: top floor's east end, back to the hub
    // 4: high in the ladder room, back to the hub, for one who reaches the vase without a hammer
    {200, 40, kHub.x, kHub.y},
};

constexpr LeverEffect kBottomToStart[] = {exitOf(0, kStartRoom.x, kStartRoom.y)};
constexpr LeverEffect kBottomToHub[] = {exitOf(0, kHub.x, kHub.y)};
constexpr LeverEffect kBottomToTop[] = {exitOf(0, kTopFloor.x, kTopFloor.y)};
constexpr LeverEffect kHubToStart[] = {exitOf(2, kStartRoom.x, kStartRoom.y)};
constexpr LeverEffect kHubToHub[] = {exitOf(2, kHub.x, kHub.y)};
constexpr LeverEffect kHubToTop[] = {exitOf(2, kTopFloor.x, kTopFloor.y)};
constexpr LeverScript kLeverScripts[] = {
    {{kBottomToStart, kBottomToHub, kBottomToTop}},
    {{kHubToStart, kHubToHub, kHubToTop}},
};
constexpr StoreScript kStoreScripts[] = {
    {{whileNotHeld(Gift::Key, 2, 2), once(Gift::Hammer, 1, 0), once(Gift::Heart, 1, 1)}},
};

constexpr DrawLine exitPad(Spot s) { return picture(12, s.x - 5, s.y + 42, 1.4f, 1.4f); }

constexpr DrawLine kDrawing[] = {
    kTeleporterPads,
    exitPad(kStartRoom),
    exitPad(kHub),
    exitPad(kTopFloor),
    each(Draw::Coins, 6, 0.7f, 0.7f),
    each(Draw::Keys, kKey2, 0.9f, 0.9f),
    each(Draw::Food, 8, 1.0f, 1.0f),
    each(Draw::Doors, 10, 1.4f, 1.4f),
    each(Draw::Vases, 18, 1.0f, 1.0f),
    each(Draw::Levers, 21, 0.7f, 0.7f),
    each(Draw::Stores, 22, 1.3f, 1.0f),
    kTeleporterBeams,
};

// The quest's pictures, slot by slot.
constexpr SlotArtRow kArt[] = {
    {6, {"Art/Coin.bmp", 32, 32, kBlackKey}},
    {8, {"Art/Banana.bmp", 32, 64, kBlackKey}},
    {10, {"Art/Door5.bmp", 32, 32, kBlackKey}},
    {12, {"Art/TeleportPad8.bmp", 32, 16, kBlackKey}},
    {18, {"Art/Vases20.bmp", 32, 64, kBlackKey}},
    {19, {"Art/Key2.bmp", 16, 32, kBlackKey}},
    {21, {"Art/Lever4.bmp", 64, 64, kRedKey}},
    {22, {"Art/House12.bmp", 32, 64, kBlackKey}},
};

constexpr QuestObjects kObjects = [] {
  QuestObjects q{};
  q.quest = 39;
  q.coins = kCoins;
  q.food = kFood;
  q.keys = kKeys;
  q.doors = kDoors;
  q.vases = kVases;
  q.stores = kStores;
  q.levers = kLevers;
  q.teleporters = kTeleporters;
  q.foodScale = 1.0f;
  q.keyScale = 0.9f;
  q.leverScripts = kLeverScripts;
  q.storeScripts = kStoreScripts;
  q.drawing = kDrawing;
  q.art = kArt;
  return q;
}();

}  // namespace

constexpr QuestContent kQuest39{&kLayout, &kObjects};
