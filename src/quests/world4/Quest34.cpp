// Quest 34, "Go to the apple tree.": two rivers lie between the meadow and the orchard, and there
// is one bridge. The meadow's lever lays it across the first river; from the far island's lever it
// goes on across the second. The western island's lever sets where its teleporter leads, which
// spares the dude the vase that would cost a hammer the orchard's vase needs.
#include "quests/QuestKit.h"
#include "quests/QuestRegistry.h"

using namespace questkit;

namespace {

// Walls, start and goal.

// The meadow along the bottom; above it, across the first river, two islands; across the second
// river the orchard with the apple tree. Each river has one ford where the bridge can be laid: the
// western island's landing (x 80 to 140) and the eastern island's (x 600 to 660).
constexpr HorizontalWall kUp[] = {
    {40, 80, 420}, {140, 760, 420},   // the meadow's bank
    {80, 360, 290},                   // the western island's
    {440, 600, 290}, {660, 720, 290},  // the eastern island's
    {200, 760, 91},                   // behind the orchard, above the tree
};
constexpr HorizontalWall kDown[] = {
    {140, 360, 370}, {440, 720, 370},  // the islands' southern shores
    {200, 600, 240}, {660, 760, 240},  // the orchard's bank
};
constexpr VerticalWall kLeft[] = {{40, 420, 500}, {80, 290, 370}, {440, 290, 370}, {200, 91, 240}};
constexpr VerticalWall kRight[] = {{760, 420, 500}, {360, 290, 370}, {720, 290, 370}, {760, 91, 240}};
constexpr DudeLayout kDude{396, 443, 0, kUp, kDown, kLeft, kRight};
constexpr QuestLayout kLayout{34, kDude, true, {373, 180, 51, 30}};

// Objects, scripts and drawing.

// Where the teleporters set the dude down: each spot has its pad.
constexpr Spot kEastIslandWest{470, 298}, kEastIslandEast{590, 298}, kMeadow{640, 426};
// Where the bridge lies: across each ford, or pulled up on the orchard's far side.
constexpr Spot kFirstFord{85, 357}, kSecondFord{605, 227}, kAshore{250, 150};

constexpr Spot kCoins[] = {{260, 460}, {470, 460}, {270, 310}, {500, 310}, {570, 170}};
constexpr Spot kFood[] = {
    {345, 445},  // on the meadow, free
    {694, 305},  // on the eastern island, behind a vase
    {732, 448},  // in the meadow's corner, behind a vase
};
constexpr Spot kHammers[] = {{295, 440}};
constexpr Spot kVases[] = {
    {150, 436},  // before the first ford
    {545, 292},  // across the eastern island
    {500, 130},  // between the second ford and the apple tree
    {690, 436},  // before the meadow's corner
    {660, 292},  // before the eastern island's mushroom
};
constexpr LeverPlacement kLevers[] = {
    {200, 450, 1},  // the meadow's: the bridge
    {210, 320, 0},  // the western island's: where its teleporter leads
    {612, 320, 1},  // the eastern island's: the bridge
};
constexpr Spot kLadders[] = {kSecondFord};
constexpr TeleporterPlacement kTeleporters[] = {
    {320, 300, kEastIslandWest.x, kEastIslandWest.y},  // the western island's, as its lever says
    {450, 298, kMeadow.x, kMeadow.y},                   // back from the eastern island
    {715, 160, kMeadow.x, kMeadow.y},                   // back from the orchard
};
constexpr Spot kStores[] = {{560, 436}};
// Each ford: the bank's edge it may not be walked up or down across, and its sides, which keep a
// dude on the bridge from stepping off into the river. The bridge starts across the second ford.
constexpr LedgePlacement kLedges[] = {
    {0, 80, 420, 60, kActive},    {4, 80, 370, 60, kActive},     // the first ford
    {1, 600, 290, 60, kInactive}, {5, 600, 240, 60, kInactive},  // the second ford
    {8, 80, 370, 50, kActive},    {10, 140, 370, 50, kActive},
    {9, 600, 240, 50, kActive},   {11, 660, 240, 50, kActive},
};

constexpr LeverEffect kBridgeOverFirstFord[] = {
    moveLadder(0, kFirstFord.x, kFirstFord.y), ledgeOff(0), ledgeOff(4), ledgeOn(1), ledgeOn(5),
};
constexpr LeverEffect kBridgeOverSecondFord[] = {
    moveLadder(0, kSecondFord.x, kSecondFord.y), ledgeOff(1), ledgeOff(5), ledgeOn(0), ledgeOn(4),
};
constexpr LeverEffect kBridgeAshore[] = {
    moveLadder(0, kAshore.x, kAshore.y), ledgeOn(0), ledgeOn(4), ledgeOn(1), ledgeOn(5),
};
constexpr LeverEffect kToEastIslandWest[] = {exitOf(0, kEastIslandWest.x, kEastIslandWest.y)};
constexpr LeverEffect kToEastIslandEast[] = {exitOf(0, kEastIslandEast.x, kEastIslandEast.y)};
constexpr LeverEffect kToMeadow[] = {exitOf(0, kMeadow.x, kMeadow.y)};
constexpr LeverScript kLeverScripts[] = {
    {{kBridgeOverFirstFord, kBridgeOverSecondFord, kBridgeAshore}},
    {{kToEastIslandWest, kToEastIslandEast, kToMeadow}},
    {{kBridgeOverFirstFord, kBridgeOverSecondFord, kBridgeAshore}},
};
constexpr StoreScript kStoreScripts[] = {
    {{once(Gift::Heart, 1, 0), once(Gift::Hammer, 2, 1), once(Gift::Hammer, 2, 2)}},
};

constexpr DrawLine kDrawing[] = {
    each(Draw::Ladders, 34, 0.8f, 1.2f),
    kTeleporterPads,
    exitPad(kEastIslandWest),
    exitPad(kEastIslandEast),
    exitPad(kMeadow),
    each(Draw::Stores, 22, 1.3f, 1.0f),
    each(Draw::Levers, 21, 0.7f, 0.7f),
    each(Draw::Coins, 6, 0.7f, 0.7f),
    each(Draw::Food, 8, 0.8f, 0.8f),
    each(Draw::Hammers, 16, 0.8f, 0.8f),
    each(Draw::Vases, 18, 1.0f, 1.0f),
    kTeleporterBeams,
};

// The quest's pictures, slot by slot.
constexpr SlotArtRow kArt[] = {
    {6, {"Art/Coin.bmp", 32, 32, kBlackKey}},
    {8, {"Art/Mushroom.bmp", 32, 64, kBlackKey}},
    {12, {"Art/TeleportPad2.bmp", 32, 16, kBlackKey}},
    {16, {"Art/Hammer3.bmp", 64, 64, kRedKey}},
    {18, {"Art/Vases14.bmp", 32, 64, kBlackKey}},
    {21, {"Art/Lever.bmp", 64, 64, kRedKey}},
    {22, {"Art/House3.bmp", 32, 64, kBlackKey}},
    {34, {"Art/Bridge2.bmp", 64, 64, kNoColourKey}},
};

constexpr QuestObjects kObjects = [] {
  QuestObjects q{};
  q.quest = 34;
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

constexpr QuestContent kQuest34{&kLayout, &kObjects};
