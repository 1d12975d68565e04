// Quest 36, "Find the lower level.": the green dungeon. The stairs to the lower level lie on a
// ledge across a chasm from the gallery where the trampoline stands. Its spring lever is up on the
// gallery's far end, which only the ladder reaches, and the swing that throws the dude onto the
// trampoline waits behind a locked door: set the spring first, then fetch the key, then jump.
#include "quests/QuestKit.h"
#include "quests/QuestRegistry.h"

using namespace questkit;

namespace {

// Walls, start and goal.

// The hall in the middle; above it the long gallery, parted by a railing from its east end with
// the trampoline, and across the chasm the stairs' ledge. Below the hall, the swing's room behind
// the door passage; east of it a staircase leads down to the storeroom, into which a shaft drops
// from the gallery's east end. The cell under the gallery is reached by bouncing or teleporting.
constexpr HorizontalWall kUp[] = {
    {150, 672, 100}, {686, 800, 100},                  // the gallery's and the ledge's back walls
    {540, 620, 225},                                   // the cell
    {0, 460, 230}, {505, 520, 230},                    // the hall, with the ladder well
    {0, 100, 420}, {145, 280, 420},                    // the swing's room, with the door passage
    {300, 520, 350}, {300, 520, 365}, {300, 520, 380}, {300, 520, 395},  // the staircase
    {300, 800, 420},                                   // the storeroom's lower floor
    {520, 626, 330}, {672, 800, 330},                  // the storeroom, with the shaft's foot
};
constexpr HorizontalWall kDown[] = {
    {150, 460, 206}, {505, 626, 206}, {686, 800, 206},  // the gallery's and the ledge's edge
    {540, 620, 305},                                    // the cell
    {0, 100, 400}, {145, 300, 400},                     // the hall, with the door passage
};
constexpr VerticalWall kLeft[] = {
    {150, 100, 206}, {560, 100, 206}, {686, 100, 206},  // the gallery, its railing, the ledge
    {460, 206, 230},                                    // the ladder well
    {540, 225, 305},                                    // the cell
    {626, 206, 330},                                    // the shaft
    {520, 230, 350},                                    // the hall's east wall
    {100, 400, 420},                                    // the door passage
    {300, 350, 420}, {300, 420, 500},                   // the staircase and the lower floor
};
constexpr VerticalWall kRight[] = {
    {560, 100, 206}, {672, 100, 206}, {686, 100, 206},  // the railing, the chasm's two sides
    {505, 206, 230},                                    // the ladder well
    {620, 225, 305},                                    // the cell
    {672, 206, 330},                                    // the shaft
    {520, 230, 350},                                    // the hall's east wall
    {145, 400, 420},                                    // the door passage
    {280, 420, 500},                                    // the swing's room
};
constexpr DudeLayout kDude{268, 330, 0, kUp, kDown, kLeft, kRight};
constexpr QuestLayout kLayout{36, kDude, true, {696, 125, 54, 22}};

// Objects, scripts and drawing.

constexpr Spot kLadderInWell{468, 180}, kLadderStowed{420, 232}, kLadderInShaft{634, 225};
enum Ledge : uint8_t { kWellUp = 0, kShaftUp = 1, kWellDown = 4 };

constexpr Spot kCoins[] = {{330, 120}, {545, 235}, {775, 340}};
constexpr Spot kFood[] = {{420, 108}, {5, 235}, {770, 438}};
constexpr Spot kWeights[] = {{200, 455}};
constexpr Spot kHammers[] = {{150, 262}};
constexpr KeyPlacement kKeys[] = {onField(160, 115, kKey3)};
constexpr DoorPlacement kDoors[] = {{100, 390, kKey3}};
constexpr LeverPlacement kLevers[] = {{565, 105, 2}, {200, 235, 1}};
constexpr CatapultPlacement kCatapults[] = {{20, 452, kThrowsRight}};
constexpr TrampolinePlacement kTrampolines[] = {{585, 180, 2}};
// The cell's way out leads to the storeroom; the storeroom's lead back to the hall and to the cell.
constexpr TeleporterPlacement kTeleporters[] = {
    {585, 215, 600, 360}, {320, 425, 330, 290}, {500, 425, 542, 245}, {540, 322, 380, 290},
};
// The gallery's vase keeps the key; the others keep food or a coin.
constexpr Spot kVases[] = {{200, 105}, {40, 232}, {730, 330}, {720, 425}, {0, 295}};
constexpr Spot kStores[] = {{680, 335}};
constexpr Spot kLadders[] = {kLadderStowed};

// The well and the shaft are shut unless the ladder stands in them; the shaft can always be
// dropped down.
constexpr LedgePlacement kLedges[] = {
    {kWellUp, 460, 230, 45, true},
    {kShaftUp, 626, 330, 46, true},
    {kWellDown, 460, 206, 45, true},
};

// The spring lever: its three positions are the trampoline's three settings.
constexpr LeverEffect kSpringRight[] = {{Effect::TrampolineSetting, 0, 0, 0}};
constexpr LeverEffect kSpringUp[] = {{Effect::TrampolineSetting, 0, 1, 0}};
constexpr LeverEffect kSpringLeft[] = {{Effect::TrampolineSetting, 0, 2, 0}};
// The ladder lever: into the well, leaning on the hall's wall, or into the shaft.
constexpr LeverEffect kLadderToWell[] = {
    moveLadder(0, kLadderInWell.x, kLadderInWell.y), ledgeOff(kWellUp), ledgeOff(kWellDown), ledgeOn(kShaftUp)};
constexpr LeverEffect kLadderStow[] = {
    moveLadder(0, kLadderStowed.x, kLadderStowed.y), ledgeOn(kWellUp), ledgeOn(kWellDown), ledgeOn(kShaftUp)};
constexpr LeverEffect kLadderToShaft[] = {
    moveLadder(0, kLadderInShaft.x, kLadderInShaft.y), ledgeOn(kWellUp), ledgeOn(kWellDown), ledgeOff(kShaftUp)};
constexpr LeverScript kLeverScripts[] = {
    {{kSpringRight, kSpringUp, kSpringLeft}},
    {{kLadderToWell, kLadderStow, kLadderToShaft}},
};

// A hop across the room, the throw onto the trampoline up on the gallery, and one far into the
// storeroom.
constexpr Throw kOntoTrampoline{595, 155, 360, false, 0, 0, true};
constexpr CatapultScript kCatapultScripts[] = {{{land(230, 445, 130), kOntoTrampoline, land(650, 445, 400)}}};
// The spring's settings: over the chasm to the stairs, straight up, or down into the cell.
constexpr Bounce kBounces[] = {
    {BounceWay::Right, 760, 155, 755},
    {BounceWay::StraightUp, 0, 155, 0},
    {BounceWay::Left, 565, 250, 600},
};
constexpr StoreScript kStoreScripts[] = {
    {{once(Gift::Weight, 2, 0), once(Gift::Hammer, 2, 1), once(Gift::Heart, 1, 2)}},
};

constexpr DrawLine kDrawing[] = {
    // The pads the teleporters bring the dude to.
    picture(12, 595, 400, 1.4f, 1.4f),
    picture(12, 325, 330, 1.4f, 1.4f),
    picture(12, 537, 285, 1.4f, 1.4f),
    picture(12, 375, 330, 1.4f, 1.4f),
    kTeleporterPads,
    each(Draw::Ladders, 36, 0.9f, 1.6f),
    each(Draw::Coins, 6, 0.7f, 0.7f),
    each(Draw::Food, 8, 0.8f, 0.8f),
    each(Draw::Weights, 15, 1.2f, 1.2f),
    each(Draw::Hammers, 16, 0.7f, 0.7f),
    each(Draw::Keys, kKey3, 1.0f, 1.0f),
    each(Draw::Doors, 9, 1.4f, 1.4f),
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
    {8, {"Art/Food6.bmp", 32, 64, kBlackKey}},
    {9, {"Art/Door13.bmp", 32, 32, kBlackKey}},
    {12, {"Art/TeleportPad11.bmp", 32, 16, kBlackKey}},
    {14, {"Art/Swing10.bmp", 64, 32, kBlackKey}},
    {16, {"Art/Hammer6.bmp", 64, 64, kRedKey}},
    {18, {"Art/Vases22.bmp", 32, 64, kBlackKey}},
    {20, {"Art/Key3.bmp", 16, 32, kBlackKey}},
    {21, {"Art/Lever6.bmp", 64, 64, kRedKey}},
    {22, {"Art/House11.bmp", 32, 64, kBlackKey}},
    {36, {"Art/Ladder.bmp", 32, 64, kRedKey}},
    {39, {"Art/Trampoline2.bmp", 64, 32, kBlackKey}},
};

constexpr QuestObjects kObjects = [] {
  QuestObjects q{};
  q.quest = 36;
  q.coins = kCoins;
  q.food = kFood;
  q.weights = kWeights;
  q.hammers = kHammers;
  q.keys = kKeys;
  q.doors = kDoors;
  q.levers = kLevers;
  q.catapults = kCatapults;
  q.teleporters = kTeleporters;
  q.vases = kVases;
  q.stores = kStores;
  q.ladders = kLadders;
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

constexpr QuestContent kQuest36{&kLayout, &kObjects};
