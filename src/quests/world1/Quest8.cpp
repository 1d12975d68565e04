// Quest 8, "Go across the river.": islands joined by teleporters; the only door stands before the goal.
// The trick: the lever swings the bridge up to the store that sells the key, then back down to the door.

#include "quests/QuestKit.h"
#include "quests/QuestRegistry.h"

namespace {

using namespace questkit;

// Walls, start and goal.
constexpr HorizontalWall kUp[] = {
    {0, 68, 440}, {125, 184, 290}, {50, 168, 80}, {272, 390, 174},
    {390, 502, 44}, {630, 745, 51}, {535, 650, 249}, {330, 440, 363},
    {640, 727, 436}, {727, 800, 293},
};
constexpr HorizontalWall kDown[] = {
    {125, 184, 360}, {50, 68, 150}, {125, 168, 150}, {272, 390, 242},
    {390, 502, 114}, {630, 745, 120}, {535, 650, 318}, {330, 440, 432},
};
constexpr VerticalWall kLeft[] = {
    {68, 150, 440}, {50, 80, 150}, {727, 293, 436},
};
constexpr VerticalWall kRight[] = {
    {125, 360, 500}, {184, 290, 360}, {168, 80, 150}, {125, 150, 290},
};
constexpr DudeLayout kDude{752, 436, 1, kUp, kDown, kLeft, kRight};
constexpr QuestLayout kLayout{8, kDude, true, {0, 465, 125, 35}};

// Objects, scripts and drawing.
constexpr Spot kCoins[] = {{321, 192}, {441, 65}, {680, 71}, {584, 269}, {376, 382}, {107, 310}, {86, 400}};
constexpr Spot kFood[] = {{700, 430}, {87, 70}, {60, 288}, {84, 192}};
constexpr KeyPlacement kKeys[] = {soldByStore(kKey2)};
constexpr DoorPlacement kDoors[] = {{73, 445, kKey2}};
constexpr LeverPlacement kLevers[] = {{35, 105, 0}};
constexpr TeleporterPlacement kTeleporters[] = {
    {655, 427, 436, 55},  {321, 363, 676, 60},  {413, 363, 752, 436}, {268, 174, 752, 436}, {358, 174, 101, 298},
    {530, 250, 317, 183}, {620, 250, 371, 372}, {388, 46, 579, 258},  {478, 46, 89, 90},    {627, 52, 89, 90},
    {717, 52, 317, 183},  {130, 81, 371, 372},  {142, 290, 579, 258},
};
// A bridge, drawn from the ladder records.
constexpr Spot kLadders[] = {{70, 360}};
constexpr Spot kStores[] = {{730, 284}};
// Cliffs down the left shaft and up the start's ledge; the bridge spans one or two of them.
constexpr LedgePlacement kLedges[] = {
    {1, 68, 290, 60, kActive}, {2, 727, 436, 80, kActive}, {4, 68, 360, 60, kInactive}, {5, 68, 150, 60, kActive},
};

constexpr LeverEffect kLever0Position0[] = {moveLadder(0, 70, 360), ledgeOn(1), ledgeOn(2), ledgeOn(5), ledgeOff(4)};
constexpr LeverEffect kLever0Position1[] = {moveLadder(0, 75, 150), ledgeOn(2), ledgeOn(4), ledgeOff(1), ledgeOff(5)};
constexpr LeverEffect kLever0Position2[] = {moveLadder(0, 740, 360), ledgeOn(1), ledgeOn(4), ledgeOn(5), ledgeOff(2)};
constexpr LeverScript kLeverScripts[] = {{{kLever0Position0, kLever0Position1, kLever0Position2}}};
constexpr StoreScript kStoreScripts[] = {
    {{once(Gift::Heart, 2, 0), keyOnce(Gift::Key, 3, 1, 0), once(Gift::Heart, 2, 2)}},
};

constexpr DrawLine kDrawing[] = {
    each(Draw::Levers, 21, 0.7f, 0.7f),
    each(Draw::Ladders, 9, 0.8f, 2.2f),
    each(Draw::Coins, 6, 0.7f, 0.7f),
    each(Draw::Doors, 11, 1.4f, 1.4f),
    kTeleporterPads,
    kTeleporterBeams,
    each(Draw::Food, 8, 1.1f, 1.1f),
    oneAt(Draw::Stores, 22, 0, 730, 284, 1.3f, 1.0f),
    picture(12, 743, 473, 1.4f, 1.4f),
    picture(12, 362, 409, 1.4f, 1.4f),
    picture(12, 308, 220, 1.4f, 1.4f),
    picture(12, 570, 296, 1.4f, 1.4f),
    picture(12, 428, 92, 1.4f, 1.4f),
    picture(12, 667, 98, 1.4f, 1.4f),
    picture(12, 80, 127, 1.4f, 1.4f),
    picture(12, 92, 336, 1.4f, 1.4f),
};

constexpr QuestObjects kObjects = [] {
  QuestObjects q{};
  q.quest = 8;
  q.coins = kCoins;
  q.food = kFood;
  q.ladders = kLadders;
  q.keys = kKeys;
  q.doors = kDoors;
  q.levers = kLevers;
  q.teleporters = kTeleporters;
  q.ledges = kLedges;
  q.stores = kStores;
  q.foodScale = 1.1f;
  q.leverScripts = kLeverScripts;
  q.storeScripts = kStoreScripts;
  q.drawing = kDrawing;
  return q;
}();

}  // namespace

constexpr QuestContent kQuest8{&kLayout, &kObjects};
