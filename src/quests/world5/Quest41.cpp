// Quest 41, "Find the map.": the map lies in a chamber above the tomb's east landing, which only
// the swing's throw or a hammer through the urn in the east shaft reaches; the weight and the
// hammer for it lie behind the west blue door, and the one blue key on the east hall's ledge. The
// east hall is reached only by the teleporter once the hall's lever points it there, and that
// lever wants a heart from the store behind the first crate: a long chain for world 5's first tomb.
#include "quests/QuestKit.h"
#include "quests/QuestRegistry.h"

using namespace questkit;

namespace {

// Walls, start and goal.

// The bottom corridor (dude's top from y 413) runs under everything, cut by four crates. From its
// west part rise the west shaft (x 143-190, behind its blue door), the hall (x 190-340) and the
// middle shaft (x 361-406, with the other blue door); the middle shaft leads to the upper gallery
// (x 361-600, y 150-250). The east hall (x 456-800, y 250-413) is dropped out of into the store's
// stretch only; above its east part lies the east landing (x 600-800, y 150-250) under the map's
// chamber (x 660-700), joined to the hall by the east shaft where the urn stands.
constexpr HorizontalWall kUp[] = {
    {0, 143, 413},   {340, 361, 413}, {406, 540, 413}, {540, 800, 413},  // the corridor's ceiling
    {190, 340, 250},                                                     // the hall's ceiling
    {143, 190, 180},                                                     // the west shaft's top
    {456, 740, 250},                                                     // the east hall's ceiling
    {361, 600, 150}, {600, 660, 150}, {700, 800, 150},                   // the gallery's and landing's
    {660, 700, 60},                                                      // the map chamber's
};
constexpr HorizontalWall kDown[] = {
    {406, 456, 250},                    // the gallery's floor over the rock by the middle shaft
    {540, 703, 413}, {703, 800, 413},   // the east hall's floor over the crates and their cell
};
constexpr VerticalWall kLeft[] = {
    {143, 180, 413}, {190, 250, 413}, {361, 150, 250}, {361, 250, 413},
    {456, 250, 413}, {600, 153, 250}, {660, 60, 150},
};
constexpr VerticalWall kRight[] = {
    {190, 180, 413}, {340, 250, 413}, {406, 250, 413}, {600, 153, 250}, {700, 60, 150},
};
constexpr DudeLayout kDude{203, 441, 0, kUp, kDown, kLeft, kRight};
constexpr QuestLayout kLayout{41, kDude, true, {670, 80, 30, 87}};

// Objects, scripts and drawing.

// The first blue key lies on the east hall's ledge; the store sells a second one.
constexpr KeyPlacement kKeys[] = {onField(764, 300, kKey2), soldByStore(kKey2)};
constexpr uint8_t kBoughtKeySlot = 1;
// At the foot of the west shaft and in the middle shaft, each below the floor beside it.
constexpr DoorPlacement kDoors[] = {{143, 368, kKey2}, {361, 320, kKey2}};
// Crate 0 closes the corridor's west part, crate 1 the store's stretch; crates 2 and 3 end it.
constexpr BlockPlacement kBlocks[] = {
    {421, 437, kHorizontal, kPresent}, {568, 437, kHorizontal, kPresent},
    {703, 437, kHorizontal, kPresent}, {743, 437, kHorizontal, kPresent},
};
constexpr Spot kCoins[] = {{662, 450}, {522, 326}, {100, 450}, {372, 196}, {372, 226}, {155, 196}, {155, 226}};
constexpr Spot kFood[] = {{477, 196}};
constexpr Spot kHammers[] = {{250, 358}, {142, 265}, {566, 200}};
constexpr Spot kWeights[] = {{147, 325}};
constexpr Spot kVases[] = {{753, 188}};
constexpr LeverPlacement kLevers[] = {{253, 295, 0}};
constexpr CatapultPlacement kCatapults[] = {{660, 303, kThrowsLeft}};
constexpr Spot kStores[] = {{515, 430}};

// Where the teleporter sets the dude down, as the hall's lever says; its pad moves along.
constexpr Spot kCrateCell{655, 432}, kEastHall{620, 360}, kStoreStretch{480, 432};
constexpr Spot padOf(Spot exit) { return {exit.x - 5, exit.y + 46}; }
constexpr TeleporterPlacement kTeleporters[] = {{10, 442, kCrateCell.x, kCrateCell.y}};

constexpr LeverEffect kToCrateCell[] = {
    exitOf(0, kCrateCell.x, kCrateCell.y), movePad(padOf(kCrateCell).x, padOf(kCrateCell).y)};
constexpr LeverEffect kToEastHall[] = {
    exitOf(0, kEastHall.x, kEastHall.y), movePad(padOf(kEastHall).x, padOf(kEastHall).y)};
constexpr LeverEffect kToStoreStretch[] = {
    exitOf(0, kStoreStretch.x, kStoreStretch.y), movePad(padOf(kStoreStretch).x, padOf(kStoreStretch).y)};
constexpr LeverScript kLeverScripts[] = {{{kToCrateCell, kToEastHall, kToStoreStretch}}};

// Short into the east hall's west end, up onto the east landing, or over into the upper gallery.
constexpr CatapultScript kCatapultScripts[] = {{{land(470, 362, 500), land(605, 199, 610), land(420, 199, 430)}}};

constexpr StoreScript kStoreScripts[] = {
    {{once(Gift::Heart, 1, 0), once(Gift::Heart, 1, 1), keyOnce(Gift::Key, 3, 2, kBoughtKeySlot)}},
};

constexpr DrawLine kDrawing[] = {
    // The pad under the teleporter, and the one it sets the dude down on.
    picture(12, 5, 478, 1.4f, 1.4f),
    each(Draw::MovablePad, 12, 1.4f, 1.4f),
    picture(34, 670, 99, 0.7f, 0.7f),  // the map in its chamber
    each(Draw::Stores, 22, 1.3f, 1.0f),
    each(Draw::Levers, 21, 0.7f, 0.7f),
    each(Draw::Catapults, 14, 1.3f, 1.3f),
    each(Draw::Coins, 6, 0.7f, 0.7f),
    each(Draw::Food, 8, 0.8f, 0.8f),
    each(Draw::Hammers, 16, 0.7f, 0.7f),
    each(Draw::Weights, 15, 1.0f, 1.0f),
    each(Draw::Keys, kKey2, 0.9f, 0.9f),
    each(Draw::Doors, 11, 1.4f, 1.4f),
    each(Draw::Blocks, 13, 1.1f, 1.7f),
    each(Draw::Vases, 18, 1.0f, 1.0f),
    kTeleporterBeams,
};

// The quest's pictures, slot by slot.
constexpr SlotArtRow kArt[] = {
    {6, {"Art/Coin.bmp", 32, 32, kBlackKey}},
    {8, {"Art/Food1.bmp", 32, 64, kBlackKey}},
    {11, {"Art/Door5.bmp", 32, 32, kBlackKey}},
    {12, {"Art/TeleportPad3.bmp", 32, 16, kBlackKey}},
    {13, {"Art/Block4.bmp", 32, 32, kNoColourKey}},
    {14, {"Art/Swing.bmp", 64, 32, kBlackKey}},
    {16, {"Art/Hammer.bmp", 64, 64, kRedKey}},
    {18, {"Art/Vases16.bmp", 32, 64, kBlackKey}},
    {19, {"Art/Key2.bmp", 16, 32, kBlackKey}},
    {21, {"Art/Lever.bmp", 64, 64, kRedKey}},
    {22, {"Art/House3.bmp", 32, 64, kBlackKey}},
    {34, {"Art/Map.bmp", 64, 64, kBlackKey}},
};

constexpr QuestObjects kObjects = [] {
  QuestObjects q{};
  q.quest = 41;
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
  q.movablePad = padOf(kCrateCell);
  q.foodScale = 0.8f;
  q.keyScale = 0.9f;
  q.leverScripts = kLeverScripts;
  q.catapultScripts = kCatapultScripts;
  q.storeScripts = kStoreScripts;
  q.drawing = kDrawing;
  q.art = kArt;
  return q;
}();

}  // namespace

constexpr QuestContent kQuest41{&kLayout, &kObjects};
