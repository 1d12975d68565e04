// Quest 1, "Retrieve the herb of healing.": solved at the trader, who takes the gem for the herb.
// The trick: three keys and a catapult throw lead to the gem; the store's special key opens the trader's door.

#include "quests/QuestKit.h"
#include "quests/QuestRegistry.h"

namespace {

using namespace questkit;

// Walls, start and goal.
// Solved at the trader by handing over the gem, so the quest has no goal area.
constexpr HorizontalWall kUp[] = {
    {0, 57, 396}, {57, 108, 245}, {108, 130, 396}, {130, 400, 94},
    {182, 652, 396}, {270, 495, 294}, {495, 545, 190}, {545, 651, 294},
    {651, 706, 144}, {706, 777, 227}, {706, 800, 396},
};
constexpr HorizontalWall kDown[] = {
    {0, 535, 458}, {182, 400, 154}, {270, 652, 355}, {706, 777, 285},
};
constexpr VerticalWall kLeft[] = {
    {57, 245, 396}, {130, 94, 396}, {535, 458, 500}, {652, 355, 396},
    {270, 294, 355}, {495, 190, 294}, {651, 144, 294},
};
constexpr VerticalWall kRight[] = {
    {108, 245, 396}, {400, 94, 154}, {182, 154, 396}, {545, 190, 294},
    {706, 144, 227}, {777, 227, 285}, {706, 285, 396},
};
constexpr DudeLayout kDude{20, 402, 1, kUp, kDown, kLeft, kRight};
constexpr QuestLayout kLayout{1, kDude, false, kNoGoal};

// Objects, scripts and drawing.
// Solved at the trader, who takes the gem for the healing herb.
constexpr Spot kCoins[] = {{70, 415}, {70, 315}, {70, 365}, {150, 110}, {560, 465}};
constexpr Spot kFood[] = {{145, 250}, {107, 407}, {725, 460}};
constexpr KeyPlacement kKeys[] = {onField(75, 265, kKey), onField(344, 310, kKey3), onField(200, 107, kKey2)};
constexpr Spot kWeights[] = {{610, 456}, {660, 240}, {138, 305}};
constexpr DoorPlacement kDoors[] = {{657, 354, kKey}, {135, 160, kKey3}, {657, 180, kKey2}};
constexpr BlockPlacement kBlocks[] = {
    {400, 400, kHorizontal, kPresent}, {377, 298, kHorizontal, kAbsent}, {503, 240, kVertical, kAbsent},
};
constexpr LeverPlacement kLevers[] = {{60, 210, 2}};
constexpr CatapultPlacement kCatapults[] = {{420, 300, kThrowsLeft}};
constexpr TeleporterPlacement kTeleporters[] = {{345, 80, 723, 230}, {290, 283, 723, 230}};
constexpr Spot kHammers[] = {{660, 450}};
constexpr Spot kStores[] = {{265, 80}};

constexpr LeverEffect kLever0Position0[] = {appear(2), vanish(0), vanish(1)};
constexpr LeverEffect kLever0Position1[] = {appear(1), vanish(0), vanish(2)};
constexpr LeverEffect kLever0Position2[] = {appear(0), vanish(1), vanish(2)};
constexpr LeverScript kLeverScripts[] = {{{kLever0Position0, kLever0Position1, kLever0Position2}}};
constexpr CatapultScript kCatapultScripts[] = {{{land(335, 302, 380), land(145, 302, 310), land(70, 302, 270)}}};
// The special key opens the door in front of the trader.
constexpr StoreScript kStoreScripts[] = {
    {{once(Gift::Heart, 1, 0), whileNotHeld(Gift::SpecialKey, 3, 0), once(Gift::Heart, 1, 1)}},
};

constexpr DrawLine kDrawing[] = {
    each(Draw::Coins, 6, 0.7f, 0.7f),
    each(Draw::Keys, kKey, 0.9f, 0.9f),
    each(Draw::Keys, kKey3, 0.9f, 0.9f),
    each(Draw::Keys, kKey2, 0.9f, 0.9f),
    each(Draw::Food, 8, 0.8f, 0.8f),
    each(Draw::Weights, 15, 1.2f, 1.2f),
    one(Draw::Doors, 9, 0, 1.4f, 1.4f),
    one(Draw::Doors, 10, 1, 1.4f, 1.4f),
    one(Draw::Doors, 11, 2, 1.4f, 1.4f),
    each(Draw::Blocks, 13, 1.1f, 1.7f),
    each(Draw::Hammers, 16, 0.8f, 0.8f),
    oneAt(Draw::TeleporterBeams, 17, 0, 345, 90, 1.3f, 1.3f),
    oneAt(Draw::TeleporterBeams, 17, 1, 290, 293, 1.3f, 1.3f),
    oneAt(Draw::Catapults, 14, 0, 420, 300, 1.3f, 1.3f),
    oneAt(Draw::Gem, 18, 0, 663, 146, 0.9f, 0.9f),
    oneAt(Draw::Levers, 21, 0, 60, 210, 0.7f, 0.7f),
    oneAt(Draw::Stores, 22, 0, 265, 80, 1.3f, 1.0f),
    oneAt(Draw::Machine, 23, 0, 761, 374, 1.1f, 1.1f),
    picture(12, 715, 255, 1.4f, 1.4f),
    picture(12, 340, 127, 1.4f, 1.4f),
    picture(12, 285, 329, 1.4f, 1.4f),
};

constexpr QuestObjects kObjects = [] {
  QuestObjects q{};
  q.quest = 1;
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
  q.gem = Spot{663, 146};
  q.specialDoor = Spot{498, 190};
  q.trader = Spot{498, 190};
  q.machine = MachinePlacement{761, 374, 750, 400};
  q.foodScale = 0.8f;
  q.keyScale = 0.9f;
  q.leverScripts = kLeverScripts;
  q.catapultScripts = kCatapultScripts;
  q.storeScripts = kStoreScripts;
  q.traderTakesGem = true;
  q.drawing = kDrawing;
  return q;
}();

}  // namespace

constexpr QuestContent kQuest1{&kLayout, &kObjects};
