// Quest 14, "Return the red bow to its owner.": the archer lives on the village's upper square. Two
// swings carry the dude up, the street's onto the lane and the lane's onto the square before the
// archer's door, but brick walls stand on the lane and before the street's teleporter. The lane's
// lever lowers them, the street's lever sends the teleporter to the lane's far end, and the pots on
// the way take the street's hammer, the lane's and one bought at the store.
#include "quests/QuestKit.h"
#include "quests/QuestRegistry.h"

using namespace questkit;

namespace {

// Walls, start and goal.

// Three floors: the street along the bottom (with the lever's and the store's doorways), the lane
// in the middle (parted by a house at x 400, with a yard behind the lever) and the square at the
// top: the west yard, the square before the archer's house (its door is the goal) and the east
// square.
constexpr HorizontalWall kUp[] = {
    {0, 329, 120}, {329, 369, 190}, {431, 471, 190}, {471, 800, 120},                  // the square's houses
    {0, 800, 280},                                                                   // the lane's
    {0, 100, 400}, {100, 160, 370}, {160, 520, 400}, {520, 580, 370}, {580, 800, 400},  // the street's
};
constexpr HorizontalWall kDown[] = {
    {0, 600, 240}, {600, 680, 270}, {680, 800, 240},  // the square's edge, with a balcony
    {0, 200, 350}, {200, 260, 380}, {260, 800, 350},  // the lane's edge, with the lever's yard
};
constexpr VerticalWall kLeft[] = {
    {471, 120, 190}, {600, 240, 270}, {250, 120, 240}, {500, 120, 240},  // house, balcony, square's walls
    {200, 350, 380}, {400, 280, 350},                                   // lever's yard, the lane's house
    {100, 370, 400}, {520, 370, 400},                                   // the street's doorways
};
constexpr VerticalWall kRight[] = {
    {329, 120, 190}, {680, 240, 270}, {250, 120, 240}, {500, 120, 240},
    {260, 350, 380}, {400, 280, 350},
    {160, 370, 400}, {580, 370, 400},
};
constexpr DudeLayout kDude{621, 445, 0, kUp, kDown, kLeft, kRight};
constexpr QuestLayout kLayout{14, kDude, true, {369, 160, 62, 30}};

// Objects, scripts and drawing.

// Where teleporters set the dude down: the street's pad, the lane's east end, the west yard.
constexpr Spot kStreet{470, 430}, kLaneEast{440, 285}, kWestYard{50, 150};

constexpr Spot kCoins[] = {{80, 455}, {460, 455}, {700, 455}, {150, 300}, {590, 300}, {110, 165}, {200, 165}};
constexpr Spot kFood[] = {{660, 440}};
constexpr Spot kWeights[] = {{40, 440}, {335, 295}, {620, 295}};
constexpr Spot kHammers[] = {{300, 440}, {50, 300}};
constexpr Spot kVases[] = {
    {190, 410},  // the street's, before the weight and the lever's doorway
    {300, 275},  // the west lane's, before its weight and teleporter
    {480, 275},  // the east lane's, where its teleporter sets the dude down
    {80, 125},   // the west yard's, each before a coin
    {150, 125},
};
// The street's lever in its doorway, the lane's in the yard behind the lane.
constexpr LeverPlacement kLevers[] = {{110, 372, 1}, {215, 335, 1}};
constexpr CatapultPlacement kCatapults[] = {{350, 440, kThrowsLeft}, {690, 290, kThrowsLeft}};
enum Brick : uint8_t { kLaneWeightBrick = 0, kTeleporterBrick = 1, kSwingBrick = 2, kSquareBrick = 3 };
constexpr BlockPlacement kBlocks[] = {
    {540, 270, kHorizontal, kPresent},  // on the east lane, before its weight
    {730, 420, kHorizontal, kPresent},  // on the street, before the teleporter
    {650, 270, kHorizontal, kPresent},  // on the east lane, before its swing
    {290, 136, kHorizontal, kPresent},  // on the square, west of the archer's house
};
constexpr TeleporterPlacement kTeleporters[] = {
    {770, 420, kStreet.x, kStreet.y},  // the street's, as its lever says
    {365, 270, kStreet.x, kStreet.y},  // down from the west lane
    {15, 135, kStreet.x, kStreet.y},   // down from the west yard
};
constexpr Spot kStores[] = {{530, 372}};

constexpr LeverEffect kToLaneEast[] = {exitOf(0, kLaneEast.x, kLaneEast.y)};
constexpr LeverEffect kToStreet[] = {exitOf(0, kStreet.x, kStreet.y)};
constexpr LeverEffect kToWestYard[] = {exitOf(0, kWestYard.x, kWestYard.y)};
// The lane's lever: the lane and the street's teleporter open, or the square and the teleporter.
constexpr LeverEffect kOpenLane[] = {
    vanish(kLaneWeightBrick), vanish(kTeleporterBrick), vanish(kSwingBrick), appear(kSquareBrick)};
constexpr LeverEffect kAllBricked[] = {
    appear(kLaneWeightBrick), appear(kTeleporterBrick), appear(kSwingBrick), appear(kSquareBrick)};
constexpr LeverEffect kOpenSquare[] = {
    appear(kLaneWeightBrick), vanish(kTeleporterBrick), appear(kSwingBrick), vanish(kSquareBrick)};
constexpr LeverScript kLeverScripts[] = {
    {{kToLaneEast, kToStreet, kToWestYard}},
    {{kOpenLane, kAllBricked, kOpenSquare}},
};
// The street's swing: a hop along the street, onto the west lane, or up into the west yard. The
// lane's: a hop along the lane, onto the archer's doorstep, or past it beyond the square's brick.
constexpr CatapultScript kCatapultScripts[] = {
    {{land(300, 440, 400), land(100, 285, 287), land(40, 150, 150)}},
    {{land(620, 285, 660), land(395, 170, 593), land(255, 170, 593)}},
};
constexpr StoreScript kStoreScripts[] = {
    {{once(Gift::Heart, 1, 0), once(Gift::Hammer, 2, 1), once(Gift::Heart, 1, 2)}},
};

constexpr DrawLine kDrawing[] = {
    kTeleporterPads,
    exitPad(kStreet),
    exitPad(kLaneEast),
    exitPad(kWestYard),
    each(Draw::Stores, 22, 1.3f, 1.0f),
    each(Draw::Catapults, 14, 1.3f, 1.3f),
    each(Draw::Levers, 21, 0.7f, 0.7f),
    each(Draw::Coins, 6, 0.7f, 0.7f),
    each(Draw::Food, 8, 0.8f, 0.8f),
    each(Draw::Weights, 15, 1.2f, 1.2f),
    each(Draw::Hammers, 16, 0.8f, 0.8f),
    each(Draw::Vases, 18, 1.0f, 1.0f),
    each(Draw::Blocks, 13, 1.1f, 1.7f),
    kTeleporterBeams,
};

// The quest's pictures, slot by slot; slot 20 holds the gem the archer gives (the solved message
// shows it), since no key of this quest needs the slot.
constexpr SlotArtRow kArt[] = {
    {6, {"Art/Coin.bmp", 32, 32, kBlackKey}},
    {8, {"Art/Scoop.bmp", 32, 64, kBlackKey}},
    {12, {"Art/TeleportPad2.bmp", 32, 16, kBlackKey}},
    {13, {"Art/Block9.bmp", 32, 32, kBlackKey}},
    {14, {"Art/Swing5.bmp", 64, 32, kBlackKey}},
    {16, {"Art/Hammer.bmp", 64, 64, kRedKey}},
    {18, {"Art/Vases7.bmp", 32, 64, kBlackKey}},
    {20, {"Art/Gem6.bmp", 64, 64, kBlackKey}},
    {21, {"Art/Lever.bmp", 64, 64, kRedKey}},
    {22, {"Art/House2.bmp", 32, 64, kBlackKey}},
};

constexpr QuestObjects kObjects = [] {
  QuestObjects q{};
  q.quest = 14;
  q.coins = kCoins;
  q.food = kFood;
  q.weights = kWeights;
  q.hammers = kHammers;
  q.vases = kVases;
  q.blocks = kBlocks;
  q.levers = kLevers;
  q.catapults = kCatapults;
  q.teleporters = kTeleporters;
  q.stores = kStores;
  q.foodScale = 0.8f;
  q.leverScripts = kLeverScripts;
  q.catapultScripts = kCatapultScripts;
  q.storeScripts = kStoreScripts;
  q.drawing = kDrawing;
  q.art = kArt;
  return q;
}();

}  // namespace

constexpr QuestContent kQuest14{&kLayout, &kObjects};
