// Quest 37, "Recover the gem of health!": the gem lies on a pedestal in the middle of the hall, and
// the one ladder that reaches it moves on to its next stop at each press of a button. Pressed in the
// west hall it carries the dude up to the store, whose key opens the gate to the high walkway; pressed
// again from the far east room it stands under the gem, where the dude arrives by the east side.
#include "quests/QuestKit.h"
#include "quests/QuestRegistry.h"

using namespace questkit;

namespace {

// Walls, start and goal.

// Top to bottom: the high walkway; the store's landing (west), the pedestal with the gem (middle)
// and the button room (east); the west hall, the hall under the pedestal and the east hall; two
// pits. Cliffs can be walked down, not up; arches part the rooms of each floor.
constexpr HorizontalWall kUp[] = {
    {0, 800, 4},                                                   // the walkway's parapet
    {0, 200, 60}, {245, 300, 60}, {560, 800, 60},                  // the walkway's edges, the gate's gap
    {340, 480, 110},                                               // the pedestal
    {0, 148, 220}, {193, 300, 220},                                // the west hall's cliff, the ladder's first stop
    {300, 392, 240}, {437, 500, 240},                              // under the pedestal, its ladder stop
    {500, 666, 250}, {711, 800, 250},                              // the east hall, its ladder stop
    {0, 300, 340}, {0, 300, 360}, {0, 300, 380},                   // steps down into the west pit
    {500, 800, 340}, {500, 800, 360}, {500, 800, 380},             // steps down into the east pit
    {300, 500, 391},                                               // the east pit under the pedestal hall
};
constexpr HorizontalWall kDown[] = {
    {300, 560, 60},                   // the walkway above the pedestal
    {193, 300, 218},                  // the store's landing
    {560, 666, 230}, {711, 800, 230}, // the button room's floor, with the ladder's hole
    {300, 500, 381},                  // the hall under the pedestal
};
// Arches: a wall across the upper part of a room, passable along its floor.
constexpr VerticalWall kLeft[] = {
    {300, 240, 500}, {560, 110, 230},                   // the pedestal hall's and the button room's west walls
    {100, 60, 110}, {720, 60, 100},                    // arches of the store and of the button
    {120, 220, 270}, {500, 240, 290}, {650, 250, 290}, // arches of the halls
    {150, 390, 400}, {400, 391, 430}, {560, 390, 420}, // arches of the pits
};
constexpr VerticalWall kRight[] = {
    {300, 110, 500}, {480, 110, 240},                  // the west rooms' east wall, the pedestal
    {100, 60, 110}, {720, 60, 100},
    {120, 220, 270}, {500, 240, 290}, {650, 250, 290},
    {150, 390, 400}, {400, 391, 430}, {560, 390, 420},
};
constexpr DudeLayout kDude{177, 256, 0, kUp, kDown, kLeft, kRight};
constexpr QuestLayout kLayout{37, kDude, true, {384, 160, 51, 47}};

// Objects, scripts and drawing.

// The ladder's stops in the order a press moves it on, and the one up-ledge each leaves open; its
// rest in the pit (ledge 3) opens nothing.
constexpr LadderStop kStops[] = {{385, 380, 3}, {148, 180, 0}, {392, 196, 1}, {666, 192, 2}};
constexpr Spot kLadders[] = {{385, 380}};
constexpr LedgePlacement kLedges[] = {
    {0, 148, 220, 45, true}, {1, 392, 240, 45, true}, {2, 666, 250, 45, true}, {3, 385, 380, 29, false},
};

constexpr Spot kCoins[] = {{140, 310}, {60, 300}, {250, 80}, {760, 320}, {40, 440}};
constexpr Spot kFood[] = {{20, 240}, {770, 150}, {775, 440}};
// The gate's key is only sold.
constexpr KeyPlacement kKeys[] = {soldByStore(kKey)};
constexpr DoorPlacement kDoors[] = {{200, 40, kKey}};
// The walkway's block, and the block in the arch between the two halls.
constexpr BlockPlacement kBlocks[] = {{440, 12, kHorizontal, kPresent}, {500, 300, kHorizontal, kPresent}};
constexpr LeverPlacement kLevers[] = {{320, 10, 1}, {700, 300, 1}};
constexpr Spot kButtons[] = {{240, 230}, {745, 70}};
// The pits' teleporters lead back to the halls; the east hall's up to the button room, whose own
// leads home to the store's landing.
constexpr TeleporterPlacement kTeleporters[] = {
    {250, 420, 50, 280}, {560, 260, 620, 120}, {580, 70, 240, 100}, {470, 430, 760, 270},
};
constexpr Spot kVases[] = {{110, 400}, {740, 400}};
constexpr Spot kStores[] = {{30, 75}};

// Each lever opens one way and shuts the other: the walkway, or the arch between the halls.
constexpr LeverEffect kOpenWalkway[] = {vanish(0), appear(1)};
constexpr LeverEffect kShutBoth[] = {appear(0), appear(1)};
constexpr LeverEffect kOpenArch[] = {appear(0), vanish(1)};
constexpr LeverScript kLeverScripts[] = {
    {{kOpenWalkway, kShutBoth, kOpenArch}},
    {{kOpenWalkway, kShutBoth, kOpenArch}},
};
constexpr StoreScript kStoreScripts[] = {
    {{once(Gift::Heart, 1, 1), keyOnce(Gift::Key, 3, 0, 0), once(Gift::Hammer, 1, 2)}},
};

constexpr DrawLine kDrawing[] = {
    // The pads the teleporters bring the dude to.
    picture(12, 45, 320, 1.4f, 1.4f),
    picture(12, 615, 160, 1.4f, 1.4f),
    picture(12, 235, 140, 1.4f, 1.4f),
    picture(12, 755, 310, 1.4f, 1.4f),
    kTeleporterPads,
    each(Draw::Ladders, 36, 0.9f, 1.5f),
    each(Draw::Gem, 29, 0.9f, 0.9f),
    each(Draw::Coins, 6, 0.7f, 0.7f),
    each(Draw::Food, 8, 0.7f, 0.7f),
    each(Draw::Doors, 9, 1.4f, 1.4f),
    each(Draw::Blocks, 13, 1.1f, 1.7f),
    each(Draw::Levers, 21, 0.7f, 0.7f),
    each(Draw::Buttons, 34, 0.8f, 0.8f),
    each(Draw::Stores, 22, 1.3f, 1.0f),
    each(Draw::Vases, 18, 1.2f, 1.1f),
    kTeleporterBeams,
};

// The quest's pictures, slot by slot.
constexpr SlotArtRow kArt[] = {
    {6, {"Art/Coin.bmp", 32, 32, kBlackKey}},
    {7, {"Art/Key.bmp", 16, 32, kBlackKey}},
    {8, {"Art/Food9.bmp", 32, 64, kBlackKey}},
    {9, {"Art/Door8.bmp", 32, 32, kBlackKey}},
    {12, {"Art/TeleportPad4.bmp", 32, 16, kBlackKey}},
    {13, {"Art/Block23.bmp", 32, 32, kBlackKey}},
    {18, {"Art/Vases3.bmp", 32, 64, kBlackKey}},
    {21, {"Art/Lever6.bmp", 64, 64, kRedKey}},
    {22, {"Art/House6.bmp", 32, 64, kBlackKey}},
    {29, {"Art/Gem3.bmp", 64, 32, kBlackKey}},
    {34, {"Art/Button5.bmp", 64, 64, kNoColourKey}},
    {36, {"Art/Ladder.bmp", 32, 64, kRedKey}},
};

constexpr QuestObjects kObjects = [] {
  QuestObjects q{};
  q.quest = 37;
  q.coins = kCoins;
  q.food = kFood;
  q.keys = kKeys;
  q.doors = kDoors;
  q.blocks = kBlocks;
  q.levers = kLevers;
  q.teleporters = kTeleporters;
  q.vases = kVases;
  q.stores = kStores;
  q.ladders = kLadders;
  q.ledges = kLedges;
  q.gem = Spot{390, 168};
  q.foodScale = 0.7f;
  q.keyScale = 1.0f;
  q.leverScripts = kLeverScripts;
  q.storeScripts = kStoreScripts;
  q.buttons = kButtons;
  q.pushAction = PushAction::CycleLadder;
  q.ladderCycle = kStops;
  q.drawing = kDrawing;
  q.art = kArt;
  return q;
}();

}  // namespace

constexpr QuestContent kQuest37{&kLayout, &kObjects};
