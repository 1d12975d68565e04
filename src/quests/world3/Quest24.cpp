// Quest 24, "Find the amulet of health.": the amulet lies in a shrine on the hill's summit, and a
// hedge runs down the whole hill, cutting every terrace in two. The swing throws the dude over it
// onto the lower meadow, where a machine rolls balls at the dude until a hammer breaks it; a lever
// there sets a ladder up the cliff, another one on the terrace a ladder up to the summit's west end,
// where the gold key and the teleporter over the hedge are. East of the hedge a crate lever opens
// the way to the gold gate, the summit's east end hides the red key behind two crates, and its
// lever both moves those crates away and points the summit's teleporter at the shrine's gate.
#include "quests/QuestKit.h"
#include "quests/QuestRegistry.h"

using namespace questkit;

namespace {

// Walls, start and goal.

// Three tiers: the meadow (the dude's top at y 395 to 449), the terrace (230 to 344) and the summit
// (40 to 179). The hedge runs from top to bottom between x 400 and 460. West of it, the cliff of
// the meadow opens only at the ladder's gap (x 20 to 65) and at the lever's niche; the summit's west
// end can be walked down anywhere. East of it, each tier is shut from the next but for a gate.
constexpr HorizontalWall kUp[] = {
    {0, 20, 395},   {65, 100, 395}, {145, 400, 395}, {100, 145, 345},  // the meadow's west cliff and niche
    {460, 520, 395}, {565, 800, 395},                                  // the meadow's east cliff, the blue gate
    {0, 200, 230},  {245, 295, 230}, {340, 400, 230},                  // the summit's west cliff and its gaps
    {460, 640, 230}, {685, 800, 230},                                  // the summit's east cliff, the gold gate
    {0, 800, 40},                                                      // the sky
};
// Each edge lies a pixel above the cliff it stands on, so that the picture shows the cliff's face.
constexpr HorizontalWall kDown[] = {
    {0, 20, 394},    {65, 100, 394}, {145, 400, 394}, {100, 145, 344},  // the terrace's west edge
    {460, 520, 394}, {565, 800, 394},                                   // the terrace's east edge
    {460, 640, 229}, {685, 800, 229},                                   // the summit's east edge
};
// The hedge's sides, tier by tier; the lever's niche; the shrine's sides; the red key's nook and
// the booth of the summit's teleporter.
constexpr VerticalWall kLeft[] = {
    {460, 40, 180}, {460, 180, 230}, {460, 230, 395}, {460, 395, 500},
    {100, 345, 395}, {260, 40, 120}, {260, 120, 230},
    {700, 40, 120}, {560, 40, 120}, {600, 40, 120},
};
constexpr VerticalWall kRight[] = {
    {400, 40, 230}, {400, 230, 395}, {400, 395, 500},
    {145, 345, 395}, {260, 40, 230}, {385, 40, 230},
    {700, 40, 120}, {560, 40, 120}, {600, 40, 120},
};
constexpr DudeLayout kDude{608, 444, 0, kUp, kDown, kLeft, kRight};
constexpr QuestLayout kLayout{24, kDude, true, {305, 52, 35, 66}};

// Objects, scripts and drawing.

enum Ledge : uint8_t { kMeadowGap = 0, kSummitGap = 1 };
constexpr Spot kLadder1AtGap{27, 330}, kLadder1Aside{215, 405};
constexpr Spot kLadder2AtGap{207, 166}, kLadder2Aside{245, 250};

// Where the teleporters set the dude down: by the start, before the shrine's gate, on the terrace
// east of the hedge.
constexpr Spot kByTheStart{620, 444}, kBeforeShrine{305, 290}, kEastTerrace{490, 290};

constexpr Spot kCoins[] = {
    {645, 440}, {665, 440},  // by the start
    {150, 130},              // the summit's west end
    {620, 320},              // the terrace east of the hedge
    {770, 440},              // behind the crate at the meadow's east end
    {760, 130},              // in the red key's nook
};
constexpr Spot kHams[] = {
    {570, 440}, {770, 410},   // by the start, behind the east crate
    {180, 440}, {60, 440},    // the lower meadow west of the hedge
    {250, 300},               // the terrace
    {100, 120},               // the summit's west end
    {700, 300},               // the terrace east of the hedge
    {520, 130},               // the summit east of the hedge
};
constexpr Spot kHammers[] = {
    {265, 440},  // where the swing lands
    {500, 320},  // the terrace east of the hedge
};
constexpr Spot kWeights[] = {{500, 455}, {530, 455}, {150, 315}, {175, 315}, {180, 130}};
constexpr KeyPlacement kKeys[] = {
    onField(70, 130, kKey),    // the summit's west end
    onField(745, 80, kKey3),   // the red key's nook
    onField(90, 440, kKey2),   // the lower meadow's west end
};
// The blue gate up from the meadow, the gold gate up to the summit, the shrine's red gate.
constexpr DoorPlacement kDoors[] = {{520, 350, kKey2}, {640, 185, kKey}, {295, 185, kKey3}};
enum Crate : uint8_t { kGate0 = 0, kGate1 = 1, kGate2 = 2, kGate3 = 3, kNookWest = 4, kNookEast = 5 };
constexpr BlockPlacement kCrates[] = {
    // The crate gate on the terrace east of the hedge, stacked across the whole terrace.
    {590, 235, kHorizontal, kPresent}, {590, 270, kHorizontal, kPresent},
    {590, 305, kHorizontal, kPresent}, {590, 340, kHorizontal, kPresent},
    // Under the red key's nook.
    {705, 125, kVertical, kPresent}, {740, 125, kVertical, kPresent},
    // Before the meadow's east end, a hammer's reward.
    {745, 400, kHorizontal, kPresent},
};
constexpr LeverPlacement kLevers[] = {
    {100, 350, 0},  // the niche of the lower meadow: ladder 1
    {30, 235, 0},   // the terrace west of the hedge: ladder 2
    {470, 235, 0},  // the terrace east of the hedge: the crate gate
    {470, 45, 0},   // the summit east of the hedge: the nook and the summit's teleporter
};
constexpr Spot kLadders[] = {kLadder1Aside, kLadder2Aside};
constexpr CatapultPlacement kSwings[] = {{470, 440, kThrowsLeft}, {100, 300, kThrowsRight}};
constexpr TeleporterPlacement kTeleporters[] = {
    {5, 440, kByTheStart.x, kByTheStart.y},           // the lower meadow's west end, home
    {740, 290, kByTheStart.x, kByTheStart.y},         // the terrace's east end, home
    {560, 60, kByTheStart.x, kByTheStart.y},          // the summit's east end: as its lever says
    {10, 120, kEastTerrace.x, kEastTerrace.y},        // the summit's west end, over the hedge
};
constexpr Spot kStores[] = {{695, 430}};
constexpr LedgePlacement kLedges[] = {
    {kMeadowGap, 20, 395, 45, kActive},
    {kSummitGap, 200, 230, 45, kActive},
};
constexpr MachinePlacement kMachine{330, 380, 300, 412};

constexpr LeverEffect kLadder1Aside_[] = {moveLadder(0, kLadder1Aside.x, kLadder1Aside.y), ledgeOn(kMeadowGap)};
constexpr LeverEffect kLadder1Up[] = {moveLadder(0, kLadder1AtGap.x, kLadder1AtGap.y), ledgeOff(kMeadowGap)};
constexpr LeverEffect kLadder2Aside_[] = {moveLadder(1, kLadder2Aside.x, kLadder2Aside.y), ledgeOn(kSummitGap)};
constexpr LeverEffect kLadder2Up[] = {moveLadder(1, kLadder2AtGap.x, kLadder2AtGap.y), ledgeOff(kSummitGap)};
constexpr LeverEffect kGateShut[] = {appear(kGate0), appear(kGate1), appear(kGate2), appear(kGate3)};
constexpr LeverEffect kGateOpen[] = {vanish(kGate0), vanish(kGate1), vanish(kGate2), vanish(kGate3)};
constexpr LeverEffect kSummitHome[] = {exitOf(2, kByTheStart.x, kByTheStart.y)};
constexpr LeverEffect kSummitToShrine[] = {exitOf(2, kBeforeShrine.x, kBeforeShrine.y)};
constexpr LeverEffect kNookOpen[] = {vanish(kNookWest), vanish(kNookEast)};
constexpr LeverScript kLeverScripts[] = {
    {{kLadder1Aside_, kLadder1Up, kLadder1Aside_}},
    {{kLadder2Aside_, kLadder2Up, kLadder2Aside_}},
    {{kGateShut, kGateOpen, kGateShut}},
    {{kSummitHome, kSummitToShrine, kNookOpen}},
};
// The swing by the start throws short (before the machine's balls), onto the hammer, or to the
// far end; the terrace's swing throws over the hedge onto its east part, short of the crate gate.
constexpr CatapultScript kCatapultScripts[] = {
    {{land(290, 444, 440), land(250, 444, 420), land(150, 444, 400)}},
    {{land(500, 290, 200), land(530, 290, 220), land(555, 290, 240)}},
};
constexpr StoreScript kStoreScripts[] = {
    {{once(Gift::Heart, 1, 0), once(Gift::Weight, 1, 1), once(Gift::Hammer, 2, 2)}},
};

constexpr DrawLine pad(Spot s) { return picture(12, s.x - 5, s.y + 36, 1.4f, 1.4f); }

constexpr DrawLine kDrawing[] = {
    pad(kByTheStart), pad(kBeforeShrine), pad(kEastTerrace),
    each(Draw::TeleporterPads, 12, 1.4f, 1.4f, -5, 36),
    picture(34, 300, 60, 0.7f, 0.7f),  // the amulet on its altar
    each(Draw::Ladders, 36, 1.0f, 1.3f),
    each(Draw::Stores, 22, 1.3f, 1.0f),
    each(Draw::Levers, 21, 0.7f, 0.7f),
    each(Draw::Coins, 6, 0.7f, 0.7f),
    each(Draw::Food, 8, 0.8f, 0.8f),
    each(Draw::Weights, 15, 1.2f, 1.2f),
    each(Draw::Hammers, 16, 0.8f, 0.8f),
    each(Draw::Keys, kKey, 1.0f, 1.0f),
    each(Draw::Keys, kKey2, 1.0f, 1.0f),
    each(Draw::Keys, kKey3, 1.0f, 1.0f),
    one(Draw::Doors, 10, 0, 1.4f, 1.4f),
    one(Draw::Doors, 9, 1, 1.4f, 1.4f),
    one(Draw::Doors, 11, 2, 1.4f, 1.4f),
    each(Draw::Blocks, 13, 1.1f, 1.7f),
    each(Draw::Catapults, 14, 1.3f, 1.3f),
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
    {34, {"Art/Amulet1.bmp", 64, 64, kRedKey}},
    {36, {"Art/Ladder3.bmp", 32, 64, kRedKey}},
};

constexpr QuestObjects kObjects = [] {
  QuestObjects q{};
  q.quest = 24;
  q.coins = kCoins;
  q.food = kHams;
  q.weights = kWeights;
  q.hammers = kHammers;
  q.ladders = kLadders;
  q.keys = kKeys;
  q.doors = kDoors;
  q.blocks = kCrates;
  q.levers = kLevers;
  q.catapults = kSwings;
  q.teleporters = kTeleporters;
  q.ledges = kLedges;
  q.stores = kStores;
  q.machine = kMachine;
  q.ballRollsLeft = true;
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

constexpr QuestContent kQuest24{&kLayout, &kObjects};
