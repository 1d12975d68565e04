// Quest 9, "Go to the desert": four locked doors in three corridors; the last one lies below the goal.
// The trick: the lever clears the way to the catapult, whose throw reaches the coins for the special key.

#include "quests/QuestKit.h"
#include "quests/QuestRegistry.h"

namespace {

using namespace questkit;

// Walls, start and goal.
constexpr HorizontalWall kUp[] = {
    {65, 276, 436}, {65, 276, 268}, {342, 429, 436}, {494, 577, 436},
    {577, 800, 84}, {429, 494, 84},
};
constexpr HorizontalWall kDown[] = {
    {65, 276, 347}, {642, 733, 162},
};
constexpr VerticalWall kLeft[] = {
    {65, 436, 500}, {276, 347, 436}, {65, 268, 347}, {276, 84, 268},
    {429, 84, 436}, {577, 84, 436}, {733, 162, 500},
};
constexpr VerticalWall kRight[] = {
    {342, 84, 436}, {494, 84, 436}, {642, 162, 500},
};
constexpr DudeLayout kDude{448, 445, 1, kUp, kDown, kLeft, kRight};
constexpr QuestLayout kLayout{9, kDude, true, {276, 84, 66, 50}};

// Objects, scripts and drawing.
constexpr Spot kCoins[] = {{740, 390}, {740, 425}, {775, 390}, {775, 425}, {758, 409}};
constexpr Spot kFood[] = {{626, 110}, {666, 110}, {706, 110}, {293, 340}};
// The store sells the special key into slot 3, where the fourth door looks for it.
constexpr KeyPlacement kKeys[] = {
    onField(603, 300, kKey), onField(456, 153, kKey3), onField(95, 300, kKey2), soldByStore(kSpecialKey),
};
constexpr Spot kWeights[] = {{443, 300}, {591, 400}};
constexpr DoorPlacement kDoors[] = {{440, 345, kKey}, {745, 335, kKey3}, {589, 235, kKey2}, {287, 200, kSpecialKey}};
constexpr BlockPlacement kBlocks[] = {
    {294, 380, kVertical, kPresent}, {154, 280, kHorizontal, kAbsent},
    {446, 230, kVertical, kAbsent},  {593, 344, kVertical, kPresent},
};
constexpr LeverPlacement kLevers[] = {{75, 450, 0}};
constexpr CatapultPlacement kCatapults[] = {{200, 295, kThrowsRight}};
constexpr TeleporterPlacement kTeleporters[] = {{750, 430, 449, 153}};
constexpr Spot kHammers[] = {{437, 394}};
constexpr Spot kStores[] = {{442, 85}};

constexpr LeverEffect kLever0Position0[] = {appear(0), vanish(1), vanish(2)};
constexpr LeverEffect kLever0Position1[] = {appear(1), vanish(0), vanish(2)};
constexpr LeverEffect kLever0Position2[] = {appear(2), vanish(0), vanish(1)};
constexpr LeverScript kLeverScripts[] = {{{kLever0Position0, kLever0Position1, kLever0Position2}}};
constexpr CatapultScript kCatapultScripts[] = {{{land(448, 285, 330), land(595, 290, 400), land(753, 284, 480)}}};
constexpr StoreScript kStoreScripts[] = {
    {{once(Gift::Heart, 1, 0), keyOnce(Gift::SpecialKey, 3, 1, 3), once(Gift::Heart, 1, 2)}},
};

constexpr DrawLine kDrawing[] = {
    each(Draw::Hammers, 16, 0.8f, 0.8f),
    each(Draw::Blocks, 13, 1.1f, 1.7f),
    each(Draw::Food, 8, 1.1f, 1.1f),
    each(Draw::Weights, 15, 1.2f, 1.2f),
    each(Draw::Keys, kKey, 0.9f, 0.9f),
    each(Draw::Keys, kKey3, 0.9f, 0.9f),
    each(Draw::Keys, kKey2, 0.9f, 0.9f),
    each(Draw::Coins, 6, 0.7f, 0.7f),
    kTeleporterPads,
    kTeleporterBeams,
    each(Draw::Levers, 21, 0.7f, 0.7f),
    each(Draw::Catapults, 14, 1.3f, 1.3f),
    one(Draw::Doors, 9, 0, 1.4f, 1.4f),
    one(Draw::Doors, 10, 1, 1.4f, 1.4f),
    one(Draw::Doors, 11, 2, 1.4f, 1.4f),
    one(Draw::Doors, 23, 3, 1.4f, 1.4f),
    oneAt(Draw::Stores, 22, 0, 442, 85, 1.3f, 1.0f),
    picture(12, 440, 190, 1.4f, 1.4f),
};

constexpr QuestObjects kObjects = [] {
  QuestObjects q{};
  q.quest = 9;
  q.coins = kCoins;
  q.food = kFood;
  q.weights = kWeights;
  q.hammers = kHammers;
  q.keys = kKeys;
  q.doors = kDoors;
  q.blocks = kBlocks;
  q.levers = kLevers;
  q.catapults = kCatapults;
  q.teleporters = kTeleporters;
  q.stores = kStores;
  q.foodScale = 1.1f;
  q.keyScale = 0.9f;
  q.leverScripts = kLeverScripts;
  q.catapultScripts = kCatapultScripts;
  q.storeScripts = kStoreScripts;
  q.drawing = kDrawing;
  return q;
}();

}  // namespace

constexpr QuestContent kQuest9{&kLayout, &kObjects};
