// Quest 5, "Find the letter addressed to you!": the quarry; door 0, a cliff and block 5 close the goal shaft.
// The trick: the keys lie off a shaft of falling rocks; levers move the teleporters and the ladder over the cliff.

#include "quests/QuestKit.h"
#include "quests/QuestRegistry.h"

namespace {

using namespace questkit;

// Walls, start and goal.
constexpr HorizontalWall kUp[] = {
    {56, 330, 44}, {56, 114, 142}, {56, 114, 239}, {56, 114, 339},
    {56, 166, 437}, {495, 580, 437}, {301, 361, 375}, {361, 435, 437},
    {580, 640, 200}, {721, 782, 292}, {782, 800, 437}, {166, 226, 142},
    {226, 431, 167}, {431, 491, 61}, {595, 790, 45}, {640, 721, 437},
    {226, 301, 437},
};
constexpr HorizontalWall kDown[] = {
    {56, 330, 113}, {56, 114, 212}, {56, 114, 310}, {56, 114, 411},
    {721, 782, 236}, {226, 435, 235}, {595, 721, 115}, {782, 800, 115},
};
constexpr VerticalWall kLeft[] = {
    {166, 272, 437}, {301, 375, 437}, {435, 272, 437}, {580, 200, 437},
    {721, 292, 437}, {166, 142, 437}, {721, 115, 236}, {595, 45, 115},
    {431, 61, 167},
};
constexpr VerticalWall kRight[] = {
    {56, 0, 44}, {330, 44, 113}, {114, 142, 212}, {114, 239, 310},
    {114, 339, 411}, {56, 113, 142}, {56, 212, 239}, {56, 310, 339},
    {56, 411, 437}, {226, 235, 437}, {361, 375, 437}, {493, 61, 437},
    {640, 200, 437}, {782, 292, 437}, {782, 115, 236}, {226, 142, 167},
};
constexpr DudeLayout kDude{300, 445, 1, kUp, kDown, kLeft, kRight};
constexpr QuestLayout kLayout{5, kDude, true, {431, 60, 62, 20}};

// Objects, scripts and drawing.
constexpr Spot kCoins[] = {{710, 62}, {320, 390}, {233, 72}, {600, 390}, {670, 62}, {185, 173}, {15, 15}};
constexpr Spot kFood[] = {{185, 60}, {180, 290}, {735, 334}, {738, 450}, {594, 240}, {180, 450}, {380, 450}};
constexpr KeyPlacement kKeys[] = {onField(75, 166, kKey), onField(75, 263, kKey3), onField(75, 361, kKey2)};
constexpr Spot kWeights[] = {{140, 65}};
constexpr DoorPlacement kDoors[] = {{444, 345, kKey}, {175, 395, kKey3}, {589, 300, kKey2}};
constexpr BlockPlacement kBlocks[] = {
    {90, 52, kHorizontal, kPresent},   {85, 443, kHorizontal, kPresent},  {307, 175, kHorizontal, kPresent},
    {391, 175, kHorizontal, kPresent}, {735, 380, kVertical, kPresent},   {441, 175, kHorizontal, kPresent},
    {120, 443, kHorizontal, kPresent}, {443, 108, kVertical, kAbsent},    {632, 55, kHorizontal, kAbsent},
};
constexpr LeverPlacement kLevers[] = {{731, 266, 0}, {589, 178, 1}, {175, 115, 1}, {585, 50, 0}};
constexpr CatapultPlacement kCatapults[] = {{170, 191, kThrowsRight}};
constexpr TeleporterPlacement kTeleporters[] = {{448, 272, 318, 385}, {277, 40, 452, 385}};
constexpr Spot kLadders[] = {{184, 232}};
constexpr int kRockY[] = {-100, -600, -1100};
constexpr Spot kHammers[] = {{354, 178}, {184, 340}, {260, 450}, {700, 450}};
constexpr Spot kStores[] = {{730, 150}};
// Three cliffs, each an upward and a downward ledge; the ladder bridges one of them.
constexpr LedgePlacement kLedges[] = {
    {0, 166, 272, 60, kInactive}, {1, 435, 272, 60, kActive}, {2, 721, 137, 61, kActive},
    {4, 166, 235, 60, kInactive}, {5, 435, 235, 60, kActive}, {6, 721, 115, 61, kActive},
};

constexpr LeverEffect kLever0Position0[] = {appear(1), appear(6), vanish(7), vanish(8)};
constexpr LeverEffect kLever0Position1[] = {appear(7), vanish(8), vanish(1), vanish(6)};
constexpr LeverEffect kLever0Position2[] = {appear(8), vanish(7), vanish(1), vanish(6)};
constexpr LeverEffect kLever1Position0[] = {exitOf(0, 266, 174), movePad(258, 208)};
constexpr LeverEffect kLever1Position1[] = {exitOf(0, 318, 385), movePad(310, 419)};
constexpr LeverEffect kLever1Position2[] = {exitOf(0, 680, 56), movePad(672, 90)};
constexpr LeverEffect kLever2Position0[] = {moveTeleporter(1, 230, 425)};
constexpr LeverEffect kLever2Position1[] = {moveTeleporter(1, 277, 40)};
constexpr LeverEffect kLever2Position2[] = {moveTeleporter(1, 729, 45)};
constexpr LeverEffect kLever3Position0[] = {
    moveLadder(0, 184, 232), ledgeOn(1), ledgeOn(2), ledgeOn(5), ledgeOn(6), ledgeOff(0), ledgeOff(4),
};
constexpr LeverEffect kLever3Position1[] = {
    moveLadder(0, 452, 228), ledgeOn(0), ledgeOn(2), ledgeOn(4), ledgeOn(6), ledgeOff(1), ledgeOff(5),
};
constexpr LeverEffect kLever3Position2[] = {
    moveLadder(0, 736, 106), ledgeOn(0), ledgeOn(1), ledgeOn(4), ledgeOn(5), ledgeOff(2), ledgeOff(6),
};
constexpr LeverScript kLeverScripts[] = {
    {{kLever0Position0, kLever0Position1, kLever0Position2}},
    {{kLever1Position0, kLever1Position1, kLever1Position2}},
    {{kLever2Position0, kLever2Position1, kLever2Position2}},
    {{kLever3Position0, kLever3Position1, kLever3Position2}},
};
constexpr CatapultScript kCatapultScripts[] = {{{land(348, 180, 290), land(597, 220, 380), land(736, 175, 500)}}};
constexpr StoreScript kStoreScripts[] = {
    {{once(Gift::Hammer, 3, 0), once(Gift::Heart, 1, 1), once(Gift::Hammer, 3, 2)}},
};

constexpr DrawLine kDrawing[] = {
    each(Draw::Coins, 6, 0.7f, 0.7f),
    each(Draw::Weights, 15, 1.2f, 1.2f),
    each(Draw::Food, 8, 1.1f, 1.1f),
    each(Draw::Hammers, 16, 0.8f, 0.8f),
    each(Draw::Blocks, 13, 1.1f, 1.7f),
    each(Draw::MovablePad, 12, 1.4f, 1.4f),
    kTeleporterPads,
    kTeleporterBeams,
    each(Draw::Stores, 22, 1.3f, 1.0f),
    each(Draw::Catapults, 14, 1.3f, 1.3f),
    each(Draw::Levers, 21, 0.7f, 0.7f),
    one(Draw::Doors, 9, 0, 1.4f, 1.4f),
    one(Draw::Doors, 10, 1, 1.4f, 1.4f),
    one(Draw::Doors, 11, 2, 1.4f, 1.4f),
    each(Draw::Keys, kKey, 0.9f, 0.9f),
    each(Draw::Keys, kKey3, 0.9f, 0.9f),
    each(Draw::Keys, kKey2, 0.9f, 0.9f),
    each(Draw::Ladders, 36, 0.9f, 0.9f),
    oneAt(Draw::Machine, 23, 0, 660, 430, 1.1f, 1.1f),
    picture(18, 448, 73, 1.0f, 1.0f),
    picture(12, 443, 419, 1.4f, 1.4f),
};

constexpr QuestObjects kObjects = [] {
  QuestObjects q{};
  q.quest = 5;
  q.coins = kCoins;
  q.food = kFood;
  q.weights = kWeights;
  q.hammers = kHammers;
  q.ladders = kLadders;
  q.keys = kKeys;
  q.doors = kDoors;
  q.blocks = kBlocks;
  q.levers = kLevers;
  q.catapults = kCatapults;
  q.teleporters = kTeleporters;
  q.ledges = kLedges;
  q.stores = kStores;
  q.movablePad = Spot{310, 419};
  q.machine = MachinePlacement{660, 430, 655, 455};
  q.rockColumnX = 15;
  q.rockY = kRockY;
  q.rocksFalling = true;
  q.foodScale = 1.1f;
  q.keyScale = 0.9f;
  q.leverScripts = kLeverScripts;
  q.catapultScripts = kCatapultScripts;
  q.storeScripts = kStoreScripts;
  q.drawing = kDrawing;
  return q;
}();

}  // namespace

constexpr QuestContent kQuest5{&kLayout, &kObjects};
