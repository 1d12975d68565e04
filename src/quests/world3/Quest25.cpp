// Quest 25, "Take the white pearl !": the pearl lies in a glade at the heart of the forest, behind
// three gates in a chain, and each key is won with a different tool: the swing throws the dude into
// the stump pen for the blue key, the hammer breaks the machine that guards the red key on the east
// ridge, and the gold key is bought at the west ridge's store with the coins found on the way. The
// crates before the pearl fall only to the west ridge's lever.
#include "quests/QuestKit.h"
#include "quests/QuestRegistry.h"

using namespace questkit;

namespace {

// Walls, start and goal.

// Top to bottom: the ridge (dude's top from y 20, split at x 580 into west and east), a band of rock
// with three gate shafts, the west and east terraces with the glade between them, the cliff at y 338
// (walked down anywhere, climbed only where the ladder stands), and the forest floor with the stump
// pen in its east end.
constexpr HorizontalWall kUp[] = {
    {20, 800, 20},                                                  // the ridge's back
    {330, 475, 165},                                                // the glade's back, open at the gold shaft
    {20, 250, 180}, {295, 330, 180}, {520, 620, 180}, {665, 800, 180},  // the terraces' backs
    {20, 180, 338}, {225, 330, 338}, {330, 620, 338}, {665, 800, 338},  // the cliff, gaps at x 180 and 620
    {700, 800, 400},                                                // the stump pen's fence
};
constexpr HorizontalWall kDown[] = {
    {20, 250, 120}, {295, 475, 120}, {520, 620, 120}, {665, 800, 120},  // the ridge's edge
    {700, 800, 398},                                                    // the stump pen's fence
};
// The red shaft (x 250-295), the gold shaft (475-520), the blue shaft (620-665), the glade's sides,
// the ridge's divide at x 580 and the stump pen's side.
constexpr VerticalWall kLeft[] = {
    {20, 20, 120}, {20, 180, 500}, {250, 120, 180}, {475, 120, 165}, {620, 120, 180},
    {330, 162, 338}, {520, 180, 338}, {700, 400, 500}, {580, 20, 120},
};
constexpr VerticalWall kRight[] = {
    {295, 120, 180}, {520, 120, 338}, {665, 120, 180}, {330, 180, 338}, {700, 400, 500}, {580, 20, 120},
};
constexpr DudeLayout kDude{253, 441, 0, kUp, kDown, kLeft, kRight};
constexpr QuestLayout kLayout{25, kDude, true, {390, 220, 62, 30}};

// Objects, scripts and drawing.

// The gold key is the west ridge's store's; it takes the third key slot.
constexpr uint8_t kGoldKeySlot = 2;
constexpr KeyPlacement kKeys[] = {onField(725, 440, kKey2), onField(740, 35, kKey3), soldByStore(kKey)};
// In their shafts, clear of the floors beside them, so that only a dude climbing through meets them.
constexpr DoorPlacement kDoors[] = {{475, 120, kKey}, {620, 128, kKey2}, {250, 128, kKey3}};

enum Ledge : uint8_t { kWestGap = 0, kEastGap = 1 };
constexpr Spot kLadderEast{625, 295}, kLadderWest{185, 295}, kLadderAside{30, 350};

// Crates 0-2 stand between the glade's gold shaft and the pearl; 3-5 fence off the west terrace's
// nook. Each column reaches down to the cliff, so nobody slips under it.
enum Crate : uint8_t { kGlade0, kGlade1, kGlade2, kFence0, kFence1, kFence2 };
constexpr BlockPlacement kBlocks[] = {
    {440, 165, kHorizontal, kPresent}, {440, 225, kHorizontal, kPresent}, {440, 284, kHorizontal, kPresent},
    {110, 180, kHorizontal, kPresent}, {110, 233, kHorizontal, kPresent}, {110, 284, kHorizontal, kPresent},
};

constexpr Spot kCoins[] = {
    {380, 455},  // on the floor, on the way to the swing
    {625, 250},  // on the east terrace, between the ladder and the blue shaft
    {745, 85},   // on the east ridge, behind the machine
    {320, 60},   // on the west ridge, before the store
    {150, 420},  // on the floor's west end
    {60, 260},   // in the fenced nook
    {560, 300},  // on the east terrace's west end
};
constexpr Spot kHams[] = {
    {290, 440},  // on the floor by the start: the first heart
    {765, 440},  // in the stump pen
    {700, 85},   // on the east ridge, where the machine stood
    {60, 200},   // in the fenced nook
};
constexpr Spot kHammers[] = {{330, 450}};
constexpr Spot kWeights[] = {{440, 455}};
constexpr Spot kLadders[] = {kLadderEast};

// Where the teleporters set the dude down; each spot has its pad.
constexpr Spot kByTheStore{460, 420}, kOnEastTerrace{700, 230}, kOnWestTerrace{210, 230}, kInThePen{712, 420};
constexpr TeleporterPlacement kTeleporters[] = {
    {750, 395, kByTheStore.x, kByTheStore.y},         // the stump pen's, as the east terrace's lever says
    {765, 30, kByTheStore.x, kByTheStore.y},          // the east ridge's corner, down to the floor
    {760, 285, kInThePen.x, kInThePen.y},             // the east terrace's corner into the stump pen
    {30, 30, kByTheStore.x, kByTheStore.y},           // the west ridge's end, down to the floor
    {30, 240, kOnEastTerrace.x, kOnEastTerrace.y},    // the fenced nook over to the east terrace
    {535, 240, kOnWestTerrace.x, kOnWestTerrace.y},   // the east terrace's west end over to the west one
};

constexpr LeverPlacement kLevers[] = {
    {25, 455, 0},   // floor, west end: the ladder
    {760, 190, 0},  // east terrace, back corner: where the stump pen's teleporter leads
    {110, 455, 0},  // floor, west end: the nook's fence
    {525, 25, 0},   // west ridge, past the gold shaft: the glade's crates
};
constexpr CatapultPlacement kCatapults[] = {{570, 455, kThrowsRight}};
constexpr Spot kStores[] = {{500, 430}, {360, 30}};
// Each gap is shut unless the ladder stands in it; the cliff can always be walked down.
constexpr LedgePlacement kLedges[] = {
    {kWestGap, 180, 338, 45, kActive},
    {kEastGap, 620, 338, 45, kInactive},
};

constexpr LeverEffect kLadderToEast[] = {
    moveLadder(0, kLadderEast.x, kLadderEast.y), ledgeOn(kWestGap), ledgeOff(kEastGap)};
constexpr LeverEffect kLadderToWest[] = {
    moveLadder(0, kLadderWest.x, kLadderWest.y), ledgeOff(kWestGap), ledgeOn(kEastGap)};
constexpr LeverEffect kLadderAsideEffects[] = {
    moveLadder(0, kLadderAside.x, kLadderAside.y), ledgeOn(kWestGap), ledgeOn(kEastGap)};
constexpr LeverEffect kPenToStore[] = {exitOf(0, kByTheStore.x, kByTheStore.y)};
constexpr LeverEffect kPenToEast[] = {exitOf(0, kOnEastTerrace.x, kOnEastTerrace.y)};
constexpr LeverEffect kPenToWest[] = {exitOf(0, kOnWestTerrace.x, kOnWestTerrace.y)};
constexpr LeverEffect kFenceStands[] = {appear(kFence0), appear(kFence1), appear(kFence2)};
constexpr LeverEffect kFenceOpens[] = {vanish(kFence0), vanish(kFence1), vanish(kFence2)};
constexpr LeverEffect kCratesStand[] = {appear(kGlade0), appear(kGlade1), appear(kGlade2)};
constexpr LeverEffect kCratesGo[] = {vanish(kGlade0), vanish(kGlade1), vanish(kGlade2)};
constexpr LeverScript kLeverScripts[] = {
    {{kLadderToEast, kLadderToWest, kLadderAsideEffects}},
    {{kPenToStore, kPenToEast, kPenToWest}},
    {{kFenceStands, kFenceOpens, kFenceStands}},
    {{kCratesStand, kCratesGo, kCratesStand}},
};

// Short onto the floor, over the fence into the stump pen, or high over the cliff onto the east terrace.
constexpr CatapultScript kCatapultScripts[] = {{{land(650, 445, 620), land(712, 440, 660), land(740, 240, 650)}}};

constexpr StoreScript kStoreScripts[] = {
    {{once(Gift::Heart, 1, 0), once(Gift::Weight, 2, 1), once(Gift::Hammer, 3, 2)}},
    {{keyOnce(Gift::Key, 4, 3, kGoldKeySlot), once(Gift::Heart, 1, 4), once(Gift::Heart, 2, 5)}},
};

constexpr DrawLine kDrawing[] = {
    exitPad(kByTheStore),
    exitPad(kOnEastTerrace),
    exitPad(kOnWestTerrace),
    exitPad(kInThePen),
    kTeleporterPads,
    each(Draw::Gem, 29, 0.75f, 0.75f),
    each(Draw::Ladders, 36, 1.1f, 1.3f),
    each(Draw::Stores, 22, 1.3f, 1.0f),
    each(Draw::Levers, 21, 0.7f, 0.7f),
    each(Draw::Catapults, 14, 1.3f, 1.3f),
    each(Draw::Coins, 6, 0.7f, 0.7f),
    each(Draw::Food, 8, 0.8f, 0.8f),
    each(Draw::Hammers, 16, 0.8f, 0.8f),
    each(Draw::Weights, 15, 1.0f, 1.0f),
    each(Draw::Keys, kKey2, 0.9f, 0.9f),
    each(Draw::Keys, kKey3, 0.9f, 0.9f),
    one(Draw::Doors, 9, 0, 1.4f, 1.4f),
    one(Draw::Doors, 10, 1, 1.4f, 1.4f),
    one(Draw::Doors, 11, 2, 1.4f, 1.4f),
    each(Draw::Blocks, 13, 1.1f, 1.7f),
    each(Draw::Machine, 23, 1.1f, 1.1f),
    kTeleporterBeams,
};

// The quest's pictures, slot by slot.
constexpr SlotArtRow kArt[] = {
    {6, {"Art/Coin.bmp", 32, 32, kBlackKey}},
    {7, {"Art/Key.bmp", 16, 32, kBlackKey}},
    {8, {"Art/Ham.bmp", 32, 64, kBlackKey}},
    {9, {"Art/Door7.bmp", 32, 32, kBlackKey}},
    {10, {"Art/Door5.bmp", 32, 32, kBlackKey}},
    {11, {"Art/Door13.bmp", 32, 32, kBlackKey}},
    {12, {"Art/TeleportPad.bmp", 32, 16, kBlackKey}},
    {13, {"Art/Block.bmp", 32, 32, kBlackKey}},
    {14, {"Art/Swing.bmp", 64, 32, kBlackKey}},
    {16, {"Art/Hammer2.bmp", 32, 64, kRedKey}},
    {19, {"Art/Key2.bmp", 16, 32, kBlackKey}},
    {20, {"Art/Key3.bmp", 16, 32, kBlackKey}},
    {21, {"Art/Lever.bmp", 64, 64, kRedKey}},
    {22, {"Art/House.bmp", 32, 64, kBlackKey}},
    {23, {"Art/Machine.bmp", 32, 64, kRedKey}},
    {24, {"Art/Ball.bmp", 64, 64, kRedKey}},
    {29, {"Art/Gem5.bmp", 64, 64, kBlackKey}},
    {36, {"Art/Ladder.bmp", 32, 64, kRedKey}},
};

constexpr QuestObjects kObjects = [] {
  QuestObjects q{};
  q.quest = 25;
  q.coins = kCoins;
  q.food = kHams;
  q.weights = kWeights;
  q.hammers = kHammers;
  q.ladders = kLadders;
  q.keys = kKeys;
  q.doors = kDoors;
  q.blocks = kBlocks;
  q.levers = kLevers;
  q.catapults = kCatapults;
  q.teleporters = kTeleporters;
  q.ledges = kLedges;
  q.stores = kStores;
  q.gem = Spot{400, 198};
  // The machine guards the red key; its balls roll west along the ridge.
  q.machine = MachinePlacement{690, 25, 680, 45};
  q.ballRollsLeft = true;
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

constexpr QuestContent kQuest25{&kLayout, &kObjects};
