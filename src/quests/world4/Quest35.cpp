// Quest 35, "Enter the green dungeon!": the meadow before the dungeon stairs. Three locked gates
// stand between the stream bank and the stairs; their keys lie on three islets in the stream that
// only the trampoline reaches, and its spring decides which one: set it with the lever, let the
// swing throw you onto it. The bridge lever lays the plank bridge over the stream, first to the
// hermit's nook where the hammer lies, then to the bank with the gates.
#include "quests/QuestKit.h"
#include "quests/QuestRegistry.h"

using namespace questkit;

namespace {

// Walls, start and goal.

// The meadow runs along the bottom; the three islets sit a little lower in the stream east of it.
// Across the stream lies the bank with the gates, the hermit's nook raised at its west end; a
// shaft with two gates climbs from the bank to the terrace with the stairs.
constexpr HorizontalWall kUp[] = {
    {0, 60, 380}, {105, 400, 380}, {445, 462, 380}, {462, 800, 400},  // the meadow's and islets' banks
    {0, 220, 200}, {265, 800, 200},                                   // the bank's back wall
};
constexpr HorizontalWall kDown[] = {
    {0, 60, 300}, {105, 140, 300}, {154, 400, 330}, {445, 800, 330},  // the nook's and the bank's edge
    {0, 220, 90}, {265, 800, 90},                                     // the terrace's edge
};
// Narrow channels part the islets from the meadow and from each other, and the nook from the bank.
constexpr VerticalWall kLeft[] = {
    {476, 400, 500}, {562, 400, 500}, {746, 400, 500},  // the islets' west shores
    {220, 90, 200},                                     // the shaft
    {154, 200, 330},                                    // the bank's west end
};
constexpr VerticalWall kRight[] = {
    {462, 380, 500}, {548, 400, 500}, {732, 400, 500},  // the meadow's and islets' east shores
    {265, 90, 200},                                     // the shaft
    {140, 200, 300},                                    // the nook's east end
};
constexpr DudeLayout kDude{73, 445, 0, kUp, kDown, kLeft, kRight};
constexpr QuestLayout kLayout{35, kDude, true, {220, 10, 65, 30}};

// Objects, scripts and drawing.

// The two crossings of the stream: to the nook, and to the gate bank.
constexpr int kNookCrossingX = 60, kGateCrossingX = 400, kCrossingWidth = 45;
constexpr Spot kBridgeAtNook{60, 298}, kBridgeStowed{105, 388}, kBridgeAtGates{400, 312};
enum Ledge : uint8_t {
  kNookUp = 0, kGatesUp = 1, kNookDown = 4, kGatesDown = 5,
  kNookWest = 8, kGatesWest = 9, kNookEast = 10, kGatesEast = 11
};

constexpr Spot kCoins[] = {{158, 395}, {530, 462}, {765, 258}};
constexpr Spot kFood[] = {{18, 440}, {15, 215}, {610, 400}};
constexpr Spot kWeights[] = {{150, 455}, {200, 455}, {490, 455}, {600, 458}, {745, 466}};
constexpr Spot kHammers[] = {{110, 212}};
// Gold key on the middle islet, blue on the west one, red on the east one.
constexpr KeyPlacement kKeys[] = {onField(700, 405, kKey), onField(478, 400, kKey2), onField(768, 452, kKey3)};
// The gate at the top of the bridge, then the two gates of the shaft.
constexpr DoorPlacement kDoors[] = {{400, 333, kKey}, {220, 150, kKey2}, {220, 95, kKey3}};
// The west block bars the way to the shaft, the east one the way to the store.
constexpr BlockPlacement kBlocks[] = {{330, 232, kHorizontal, kPresent}, {530, 232, kHorizontal, kPresent}};
constexpr LeverPlacement kLevers[] = {{290, 440, 1}, {200, 392, 0}, {468, 212, 1}};
constexpr CatapultPlacement kCatapults[] = {{380, 446, kThrowsRight}};
constexpr TrampolinePlacement kTrampolines[] = {{640, 440, 1}};
// Each islet's teleporter leads home; the east islet's to the store's end of the bank, whose own
// teleporter leads back to the meadow.
constexpr TeleporterPlacement kTeleporters[] = {
    {518, 395, 225, 445}, {566, 405, 225, 445}, {750, 388, 590, 270}, {690, 215, 20, 392},
};
constexpr Spot kVases[] = {{285, 222}, {730, 222}};
constexpr Spot kStores[] = {{625, 205}};
constexpr Spot kBridges[] = {kBridgeAtNook};

// The stream stops the dude wherever no bridge spans it; where one does, its rails keep the dude on it.
constexpr LedgePlacement kLedges[] = {
    {kNookUp, kNookCrossingX, 380, kCrossingWidth, false},
    {kGatesUp, kGateCrossingX, 380, kCrossingWidth, true},
    {kNookDown, kNookCrossingX, 300, kCrossingWidth, false},
    {kGatesDown, kGateCrossingX, 330, kCrossingWidth, true},
    {kNookWest, kNookCrossingX, 300, 80, true},
    {kGatesWest, kGateCrossingX, 330, 50, true},
    {kNookEast, kNookCrossingX + kCrossingWidth, 300, 80, true},
    {kGatesEast, kGateCrossingX + kCrossingWidth, 330, 50, true},
};

// The trampoline lever: its three positions are the spring's three settings.
constexpr LeverEffect kSpringRight[] = {{Effect::TrampolineSetting, 0, 0, 0}};
constexpr LeverEffect kSpringUp[] = {{Effect::TrampolineSetting, 0, 1, 0}};
constexpr LeverEffect kSpringLeft[] = {{Effect::TrampolineSetting, 0, 2, 0}};
// The bridge lever: to the nook, onto the meadow's bank, or to the gates.
constexpr LeverEffect kBridgeToNook[] = {
    moveLadder(0, kBridgeAtNook.x, kBridgeAtNook.y), ledgeOff(kNookUp), ledgeOff(kNookDown), ledgeOn(kGatesUp),
    ledgeOn(kGatesDown)};
constexpr LeverEffect kBridgeStow[] = {
    moveLadder(0, kBridgeStowed.x, kBridgeStowed.y), ledgeOn(kNookUp), ledgeOn(kNookDown), ledgeOn(kGatesUp),
    ledgeOn(kGatesDown)};
constexpr LeverEffect kBridgeToGates[] = {
    moveLadder(0, kBridgeAtGates.x, kBridgeAtGates.y), ledgeOn(kNookUp), ledgeOn(kNookDown), ledgeOff(kGatesUp),
    ledgeOff(kGatesDown)};
// The bank lever opens the west way or the east way, never both.
constexpr LeverEffect kOpenWest[] = {vanish(0), appear(1)};
constexpr LeverEffect kCloseBoth[] = {appear(0), appear(1)};
constexpr LeverEffect kOpenEast[] = {appear(0), vanish(1)};
constexpr LeverScript kLeverScripts[] = {
    {{kSpringRight, kSpringUp, kSpringLeft}},
    {{kBridgeToNook, kBridgeStow, kBridgeToGates}},
    {{kOpenWest, kCloseBoth, kOpenEast}},
};

// A short hop, the throw onto the trampoline, and a long one to the middle islet.
constexpr Throw kOntoTrampoline{650, 434, 520, false, 0, 0, true};
constexpr CatapultScript kCatapultScripts[] = {{{land(440, 445, 420), kOntoTrampoline, land(700, 445, 560)}}};
// The spring's settings: right to the east islet, straight up, left to the west islet.
constexpr Bounce kBounces[] = {
    {BounceWay::Right, 762, 434, 725},
    {BounceWay::StraightUp, 0, 434, 0},
    {BounceWay::Left, 501, 445, 570},
};
constexpr StoreScript kStoreScripts[] = {
    {{once(Gift::Heart, 1, 0), once(Gift::Hammer, 2, 1), once(Gift::Weight, 1, 2)}},
};

constexpr DrawLine kDrawing[] = {
    each(Draw::Ladders, 34, 0.7f, 1.3f),
    // The pads the teleporters bring the dude to.
    picture(12, 220, 478, 1.4f, 1.4f),
    picture(12, 585, 308, 1.4f, 1.4f),
    picture(12, 15, 425, 1.4f, 1.4f),
    kTeleporterPads,
    each(Draw::Coins, 6, 0.7f, 0.7f),
    each(Draw::Food, 8, 0.8f, 0.8f),
    each(Draw::Weights, 15, 1.2f, 1.2f),
    each(Draw::Hammers, 16, 0.8f, 0.8f),
    each(Draw::Keys, kKey, 1.0f, 1.0f),
    each(Draw::Keys, kKey2, 1.0f, 1.0f),
    each(Draw::Keys, kKey3, 1.0f, 1.0f),
    one(Draw::Doors, 9, 0, 1.4f, 1.4f),
    one(Draw::Doors, 10, 1, 1.4f, 1.4f),
    one(Draw::Doors, 11, 2, 1.4f, 1.4f),
    each(Draw::Blocks, 13, 1.1f, 1.7f),
    each(Draw::Levers, 21, 0.7f, 0.7f),
    each(Draw::Stores, 22, 1.3f, 1.0f),
    each(Draw::Vases, 18, 1.2f, 1.1f),
    each(Draw::Trampolines, 39, 0.8f, 0.8f),
    each(Draw::Catapults, 14, 1.3f, 1.3f),
    kTeleporterBeams,
};

// The quest's pictures, slot by slot.
constexpr SlotArtRow kArt[] = {
    {6, {"Art/Coin.bmp", 32, 32, kBlackKey}},
    {7, {"Art/Key.bmp", 16, 32, kBlackKey}},
    {8, {"Art/Cheese.bmp", 32, 64, kBlackKey}},
    {9, {"Art/Door7.bmp", 32, 32, kBlackKey}},
    {10, {"Art/Door5.bmp", 32, 32, kBlackKey}},
    {11, {"Art/Door4.bmp", 32, 32, kBlackKey}},
    {12, {"Art/TeleportPad4.bmp", 32, 16, kBlackKey}},
    {13, {"Art/Block9.bmp", 32, 32, kBlackKey}},
    {14, {"Art/Swing.bmp", 64, 32, kBlackKey}},
    {16, {"Art/Hammer2.bmp", 32, 64, kRedKey}},
    {18, {"Art/Vases13.bmp", 32, 64, kBlackKey}},
    {19, {"Art/Key2.bmp", 16, 32, kBlackKey}},
    {20, {"Art/Key3.bmp", 16, 32, kBlackKey}},
    {21, {"Art/Lever.bmp", 64, 64, kRedKey}},
    {22, {"Art/House2.bmp", 32, 64, kBlackKey}},
    {34, {"Art/Bridge4.bmp", 64, 64, kNoColourKey}},
    {39, {"Art/Trampoline.bmp", 64, 64, kBlackKey}},
};

constexpr QuestObjects kObjects = [] {
  QuestObjects q{};
  q.quest = 35;
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
  q.vases = kVases;
  q.stores = kStores;
  q.ladders = kBridges;
  q.ledges = kLedges;
  q.foodScale = 0.8f;
  q.keyScale = 1.0f;
  q.leverScripts = kLeverScripts;
  q.catapultScripts = kCatapultScripts;
  q.storeScripts = kStoreScripts;
  q.trampolines = kTrampolines;
  q.bounces = kBounces;
  q.drawing = kDrawing;
  q.art = kArt;
  return q;
}();

}  // namespace

constexpr QuestContent kQuest35{&kLayout, &kObjects};
