// Quest 18, "Find the magician's wand.": the wand lies at the top of the magician's tower, behind the
// fourth of four gates, and every gate swallows all the keys the dude carries. Three keys lie in the
// tower and the store sells the fourth, so the dude must never carry two: the swing flies him over
// the hall's second key to the first gate, and he comes back for it once the gate is behind him.
// The gallery's lever lowers either the upper gallery's crate or the store's, the attic's lever
// points the hall's portal at the wand's antechamber, and the antechamber's lever clears its crate.
#include "quests/QuestKit.h"
#include "quests/QuestRegistry.h"

using namespace questkit;

namespace {

// Walls, start and goal.

// Four floors: the hall along the bottom, the gallery above it (its west part and the walled-off
// antechamber in the east), the upper gallery over the west part and the attic at the top, with the
// roof over the antechamber beside it. Gates stand in four shafts: hall to gallery (west end),
// gallery to upper gallery, upper gallery to attic (west end), antechamber to the wand. Each lever
// stands in a niche of its floor's ceiling. One may jump down from the gallery and from the upper
// gallery's ends; the antechamber, the attic and the roof have solid floors.
constexpr HorizontalWall kUp[] = {
    {0, 20, 390},    {65, 800, 390},                                      // the hall's ceiling, shaft 1
    {0, 200, 270},   {200, 250, 245}, {250, 300, 270},                    // the gallery's, with its niche
    {345, 500, 270}, {500, 550, 245}, {550, 690, 270}, {735, 800, 270},  // and the antechamber's
    {690, 735, 140},                                                     // over the wand, under the roof
    {45, 400, 150},                                                      // the upper gallery's
    {0, 330, 40},    {330, 380, 20},  {380, 800, 40},                     // the attic's and the roof's
};
constexpr HorizontalWall kDown[] = {
    {45, 300, 239}, {345, 400, 269},  // the upper gallery's floor, open at its ends
    {45, 400, 149},                   // the attic's floor, a pixel above the ceiling below it
    {400, 800, 130},                  // the roof's
    {400, 800, 389},                  // the antechamber's
    {0, 800, 500},
};
// The shafts' sides keep the dude out of a gate's reach except head on; the tower's middle wall
// parts the west floors from the antechamber and the roof; the niches' sides.
constexpr VerticalWall kLeft[] = {
    {20, 330, 410}, {65, 330, 410},  // shaft 1
    {345, 240, 290},                 // shaft 2
    {45, 120, 170},                  // shaft 3
    {735, 250, 290},                 // the wand's shaft
    {400, 40, 390},                  // the middle wall
    {200, 240, 270}, {500, 240, 270}, {330, 20, 40},
};
constexpr VerticalWall kRight[] = {
    {300, 240, 290}, {690, 250, 290}, {400, 40, 390},
    {250, 240, 270}, {550, 240, 270}, {380, 20, 40},
};
constexpr DudeLayout kDude{425, 446, 0, kUp, kDown, kLeft, kRight};
constexpr QuestLayout kLayout{18, kDude, true, {700, 126, 30, 67}};

// Objects, scripts and drawing.

// Where the teleporters set the dude down; each spot has its pad.
constexpr Spot kHallByTheSwing{390, 440}, kHallMiddle{500, 440}, kHallByTheStart{545, 440}, kHallEast{700, 440};
constexpr Spot kAntechamber{450, 320}, kAttic{150, 60}, kRoof{430, 60};

constexpr Spot kCoins[] = {
    {520, 450},  // in the hall
    {625, 450},  // by the store, behind its crate
    {150, 320},  // in the gallery
    {120, 170},  // in the upper gallery, behind its crate
    {200, 80},   // in the attic
    {760, 60},   // on the roof, behind a barrel
};
constexpr Spot kFood[] = {{470, 440}, {100, 320}, {250, 190}, {100, 80}};
// Three tries at the swing.
constexpr Spot kWeights[] = {{320, 455}, {350, 455}, {380, 455}};
constexpr Spot kHammers[] = {{250, 315}};
// The store's key takes the first slot, so that the bar shows it (the bar shows the first three
// slots); the key at the first gate's foot takes the fourth, held only on the way into the shaft.
constexpr KeyPlacement kKeys[] = {
    soldByStore(kKey3),
    onField(180, 430, kKey3),  // in the hall, on the way to the first gate
    onField(80, 190, kKey3),   // in the upper gallery, behind its crate
    onField(25, 430, kKey3),   // at the foot of the first gate's shaft
};
constexpr DoorPlacement kDoors[] = {{20, 365, kKey3}, {300, 245, kKey3}, {0, 125, kKey3}, {690, 245, kKey3}};
enum Crate : uint8_t { kWandCrate = 0, kWayDownCrate = 1, kUpperCrate = 2, kStoreCrate = 3 };
constexpr BlockPlacement kBlocks[] = {
    {620, 300, kHorizontal, kPresent},  // in the antechamber, before the wand's shaft
    {740, 300, kHorizontal, kPresent},  // in the antechamber, before its teleporter down
    {150, 180, kHorizontal, kPresent},  // in the upper gallery, before its key and the attic's gate
    {590, 396, kHorizontal, kPresent},  // in the hall, before the store and the portal
};
constexpr Spot kVases[] = {
    {350, 290},  // at the gallery's east end, before the teleporter to the roof
    {700, 40},   // on the roof, before its coin
};
constexpr LeverPlacement kLevers[] = {
    {205, 235, 1},  // in the gallery's niche: the crates of the upper gallery and the store
    {335, 0, 0},    // in the attic's niche: where the hall's portal leads
    {505, 235, 1},  // in the antechamber's niche: its crates
};
constexpr CatapultPlacement kCatapults[] = {{230, 440, kThrowsLeft}};
constexpr TeleporterPlacement kTeleporters[] = {
    {760, 420, kHallByTheStart.x, kHallByTheStart.y},  // the hall's portal, as the attic's lever says
    {170, 285, kHallMiddle.x, kHallMiddle.y},          // down from the gallery
    {355, 150, kHallMiddle.x, kHallMiddle.y},          // down from the upper gallery's east end
    {765, 300, kHallMiddle.x, kHallMiddle.y},          // down from the antechamber
    {260, 40, kHallByTheSwing.x, kHallByTheSwing.y},   // down from the attic
    {375, 285, kRoof.x, kRoof.y},                      // the gallery's, up to the roof
    {600, 45, kHallEast.x, kHallEast.y},               // down from the roof, beside the store
};
constexpr Spot kStores[] = {{660, 392}};

constexpr LeverEffect kOpenUpper[] = {vanish(kUpperCrate), appear(kStoreCrate)};
constexpr LeverEffect kShutBoth[] = {appear(kUpperCrate), appear(kStoreCrate)};
constexpr LeverEffect kOpenStore[] = {appear(kUpperCrate), vanish(kStoreCrate)};
constexpr LeverEffect kPortalToHall[] = {exitOf(0, kHallByTheStart.x, kHallByTheStart.y)};
constexpr LeverEffect kPortalToAntechamber[] = {exitOf(0, kAntechamber.x, kAntechamber.y)};
constexpr LeverEffect kPortalToAttic[] = {exitOf(0, kAttic.x, kAttic.y)};
constexpr LeverEffect kOpenWand[] = {vanish(kWandCrate), appear(kWayDownCrate)};
constexpr LeverEffect kShutAntechamber[] = {appear(kWandCrate), appear(kWayDownCrate)};
constexpr LeverEffect kOpenWayDown[] = {appear(kWandCrate), vanish(kWayDownCrate)};
constexpr LeverScript kLeverScripts[] = {
    {{kOpenUpper, kShutBoth, kOpenStore}},
    {{kPortalToHall, kPortalToAntechamber, kPortalToAttic}},
    {{kOpenWand, kShutAntechamber, kOpenWayDown}},
};
// A hop short of the hall's second key, over it, or over both keys to the foot of the first gate.
constexpr CatapultScript kCatapultScripts[] = {{{land(205, 445, 250), land(120, 445, 200), land(30, 445, 150)}}};
constexpr StoreScript kStoreScripts[] = {
    {{once(Gift::Heart, 1, 0), keyOnce(Gift::Key, 3, 1, 0), once(Gift::Hammer, 2, 2)}},
};

constexpr DrawLine kDrawing[] = {
    exitPad(kHallByTheSwing),
    exitPad(kHallMiddle),
    exitPad(kHallByTheStart),
    exitPad(kHallEast),
    exitPad(kAntechamber),
    exitPad(kAttic),
    exitPad(kRoof),
    kTeleporterPads,
    picture(29, 705, 128, 1.1f, 1.0f),  // the wand on its pedestal
    each(Draw::Stores, 22, 1.3f, 1.0f),
    each(Draw::Catapults, 14, 1.3f, 1.3f),
    each(Draw::Levers, 21, 0.7f, 0.7f),
    each(Draw::Doors, 11, 1.4f, 1.4f),
    each(Draw::Keys, kKey3, 0.9f, 0.9f),
    each(Draw::Coins, 6, 0.7f, 0.7f),
    each(Draw::Food, 8, 0.8f, 0.8f),
    each(Draw::Weights, 15, 1.2f, 1.2f),
    each(Draw::Hammers, 16, 0.8f, 0.8f),
    each(Draw::Vases, 18, 1.0f, 1.0f),
    each(Draw::Blocks, 13, 1.1f, 1.7f),
    kTeleporterBeams,
};

// The quest's pictures, slot by slot.
constexpr SlotArtRow kArt[] = {
    {6, {"Art/Coin.bmp", 32, 32, kBlackKey}},
    {8, {"Art/Cherries.bmp", 32, 64, kBlackKey}},
    {11, {"Art/Door4.bmp", 32, 32, kBlackKey}},
    {12, {"Art/TeleportPad.bmp", 32, 16, kBlackKey}},
    {13, {"Art/Block13.bmp", 32, 32, kBlackKey}},
    {14, {"Art/Swing.bmp", 64, 32, kBlackKey}},
    {16, {"Art/Hammer.bmp", 64, 64, kRedKey}},
    {18, {"Art/Vases10.bmp", 32, 64, kBlackKey}},
    {20, {"Art/Key3.bmp", 16, 32, kBlackKey}},
    {21, {"Art/Lever.bmp", 64, 64, kRedKey}},
    {22, {"Art/House.bmp", 32, 64, kBlackKey}},
    {29, {"Art/Wand.bmp", 16, 64, kBlackKey}},
};

constexpr QuestObjects kObjects = [] {
  QuestObjects q{};
  q.quest = 18;
  q.coins = kCoins;
  q.food = kFood;
  q.weights = kWeights;
  q.hammers = kHammers;
  q.keys = kKeys;
  q.doors = kDoors;
  q.blocks = kBlocks;
  q.vases = kVases;
  q.levers = kLevers;
  q.catapults = kCatapults;
  q.teleporters = kTeleporters;
  q.stores = kStores;
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

constexpr QuestContent kQuest18{&kLayout, &kObjects};
