// Quest 16, "Enter the dungeon of hope!": the dungeon's door is at the top of a stair right above the
// start, gated, and its key lies on the east crag of the summit. Only the swing's one weight or a
// chain of teleporters reaches that crag, and the crag's own teleporter is its only way off: the
// hall's lever must aim it home before the dude leaves the hall, because the valley below is a one-way
// drop whose stairs are plugged with jars.
#include "quests/QuestKit.h"
#include "quests/QuestRegistry.h"

using namespace questkit;

namespace {

// Walls, start and goal.

// The summit runs across the top (the west crag, the dungeon's door in the middle, the east crag),
// the hall hangs below its middle with two lever niches in its back wall, and the valley spans the
// bottom. The hall's edge is a cliff: the dude steps down anywhere but climbs back only by the two
// stairs, where the jars stand.
constexpr HorizontalWall kUp[] = {
    {0, 414, 70},   {414, 485, 25},  {485, 800, 70},                                    // the summit
    {250, 290, 250}, {290, 335, 210}, {335, 428, 250},                                  // the hall, west niche
    {473, 520, 250}, {520, 565, 210}, {565, 620, 250},                                  // the hall, east niche
    {0, 330, 380},  {385, 560, 380}, {610, 800, 380},                                   // the cliff, two stairs
};
constexpr HorizontalWall kDown[] = {
    {0, 428, 140}, {473, 800, 140},  // the summit's edge, open at the stair
};
constexpr VerticalWall kLeft[] = {
    {300, 70, 140}, {580, 70, 140},  // the rock between the crags and the door
    {428, 140, 250},                 // the stair
    {250, 250, 380},                 // the hall's west end
    {290, 210, 250}, {520, 210, 250},  // the niches
};
constexpr VerticalWall kRight[] = {
    {300, 70, 140}, {580, 70, 140},
    {473, 140, 250},
    {620, 250, 380},
    {335, 210, 250}, {565, 210, 250},
};
constexpr DudeLayout kDude{435, 300, 0, kUp, kDown, kLeft, kRight};
constexpr QuestLayout kLayout{16, kDude, true, {414, 30, 71, 30}};

// Objects, scripts and drawing.

// Where teleporters set the dude down: the west crag, the valley, the stair's foot in the hall, and
// the east crag where the swing's middle throw lands too.
constexpr Spot kWestCrag{110, 70}, kValley{460, 430}, kStairFoot{436, 300}, kEastCrag{615, 85};

constexpr Spot kCoins[] = {
    {480, 320}, {600, 290},  // the hall
    {300, 455},              // the valley
    {120, 455},              // the weight's pen
    {700, 455},              // the east pen
    {265, 100},              // the west crag, behind its brick
};
constexpr Spot kFood[] = {{270, 300}};
constexpr Spot kWeights[] = {{80, 450}};
constexpr Spot kHammers[] = {{560, 310}, {520, 440}, {238, 85}};
constexpr KeyPlacement kKeys[] = {onField(725, 100, kKey)};
constexpr DoorPlacement kDoors[] = {{428, 175, kKey}};
constexpr Spot kVases[] = {
    {337, 350},  // on the west stair
    {569, 350},  // on the east stair
    {670, 70},   // on the east crag, before the key
};
enum Brick : uint8_t { kWeightPen = 0, kEastPen = 1, kCragBrick = 2 };
constexpr BlockPlacement kBlocks[] = {
    {165, 425, kHorizontal, kPresent},  // shuts the weight's pen at the valley's west end
    {650, 425, kHorizontal, kPresent},  // shuts the east pen
    {200, 80, kHorizontal, kPresent},   // on the west crag, before its hammer and coin
};
// The hall's two levers in its niches; the third at the far end of the weight's pen.
constexpr LeverPlacement kLevers[] = {{520, 205, 1}, {290, 205, 1}, {5, 440, 1}};
constexpr CatapultPlacement kCatapults[] = {{240, 440, kThrowsRight}};
constexpr TeleporterPlacement kTeleporters[] = {
    {765, 60, kValley.x, kValley.y},     // the east crag's, as the hall's east lever says
    {760, 430, kWestCrag.x, kWestCrag.y},  // the east pen's, up to the west crag
    {15, 60, kValley.x, kValley.y},      // the west crag's, as the pen's lever says
};
constexpr Spot kStores[] = {{370, 252}};

// The hall's east lever: the east crag's teleporter to the west crag, the valley or home to the stair.
constexpr LeverEffect kCragToWestCrag[] = {exitOf(0, kWestCrag.x, kWestCrag.y)};
constexpr LeverEffect kCragToValley[] = {exitOf(0, kValley.x, kValley.y)};
constexpr LeverEffect kCragToStair[] = {exitOf(0, kStairFoot.x, kStairFoot.y)};
// The hall's west lever: the weight's pen, nothing, or the east pen and the west crag's brick.
constexpr LeverEffect kOpenWeightPen[] = {vanish(kWeightPen), appear(kEastPen), appear(kCragBrick)};
constexpr LeverEffect kAllShut[] = {appear(kWeightPen), appear(kEastPen), appear(kCragBrick)};
constexpr LeverEffect kOpenEastPen[] = {appear(kWeightPen), vanish(kEastPen), vanish(kCragBrick)};
// The pen's lever: the west crag's teleporter home to the stair, to the valley, or to the east crag.
constexpr LeverEffect kWestToStair[] = {exitOf(2, kStairFoot.x, kStairFoot.y)};
constexpr LeverEffect kWestToValley[] = {exitOf(2, kValley.x, kValley.y)};
constexpr LeverEffect kWestToEastCrag[] = {exitOf(2, kEastCrag.x, kEastCrag.y)};
constexpr LeverScript kLeverScripts[] = {
    {{kCragToWestCrag, kCragToValley, kCragToStair}},
    {{kOpenWeightPen, kAllShut, kOpenEastPen}},
    {{kWestToStair, kWestToValley, kWestToEastCrag}},
};
// The swing throws right: a hop along the valley, up onto the east crag, or over the east pen's brick.
constexpr CatapultScript kCatapultScripts[] = {
    {{land(380, 430, 300), land(kEastCrag.x, kEastCrag.y, 585), land(720, 430, 470)}},
};
constexpr StoreScript kStoreScripts[] = {
    {{once(Gift::Heart, 1, 0), once(Gift::Hammer, 2, 1), once(Gift::Heart, 1, 2)}},
};

constexpr DrawLine kDrawing[] = {
    kTeleporterPads,
    exitPad(kWestCrag),
    exitPad(kValley),
    exitPad(kStairFoot),
    each(Draw::Stores, 22, 1.3f, 1.0f),
    each(Draw::Catapults, 14, 1.3f, 1.3f),
    each(Draw::Levers, 21, 0.7f, 0.7f),
    each(Draw::Coins, 6, 0.7f, 0.7f),
    each(Draw::Food, 8, 0.8f, 0.8f),
    each(Draw::Weights, 15, 1.2f, 1.2f),
    each(Draw::Hammers, 16, 0.8f, 0.8f),
    each(Draw::Keys, kKey, 1.0f, 1.0f),
    each(Draw::Doors, 9, 1.4f, 1.4f),
    each(Draw::Vases, 18, 1.2f, 1.1f),
    each(Draw::Blocks, 13, 1.1f, 1.7f),
    kTeleporterBeams,
};

// The quest's pictures, slot by slot.
constexpr SlotArtRow kArt[] = {
    {6, {"Art/Coin.bmp", 32, 32, kBlackKey}},
    {7, {"Art/Key.bmp", 16, 32, kBlackKey}},
    {8, {"Art/Banana.bmp", 32, 64, kBlackKey}},
    {9, {"Art/Door7.bmp", 32, 32, kBlackKey}},
    {12, {"Art/TeleportPad5.bmp", 32, 16, kBlackKey}},
    {13, {"Art/Block9.bmp", 32, 32, kBlackKey}},
    {14, {"Art/Swing.bmp", 64, 32, kBlackKey}},
    {16, {"Art/Hammer3.bmp", 64, 64, kRedKey}},
    {18, {"Art/Vases11.bmp", 32, 64, kBlackKey}},
    {21, {"Art/Lever.bmp", 64, 64, kRedKey}},
    {22, {"Art/House3.bmp", 32, 64, kBlackKey}},
};

constexpr QuestObjects kObjects = [] {
  QuestObjects q{};
  q.quest = 16;
  q.coins = kCoins;
  q.food = kFood;
  q.weights = kWeights;
  q.hammers = kHammers;
  q.keys = kKeys;
  q.doors = kDoors;
  q.vases = kVases;
  q.blocks = kBlocks;
  q.levers = kLevers;
  q.catapults = kCatapults;
  q.teleporters = kTeleporters;
  q.stores = kStores;
  q.foodScale = 0.8f;
  q.keyScale = 1.0f;
  q.leverScripts = kLeverScripts;
  q.catapultScripts = kCatapultScripts;
  q.storeScripts = kStoreScripts;
  q.drawing = kDrawing;
  q.art = kArt;
  return q;
}();

}  // namespace

constexpr QuestContent kQuest16{&kLayout, &kObjects};
