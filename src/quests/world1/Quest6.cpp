// Quest 6, "Find the owner of the shield.": the twin towers; the goal tops the middle shaft.
// The trick: levers move the shaft's teleporters aside so that each tower's catapult throws the dude back in.

#include "quests/QuestKit.h"
#include "quests/QuestRegistry.h"

namespace {

using namespace questkit;

// Walls, start and goal.
constexpr HorizontalWall kUp[] = {
    {0, 132, 375}, {0, 132, 216}, {132, 310, 54}, {310, 368, 384},
    {431, 480, 384}, {480, 661, 54}, {661, 800, 215}, {661, 800, 376},
};
constexpr HorizontalWall kDown[] = {
    {0, 195, 448}, {0, 132, 287}, {195, 247, 122}, {247, 368, 452},
    {431, 545, 452}, {545, 598, 122}, {661, 800, 287}, {598, 800, 448},
};
constexpr VerticalWall kLeft[] = {
    {132, 287, 375}, {132, 54, 216}, {247, 122, 452}, {368, 452, 500},
    {368, 160, 384}, {480, 54, 384}, {598, 122, 448},
};
constexpr VerticalWall kRight[] = {
    {195, 122, 448}, {310, 54, 384}, {431, 160, 384}, {431, 452, 500},
    {545, 122, 452}, {661, 54, 215}, {661, 287, 376},
};
constexpr DudeLayout kDude{386, 446, 2, kUp, kDown, kLeft, kRight};
constexpr QuestLayout kLayout{6, kDude, true, {372, 136, 62, 20}};

// Objects, scripts and drawing.
constexpr Spot kCoins[] = {{263, 85}, {303, 403}, {343, 403}, {430, 403}, {470, 403}, {510, 85}};
constexpr KeyPlacement kKeys[] = {onField(271, 243, kKey3), onField(506, 243, kKey3)};
constexpr Spot kWeights[] = {{202, 77}, {552, 77}};
// Three door entries, the last one empty.
constexpr DoorPlacement kDoors[] = {{257, 128, kKey3}, {492, 128, kKey3}, kEmptyDoor};
constexpr BlockPlacement kBlocks[] = {
    {261, 280, kVertical, kPresent}, {383, 280, kVertical, kPresent}, {497, 280, kVertical, kPresent},
    {261, 330, kVertical, kAbsent},  {383, 330, kVertical, kPresent}, {497, 330, kVertical, kAbsent},
    {147, 131, kVertical, kPresent}, {613, 131, kVertical, kPresent},
};
constexpr LeverPlacement kLevers[] = {{378, 455, 1}, {4, 390, 1}, {750, 390, 1}};
constexpr CatapultPlacement kCatapults[] = {{107, 227, kThrowsRight}, {605, 227, kThrowsLeft}};
constexpr TeleporterPlacement kTeleporters[] = {{383, 210, 68, 382}, {383, 152, 704, 382}};
constexpr Spot kHammers[] = {{376, 392}};
constexpr Spot kStores[] = {{750, 220}, {6, 220}};

constexpr LeverEffect kLever0Position0[] = {appear(3), vanish(4), vanish(5)};
constexpr LeverEffect kLever0Position1[] = {appear(4), vanish(3), vanish(5)};
constexpr LeverEffect kLever0Position2[] = {appear(5), vanish(3), vanish(4)};
constexpr LeverEffect kLever1Position0[] = {moveTeleporter(0, 55, 210)};
constexpr LeverEffect kLever1Position1[] = {moveTeleporter(0, 383, 210)};
constexpr LeverEffect kLever1Position2[] = {moveTeleporter(0, 705, 210)};
constexpr LeverEffect kLever2Position0[] = {moveTeleporter(1, 262, 152)};
constexpr LeverEffect kLever2Position1[] = {moveTeleporter(1, 383, 152)};
constexpr LeverEffect kLever2Position2[] = {moveTeleporter(1, 496, 152)};
constexpr LeverScript kLeverScripts[] = {
    {{kLever0Position0, kLever0Position1, kLever0Position2}},
    {{kLever1Position0, kLever1Position1, kLever1Position2}},
    {{kLever2Position0, kLever2Position1, kLever2Position2}},
};
constexpr CatapultScript kCatapultScripts[] = {
    {{land(265, 222, 190), land(387, 222, 280), land(500, 222, 300)}},
    {{land(500, 222, 580), land(387, 222, 520), land(265, 222, 450)}},
};
constexpr StoreScript kStoreScripts[] = {
    {{once(Gift::Heart, 1, 0), once(Gift::Hammer, 2, 1), once(Gift::Heart, 1, 2)}},
    {{once(Gift::Heart, 1, 3), once(Gift::Hammer, 2, 4), once(Gift::Heart, 1, 5)}},
};

constexpr DrawLine kDrawing[] = {
    each(Draw::Keys, kKey3, 0.9f, 0.9f),
    each(Draw::Weights, 15, 1.2f, 1.2f),
    each(Draw::Hammers, 16, 0.8f, 0.8f),
    each(Draw::Doors, 10, 1.4f, 1.4f),
    kTeleporterPads,
    kTeleporterBeams,
    each(Draw::TeleporterPads, 12, 1.4f, 1.4f, -5, -12),
    each(Draw::Blocks, 13, 1.1f, 1.7f),
    each(Draw::Catapults, 14, 1.3f, 1.3f),
    each(Draw::Coins, 6, 0.7f, 0.7f),
    each(Draw::Levers, 21, 0.7f, 0.7f),
    oneAt(Draw::Stores, 22, 0, 750, 220, 1.3f, 1.0f),
    oneAt(Draw::Stores, 22, 1, 6, 220, 1.3f, 1.0f),
    picture(12, 60, 418, 1.4f, 1.4f),
    picture(12, 696, 418, 1.4f, 1.4f),
};

constexpr QuestObjects kObjects = [] {
  QuestObjects q{};
  q.quest = 6;
  q.coins = kCoins;
  q.weights = kWeights;
  q.hammers = kHammers;
  q.keys = kKeys;
  q.doors = kDoors;
  q.blocks = kBlocks;
  q.levers = kLevers;
  q.catapults = kCatapults;
  q.teleporters = kTeleporters;
  q.stores = kStores;
  q.keyScale = 0.9f;
  q.coinsHeld = 2;
  q.continueButton = Spot{275, 442};
  q.leverScripts = kLeverScripts;
  q.catapultScripts = kCatapultScripts;
  q.storeScripts = kStoreScripts;
  q.drawing = kDrawing;
  return q;
}();

}  // namespace

constexpr QuestContent kQuest6{&kLayout, &kObjects};
