// Quest 42, "Enter the brown dungeon.": the tomb's antechamber. The dungeon's doorway opens off the
// east gallery; two ways lead there, the east gate's shaft and the west gallery's beam, and both
// pass the ball machine: it stands in the mouth of the pocket that holds the third key and the
// beam's lever, and it parks a ball on the east stair, a heart for every climb. Two hammers lie in
// the tomb and every way wants three, so the store's hammer is part of the plan; each gate swallows
// every key carried, so the keys go to the gates one at a time.
#include "quests/QuestKit.h"
#include "quests/QuestRegistry.h"

using namespace questkit;

namespace {

// Walls, start and goal.

// Three tiers. The hall at the bottom; above it the west and east wings (y 250 to 380), parted at
// x 415, each climbed by its own stair; above them the west gallery, the machine's pocket and the
// east gallery (y 160 to 250), the galleries climbed only by the gated shafts at the field's two
// edges. The doorway is a notch above the east gallery. Nothing stops a step down.
constexpr HorizontalWall kUp[] = {
    {0, 150, 380},   {215, 415, 380}, {415, 680, 380}, {745, 800, 380},  // the wings' edges, two stairs
    {60, 470, 250},  {515, 735, 250},                                      // the galleries' edges
    {0, 470, 160},   {470, 595, 160}, {660, 800, 160},                     // the galleries' back walls
    {595, 660, 100},                                                       // the back of the doorway
};
constexpr VerticalWall kLeft[] = {
    {415, 300, 380},  // the wings' parting wall (below the galleries' feet)
    {60, 160, 250},   // the west shaft, beside its gate
    {470, 160, 250},  // the west gallery's end, the pocket's side
    {515, 160, 250},  // the pocket's other side
    {595, 100, 160},  // the doorway's jambs
};
constexpr VerticalWall kRight[] = {
    {415, 300, 380},
    {470, 160, 250},
    {515, 160, 250},
    {735, 160, 250},  // the east shaft, beside its gate
    {660, 100, 160},
};
constexpr DudeLayout kDude{255, 444, 0, kUp, {}, kLeft, kRight};
constexpr QuestLayout kLayout{42, kDude, true, {595, 110, 65, 30}};

// Objects, scripts and drawing.

// Where the beam sets the dude down, as the west wing's lever says: the west wing, the hall (as at
// the start) or the east gallery, west of its first slab.
constexpr Spot kWestWing{100, 300}, kHall{110, 440}, kEastGallery{520, 200};
// The pad under the beam's landing is drawn below the dude's feet.
constexpr Spot padUnder(Spot s) { return {s.x - 5, s.y + 46}; }

constexpr Spot kCoins[] = {
    {420, 455}, {520, 455},  // the hall
    {300, 340},              // the west wing
    {250, 215},              // the west gallery, past the urn
    {560, 340}, {640, 340},  // the east wing
    {700, 215},              // the east gallery, by the east gate's shaft
};
constexpr Spot kFood[] = {
    {330, 440},  // the hall, the first heart
    {170, 300},  // the west wing, at the top of its stair
    {110, 215},  // the west gallery
    {600, 290},  // the east wing
};
constexpr Spot kHammers[] = {{100, 330}, {75, 215}};  // the west wing; the west gallery
constexpr KeyPlacement kKeys[] = {
    onField(250, 290, kKey),  // the west wing
    onField(200, 215, kKey),  // the west gallery, behind its urn
    onField(478, 228, kKey),  // the machine's pocket
};
// The west shaft's gate, the east shaft's gate, the dungeon's door in the notch.
constexpr DoorPlacement kDoors[] = {{0, 208, kKey}, {740, 208, kKey}, {595, 118, kKey}};
// The urns at the foot of both shafts and the one before the west gallery's key.
constexpr Spot kVases[] = {{0, 250}, {745, 250}, {150, 190}};
enum Slab : uint8_t { kBeamOuter = 0, kBeamInner = 1, kDoorWest = 2, kDoorEast = 3 };
constexpr BlockPlacement kBlocks[] = {
    {320, 200, kHorizontal, kPresent},  // the beam's two slabs in the west gallery
    {370, 200, kHorizontal, kPresent},
    {560, 200, kHorizontal, kPresent},  // the east gallery's slabs either side of the doorway
    {650, 200, kHorizontal, kPresent},
};
// The hall's lever in its south-east corner, the west wing's at its east end, the beam's lever at
// the top of the machine's pocket.
constexpr LeverPlacement kLevers[] = {{755, 455, 1}, {375, 300, 1}, {470, 165, 1}};
constexpr TeleporterPlacement kTeleporters[] = {{425, 190, kHall.x, kHall.y}};
constexpr Spot kStores[] = {{40, 400}};

// The hall's lever: which side of the doorway opens, the beam's (west) or the east shaft's.
constexpr LeverEffect kDoorwayFromBeam[] = {vanish(kDoorWest), appear(kDoorEast)};
constexpr LeverEffect kDoorwayShut[] = {appear(kDoorWest), appear(kDoorEast)};
constexpr LeverEffect kDoorwayFromShaft[] = {vanish(kDoorEast), appear(kDoorWest)};
// The west wing's lever: where the beam leads.
constexpr LeverEffect kBeamToWestWing[] = {exitOf(0, kWestWing.x, kWestWing.y),
                                           movePad(padUnder(kWestWing).x, padUnder(kWestWing).y)};
constexpr LeverEffect kBeamToHall[] = {exitOf(0, kHall.x, kHall.y), movePad(padUnder(kHall).x, padUnder(kHall).y)};
constexpr LeverEffect kBeamToGallery[] = {exitOf(0, kEastGallery.x, kEastGallery.y),
                                          movePad(padUnder(kEastGallery).x, padUnder(kEastGallery).y)};
// The pocket's lever: both slabs before the beam, neither, or only the outer one.
constexpr LeverEffect kBeamFree[] = {vanish(kBeamOuter), vanish(kBeamInner)};
constexpr LeverEffect kBeamShut[] = {appear(kBeamOuter), appear(kBeamInner)};
constexpr LeverEffect kBeamHalf[] = {vanish(kBeamOuter), appear(kBeamInner)};
constexpr LeverScript kLeverScripts[] = {
    {{kDoorwayFromBeam, kDoorwayShut, kDoorwayFromShaft}},
    {{kBeamToWestWing, kBeamToHall, kBeamToGallery}},
    {{kBeamFree, kBeamShut, kBeamHalf}},
};
constexpr StoreScript kStoreScripts[] = {
    {{once(Gift::Heart, 1, 0), once(Gift::Hammer, 2, 1), once(Gift::Heart, 1, 2)}},
};

constexpr DrawLine kDrawing[] = {
    kTeleporterPads,
    each(Draw::MovablePad, 12, 1.4f, 1.4f),
    each(Draw::Stores, 22, 1.3f, 1.0f),
    each(Draw::Levers, 21, 0.7f, 0.7f),
    each(Draw::Coins, 6, 0.7f, 0.7f),
    each(Draw::Food, 8, 0.8f, 0.8f),
    each(Draw::Hammers, 16, 0.8f, 0.8f),
    each(Draw::Keys, kKey, 1.0f, 1.0f),
    each(Draw::Doors, 9, 1.4f, 1.4f),
    each(Draw::Vases, 18, 1.2f, 1.1f),
    each(Draw::Blocks, 13, 1.1f, 1.7f),
    each(Draw::Machine, 23, 1.1f, 1.1f),
    kTeleporterBeams,
};

// The quest's pictures, slot by slot.
constexpr SlotArtRow kArt[] = {
    {6, {"Art/Coin.bmp", 32, 32, kBlackKey}},
    {7, {"Art/Key.bmp", 16, 32, kBlackKey}},
    {8, {"Art/Food2.bmp", 32, 64, kBlackKey}},
    {9, {"Art/Door7.bmp", 32, 32, kBlackKey}},
    {12, {"Art/TeleportPad4.bmp", 32, 16, kBlackKey}},
    {13, {"Art/Block17.bmp", 32, 32, kBlackKey}},
    {16, {"Art/Hammer2.bmp", 32, 64, kRedKey}},
    {18, {"Art/Vases17.bmp", 32, 64, kBlackKey}},
    {21, {"Art/Lever.bmp", 64, 64, kRedKey}},
    {22, {"Art/House3.bmp", 32, 64, kBlackKey}},
    {23, {"Art/Machine.bmp", 32, 64, kRedKey}},
    {24, {"Art/Ball.bmp", 64, 64, kRedKey}},
};

constexpr QuestObjects kObjects = [] {
  QuestObjects q{};
  q.quest = 42;
  q.coins = kCoins;
  q.food = kFood;
  q.hammers = kHammers;
  q.keys = kKeys;
  q.doors = kDoors;
  q.vases = kVases;
  q.blocks = kBlocks;
  q.levers = kLevers;
  q.teleporters = kTeleporters;
  q.stores = kStores;
  q.movablePad = padUnder(kHall);
  // The ball waits where it appears, on the east stair: neither roll flag is set.
  q.machine = MachinePlacement{470, 250, 690, 320};
  q.foodScale = 0.8f;
  q.keyScale = 1.0f;
  q.leverScripts = kLeverScripts;
  q.storeScripts = kStoreScripts;
  q.drawing = kDrawing;
  q.art = kArt;
  return q;
}();

}  // namespace

constexpr QuestContent kQuest42{&kLayout, &kObjects};
