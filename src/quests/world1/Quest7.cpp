// Quest 7, "Talk to the old wizard and give him his wand!": the ice hall; the goal lies behind three vases.
// The trick: three hammers at once; the top-right store is reached only by the catapult's plateau flight.

#include "quests/QuestKit.h"
#include "quests/QuestRegistry.h"

namespace {

using namespace questkit;

// Walls, start and goal.
constexpr HorizontalWall kUp[] = {
    {74, 800, 390}, {0, 800, 25}, {185, 723, 212},
};
constexpr HorizontalWall kDown[] = {
    {0, 800, 470}, {74, 723, 106}, {185, 800, 291},
};
constexpr VerticalWall kLeft[] = {
    {723, 106, 212},
};
constexpr VerticalWall kRight[] = {
    {74, 106, 390},
};
constexpr DudeLayout kDude{763, 406, 1, kUp, kDown, kLeft, kRight};
constexpr QuestLayout kLayout{7, kDude, true, {185, 212, 135, 81}};

// Objects, scripts and drawing.
constexpr Spot kCoins[] = {
    {206, 430}, {226, 430}, {460, 410}, {460, 440}, {22, 360}, {310, 72}, {340, 72}, {595, 72}, {615, 72}, {215, 410},
};
constexpr Spot kFood[] = {{25, 420}, {291, 420}, {527, 420}, {225, 60}, {270, 60}, {515, 60}, {560, 60}};
constexpr KeyPlacement kKeys[] = {soldByStore(kKey2)};
constexpr Spot kWeights[] = {{647, 430}, {371, 65}, {640, 240}, {745, 120}};
constexpr DoorPlacement kDoors[] = {{743, 170, kKey2}};
constexpr BlockPlacement kBlocks[] = {
    {125, 410, kHorizontal, kPresent}, {380, 410, kHorizontal, kPresent},
    {610, 410, kHorizontal, kPresent}, {125, 40, kHorizontal, kPresent},
};
constexpr LeverPlacement kLevers[] = {{170, 52, 2}, {460, 52, 2}};
constexpr CatapultPlacement kCatapults[] = {{675, 414, kThrowsLeft}, {25, 50, kThrowsRight}};
constexpr TeleporterPlacement kTeleporters[] = {
    {80, 400, 764, 405}, {336, 400, 709, 225}, {565, 400, 21, 194}, {645, 33, 21, 194}, {748, 214, 21, 194},
};
constexpr Spot kVases[] = {{330, 215}, {375, 215}, {415, 30}, {685, 30}, {15, 260}, {420, 215}};
constexpr Spot kStores[] = {{16, 155}, {744, 40}};

constexpr LeverEffect kLever0Position0[] = {moveTeleporter(1, 168, 400)};
constexpr LeverEffect kLever0Position1[] = {moveTeleporter(1, 250, 400)};
constexpr LeverEffect kLever0Position2[] = {moveTeleporter(1, 336, 400)};
constexpr LeverEffect kLever1Position0[] = {moveTeleporter(2, 420, 400)};
constexpr LeverEffect kLever1Position1[] = {moveTeleporter(2, 485, 400)};
constexpr LeverEffect kLever1Position2[] = {moveTeleporter(2, 565, 400)};
constexpr LeverScript kLeverScripts[] = {
    {{kLever0Position0, kLever0Position1, kLever0Position2}},
    {{kLever1Position0, kLever1Position1, kLever1Position2}},
};
// The strongest throw from the top-left catapult flies along the ceiling before it drops.
constexpr CatapultScript kCatapultScripts[] = {
    {{land(571, 411, 650), land(342, 411, 530), land(86, 411, 400)}},
    {{land(365, 50, 200), land(510, 50, 240), landOverPlateau(750, 50, 360, -41, 650)}},
};
constexpr StoreScript kStoreScripts[] = {
    {{once(Gift::Heart, 1, 0), once(Gift::Hammer, 2, 1), once(Gift::Heart, 1, 2)}},
    {{once(Gift::Hammer, 2, 3), keyOnce(Gift::Key, 2, 4, 0), once(Gift::Hammer, 2, 5)}},
};

constexpr DrawLine kDrawing[] = {
    each(Draw::Coins, 6, 0.7f, 0.7f),
    each(Draw::Food, 8, 1.1f, 1.1f),
    each(Draw::Doors, 11, 1.4f, 1.4f),
    each(Draw::Weights, 15, 1.2f, 1.2f),
    each(Draw::Levers, 21, 0.7f, 0.7f),
    kTeleporterPads,
    kTeleporterBeams,
    each(Draw::Blocks, 13, 1.1f, 1.7f),
    each(Draw::Vases, 18, 1.2f, 1.1f),
    each(Draw::Catapults, 14, 1.3f, 1.3f),
    oneAt(Draw::Stores, 22, 1, 744, 40, 1.3f, 1.0f),
    // The other store, a little higher than where the dude meets it.
    picture(22, 16, 146, 1.3f, 1.0f),
    picture(12, 13, 230, 1.4f, 1.4f),
    picture(12, 755, 440, 1.4f, 1.4f),
    picture(12, 700, 260, 1.4f, 1.4f),
};

constexpr QuestObjects kObjects = [] {
  QuestObjects q{};
  q.quest = 7;
  q.coins = kCoins;
  q.food = kFood;
  q.weights = kWeights;
  q.vases = kVases;
  q.keys = kKeys;
  q.doors = kDoors;
  q.blocks = kBlocks;
  q.levers = kLevers;
  q.catapults = kCatapults;
  q.teleporters = kTeleporters;
  q.stores = kStores;
  q.movablePad = Spot{310, 419};
  q.foodScale = 1.1f;
  q.hammersHeld = 2;
  q.weightsHeld = 2;
  q.vasesArePots = true;
  q.continueButton = Spot{270, 410};
  q.leverScripts = kLeverScripts;
  q.catapultScripts = kCatapultScripts;
  q.storeScripts = kStoreScripts;
  q.drawing = kDrawing;
  return q;
}();

}  // namespace

constexpr QuestContent kQuest7{&kLayout, &kObjects};
