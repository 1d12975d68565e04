// Quest 53, "Find the silver sword!": the crystal cave's terraces hang over its hall like cliffs that
// one may jump down from but never climb. The sword's door takes the key that only the hall's store
// sells, and the coins for it lie up on the terraces behind two sign walls: go up by the hall's
// teleporter, gather them, drop back to the store, and come up again for the east lever that sends
// the far teleporter to the sword's door. The coins are exactly enough for the key and the two
// hearts the two levers take.
#include "quests/QuestKit.h"
#include "quests/QuestRegistry.h"

using namespace questkit;

namespace {

// Walls, start and goal.

// The hall runs along the bottom; its back wall is the foot of the terraces' cliff. The west terrace
// (with a recess for the teleporter's pad and a niche for a coin) and the east terrace (with the
// lever's niche and the far teleporter's recess) meet in a short passage in front of the sword's
// column, which nothing but a teleporter reaches. No wall stops a step down: every cliff drops
// the dude back into the hall.
constexpr HorizontalWall kUp[] = {
    {0, 800, 330},                                          // the hall's back wall, the cliff's foot
    {0, 80, 200},    {80, 200, 230},  {200, 250, 200},     // the west terrace: recess, back, niche
    {250, 360, 230},                                        // and its back up to the column
    {360, 455, 100}, {360, 455, 280},                       // the sword's column: back and its edge
    {455, 600, 230}, {600, 650, 195}, {650, 720, 230},     // the east terrace and the lever's niche
    {720, 800, 200},                                        // the far teleporter's recess
};
constexpr VerticalWall kLeft[] = {
    {455, 230, 280},  // the column, from the east terrace
    {360, 100, 280},  // the column's west side, from within
    {200, 200, 230},  // the coin niche
    {600, 195, 230},  // the lever niche
    {720, 200, 230},  // the far recess
};
constexpr VerticalWall kRight[] = {
    {360, 230, 280},  // the column, from the west terrace
    {455, 100, 280},  // the column's east side, from within
    {80, 200, 230},   // the pad's recess
    {250, 200, 230},  // the coin niche
    {650, 195, 230},  // the lever niche
};
constexpr DudeLayout kDude{386, 445, 0, kUp, {}, kLeft, kRight};
constexpr QuestLayout kLayout{53, kDude, true, {370, 115, 67, 30}};

// Objects, scripts and drawing.

// Where teleporters set the dude down: the west terrace's recess, the east terrace's near end, the
// column's landing below the door and the hall before the store.
constexpr Spot kWestRecess{25, 205}, kEastNear{470, 240}, kLanding{392, 236}, kBeforeStore{150, 440};

enum Block : uint8_t { kPadBlock = 0, kFarBlock = 1 };

constexpr Spot kCoins[] = {
    {270, 440}, {520, 440},  // the hall's
    {215, 205},              // the west terrace's niche
    {480, 300},              // the east terrace's near end, between the two sign walls
    {640, 300},              // beyond the east sign wall
};
// The key lies nowhere: the store sells it.
constexpr KeyPlacement kKeys[] = {soldByStore(kKey3)};
constexpr DoorPlacement kDoors[] = {{385, 190, kKey3}};
// Each stone parts a terrace from end to end, so it is met only head-on.
constexpr BlockPlacement kBlocks[] = {
    {120, 276, kHorizontal, kPresent},  // after the pad's recess on the west terrace
    {685, 276, kHorizontal, kPresent},  // before the far teleporter
};
// The hall's lever stands in the hall's east corner, where no drop from a terrace before the far
// stone lands; the east one in its niche.
constexpr LeverPlacement kLevers[] = {{740, 420, 1}, {603, 185, 1}};
constexpr TeleporterPlacement kTeleporters[] = {
    {40, 350, kWestRecess.x, kWestRecess.y},     // the hall's, up to the west terrace
    {745, 205, kBeforeStore.x, kBeforeStore.y},  // the far one, as the east lever says
};
// The passage in front of the column, and the east terrace behind its near end.
constexpr SuspWallPlacement kSignWalls[] = {{350, 270, 2, 1.3f}, {520, 270, 4, 1.3f}};
constexpr Spot kStores[] = {{150, 374}};

// The hall's lever: the stone after the pad's recess down, both as they were, or the hall's
// teleporter aimed past it and past the passage's sign wall, straight at the east terrace.
constexpr LeverEffect kPadFree[] = {vanish(kPadBlock), exitOf(0, kWestRecess.x, kWestRecess.y)};
constexpr LeverEffect kPadShut[] = {appear(kPadBlock), exitOf(0, kWestRecess.x, kWestRecess.y)};
constexpr LeverEffect kToEastTerrace[] = {appear(kPadBlock), exitOf(0, kEastNear.x, kEastNear.y)};
// The east lever: the far stone down either way, its teleporter home to the store or up into the
// sword's column.
constexpr LeverEffect kFarHome[] = {vanish(kFarBlock), exitOf(1, kBeforeStore.x, kBeforeStore.y)};
constexpr LeverEffect kFarShut[] = {appear(kFarBlock), exitOf(1, kBeforeStore.x, kBeforeStore.y)};
constexpr LeverEffect kFarToSword[] = {vanish(kFarBlock), exitOf(1, kLanding.x, kLanding.y)};
constexpr LeverScript kLeverScripts[] = {
    {{kPadFree, kPadShut, kToEastTerrace}},
    {{kFarHome, kFarShut, kFarToSword}},
};
// Two hearts and the key: five coins in all, every coin of the cave.
constexpr StoreScript kStoreScripts[] = {
    {{once(Gift::Heart, 1, 0), whileNotHeld(Gift::Key, 3, 0), once(Gift::Heart, 1, 1)}},
};

constexpr DrawLine kDrawing[] = {
    kTeleporterPads,
    exitPad(kWestRecess),
    exitPad(kLanding),
    each(Draw::Stores, 22, 1.3f, 1.0f),
    each(Draw::Levers, 21, 0.7f, 0.7f),
    each(Draw::Coins, 6, 0.7f, 0.7f),
    each(Draw::Blocks, 13, 1.1f, 1.7f),
    each(Draw::Doors, 10, 1.4f, 1.4f),
    // Drawn lower than they stand, so that they fill the passage and the terrace to the cliff's edge.
    each(Draw::SuspiciousWalls, 9, 1.3f, 1.2f, 0, 15),
    kTeleporterBeams,
};

// The quest's pictures, slot by slot; the sign wall's panel draws its signs from slot 7.
constexpr SlotArtRow kArt[] = {
    {6, {"Art/Coin.bmp", 32, 32, kBlackKey}},
    {7, {"Art/SuspiciousButton.bmp", 32, 32, kBlackKey}},
    {9, {"Art/SuspiciousWall3.bmp", 64, 64, kNoColourKey}},
    {10, {"Art/Door7.bmp", 32, 32, kBlackKey}},
    {12, {"Art/TeleportPad3.bmp", 32, 16, kBlackKey}},
    {13, {"Art/Block19.bmp", 32, 32, kBlackKey}},
    {20, {"Art/Key.bmp", 16, 32, kBlackKey}},
    {21, {"Art/Lever2.bmp", 64, 64, kRedKey}},
    {22, {"Art/House.bmp", 32, 64, kBlackKey}},
};

constexpr QuestObjects kObjects = [] {
  QuestObjects q{};
  q.quest = 53;
  q.coins = kCoins;
  q.keys = kKeys;
  q.doors = kDoors;
  q.blocks = kBlocks;
  q.levers = kLevers;
  q.teleporters = kTeleporters;
  q.suspiciousWalls = kSignWalls;
  q.stores = kStores;
  q.keyScale = 1.0f;
  q.leverScripts = kLeverScripts;
  q.storeScripts = kStoreScripts;
  q.drawing = kDrawing;
  q.art = kArt;
  return q;
}();

}  // namespace

constexpr QuestContent kQuest53{&kLayout, &kObjects};
