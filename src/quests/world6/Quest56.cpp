// Quest 56, "Open the yellow door.": the yellow door stands on the crystal cave's east terrace, and
// only the hall's swing reaches the terraces, one weight a throw. Each terrace holds the weight for
// the next throw: the west terrace's behind a vase (the hammer lies beside it), the loft's behind a
// brick that the loft's lever lowers. The hall's own brick shuts the swing in, and its lever takes
// the banana's heart; the loft's lever stands behind a vase and takes a heart, and the loft's store
// sells both the hammer and the heart, beside the key.
#include "quests/QuestKit.h"
#include "quests/QuestRegistry.h"

using namespace questkit;

namespace {

// Walls, start and goal.

// The hall along the bottom (dude y 385 to 449) with the lever's niche at its east end; the west
// terrace (230 to 284) and the east terrace (260 to 294) in the middle, the loft at the top (40 to
// 110, its pen at the east end only 40 to 80). The door's shaft rises from the east terrace to the
// doorway; the terrace's beam stands in a niche at its east end.
constexpr HorizontalWall kUp[] = {
    {0, 400, 385},   {400, 740, 385},  // the hall's back
    {740, 800, 360},                   // the lever's niche
    {0, 330, 230},                     // the west terrace's back
    {150, 470, 40},  {470, 600, 40},   // the loft's back and its pen's
    {560, 700, 260}, {745, 770, 260},  // the east terrace's back, open at the shaft
    {770, 800, 240},                   // the beam's niche
    {700, 745, 90},                    // the doorway's back, behind the gatehouse
};
constexpr HorizontalWall kDown[] = {
    {0, 330, 335},    // the west terrace's edge
    {150, 470, 161},  // the loft's edge
    {470, 600, 131},  // the pen's edge
    {560, 700, 345},  {700, 800, 345},  // the east terrace's edge, below the shaft and beside it
};
constexpr VerticalWall kLeft[] = {
    {700, 216, 260},  // the shaft, beside the door
    {150, 40, 100},   {150, 100, 161},  // the loft's west end
    {560, 260, 300},  {560, 300, 345},  // the east terrace's west end
    {740, 360, 385},  // the lever's niche
    {770, 240, 260},  // the beam's niche
    {470, 131, 161},  // under the pen
};
constexpr VerticalWall kRight[] = {
    {745, 216, 260},  // the shaft, beside the door
    {330, 230, 280},  {330, 280, 335},  // the west terrace's east end
    {600, 40, 131},   // the pen's east end
    {470, 131, 161},  // under the pen: only the brick's way leads in
};
constexpr DudeLayout kDude{416, 430, 0, kUp, kDown, kLeft, kRight};
constexpr QuestLayout kLayout{56, kDude, true, {706, 185, 56, 30}};

// Objects, scripts and drawing.

// Where the swing's throws land, and the hall's pads where each beam sets the dude down.
constexpr Spot kWestTerrace{150, 240}, kLoft{250, 50}, kEastTerrace{600, 270};
constexpr Spot kFromWest{330, 430}, kFromLoft{470, 430}, kFromPen{640, 430}, kFromEast{560, 430};

constexpr Spot kCoins[] = {{200, 450}, {600, 450}, {290, 250}, {350, 90}, {565, 55}};
constexpr Spot kFood[] = {{300, 440}};
constexpr Spot kWeights[] = {{250, 440}, {230, 250}, {505, 55}};
constexpr Spot kHammers[] = {{100, 240}};
// The west terrace's vase before its weight (the hammer lies beside it), the loft's before its lever
// (the store sells that hammer), and the east terrace's before its beam home, which only a player
// who came up without the key would want.
constexpr Spot kVases[] = {{180, 225}, {200, 50}, {745, 250}};
constexpr KeyPlacement kKeys[] = {soldByStore(kSpecialKey)};
constexpr DoorPlacement kDoors[] = {{700, 215, kSpecialKey}};
enum Brick : uint8_t { kSwingBrick = 0, kWeightBrick = 1, kCoinBrick = 2 };
constexpr BlockPlacement kBlocks[] = {
    {100, 396, kHorizontal, kPresent},  // shuts the swing's corner of the hall
    {470, 40, kHorizontal, kPresent},   // the pen's door, before the weight
    {540, 40, kHorizontal, kPresent},   // inside the pen, before the coin
};
constexpr LeverPlacement kLevers[] = {{750, 365, 0}, {160, 45, 0}};
constexpr CatapultPlacement kCatapults[] = {{30, 430, kThrowsRight}};
constexpr TeleporterPlacement kTeleporters[] = {
    {10, 232, kFromWest.x, kFromWest.y},   // the west terrace's, home
    {400, 100, kFromLoft.x, kFromLoft.y},  // the loft's, home
    {560, 40, kFromPen.x, kFromPen.y},     // the pen's, home: buy the key before stepping in
    {760, 245, kFromEast.x, kFromEast.y},  // the east terrace's, home for one without the key
};
constexpr Spot kStores[] = {{300, 45}};

// The hall's lever: the swing's brick, or the pen's coin brick.
constexpr LeverEffect kHallShut[] = {appear(kSwingBrick), appear(kCoinBrick)};
constexpr LeverEffect kSwingFree[] = {vanish(kSwingBrick), appear(kCoinBrick)};
constexpr LeverEffect kCoinFree[] = {appear(kSwingBrick), vanish(kCoinBrick)};
// The loft's lever: the pen's weight, or the whole pen with its coin and its beam.
constexpr LeverEffect kPenShut[] = {appear(kWeightBrick), appear(kCoinBrick)};
constexpr LeverEffect kWeightFree[] = {vanish(kWeightBrick), appear(kCoinBrick)};
constexpr LeverEffect kPenCoinFree[] = {vanish(kWeightBrick), vanish(kCoinBrick)};
constexpr LeverScript kLeverScripts[] = {
    {{kHallShut, kSwingFree, kCoinFree}},
    {{kPenShut, kWeightFree, kPenCoinFree}},
};
// A hop along the hall, up to the west terrace, the loft or the east terrace before the door.
constexpr CatapultScript kCatapultScripts[] = {
    {{land(kWestTerrace.x, kWestTerrace.y, 90), land(kLoft.x, kLoft.y, 140),
      land(kEastTerrace.x, kEastTerrace.y, 320)}},
};
constexpr StoreScript kStoreScripts[] = {
    {{once(Gift::Heart, 1, 0), keyOnce(Gift::Key, 3, 1, 0), once(Gift::Hammer, 1, 2)}},
};

constexpr DrawLine kDrawing[] = {
    kTeleporterPads,
    exitPad(kFromWest),
    exitPad(kFromLoft),
    exitPad(kFromPen),
    exitPad(kFromEast),
    each(Draw::Stores, 22, 1.3f, 1.0f),
    each(Draw::Catapults, 14, 1.3f, 1.3f),
    each(Draw::Levers, 21, 0.7f, 0.7f),
    each(Draw::Coins, 6, 0.7f, 0.7f),
    each(Draw::Food, 8, 0.8f, 0.8f),
    each(Draw::Weights, 15, 1.2f, 1.2f),
    each(Draw::Hammers, 16, 0.8f, 0.8f),
    each(Draw::Vases, 18, 1.0f, 1.0f),
    each(Draw::Blocks, 13, 1.1f, 1.7f),
    each(Draw::Doors, 9, 1.4f, 1.4f),
    kTeleporterBeams,
};

// The quest's pictures, slot by slot; the key the store sells shows in the bar from slot 28.
constexpr SlotArtRow kArt[] = {
    {6, {"Art/Coin.bmp", 32, 32, kBlackKey}},
    {8, {"Art/Banana.bmp", 32, 64, kBlackKey}},
    {9, {"Art/Door8.bmp", 32, 32, kBlackKey}},
    {12, {"Art/TeleportPad7.bmp", 32, 16, kBlackKey}},
    {13, {"Art/Block19.bmp", 32, 32, kBlackKey}},
    {14, {"Art/Swing3.bmp", 64, 32, kBlackKey}},
    {16, {"Art/Hammer3.bmp", 64, 64, kRedKey}},
    {18, {"Art/Vases3.bmp", 32, 64, kBlackKey}},
    {21, {"Art/Lever2.bmp", 64, 64, kRedKey}},
    {22, {"Art/House10.bmp", 32, 64, kBlackKey}},
    {28, {"Art/Key4.bmp", 16, 32, kBlackKey}},
};

constexpr QuestObjects kObjects = [] {
  QuestObjects q{};
  q.quest = 56;
  q.coins = kCoins;
  q.food = kFood;
  q.weights = kWeights;
  q.hammers = kHammers;
  q.vases = kVases;
  q.keys = kKeys;
  q.doors = kDoors;
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

constexpr QuestContent kQuest56{&kLayout, &kObjects};
