// Quest 4, "Talk to princess Ilvy.": the throne room, whose gates open only when the horn is taken.
// The trick: only the catapult and lever 2's teleporter reach the horn; the walls open to signs 1 and 3.

#include "quests/QuestKit.h"
#include "quests/QuestRegistry.h"

namespace {

using namespace questkit;

// Walls, start and goal.
constexpr HorizontalWall kUp[] = {
    {0, 207, 414}, {324, 474, 414}, {592, 800, 414}, {119, 326, 244},
    {476, 800, 244}, {0, 800, 78},
};
constexpr HorizontalWall kDown[] = {
    {0, 207, 333}, {324, 474, 333}, {592, 800, 333}, {119, 326, 165},
    {476, 800, 165},
};
constexpr VerticalWall kLeft[] = {
    {207, 333, 414}, {474, 333, 414}, {326, 165, 244}, {591, 78, 165},
};
constexpr VerticalWall kRight[] = {
    {324, 333, 414}, {592, 333, 414}, {119, 165, 244}, {476, 165, 244},
    {213, 78, 165}, {762, 414, 500},
};
constexpr DudeLayout kDude{5, 440, 1, kUp, kDown, kLeft, kRight};
constexpr QuestLayout kLayout{4, kDude, true, {326, 200, 150, 24}};

// Objects, scripts and drawing.
constexpr Spot kCoins[] = {{35, 100}, {57, 100}, {238, 464}, {268, 464}, {544, 465}, {514, 465}, {765, 250}};
constexpr Spot kFood[] = {{173, 440}, {17, 279}, {760, 279}, {220, 112}, {550, 112}, {265, 112}, {507, 112}};
constexpr Spot kWeights[] = {{5, 86}};
constexpr BlockPlacement kBlocks[] = {
    {114, 430, kHorizontal, kPresent}, {170, 260, kHorizontal, kPresent}, {593, 430, kHorizontal, kAbsent},
    {600, 260, kHorizontal, kPresent}, {328, 430, kHorizontal, kAbsent},
};
constexpr LeverPlacement kLevers[] = {{40, 450, 2}, {60, 210, 2}, {700, 230, 2}};
constexpr CatapultPlacement kCatapults[] = {{70, 275, kThrowsRight}};
// The fourth entry is a placeholder in the top-left corner, above the ceiling wall.
constexpr TeleporterPlacement kTeleporters[] = {
    {436, 426, 710, 270}, {636, 426, 692, 435}, {120, 82, 385, 435}, {0, 0, 0, 0},
};
constexpr Spot kVases[] = {{10, 135}, {60, 135}, {170, 86}, {597, 86}};
constexpr SuspWallPlacement kSuspiciousWalls[] = {{222, 335, 1, 1.4f}, {490, 335, 3, 1.4f}};
constexpr Spot kHammers[] = {{10, 227}};
constexpr Spot kStores[] = {{740, 413}};
// Closes the gate above the goal until the horn is taken.
constexpr LedgePlacement kLedges[] = {{0, 326, 244, 150, kActive}};

constexpr LeverEffect kLever0Position0[] = {appear(2), vanish(0), vanish(4)};
constexpr LeverEffect kLever0Position1[] = {appear(4), vanish(0), vanish(2)};
constexpr LeverEffect kLever0Position2[] = {appear(0), vanish(4), vanish(2)};
constexpr LeverEffect kLever1Position0[] = {
    moveFood(3, 220, 245), moveFood(4, 550, 245), moveFood(5, 265, 245), moveFood(6, 507, 245),
};
constexpr LeverEffect kLever1Position1[] = {
    moveFood(3, 220, 275), moveFood(4, 550, 275), moveFood(5, 265, 275), moveFood(6, 507, 275),
};
constexpr LeverEffect kLever1Position2[] = {
    moveFood(3, 220, 112), moveFood(4, 550, 112), moveFood(5, 265, 112), moveFood(6, 507, 112),
};
constexpr LeverEffect kLever2Position0[] = {moveTeleporter(1, 651, 259)};
constexpr LeverEffect kLever2Position1[] = {moveTeleporter(1, 648, 82)};
constexpr LeverEffect kLever2Position2[] = {moveTeleporter(1, 636, 426)};
constexpr LeverScript kLeverScripts[] = {
    {{kLever0Position0, kLever0Position1, kLever0Position2}},
    {{kLever1Position0, kLever1Position1, kLever1Position2}},
    {{kLever2Position0, kLever2Position1, kLever2Position2}},
};
constexpr CatapultScript kCatapultScripts[] = {{{land(270, 275, 200), land(460, 275, 260), land(700, 100, 450)}}};
constexpr StoreScript kStoreScripts[] = {
    {{once(Gift::Hammer, 3, 0), once(Gift::Heart, 1, 1), once(Gift::Hammer, 3, 2)}},
};

constexpr DrawLine kDrawing[] = {
    each(Draw::Weights, 15, 0.9f, 0.9f),
    each(Draw::Hammers, 16, 0.8f, 0.8f),
    each(Draw::Vases, 10, 1.2f, 1.1f),
    kTeleporterPads,
    kTeleporterBeams,
    each(Draw::Stores, 22, 1.3f, 1.0f),
    each(Draw::Coins, 6, 0.7f, 0.7f),
    each(Draw::Food, 8, 1.1f, 1.1f),
    each(Draw::Catapults, 14, 1.3f, 1.3f),
    each(Draw::Blocks, 13, 1.1f, 1.7f),
    each(Draw::SuspiciousWalls, 9, 1.4f, 1.2f),
    each(Draw::Horn, 34, 0.8f, 0.8f),
    each(Draw::Levers, 21, 0.7f, 0.7f),
    picture(12, 378, 472, 1.4f, 1.4f),
    picture(12, 683, 472, 1.4f, 1.4f),
    picture(12, 702, 305, 1.4f, 1.4f),
};

constexpr QuestObjects kObjects = [] {
  QuestObjects q{};
  q.quest = 4;
  q.coins = kCoins;
  q.food = kFood;
  q.weights = kWeights;
  q.hammers = kHammers;
  q.vases = kVases;
  q.blocks = kBlocks;
  q.levers = kLevers;
  q.catapults = kCatapults;
  q.teleporters = kTeleporters;
  q.ledges = kLedges;
  q.suspiciousWalls = kSuspiciousWalls;
  q.stores = kStores;
  q.horn = Spot{740, 91};
  q.foodScale = 1.1f;
  q.vasesArePots = true;
  q.continueButton = Spot{40, 535};
  q.leverScripts = kLeverScripts;
  q.catapultScripts = kCatapultScripts;
  q.storeScripts = kStoreScripts;
  q.drawing = kDrawing;
  return q;
}();

}  // namespace

constexpr QuestContent kQuest4{&kLayout, &kObjects};
