// Quest 33, "Talk to Princess Ilvy!": the throne room, where the mission is given. The gate before
// the throne opens when the horn is taken, and the horn lies in a corner of the hall that only the
// trampoline reaches: the catapult throws the dude onto it and it bounces the dude over the
// suspicious wall, which opens from the corner's side. The catapult stands behind a vase, so the
// store's hammer is needed; the coins for it lie past the blocks of the aisle's lever.
#include "quests/QuestKit.h"
#include "quests/QuestRegistry.h"

using namespace questkit;

namespace {

// Walls, start and goal.

// The hall along the bottom; the aisle above it, whose middle rises through the gate to the dais
// before the throne; a balcony in each top corner. Only teleporters join the floors.
constexpr HorizontalWall kUp[] = {
    {0, 800, 400},                   // the hall's ceiling
    {40, 345, 250}, {454, 760, 250},  // the aisle's, open where the way to the throne rises
    {300, 500, 100},                 // the dais before the throne
    {0, 250, 60}, {550, 800, 60},    // the balconies'
};
constexpr HorizontalWall kDown[] = {
    {40, 760, 345},                   // the aisle's floor
    {300, 345, 184}, {454, 500, 184},  // the dais's, beside the gate
    {0, 250, 150}, {550, 800, 150},   // the balconies'
};
constexpr VerticalWall kLeft[] = {{345, 184, 250}, {300, 100, 184}, {550, 60, 150}, {40, 250, 345}};
constexpr VerticalWall kRight[] = {{454, 184, 250}, {500, 100, 184}, {250, 60, 150}, {760, 250, 345}};
constexpr DudeLayout kDude{152, 424, 0, kUp, kDown, kLeft, kRight};
constexpr QuestLayout kLayout{33, kDude, true, {348, 136, 105, 40}};

// Objects, scripts and drawing.

// Where the teleporters set the dude down: each spot has its pad.
constexpr Spot kAisle{215, 272}, kHall{200, 426}, kRightBalcony{585, 77}, kLeftBalcony{20, 77};

constexpr Spot kCoins[] = {
    {60, 455},               // on the way to the hall's teleporter
    {590, 290}, {640, 290},  // past the lever's blocks, with the aisle's weight
    {630, 95}, {760, 95},    // the right balcony's; the second behind two vases
    {195, 95},               // the left balcony's, past the suspicious wall
};
constexpr Spot kWeights[] = {{530, 300}, {160, 100}};
// The lever's blocks: 0 and 1 close the way across the gate's mouth, 2 and 3 the store's end.
constexpr BlockPlacement kBlocks[] = {
    {330, 291, kHorizontal, kPresent}, {460, 291, kHorizontal, kPresent},
    {180, 291, kHorizontal, kPresent}, {80, 291, kHorizontal, kPresent},
};
constexpr LeverPlacement kLevers[] = {{255, 294, 0}};
constexpr CatapultPlacement kCatapults[] = {{300, 455, kThrowsRight}};
constexpr TrampolinePlacement kTrampolines[] = {{440, 449, 0}};
constexpr Spot kVases[] = {
    {250, 436},              // before the catapult: the store's hammer breaks it
    {395, 436},              // between the catapult and the trampoline: the way on is through the air
    {680, 80}, {715, 80},    // before the right balcony's last coin
};
constexpr TeleporterPlacement kTeleporters[] = {
    {10, 426, kAisle.x, kAisle.y},                 // the hall's left end, up to the aisle
    {50, 272, kHall.x, kHall.y},                   // the aisle's left end, down to the hall
    {520, 426, kAisle.x, kAisle.y},                // out of the trampoline's stretch
    {720, 272, kRightBalcony.x, kRightBalcony.y},  // the aisle's right end
    {560, 77, kLeftBalcony.x, kLeftBalcony.y},     // from the right balcony to the left one
    {220, 77, kAisle.x, kAisle.y},                 // from the left balcony back to the aisle
};
constexpr SuspWallPlacement kSuspiciousWalls[] = {
    {600, 423, 3, 1.0f},  // shuts the horn's corner off from the hall
    {60, 70, 2, 1.0f},    // on the left balcony, before the weight
};
constexpr Spot kStores[] = {{130, 281}};
// The gate's barrier: the way to the throne cannot be entered while the gate stands. The wall's
// edge on the hall's side: the corner opens only from within, so the horn is reached only by
// the bounce, however many vases a dude breaks.
constexpr LedgePlacement kLedges[] = {{0, 345, 250, 109, kActive}, {10, 600, 400, 100, kActive}};

constexpr LeverEffect kAllShut[] = {appear(0), appear(1), appear(2), appear(3)};  // as at the start
constexpr LeverEffect kToTheFarEnd[] = {vanish(0), vanish(1), appear(2), appear(3)};
constexpr LeverEffect kToTheGate[] = {vanish(0), appear(1), vanish(2), vanish(3)};
constexpr LeverScript kLeverScripts[] = {{{kAllShut, kToTheFarEnd, kToTheGate}}};
// The small weight falls short; the others land on the trampoline.
constexpr CatapultScript kCatapultScripts[] = {
    {{land(360, 426, 330), ontoTrampoline(450, 400, 400), ontoTrampoline(450, 400, 400)}},
};
// Every bounce carries the dude over the suspicious wall into the horn's corner.
constexpr Bounce kBounces[] = {{BounceWay::Right, 750, 434, 580}};
constexpr StoreScript kStoreScripts[] = {
    {{once(Gift::Hammer, 2, 0), once(Gift::Heart, 1, 1), once(Gift::Hammer, 2, 2)}},
};

constexpr DrawLine kDrawing[] = {
    kTeleporterPads,
    exitPad(kAisle),
    exitPad(kHall),
    exitPad(kRightBalcony),
    exitPad(kLeftBalcony),
    each(Draw::Stores, 22, 1.3f, 1.0f),
    each(Draw::Trampolines, 39, 0.8f, 0.8f),
    each(Draw::Catapults, 14, 1.3f, 1.3f),
    each(Draw::Levers, 21, 0.7f, 0.7f),
    each(Draw::Coins, 6, 0.7f, 0.7f),
    each(Draw::Weights, 15, 1.2f, 1.2f),
    each(Draw::Vases, 18, 1.0f, 1.0f),
    each(Draw::Blocks, 13, 1.1f, 1.7f),
    each(Draw::SuspiciousWalls, 9, 1.0f, 1.2f),
    each(Draw::Horn, 34, 0.8f, 0.8f),
    kTeleporterBeams,
};

// The quest's pictures, slot by slot.
constexpr SlotArtRow kArt[] = {
    {6, {"Art/Coin.bmp", 32, 32, kBlackKey}},
    {7, {"Art/SuspiciousButton.bmp", 32, 32, kBlackKey}},
    {9, {"Art/SuspiciousWall.bmp", 64, 64, kNoColourKey}},
    {12, {"Art/TeleportPad7.bmp", 32, 16, kBlackKey}},
    {13, {"Art/Block2.bmp", 32, 32, kBlackKey}},
    {14, {"Art/Swing9.bmp", 64, 32, kBlackKey}},
    {18, {"Art/Vases3.bmp", 32, 64, kBlackKey}},
    {21, {"Art/Lever2.bmp", 64, 64, kRedKey}},
    {22, {"Art/House2.bmp", 32, 64, kBlackKey}},
    {34, {"Art/Horn.bmp", 64, 64, kRedKey}},
    {39, {"Art/Trampoline.bmp", 64, 64, kBlackKey}},
};

constexpr QuestObjects kObjects = [] {
  QuestObjects q{};
  q.quest = 33;
  q.coins = kCoins;
  q.weights = kWeights;
  q.vases = kVases;
  q.blocks = kBlocks;
  q.levers = kLevers;
  q.catapults = kCatapults;
  q.teleporters = kTeleporters;
  q.ledges = kLedges;
  q.suspiciousWalls = kSuspiciousWalls;
  q.stores = kStores;
  q.horn = Spot{690, 444};
  q.trampolines = kTrampolines;
  q.bounces = kBounces;
  q.gateTrigger = GateTrigger::HornTaken;
  q.leverScripts = kLeverScripts;
  q.catapultScripts = kCatapultScripts;
  q.storeScripts = kStoreScripts;
  q.drawing = kDrawing;
  q.art = kArt;
  return q;
}();

}  // namespace

constexpr QuestContent kQuest33{&kLayout, &kObjects};
