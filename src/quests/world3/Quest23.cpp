// Quest 23, "Find the blue gloves.": the gloves lie on a rock shelf above the forest's terrace, and
// there is one ladder. It stands at the terrace's cliff, and only the lever down on the forest floor
// moves it under the shelf; once it stands there, the terrace is out of reach by the cliff. The way
// up is then the teleporter in the eastern pen, which leads under the shelf only after the lever in
// the terrace's western pen has been set: climb first, set that lever, come down, move the ladder.
#include "quests/QuestKit.h"
#include "quests/QuestRegistry.h"

using namespace questkit;

namespace {

// Walls, start and goal.

// The forest floor (dude's top from y 330 down) and, up its cliff, the terrace (y 180 to 330).
// The cliff has one gap, where the ladder starts; the shelf with the gloves stands in the
// terrace's middle, open only from below. A fallen log walls off a corner of the floor's west end.
constexpr HorizontalWall kUp[] = {
    {20, 210, 180}, {210, 350, 180}, {350, 424, 180}, {424, 780, 180},  // the terrace's back and the shelf's
    {20, 140, 330}, {195, 660, 330}, {660, 780, 330},                   // the cliff, with its gap at x 140-195
    {20, 110, 390},                                                      // the fallen log
};
constexpr HorizontalWall kDown[] = {{20, 780, 500}};
// The outer edges, the shelf's sides, the hedge of the terrace's western pen (open below y 280)
// and the hedge of the floor's eastern pen (open above y 390).
constexpr VerticalWall kLeft[] = {{20, 180, 500}, {424, 180, 262}, {210, 180, 280}, {660, 390, 500}};
constexpr VerticalWall kRight[] = {{780, 180, 500}, {350, 180, 262}, {210, 180, 280}, {660, 390, 500}};
constexpr DudeLayout kDude{393, 440, 0, kUp, kDown, kLeft, kRight};
constexpr QuestLayout kLayout{23, kDude, true, {367, 190, 40, 52}};

// Objects, scripts and drawing.

enum Ledge : uint8_t { kCliffGap = 0, kShelf = 1 };
// Where the ladder stands: in the cliff's gap, under the shelf, or laid by the eastern hedge.
constexpr Spot kLadderAtCliff{150, 268}, kLadderAtShelf{372, 226}, kLadderAside{600, 372};
// Where the teleporters set the dude down; each spot has its pad.
constexpr Spot kUnderShelf{380, 290}, kByTheStore{600, 420}, kInEastPen{690, 425}, kWestPen{120, 240};

constexpr Spot kCoins[] = {
    {430, 360},  // on the floor, free
    {40, 350},   // in the log's corner
    {750, 455},  // in the eastern pen
    {650, 215},  // on the terrace's east end
    {25, 195},   // in the western pen
};
constexpr Spot kFood[] = {
    {320, 425},  // on the floor, free: the first heart
    {95, 250},   // in the western pen
};
constexpr Spot kHammers[] = {
    {470, 440},  // on the floor, free
    {85, 190},   // in the western pen
    {600, 280},  // on the terrace's east end, behind two vases
    {700, 345},  // in the eastern pen
};
constexpr Spot kVases[] = {
    {645, 300},                // the eastern pen's mouth
    {215, 285},                // the western pen's mouth
    {85, 330},                 // the log's corner
    {250, 330}, {250, 400},    // across the floor: the west end with the ladder's lever
    {440, 190}, {440, 266},    // across the terrace east of the shelf
    {300, 190}, {300, 266},    // across the terrace west of the shelf
};
constexpr LeverPlacement kLevers[] = {
    {40, 440, 0},  // on the floor: the ladder
    {30, 255, 0},  // in the western pen: where the eastern pen's teleporter leads
};
constexpr Spot kLadders[] = {kLadderAtCliff};
constexpr TeleporterPlacement kTeleporters[] = {
    {735, 395, kByTheStore.x, kByTheStore.y},  // the eastern pen's, as the western pen's lever says
    {720, 250, kInEastPen.x, kInEastPen.y},    // the terrace's east end into the eastern pen
    {170, 190, kByTheStore.x, kByTheStore.y},  // the western pen's, back down to the store
    {25, 330, kWestPen.x, kWestPen.y},         // the log's corner up into the western pen
};
constexpr Spot kStores[] = {{540, 350}};
// Each gap is shut unless the ladder stands in it; the cliff can always be walked down.
constexpr LedgePlacement kLedges[] = {
    {kCliffGap, 140, 330, 55, kInactive},
    {kShelf, 350, 262, 74, kActive},
};

constexpr LeverEffect kLadderToCliff[] = {
    moveLadder(0, kLadderAtCliff.x, kLadderAtCliff.y), ledgeOff(kCliffGap), ledgeOn(kShelf)};
constexpr LeverEffect kLadderToShelf[] = {
    moveLadder(0, kLadderAtShelf.x, kLadderAtShelf.y), ledgeOn(kCliffGap), ledgeOff(kShelf)};
constexpr LeverEffect kLadderLaidAside[] = {
    moveLadder(0, kLadderAside.x, kLadderAside.y), ledgeOn(kCliffGap), ledgeOn(kShelf)};
constexpr LeverEffect kPenToStore[] = {exitOf(0, kByTheStore.x, kByTheStore.y)};
constexpr LeverEffect kPenToShelf[] = {exitOf(0, kUnderShelf.x, kUnderShelf.y)};
constexpr LeverEffect kPenToWestPen[] = {exitOf(0, kWestPen.x, kWestPen.y)};
constexpr LeverScript kLeverScripts[] = {
    {{kLadderToCliff, kLadderToShelf, kLadderLaidAside}},
    {{kPenToStore, kPenToShelf, kPenToWestPen}},
};
constexpr StoreScript kStoreScripts[] = {
    {{once(Gift::Heart, 1, 0), once(Gift::Heart, 2, 1), once(Gift::Hammer, 2, 2)}},
};

constexpr DrawLine kDrawing[] = {
    exitPad(kUnderShelf),
    exitPad(kByTheStore),
    exitPad(kInEastPen),
    exitPad(kWestPen),
    kTeleporterPads,
    picture(29, 358, 186, 0.8f, 0.8f),  // the gloves on their shelf
    each(Draw::Ladders, 36, 1.1f, 1.3f),
    each(Draw::Stores, 22, 1.3f, 1.0f),
    each(Draw::Levers, 21, 0.7f, 0.7f),
    each(Draw::Coins, 6, 0.7f, 0.7f),
    each(Draw::Food, 8, 0.8f, 0.8f),
    each(Draw::Hammers, 16, 0.7f, 0.7f),
    each(Draw::Vases, 18, 1.0f, 1.0f),
    kTeleporterBeams,
};

// The quest's pictures, slot by slot.
constexpr SlotArtRow kArt[] = {
    {6, {"Art/Coin.bmp", 32, 32, kBlackKey}},
    {8, {"Art/Icecream.bmp", 32, 64, kBlackKey}},
    {12, {"Art/TeleportPad5.bmp", 32, 16, kBlackKey}},
    {16, {"Art/Hammer5.bmp", 64, 64, kRedKey}},
    {18, {"Art/Vases13.bmp", 32, 64, kBlackKey}},
    {21, {"Art/Lever5.bmp", 64, 64, kRedKey}},
    {22, {"Art/House5.bmp", 32, 64, kBlackKey}},
    {29, {"Art/Gloves.bmp", 64, 64, kRedKey}},
    {36, {"Art/Ladder5.bmp", 32, 64, kRedKey}},
};

constexpr QuestObjects kObjects = [] {
  QuestObjects q{};
  q.quest = 23;
  q.coins = kCoins;
  q.food = kFood;
  q.hammers = kHammers;
  q.vases = kVases;
  q.ladders = kLadders;
  q.levers = kLevers;
  q.teleporters = kTeleporters;
  q.ledges = kLedges;
  q.stores = kStores;
  q.foodScale = 0.8f;
  q.leverScripts = kLeverScripts;
  q.storeScripts = kStoreScripts;
  q.drawing = kDrawing;
  q.art = kArt;
  return q;
}();

}  // namespace

constexpr QuestContent kQuest23{&kLayout, &kObjects};
