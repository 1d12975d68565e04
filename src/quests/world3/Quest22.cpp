// Quest 22, "Find the blue shoes.": the shoes stand on a bluff that no path climbs, beside a fairy
// ring that leads to them. Only the lever in the fenced pen below moves that ring down into the
// woods, and only the swing throws the dude over the pen's fence. The swing's one weight lies in the
// west wood, behind a thicket that lets the dude through westward only, and the west wood's one way
// down is the ladder, which its own lever must first set up in the cliff.
#include "quests/QuestKit.h"
#include "quests/QuestRegistry.h"

using namespace questkit;

namespace {

// Walls, start and goal.

// The forest floor (dude's top from y 330 down) with the pen fenced off at its east end; above its
// cliff the west and the east wood (y 140 to 330), parted by the thicket; the bluff with the shoes
// east of the woods. The cliff has two gaps where the ladder can stand; the pen's lever stands in a
// niche of its back, and a wall of rock closes a corner of the floor and of the west wood.
constexpr HorizontalWall kUp[] = {
    {0, 690, 140},                                  // the woods' back
    {690, 800, 120},                                // the bluff's back
    {0, 120, 330}, {170, 420, 330}, {470, 600, 330},  // the cliff, with its gaps at x 120-170 and 420-470
    {600, 650, 300},                                // the pen's lever niche
    {650, 800, 330},                                // the pen's back, under the bluff
};
constexpr HorizontalWall kDown[] = {
    // The woods' edge, a pixel above the cliff so that the floor below reads as floor; east of the
    // east gap it runs higher, above the pen's lever niche.
    {0, 120, 329}, {170, 420, 329}, {470, 690, 299},
    {690, 800, 260},                                  // the bluff's edge
    {0, 800, 500},
};
// The rock in the west corners (closed above, open below), the pen's fence, the lever niche's sides
// and the east wood's end before the bluff.
constexpr VerticalWall kLeft[] = {
    {60, 140, 210}, {60, 330, 400}, {530, 330, 500}, {600, 300, 330}, {690, 120, 260},
};
constexpr VerticalWall kRight[] = {
    {60, 140, 210}, {60, 330, 400}, {530, 330, 500}, {650, 300, 330}, {690, 140, 299},
};
constexpr DudeLayout kDude{153, 445, 0, kUp, kDown, kLeft, kRight};
constexpr QuestLayout kLayout{22, kDude, true, {750, 183, 50, 30}};

// Objects, scripts and drawing.

// Ledges: the two gaps in the cliff, shut both ways unless the ladder stands in them, and the
// thicket, which stops only a walk eastward.
enum Ledge : uint8_t {
  kWestGapUp = 0, kEastGapUp = 1, kWestGapDown = 4, kEastGapDown = 5, kThicket = 10,
};
constexpr Spot kLadderWest{128, 268}, kLadderEast{428, 268}, kLadderAside{300, 372};

// Where the teleporters set the dude down; each spot has its pad. The ring's spot is the shoes'.
constexpr Spot kOnTheFloor{320, 440}, kEastWood{420, 230}, kWestWood{240, 230}, kEastWoodMiddle{520, 230};
constexpr Spot kAtTheShoes{750, 150};
// Where the pen's lever can put the ring: beside the shoes (the start), in the west wood, in the east.
constexpr Spot kRingOnBluff{710, 190}, kRingInWestWood{180, 225}, kRingInEastWood{560, 160};

constexpr Spot kCoins[] = {
    {500, 340},  // in the floor's corner by the fence, behind an amphora
    {650, 200},  // at the east wood's end, behind two amphorae
    {110, 160},  // in the west wood, free
    {750, 345},  // at the pen's east end, behind two amphorae
    {500, 160},  // in the east wood, free
};
constexpr Spot kFood[] = {
    {240, 440},  // on the floor, free: the first heart
    {635, 150},  // at the east wood's end
    {200, 150},  // in the west wood
    {650, 440},  // in the pen
};
constexpr Spot kWeights[] = {{15, 240}};  // in the west wood's corner, behind an amphora
constexpr Spot kHammers[] = {{445, 215}};  // where the floor's teleporter sets the dude down
constexpr Spot kVases[] = {
    {60, 390},               // the floor's corner, before the old stump's teleporter
    {60, 230},               // the west wood's corner, before the weight
    {600, 150}, {600, 230},  // across the east wood's end
    {690, 335}, {690, 400},  // across the pen's east end
    {470, 330},              // before the coin by the fence
};
constexpr LeverPlacement kLevers[] = {
    {290, 145, 2},  // in the west wood: the ladder
    {605, 300, 0},  // in the pen's niche: the ring
};
constexpr CatapultPlacement kCatapults[] = {{420, 440, kThrowsRight}};
constexpr Spot kLadders[] = {kLadderAside};
constexpr TeleporterPlacement kTeleporters[] = {
    {kRingOnBluff.x, kRingOnBluff.y, kAtTheShoes.x, kAtTheShoes.y},  // the ring, where the pen's lever puts it
    {555, 345, kOnTheFloor.x, kOnTheFloor.y},                         // out of the pen
    {380, 340, kEastWood.x, kEastWood.y},                             // the floor's, up into the east wood
    {650, 240, kOnTheFloor.x, kOnTheFloor.y},                         // down from the east wood's end
    {10, 415, kWestWood.x, kWestWood.y},                              // the old stump, up into the west wood
    {735, 420, kEastWoodMiddle.x, kEastWoodMiddle.y},                 // the pen's east end, up into the east wood
};
constexpr Spot kStores[] = {{250, 335}};
constexpr LedgePlacement kLedges[] = {
    {kWestGapUp, 120, 330, 50, kActive},   {kWestGapDown, 120, 329, 50, kActive},
    {kEastGapUp, 420, 330, 50, kActive},   {kEastGapDown, 420, 329, 50, kActive},
    {kThicket, 330, 140, 190, kActive},
};

constexpr LeverEffect kLadderToWestGap[] = {
    moveLadder(0, kLadderWest.x, kLadderWest.y), ledgeOff(kWestGapUp), ledgeOff(kWestGapDown),
    ledgeOn(kEastGapUp), ledgeOn(kEastGapDown)};
constexpr LeverEffect kLadderToEastGap[] = {
    moveLadder(0, kLadderEast.x, kLadderEast.y), ledgeOn(kWestGapUp), ledgeOn(kWestGapDown),
    ledgeOff(kEastGapUp), ledgeOff(kEastGapDown)};
constexpr LeverEffect kLadderLaidAside[] = {
    moveLadder(0, kLadderAside.x, kLadderAside.y), ledgeOn(kWestGapUp), ledgeOn(kWestGapDown),
    ledgeOn(kEastGapUp), ledgeOn(kEastGapDown)};
constexpr LeverEffect kRingToBluff[] = {moveTeleporter(0, kRingOnBluff.x, kRingOnBluff.y)};
constexpr LeverEffect kRingToWestWood[] = {moveTeleporter(0, kRingInWestWood.x, kRingInWestWood.y)};
constexpr LeverEffect kRingToEastWood[] = {moveTeleporter(0, kRingInEastWood.x, kRingInEastWood.y)};
constexpr LeverScript kLeverScripts[] = {
    {{kLadderToWestGap, kLadderToEastGap, kLadderLaidAside}},
    {{kRingToBluff, kRingToWestWood, kRingToEastWood}},
};
// A hop along the floor, over the fence into the pen, or far over the pen into its walled east end.
constexpr CatapultScript kCatapultScripts[] = {{{land(480, 445, 455), land(600, 440, 500), land(750, 335, 590)}}};
constexpr StoreScript kStoreScripts[] = {
    {{once(Gift::Heart, 1, 0), once(Gift::Hammer, 2, 1), once(Gift::Hammer, 3, 2)}},
};

constexpr DrawLine kDrawing[] = {
    exitPad(kOnTheFloor),
    exitPad(kEastWood),
    exitPad(kWestWood),
    exitPad(kEastWoodMiddle),
    exitPad(kAtTheShoes),
    kTeleporterPads,
    picture(29, 752, 168, 0.7f, 0.7f),  // the shoes on their bluff
    each(Draw::Ladders, 36, 1.1f, 1.3f),
    each(Draw::Stores, 22, 1.3f, 1.0f),
    each(Draw::Catapults, 14, 1.3f, 1.3f),
    each(Draw::Levers, 21, 0.7f, 0.7f),
    each(Draw::Coins, 6, 0.7f, 0.7f),
    each(Draw::Food, 8, 0.8f, 0.8f),
    each(Draw::Weights, 15, 1.2f, 1.2f),
    each(Draw::Hammers, 16, 0.7f, 0.7f),
    each(Draw::Vases, 18, 1.0f, 1.0f),
    kTeleporterBeams,
};

// The quest's pictures, slot by slot.
constexpr SlotArtRow kArt[] = {
    {6, {"Art/Coin.bmp", 32, 32, kBlackKey}},
    {8, {"Art/Icecream.bmp", 32, 64, kBlackKey}},
    {12, {"Art/TeleportPad5.bmp", 32, 16, kBlackKey}},
    {14, {"Art/Swing8.bmp", 64, 32, kBlackKey}},
    {16, {"Art/Hammer5.bmp", 64, 64, kRedKey}},
    {18, {"Art/Vases13.bmp", 32, 64, kBlackKey}},
    {21, {"Art/Lever5.bmp", 64, 64, kRedKey}},
    {22, {"Art/House5.bmp", 32, 64, kBlackKey}},
    {29, {"Art/Shoes.bmp", 64, 64, kRedKey}},
    {36, {"Art/Ladder4.bmp", 32, 64, kRedKey}},
};

constexpr QuestObjects kObjects = [] {
  QuestObjects q{};
  q.quest = 22;
  q.coins = kCoins;
  q.food = kFood;
  q.weights = kWeights;
  q.hammers = kHammers;
  q.vases = kVases;
  q.ladders = kLadders;
  q.levers = kLevers;
  q.catapults = kCatapults;
  q.teleporters = kTeleporters;
  q.ledges = kLedges;
  q.stores = kStores;
  q.foodScale = 0.8f;
  q.leverScripts = kLeverScripts;
  q.catapultScripts = kCatapultScripts;
  q.storeScripts = kStoreScripts;
  q.drawing = kDrawing;
  q.art = kArt;
  return q;
}();

}  // namespace

constexpr QuestContent kQuest22{&kLayout, &kObjects};
