// Quest 2, "You are needed at the castle.": the goal lies up through the castle gate on the right island.
// The trick: the horn at the bottom left opens the gate; the top lever sends every teleporter to the island.

#include "quests/QuestKit.h"
#include "quests/QuestRegistry.h"

namespace {

using namespace questkit;

// Walls, start and goal.
constexpr HorizontalWall kUp[] = {
    {757, 800, 440}, {706, 757, 420}, {680, 706, 440}, {628, 680, 420},
    {544, 628, 440}, {489, 544, 400}, {341, 489, 440}, {285, 341, 400},
    {70, 285, 440}, {70, 207, 281}, {21, 300, 126}, {233, 373, 247},
    {412, 553, 247}, {594, 639, 247}, {639, 688, 168}, {688, 734, 247},
};
constexpr HorizontalWall kDown[] = {
    {70, 207, 355}, {70, 300, 187}, {233, 373, 380}, {412, 553, 380},
    {594, 734, 380},
};
constexpr VerticalWall kLeft[] = {
    {706, 420, 440}, {628, 420, 440}, {489, 400, 440}, {285, 400, 440},
    {21, 126, 500}, {233, 247, 380}, {412, 247, 380}, {594, 247, 380},
    {639, 168, 247},
};
constexpr VerticalWall kRight[] = {
    {757, 420, 440}, {680, 420, 440}, {544, 400, 440}, {341, 400, 440},
    {70, 355, 440}, {207, 281, 355}, {70, 187, 281}, {300, 126, 187},
    {373, 247, 380}, {553, 247, 380}, {734, 247, 380}, {688, 168, 247},
};
constexpr DudeLayout kDude{766, 449, 1, kUp, kDown, kLeft, kRight};
constexpr QuestLayout kLayout{2, kDude, true, {639, 168, 49, 20}};

// Objects, scripts and drawing.
constexpr Spot kCoins[] = {{695, 265}, {435, 265}, {127, 145}, {250, 145}, {505, 460}};
constexpr Spot kFood[] = {{80, 456}, {725, 456}};
constexpr KeyPlacement kKeys[] = {onField(517, 265, kKey2)};
constexpr Spot kWeights[] = {{241, 260}, {601, 260}, {630, 453}};
constexpr DoorPlacement kDoors[] = {{25, 180, kKey2}, {25, 370, kKey2}};
constexpr BlockPlacement kBlocks[] = {
    {250, 443, kHorizontal, kAbsent}, {340, 443, kHorizontal, kPresent}, {70, 290, kHorizontal, kAbsent},
    {570, 443, kHorizontal, kPresent}, {430, 443, kHorizontal, kPresent},
};
constexpr LeverPlacement kLevers[] = {{710, 387, 1}, {633, 387, 2}, {290, 128, 2}};
constexpr CatapultPlacement kCatapults[] = {{105, 302, kThrowsRight}};
constexpr TeleporterPlacement kTeleporters[] = {
    {335, 313, 35, 230}, {505, 313, 35, 230}, {685, 313, 35, 230}, {298, 384, 35, 230},
};
constexpr Spot kHammers[] = {{330, 256}, {680, 448}};
constexpr Spot kStores[] = {{180, 110}};
// Guards the way up to the gate until the horn is taken.
constexpr LedgePlacement kLedges[] = {{0, 594, 247, 140, kActive}};

constexpr LeverEffect kLever0Position0[] = {appear(2), vanish(0), vanish(4)};
constexpr LeverEffect kLever0Position1[] = {appear(4), vanish(0), vanish(2)};
constexpr LeverEffect kLever0Position2[] = {appear(0), vanish(4), vanish(2)};
// Block 2 belongs to both levers: with the first at its last position, this one takes it away.
constexpr LeverEffect kLever1Position0[] = {appear(3), appearUnlessLeverAt(2, 0, 2), vanish(1), vanish(4)};
constexpr LeverEffect kLever1Position1[] = {appear(4), appear(3), vanish(1), vanish(2)};
constexpr LeverEffect kLever1Position2[] = {appear(1), appear(4), appear(2), vanish(3)};
constexpr LeverEffect kLever2Position0[] = {allExits(651, 250), movePad(641, 280)};
constexpr LeverEffect kLever2Position1[] = {allExits(504, 394), movePad(495, 424)};
constexpr LeverEffect kLever2Position2[] = {allExits(35, 230), movePad(26, 260)};
constexpr LeverScript kLeverScripts[] = {
    {{kLever0Position0, kLever0Position1, kLever0Position2}},
    {{kLever1Position0, kLever1Position1, kLever1Position2}},
    {{kLever2Position0, kLever2Position1, kLever2Position2}},
};
constexpr CatapultScript kCatapultScripts[] = {{{land(250, 310, 200), land(435, 310, 260), land(615, 310, 380)}}};
constexpr StoreScript kStoreScripts[] = {
    {{once(Gift::Heart, 1, 0), whileNotHeld(Gift::Key, 3, 0), once(Gift::Heart, 1, 1)}},
};

constexpr DrawLine kDrawing[] = {
    each(Draw::Hammers, 16, 0.8f, 0.8f),
    each(Draw::Coins, 6, 0.7f, 0.7f),
    each(Draw::MovablePad, 12, 1.35f, 1.4f),
    each(Draw::Weights, 15, 1.2f, 1.2f),
    each(Draw::Blocks, 13, 1.1f, 1.7f),
    each(Draw::Food, 8, 0.8f, 0.8f),
    each(Draw::Doors, 11, 1.4f, 1.4f),
    each(Draw::Keys, kKey2, 0.9f, 0.9f),
    each(Draw::Horn, 34, 0.8f, 0.8f),
    oneAt(Draw::Levers, 21, 0, 710, 387, 0.7f, 0.7f),
    oneAt(Draw::Levers, 21, 1, 633, 387, 0.7f, 0.7f),
    oneAt(Draw::Levers, 21, 2, 290, 128, 0.7f, 0.7f),
    oneAt(Draw::Catapults, 14, 0, 105, 302, 1.3f, 1.3f),
    oneAt(Draw::Stores, 22, 0, 180, 110, 1.3f, 1.0f),
    picture(12, 320, 349, 1.4f, 1.4f),
    picture(12, 500, 349, 1.4f, 1.4f),
    picture(12, 680, 349, 1.4f, 1.4f),
    picture(12, 293, 420, 1.35f, 1.4f),
    picture(17, 325, 313, 1.3f, 1.3f),
    picture(17, 505, 313, 1.3f, 1.3f),
    picture(17, 685, 313, 1.3f, 1.3f),
    picture(17, 298, 384, 1.3f, 1.3f),
};

constexpr QuestObjects kObjects = [] {
  QuestObjects q{};
  q.quest = 2;
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
  q.ledges = kLedges;
  q.stores = kStores;
  q.horn = Spot{150, 455};
  q.movablePad = Spot{26, 260};
  q.foodScale = 0.8f;
  q.keyScale = 0.9f;
  q.leverScripts = kLeverScripts;
  q.catapultScripts = kCatapultScripts;
  q.storeScripts = kStoreScripts;
  q.drawing = kDrawing;
  return q;
}();

}  // namespace

constexpr QuestContent kQuest2{&kLayout, &kObjects};
